// The visiting order and the angle and radius of every glyph.
#include "chartview/planet_placement.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "chart/angles.h"
#include "chartview/european_angles.h"
#include "chartview/european_spokes.h"
#include "chartview/slot_table.h"
#include "chartview/wheel_constants.h"
#include "chartview/wheel_geometry.h"

namespace kairotex::wheel {

bool IsObjectShown(ChartKind kind, int object) {
  if (kind == ChartKind::kDeclination) return object < kNorthNode || object > kPartOfFortune;
  if (kind == ChartKind::kHeliocentric) return object < kMoon || object > kMidheaven;
  return true;
}

VisitOrder CountObjectsPerHouse(const ChartState& chart, ChartKind kind) {
  VisitOrder order;
  for (int object = 1; object <= ObjectCount; ++object) {
    if (!IsObjectShown(kind, object) || !ObjectAvailable(chart, object)) continue;
    const int house = HouseOfObject(chart, object);
    if (house < 1 || house > 12) continue;  // no chart cast yet
    order.object[order.size] = object;
    ++order.size;
  }
  // Round the zodiac, so that the glyphs of a house keep the order of the
  // objects and each can leave room for those after it; equal places keep
  // the objects' own order.
  std::stable_sort(order.object.begin(), order.object.begin() + order.size,
                   [&chart](int a, int b) { return chart.ObjectPos[a] < chart.ObjectPos[b]; });
  for (int k = 0; k < order.size; ++k) {
    order.house[k] = HouseOfObject(chart, order.object[k]);
    ++order.per_house[order.house[k]];
  }
  // The house across 0 degrees would otherwise be split between the end and
  // the start.
  for (int turns = 0; turns < order.size - 1 && order.house[order.size - 1] == order.house[0];
       ++turns) {
    std::rotate(order.object.begin(), order.object.begin() + order.size - 1,
                order.object.begin() + order.size);
    std::rotate(order.house.begin(), order.house.begin() + order.size - 1,
                order.house.begin() + order.size);
  }
  return order;
}

Placement PlacePlanets(const WheelPaint& paint, const HouseSizes& sizes, const GlyphBoxes& boxes) {
  const ChartState& chart = paint.chart;
  const VisitOrder order = CountObjectsPerHouse(chart, paint.kind);
  std::array<SlotLayout, 13> layouts{};
  for (int h = 1; h <= 12; ++h) layouts[h] = LayoutFor(paint.kind, order.per_house[h]);
  SlotTable slots(layouts);

  Placement result;
  int previous_house = 0;
  HouseVisit visit;
  for (int k = 0; k < order.size; ++k) {
    const int house = order.house[k];
    visit.placed_in_house = house == previous_house ? visit.placed_in_house + 1 : 1;
    previous_house = house;
    visit.object = order.object[k];
    visit.still_to_come = order.per_house[house] - visit.placed_in_house;
    const int wheel_index = WheelIndexOfHouse(house);
    visit.size = sizes[wheel_index];
    visit.into = Normalize360(chart.ObjectPos[visit.object] - chart.CuspWheel[wheel_index]);
    if (visit.into > 360.0 - kOnCuspTolerance) visit.into = 0;

    const int wanted = PreferredSlot(slots, house, visit.into, visit.size, order.per_house[house],
                                     visit.still_to_come);
    const SlotRef slot = slots.Take(house, wanted);
    PlacedObject glyph{
        .object = visit.object, .house = house, .slot_house = slot.house, .slot = slot.index};
    if (paint.Declination()) {
      glyph.angle = Normalize360(kDeclinationSectorStart[slot.house] +
                                 slot.index * slots.Layout(slot.house).width);
      // The declination layout sets the glyph out from the ring itself.
      glyph.radius = kRadiusUnit;
    } else if (paint.european) {
      std::optional<double> previous;
      if (result.count > 0) previous = result.placed[result.count - 1].angle;
      const double own = ClearOfSpokeBehind(paint, boxes, EuropeanAngle(chart, visit, previous));
      glyph.angle = ClearOfEarlierGlyphs(own, result);
      glyph.radius = RadiusAt(paint.tables, glyph.angle);
    } else {
      glyph.angle = Normalize360(kSectorStart[slot.house] + slot.index * kSlotWidth);
      glyph.radius = RadiusAt(paint.tables, glyph.angle);
    }
    result.placed[result.count++] = glyph;
    result.drawn[glyph.object] = true;
    result.angle[glyph.object] = glyph.angle;
  }
  if (paint.european && !paint.Declination()) KeepOffTheSpokesAhead(paint, boxes, result);
  return result;
}

}  // namespace kairotex::wheel
