// The boxes a planet column steps by, measured in the planet glyph font: the
// Earth glyph for the glyphs, "0" for the digits.
#include <cmath>

#include "aspects/aspect_codes.h"
#include "chartview/wheel_constants.h"
#include "chartview/wheel_geometry.h"
#include "chartview/wheel_steps.h"

namespace kairotex::wheel {
namespace {

int Whole(double units) {
  return static_cast<int>(std::lround(units));
}

}  // namespace

GlyphBoxes ComputeGlyphBoxes(const WheelPaint& paint) {
  const OptionsTable& o = paint.options;
  const WheelProfile& p = paint.profile;
  const TextExtent glyph = paint.surface.MeasureText(Glyph(kEarthGlyph));
  const TextExtent digit = paint.surface.MeasureText(std::string(1, kDigitZero));
  GlyphBoxes boxes;
  boxes.planet_width = Whole(glyph.width + o[p.planet_box_width_margin]);
  boxes.planet_height = Whole(std::fabs(glyph.height) + o[p.planet_box_height_margin]);
  boxes.digit_width = Whole(digit.width + o[p.digit_box_width_margin]);
  boxes.digit_height = Whole(std::fabs(digit.height) + o[p.digit_box_height_margin]);
  // Large minute digits would push the column out of the wheel's centre.
  if (o[p.planet_minute_size] >= kLargeMinuteFont) boxes.digit_height -= kLargeMinuteShrink;
  return boxes;
}

}  // namespace kairotex::wheel
