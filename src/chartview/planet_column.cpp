// One object of the wheel: its glyph, then its degree, sign and minutes in a
// column running towards the centre, and its retrograde mark.
#include <array>
#include <string>

#include "chart/angles.h"
#include "chartview/glyph_text.h"
#include "chartview/wheel_constants.h"
#include "chartview/wheel_geometry.h"
#include "chartview/wheel_steps.h"

namespace kairotex::wheel {
namespace {

struct ColumnItem {
  std::string text;
  int size_option = 0;
  int colour_option = 0;
  bool bold = false;
};

// Degrees first on the left half of the American wheel (outside houses t to
// t + 5) and from 75 up to 255 degrees on the European one; minutes first on
// the other side, so that the column always reads from the rim.
bool DegreesFirst(const WheelPaint& paint, const PlacedObject& glyph) {
  const bool side_moved = paint.options[28] == 1.0f && (!paint.european || !paint.chart_exists);
  const int t = side_moved ? kColumnSideHouse - 1 : kColumnSideHouse;
  const bool on_side =
      !paint.european || (glyph.angle >= kDegreesFirstFrom && glyph.angle < kDegreesFirstTo);
  const bool in_houses =
      paint.european || glyph.slot_house < t || glyph.slot_house > t + kColumnSideSpan;
  return on_side && in_houses;
}

std::array<ColumnItem, 3> ColumnItems(const WheelPaint& paint, const PlacedObject& glyph) {
  const SplitLon split = SplitLongitude(paint.chart.ObjectPos[glyph.object]);
  const WheelProfile& p = paint.profile;
  const ColumnItem degree{TwoDigits(split.degree), p.planet_degree_size, p.planet_degree_colour,
                          true};
  const ColumnItem sign{SignGlyph(split.sign), p.planet_sign_size, p.planet_sign_colour, false};
  const ColumnItem minutes{TwoDigits(split.minute), p.planet_minute_size, p.planet_minute_colour,
                           false};
  if (DegreesFirst(paint, glyph)) return {degree, sign, minutes};
  return {minutes, sign, degree};
}

// The marks are the geocentric motion's; seen from the Sun no planet turns
// back, so the heliocentric wheel shows none.
bool ShowsRetrograde(const WheelPaint& paint, int object) {
  const ChartState& chart = paint.chart;
  const auto at = static_cast<size_t>(object - 1);
  return !paint.Heliocentric() && object <= kMoon && at < chart.RetroFlags.size() &&
         chart.RetroFlags[at] == 'R';
}

}  // namespace

void DrawPlanetColumn(const WheelPaint& paint, const GlyphBoxes& boxes, const PlacedObject& glyph) {
  const WheelProfile& p = paint.profile;
  const double cos_a = CosDeg(glyph.angle);
  const double sin_a = SinDeg(glyph.angle);
  Point pen = PointAt(glyph.angle, glyph.radius);

  const bool moon_applies = glyph.object == kMoon && paint.chart.MoonAppliesFlag == 1;
  paint.UseFont(moon_applies ? p.moon_applying_size : p.planet_glyph_size, moon_applies);
  paint.surface.Text(pen.x, pen.y, Glyph(paint.ObjectGlyphCode(glyph.object)),
                     paint.Colour(moon_applies ? p.moon_applying_colour : p.planet_glyph_colour));

  // Inward by one box along the angle: the glyph's box off the glyph, the
  // digit box between the items.
  const auto step_in = [&](int width, int height) {
    pen.x -= width * cos_a;
    pen.y -= height * sin_a / p.column_step_divisor;
  };
  step_in(boxes.planet_width, boxes.planet_height);
  bool first = true;
  for (const ColumnItem& item : ColumnItems(paint, glyph)) {
    if (!first) step_in(boxes.digit_width, boxes.digit_height);
    first = false;
    paint.UseFont(item.size_option, item.bold);
    paint.surface.Text(pen.x, pen.y, item.text, paint.Colour(item.colour_option));
  }

  if (ShowsRetrograde(paint, glyph.object)) {
    step_in(boxes.digit_width, boxes.digit_height);
    paint.UseFont(p.retrograde_size);
    paint.surface.Text(pen.x, pen.y, Glyph(kRetrogradeGlyph), paint.Colour(p.retrograde_colour));
  }
}

}  // namespace kairotex::wheel
