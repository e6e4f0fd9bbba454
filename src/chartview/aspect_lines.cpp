// Aspect lines in the centre of the wheel, with the orbs of the options file
// (the orb file is for the aspect list and the printed grid).
#include <array>

#include "aspects/aspect_codes.h"
#include "chart/angles.h"
#include "chartview/wheel_constants.h"
#include "chartview/wheel_geometry.h"
#include "chartview/wheel_steps.h"

namespace kairotex::wheel {
namespace {

// Objects that take part: the Sun, the planets, the Moon and Chiron.
constexpr std::array<int, 11> kLineObjects = {kSun,    kMercury, kVenus, kMars, kJupiter, kSaturn,
                                              kUranus, kNeptune, kPluto, kMoon, kChiron};

bool Within(double separation, double angle, double orb) {
  return angle - orb <= separation && separation <= angle + orb;
}

// Tried in this order; where orbs overlap the later one wins.
int LineAspect(double separation, const OptionsTable& o, bool declination) {
  int code = kNoAspect;
  if (Within(separation, 60, o[2])) code = kSextile;
  if (Within(separation, 90, o[3])) code = kSquare;
  if (Within(separation, 120, o[4])) code = kTrine;
  if (separation >= 180 - o[5]) code = kOpposition;
  if (Within(separation, 150, o[10])) code = kQuincunx;
  // Two declinations far apart on the wheel are contraparallel.
  if (declination && separation >= 180 - 6 * o[6]) code = kOpposition;
  return code;
}

Rgb LineColour(const WheelPaint& paint, int code) {
  const WheelProfile& p = paint.profile;
  switch (code) {
    case kSextile:
    case kTrine:
      return paint.print_background ? QBColor(kBlack) : paint.Colour(p.sextile_trine_colour);
    case kSquare:
    case kOpposition:
      return paint.Colour(p.square_opposition_colour);
    default:
      return paint.Colour(p.quincunx_colour);
  }
}

}  // namespace

void DrawAspectLines(const WheelPaint& paint, const Placement& placement) {
  paint.UseFont(paint.profile.aspect_line_size);
  const double radius = paint.Declination() ? kRadiusUnit : kInnerRadius;
  for (size_t i = 0; i < kLineObjects.size(); ++i) {
    for (size_t j = i + 1; j < kLineObjects.size(); ++j) {
      const int a = kLineObjects[i], b = kLineObjects[j];
      if (!placement.drawn[a] || !placement.drawn[b]) continue;
      const double separation = ShorterArc(paint.chart.ObjectPos[a], paint.chart.ObjectPos[b]);
      const int code = LineAspect(separation, paint.options, paint.Declination());
      if (code == kNoAspect) continue;
      // Straight lines take the spokes' vertical factor, so that their ends
      // meet the circle as the spokes do.
      const Point from = PointAt(placement.angle[a], radius, kSpokeYFactor);
      const Point to = PointAt(placement.angle[b], radius, kSpokeYFactor);
      paint.surface.Line(from.x, from.y, to.x, to.y, LineColour(paint, code));
    }
  }
}

}  // namespace kairotex::wheel
