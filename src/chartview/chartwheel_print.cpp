// The printed full page: the wheel in the upper part of the page with the
// printer's options, the heading in its upper left corner and the aspect grid
// below.
#include "chartview/chartwheel.h"
#include "chartview/wheel_constants.h"
#include "chartview/wheel_steps.h"

namespace kairotex {

void PrintChartwheelPage(DrawingSurface& surface, const WheelInputs& inputs,
                         [[maybe_unused]] double screen_drawing_width, MessageSink& messages) {
  // The page's own scale replaces the screen-class scale the printer starts with.
  using namespace wheel;
  const bool european = inputs.type_chart == kEuropeanStyle && inputs.chart_exists;
  const double scale = european ? kPageScaleEuropean : kPageScaleAmerican;
  const double left = kPageLeftInset - scale;
  const double top = scale / kPageAspect - kPageTopRaise;
  const double right = scale - kPageRightInset;
  const double bottom = -scale / kPageAspect - kPageBottomDrop;
  surface.SetUserScale(left, top, right, bottom);

  const WheelPaint paint =
      MakeWheelPaint(surface, inputs, kPrinterProfile, {left, top, right, bottom}, false);
  DrawWheel(paint);
  PrintChartHeader(paint, left, top - inputs.options[55]);
  if (inputs.options[122] != 0.0f) PrintAspectGrid(paint, right - left, bottom - top, messages);
}

}  // namespace kairotex
