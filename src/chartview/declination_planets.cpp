// One object of the declination chart: its glyph outside the ring and its
// declination beside it.
#include <array>
#include <cmath>
#include <cstdio>
#include <string>

#include "chart/angles.h"
#include "chartview/wheel_constants.h"
#include "chartview/wheel_geometry.h"
#include "chartview/wheel_steps.h"

namespace kairotex::wheel {
namespace {

// The wheel angle counts six degrees per degree of declination, south from 0
// and north from 180 degrees, so each 30 degree sector spans five degrees of
// declination. The value shown is the declination itself; the half of the
// wheel tells north from south.
double DeclinationOfWheelAngle(double wheel_angle) {
  const double angle = Normalize360(wheel_angle);
  const double sector = std::floor(angle / 30.0);
  const double into_sector = angle - 30.0 * sector;
  const double sectors_into_half = std::fmod(sector, 6.0);
  return (30.0 * sectors_into_half + into_sector) / 6.0;
}

// One decimal, halves rounded up.
std::string OneDecimal(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", std::floor(value * 10.0 + 0.5) / 10.0);
  return text;
}

std::string ValueText(const ChartState& chart, int object) {
  std::string text;
  const auto at = static_cast<size_t>(object - 1);
  if (at < chart.RetroFlags.size() && chart.RetroFlags[at] != ' ') text += chart.RetroFlags[at];
  return text + OneDecimal(DeclinationOfWheelAngle(chart.ObjectPos[object]));
}

struct Offset {
  double dx = 0;  // glyph box widths
  double dy = 0;  // glyph box heights
};

// Where the value stands against the glyph's top-left corner, by quadrant:
// above the glyph in the upper right, to its left on the left half, below it
// in the lower right.
Offset ValueOffset(double angle) {
  static constexpr std::array<Offset, 4> kByQuadrant = {
      {{0.25, 0.5}, {-1.65, 0.12}, {-1.65, -0.25}, {-0.25, -0.75}}};
  return kByQuadrant[static_cast<size_t>(angle / 90.0) % 4];
}

}  // namespace

void PutPlanetsInChartwheelDeclination(const WheelPaint& paint, const GlyphBoxes& boxes,
                                       const PlacedObject& glyph) {
  const WheelProfile& p = paint.profile;
  const Point at = PointAt(glyph.angle, glyph.radius);
  paint.UseFont(p.planet_glyph_size);
  paint.surface.Text(at.x, at.y, Glyph(paint.ObjectGlyphCode(glyph.object)),
                     QBColor(kDeclinationGlyphColour));

  const Offset offset = ValueOffset(glyph.angle);
  paint.UseFont(p.planet_degree_size);
  paint.surface.Text(at.x + offset.dx * boxes.planet_width, at.y + offset.dy * boxes.planet_height,
                     ValueText(paint.chart, glyph.object), paint.Colour(p.planet_degree_colour));
}

}  // namespace kairotex::wheel
