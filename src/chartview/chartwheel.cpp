// The window paint and the window's scale.
#include "chartview/chartwheel.h"

#include <cmath>
#include <limits>

#include "chartview/wheel_constants.h"
#include "chartview/wheel_steps.h"

namespace kairotex {

int16_t StartScaleForWindow(double width, double height) {
  using wheel::kDefaultStartScale;
  if (std::fabs(width) < std::fabs(height)) return wheel::kTallStartScale;
  // A wide window shows 225 units above and below the centre.
  if (height == 0) return kDefaultStartScale;
  const double scale = std::round(wheel::kWideHalfHeight / std::fabs(height / width));
  if (!(scale <= std::numeric_limits<int16_t>::max())) return kDefaultStartScale;
  return static_cast<int16_t>(scale);
}

void PaintChartwheel(DrawingSurface& surface, const WheelInputs& inputs, double drawing_width,
                     double drawing_height, int16_t start_scale) {
  const double half_width = start_scale;
  const double aspect = drawing_width != 0 ? std::fabs(drawing_height / drawing_width) : 1.0;
  const double half_height = half_width * aspect;
  surface.SetUserScale(-half_width, half_height, half_width, -half_height);
  surface.Clear(inputs.print_background ? QBColor(wheel::kWhite) : QBColor(inputs.options[100]));

  const wheel::WheelPaint paint = wheel::MakeWheelPaint(
      surface, inputs, wheel::kScreenProfile, {-half_width, half_height, half_width, -half_height},
      inputs.print_background);
  wheel::DrawWheel(paint);
  wheel::DrawChartHeader(paint, -half_width + wheel::kHeadingIndent, half_height);
}

}  // namespace kairotex
