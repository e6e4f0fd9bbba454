// The cusp longitudes beside the spokes: at the places of the label table in
// the American wheel, computed around the European one.
#include <algorithm>
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

// The row's items side by side in their own fonts: the degree's two digits
// together, a small gap before and after the sign, the minutes set lower so
// that their baseline meets the degree's.
struct LabelRow {
  std::array<Point, 5> offsets{};  // of each item's top-left from the row's
  double width = 0, height = 0;
};

LabelRow MeasureRow(const WheelPaint& paint, const std::array<LabelItem, 5>& items) {
  LabelRow row;
  std::array<TextExtent, 5> extents{};
  for (int k = 0; k < 5; ++k) {
    paint.UseFont(items[k].size_option, items[k].bold);
    extents[k] = paint.surface.MeasureText(items[k].text);
  }
  const double minute_drop = kAscentShare * (extents[0].height - extents[3].height);
  double x = 0;
  for (int k = 0; k < 5; ++k) {
    row.offsets[k] = {x, k >= 3 ? -minute_drop : 0.0};
    x += extents[k].width + (k == 1 || k == 2 ? kLabelItemGap : 0.0);
    row.height = std::max(row.height, extents[k].height - row.offsets[k].y);
  }
  row.width = x;
  return row;
}

// Whether some part of the row comes within kLabelGap of the outer circle
// (round on the device, so flattened by the spokes' factor in user units).
bool TouchesOuterCircle(double left, double top, const LabelRow& row) {
  const double rx = kOuterRadius + kLabelGap;
  const double ry = (kOuterRadius + kLabelGap) * kSpokeYFactor;
  const double nearest_x = std::clamp(0.0, left, left + row.width);
  const double nearest_y = std::clamp(0.0, top - row.height, top);
  return (nearest_x / rx) * (nearest_x / rx) + (nearest_y / ry) * (nearest_y / ry) < 1.0;
}

// A row anchored outside the wheel at the cusp's angle (the Descendant at 0
// degrees); on the left half the row ends at the anchor, near the vertical it
// is centred on it. A row that would touch the outer circle moves out along
// the cusp's direction, and one that would run past the drawing's edge moves
// back inside it.
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
  double top = anchor.y;
  const auto items = LabelItems(paint, cusps[wheel_index]);
  const LabelRow row = MeasureRow(paint, items);
  for (int step = 0; step < kLabelMaxSteps && TouchesOuterCircle(left, top, row); ++step) {
    left += CosDeg(angle);
    top += SinDeg(angle);
  }
  const Point inside = KeepInsideArea(paint.area, {left, top}, row.width, row.height);
  left = inside.x;
  top = inside.y;
  for (int k = 0; k < 5; ++k) {
    DrawItem(paint, items[k], {left + row.offsets[k].x, top + row.offsets[k].y});
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
