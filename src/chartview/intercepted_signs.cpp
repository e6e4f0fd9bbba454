// Signs that lie wholly inside a house, shown outside the wheel in the middle
// of that house.
#include "chart/angles.h"
#include "chartview/glyph_text.h"
#include "chartview/wheel_constants.h"
#include "chartview/wheel_geometry.h"
#include "chartview/wheel_steps.h"

namespace kairotex::wheel {
namespace {

int WrapSign(int sign) {
  return (sign - 1) % 12 + 1;
}

// Middle of the house at this wheel position: of its equal sector in the
// American wheel, halfway between its cusps in the European one.
double MiddleOfHouse(const WheelPaint& paint, const HouseSizes& sizes, int wheel_index) {
  if (!paint.european) return AmericanCuspAngle(HouseOfWheelIndex(wheel_index)) + 15.0;
  const CuspTable& cusps = paint.chart.CuspWheel;
  const double cusp_angle = Normalize360(cusps[wheel_index] - cusps[WheelIndexOfHouse(7)]);
  return Normalize360(cusp_angle + sizes[wheel_index] / 2.0);
}

}  // namespace

void DrawInterceptedSigns(const WheelPaint& paint, const HouseSizes& sizes) {
  const CuspTable& cusps = paint.chart.CuspWheel;
  for (int i = 1; i <= 12; ++i) {
    const int sign = SignOf(cusps[i]);
    if (SignOf(cusps[NextWheelIndex(i)]) != WrapSign(sign + 2)) continue;
    // Near the vertical, radius 236 reaches past a wide window's edge (225):
    // such a glyph moves back inside the drawing rather than vanish.
    paint.UseFont(paint.profile.cusp_sign_size);
    const std::string glyph = SignGlyph(WrapSign(sign + 1));
    const TextExtent extent = paint.surface.MeasureText(glyph);
    const Point at = KeepInsideArea(
        paint.area, PointAt(MiddleOfHouse(paint, sizes, i), kLabelRadius), extent.width,
        extent.height);
    paint.surface.Text(at.x, at.y, glyph, paint.Colour(paint.profile.cusp_sign_colour));
  }
}

}  // namespace kairotex::wheel
