#include "wheel/glyph_radius.h"

#include <stdexcept>
#include <string>

#include "wheel/wheel_geometry.h"

namespace kairotex::tools::wheel {

namespace {

bool GlyphFits(double angle, double radius, const std::vector<Box>& keep_clear) {
  const Box glyph = GlyphCell(angle, radius);
  if (!InsideCircle(glyph, WheelCircle{kOuterRadius - kGlyphGap})) return false;
  for (const Box& box : keep_clear) {
    if (Overlaps(Grow(glyph, kGlyphGap), box)) return false;
  }
  return true;
}

}  // namespace

Box GlyphCell(double angle, double radius) {
  const Point anchor{radius * CosDeg(angle), radius * SinDeg(angle)};
  return TextCell(anchor, kPlanetBoxWidth, kPlanetBoxHeight);
}

std::array<Box, 3> ColumnCells(double angle, double radius) {
  static_assert(kColumnItems == 3);
  std::array<Box, 3> cells{};
  const double step_x = kPlanetBoxWidth * CosDeg(angle);
  const double step_y = kPlanetBoxHeight * SinDeg(angle) * kColumnStepFactorY;
  for (int k = 1; k <= kColumnItems; ++k) {
    const Point anchor{radius * CosDeg(angle) - k * step_x, radius * SinDeg(angle) - k * step_y};
    cells[k - 1] = TextCell(anchor, kColumnItemWidth, kPlanetBoxHeight);
  }
  return cells;
}

std::array<int, kRadiusEntries> ComputeGlyphRadii(const std::vector<Box>& keep_clear) {
  std::array<int, kRadiusEntries> radii{};
  for (int degree = 0; degree < kRadiusEntries; ++degree) {
    const double angle = degree % 360;
    int radius = static_cast<int>(kOuterRadius);
    while (radius > kInnerRadius && !GlyphFits(angle, radius, keep_clear)) --radius;
    if (radius <= kInnerRadius) {
      throw std::runtime_error("no room for a planet glyph at " + std::to_string(degree));
    }
    radii[degree] = radius;
  }
  return radii;
}

}  // namespace kairotex::tools::wheel
