// The wheel itself, the same on the window and on the page: frame, cusp
// labels, intercepted signs, planets and aspect lines.
#include "chartview/wheel_steps.h"

namespace kairotex::wheel {

void DrawWheel(const WheelPaint& paint) {
  const WheelProfile& p = paint.profile;
  if (paint.Declination()) {
    DrawSingleChartwheelDeclinations(paint);
  } else {
    DrawChartFrame(paint);
  }
  paint.UseFont(p.cusp_degree_size);
  const HouseSizes sizes = ComputeHouseSizes(paint.chart.CuspWheel);
  // The declination chart's fixed sectors carry no longitudes.
  if (!paint.Declination()) DrawCuspLabels(paint);
  DrawInterceptedSigns(paint, sizes);

  paint.UseFont(p.planet_glyph_size);
  const GlyphBoxes boxes = ComputeGlyphBoxes(paint);
  const Placement placement = PutPlanetsInChartwheel(paint, sizes, boxes);
  if (paint.options[47] == 1.0f) DrawAspectLines(paint, placement);
}

}  // namespace kairotex::wheel
