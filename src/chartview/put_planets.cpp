// Places every shown object and draws it: as a planet column on the wheel, or
// as a glyph with its declination in the declination chart.
#include "chartview/wheel_steps.h"

namespace kairotex::wheel {

Placement PutPlanetsInChartwheel(const WheelPaint& paint, const HouseSizes& sizes,
                                 const GlyphBoxes& boxes) {
  const Placement placement = PlacePlanets(paint, sizes);
  for (int k = 0; k < placement.count; ++k) {
    if (paint.Declination()) {
      PutPlanetsInChartwheelDeclination(paint, boxes, placement.placed[k]);
    } else {
      DrawPlanetColumn(paint, boxes, placement.placed[k]);
    }
  }
  return placement;
}

}  // namespace kairotex::wheel
