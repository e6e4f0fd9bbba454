// One object of the declination chart: its glyph just outside the ring and its
// declination beside it, where the layout put them.
#include "chartview/declination_layout.h"
#include "chartview/wheel_constants.h"
#include "chartview/wheel_steps.h"

namespace kairotex::wheel {

void PutPlanetsInChartwheelDeclination(const WheelPaint& paint, const DeclinationMark& mark) {
  const WheelProfile& p = paint.profile;
  // The text is drawn from its top-left corner; the glyph is centred in its box.
  paint.UseFont(p.planet_glyph_size);
  const std::string code = Glyph(paint.ObjectGlyphCode(mark.object));
  const double glyph_width = paint.surface.MeasureText(code).width;
  paint.surface.Text(mark.glyph_centre.x - glyph_width / 2,
                     mark.glyph_centre.y + mark.glyph_height / 2, code,
                     QBColor(kDeclinationGlyphColour));
  paint.UseFont(p.planet_degree_size);
  paint.surface.Text(mark.value_centre.x - mark.value_width / 2,
                     mark.value_centre.y + mark.value_height / 2, mark.value,
                     paint.Colour(p.planet_degree_colour));
}

}  // namespace kairotex::wheel
