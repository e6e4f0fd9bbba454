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
    const Point at = PointAt(MiddleOfHouse(paint, sizes, i), kLabelRadius);
    paint.UseFont(paint.profile.cusp_sign_size);
    paint.surface.Text(at.x, at.y, SignGlyph(WrapSign(sign + 1)),
                       paint.Colour(paint.profile.cusp_sign_colour));
  }
}

}  // namespace kairotex::wheel
