#include "chartview/european_spokes.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "chart/angles.h"
#include "chartview/wheel_constants.h"
#include "chartview/wheel_geometry.h"

namespace kairotex::wheel {
namespace {

// Whether a glyph at this angle, and every item of the column under it, keeps
// clear of the spoke at spoke_angle on the given side (+1 counter-clockwise,
// -1 clockwise). Each box hangs down and to the right of its anchor, so its
// corner nearest the spoke depends only on the spoke's direction.
bool ColumnClearOfSpoke(const WheelPaint& paint, const GlyphBoxes& boxes, double spoke_angle,
                        double side, double angle) {
  // The spoke as drawn, its y flattened.
  const Point along = PointAt(spoke_angle, 1.0, kSpokeYFactor);
  const double length = std::hypot(along.x, along.y);
  const double nx = -side * along.y / length, ny = side * along.x / length;
  const auto clear = [&](Point anchor, double width, double height) {
    const double nearest =
        nx * anchor.x + ny * anchor.y + std::min(0.0, nx * width) + std::min(0.0, -ny * height);
    return nearest >= kSpokeClearance;
  };
  Point pen = PointAt(angle, RadiusAt(paint.tables, angle));
  if (!clear(pen, boxes.planet_width, boxes.planet_height)) return false;
  const double cos_a = CosDeg(angle), sin_a = SinDeg(angle);
  const double divisor = paint.profile.column_step_divisor;
  pen.x -= boxes.planet_width * cos_a;
  pen.y -= boxes.planet_height * sin_a / divisor;
  for (int item = 0; item < kColumnItems; ++item) {
    if (item > 0) {
      pen.x -= boxes.digit_width * cos_a;
      pen.y -= boxes.digit_height * sin_a / divisor;
    }
    if (!clear(pen, boxes.digit_width, boxes.digit_height)) return false;
  }
  return true;
}

// Degrees from a spoke on to an angle; an angle a rounding hair before the
// spoke (an Ascendant or Midheaven on its own cusp) stands on it.
double PastSpoke(double angle, double spoke) {
  const double past = Normalize360(angle - spoke);
  return past > 360.0 - kOnCuspTolerance ? 0.0 : past;
}

double SpokeAngle(const ChartState& chart, int house) {
  return Normalize360(chart.CuspWheel[WheelIndexOfHouse(house)] -
                      chart.CuspWheel[WheelIndexOfHouse(7)]);
}

// The furthest a glyph may stand short of a spoke, as degrees before it.
double RoomBefore(const WheelPaint& paint, const GlyphBoxes& boxes, double spoke) {
  for (double short_of = 0; short_of <= kSpokeNudgeLimit; short_of += kSpokeNudgeStep) {
    if (ColumnClearOfSpoke(paint, boxes, spoke, -1, Normalize360(spoke - short_of))) {
      return short_of;
    }
  }
  return kSpokeNudgeLimit;
}

}  // namespace

double RadiusAt(const DataTables& tables, double angle) {
  return tables.RadiusData[static_cast<size_t>(std::lround(angle))];
}

double ClearOfSpokeBehind(const WheelPaint& paint, const GlyphBoxes& boxes, double angle) {
  double spoke = 0, past = 360;
  for (int house = 1; house <= 12; ++house) {
    const double s = SpokeAngle(paint.chart, house);
    if (PastSpoke(angle, s) < past) {
      past = PastSpoke(angle, s);
      spoke = s;
    }
  }
  if (past >= kSpokeNudgeLimit) return angle;
  for (double moved = 0; past + moved < kSpokeNudgeLimit; moved += kSpokeNudgeStep) {
    const double a = Normalize360(spoke + past + moved);
    if (ColumnClearOfSpoke(paint, boxes, spoke, 1, a)) return a;
  }
  return Normalize360(spoke + kSpokeNudgeLimit);
}

void KeepOffTheSpokesAhead(const WheelPaint& paint, const GlyphBoxes& boxes, Placement& placement) {
  const ChartState& chart = paint.chart;
  int first = 0;
  while (first < placement.count) {
    // One house's glyphs stand together in the visiting order.
    const int house = placement.placed[first].house;
    int last = first;
    while (last + 1 < placement.count && placement.placed[last + 1].house == house) ++last;

    // Degrees past the house's own spoke; the last glyph may stand no further
    // than the room the spoke ahead leaves, each one before it a slot less.
    const double opening = SpokeAngle(chart, house);
    const double ahead = SpokeAngle(chart, NextHouse(house));
    const double size = Normalize360(ahead - opening);
    const auto past_opening = [&](int k) { return PastSpoke(placement.placed[k].angle, opening); };
    double limit = size - RoomBefore(paint, boxes, ahead);
    std::array<double, ObjectCount> wanted{};
    for (int k = last; k >= first; --k) {
      wanted[k] = std::min(past_opening(k), limit);
      limit = wanted[k] - kSlotWidth;
    }
    // The first glyph may not go back onto the spoke behind it, and glyphs
    // pushed on far into the next house stay there.
    const bool fits = wanted[first] >= past_opening(first) ||
                      ColumnClearOfSpoke(paint, boxes, opening, 1, opening + wanted[first]);
    if (fits && past_opening(last) < size + kSpokeNudgeLimit) {
      for (int k = first; k <= last; ++k) {
        PlacedObject& glyph = placement.placed[k];
        glyph.angle = Normalize360(opening + wanted[k]);
        glyph.radius = RadiusAt(paint.tables, glyph.angle);
        placement.angle[glyph.object] = glyph.angle;
      }
    }
    first = last + 1;
  }
}

}  // namespace kairotex::wheel
