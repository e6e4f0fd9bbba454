// The cusp longitudes beside the spokes: at the places of the label table in
// the American wheel, computed around the European one.
#include <array>

#include "chart/angles.h"
#include "chartview/glyph_text.h"
#include "chartview/wheel_constants.h"
#include "chartview/wheel_geometry.h"
#include "chartview/wheel_steps.h"

namespace kairotex::wheel {
namespace {

struct LabelItem {
  std::string text;
  int size_option = 0;
  int colour_option = 0;
  bool bold = false;
};

// Degree (bold), sign glyph and minutes of one cusp, in the order they stand.
std::array<LabelItem, 5> LabelItems(const WheelPaint& paint, double cusp) {
  const SplitLon split = SplitLongitude(cusp);
  const WheelProfile& p = paint.profile;
  return {{{TensDigit(split.degree), p.cusp_degree_size, p.cusp_degree_colour, true},
           {UnitsDigit(split.degree), p.cusp_degree_size, p.cusp_degree_colour, true},
           {SignGlyph(split.sign), p.cusp_sign_size, p.cusp_sign_colour, false},
           {TensDigit(split.minute), p.cusp_minute_size, p.cusp_minute_colour, false},
           {UnitsDigit(split.minute), p.cusp_minute_size, p.cusp_minute_colour, false}}};
}

void DrawItem(const WheelPaint& paint, const LabelItem& item, Point at) {
  paint.UseFont(item.size_option, item.bold);
  paint.surface.Text(at.x, at.y, item.text, paint.Colour(item.colour_option));
}

// Five (x, y) pairs per wheel position in the label table.
void DrawTableLabel(const WheelPaint& paint, int wheel_index) {
  const auto items = LabelItems(paint, paint.chart.CuspWheel[wheel_index]);
  const auto& table = paint.tables.HcData;
  const int first = 10 * wheel_index - 10;
  for (int k = 0; k < 5; ++k) {
    DrawItem(
        paint, items[k],
        {static_cast<double>(table[first + 2 * k]), static_cast<double>(table[first + 2 * k + 1])});
  }
}

// A row anchored outside the wheel at the cusp's angle (the Descendant at 0
// degrees); on the left half the row ends at the anchor, near the vertical it
// is centred on it.
void DrawComputedLabel(const WheelPaint& paint, int wheel_index) {
  const CuspTable& cusps = paint.chart.CuspWheel;
  const double angle = Normalize360(cusps[wheel_index] - cusps[WheelIndexOfHouse(7)]);
  const Point anchor = PointAt(angle, kLabelRadius, kLabelYFactor);
  double left = anchor.x;
  if (angle >= 100 && angle <= 260) {
    left -= kLabelRowShiftLeftHalf;
  } else if (angle > 80 && angle < 280) {
    left -= kLabelRowShiftVertical;
  }
  const auto items = LabelItems(paint, cusps[wheel_index]);
  for (int k = 0; k < 5; ++k) {
    DrawItem(paint, items[k], {left + kLabelItemDx[k], anchor.y + kLabelItemDy[k]});
  }
}

}  // namespace

void DrawCuspLabels(const WheelPaint& paint) {
  const bool computed = paint.european && paint.chart_exists;
  for (int i = 1; i <= 12; ++i) {
    if (computed) {
      DrawComputedLabel(paint, i);
    } else {
      DrawTableLabel(paint, i);
    }
  }
}

}  // namespace kairotex::wheel
