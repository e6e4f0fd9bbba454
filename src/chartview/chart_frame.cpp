// The frame of the wheel: spokes and circles, or the short spokes and single
// ring of the declination chart.
#include "chart/angles.h"
#include "chartview/wheel_constants.h"
#include "chartview/wheel_geometry.h"
#include "chartview/wheel_steps.h"

namespace kairotex::wheel {
namespace {

void DrawSpoke(const WheelPaint& paint, double angle, double from, double to, Rgb colour) {
  const Point a = PointAt(angle, from, kSpokeYFactor);
  const Point b = PointAt(angle, to, kSpokeYFactor);
  paint.surface.Line(a.x, a.y, b.x, b.y, colour);
}

// The half-page print wants black spokes on its white background.
Rgb SpokeColour(const WheelPaint& paint) {
  return paint.print_background ? QBColor(kBlack) : paint.Colour(paint.profile.spoke_colour);
}

}  // namespace

void DrawChartFrame(const WheelPaint& paint) {
  const Rgb spokes = SpokeColour(paint);
  if (paint.european) {
    // The houses at their true sizes, the Ascendant on the left; the
    // Ascendant's spoke comes first.
    const CuspTable& cusps = paint.chart.CuspWheel;
    const int ascendant = WheelIndexOfHouse(1);
    for (int k = 0; k < 12; ++k) {
      const int wheel_index = (ascendant - 1 + k) % 12 + 1;
      const double angle =
          Normalize360(180.0 + Normalize360(cusps[wheel_index] - cusps[ascendant]));
      DrawSpoke(paint, angle, kInnerRadius, kOuterRadius, spokes);
    }
  } else {
    for (int k = 0; k < 12; ++k) DrawSpoke(paint, 30.0 * k, kInnerRadius, kOuterRadius, spokes);
  }
  const Rgb circles = paint.Colour(paint.profile.circle_colour);
  paint.surface.Circle(0, 0, kOuterRadius, circles);
  paint.surface.Circle(0, 0, kInnerRadius, circles);
}

void DrawSingleChartwheelDeclinations(const WheelPaint& paint) {
  const Rgb spokes = SpokeColour(paint);
  for (int k = 0; k < 12; ++k) {
    DrawSpoke(paint, 30.0 * k, kRadiusUnit, kDeclinationSpokeEnd, spokes);
  }
  paint.surface.Circle(0, 0, kRadiusUnit, paint.Colour(paint.profile.circle_colour));
}

}  // namespace kairotex::wheel
