#include "chartview/slot_table.h"

#include <algorithm>

#include "chartview/wheel_geometry.h"

namespace kairotex::wheel {

SlotLayout LayoutFor(ChartKind kind, int objects) {
  if (kind != ChartKind::kDeclination) return {};
  if (objects <= kDeclinationFewSlots) return {kDeclinationFewSlots, kDeclinationFewSlotWidth};
  if (objects <= kMaxSlots) return {objects, 30.0 / objects};
  return {kMaxSlots, kDeclinationManySlotWidth};
}

bool SlotTable::Free(int house, int slot) const {
  return slot < 0 || slot >= layouts_[house].count || !taken_[house][slot];
}

SlotRef SlotTable::Take(int house, int slot) {
  for (int step = 0; step <= 13 * kMaxSlots; ++step) {
    if (slot >= layouts_[house].count) {
      house = NextHouse(house);
      slot = 0;
      continue;
    }
    if (!taken_[house][slot]) {
      taken_[house][slot] = true;
      return {house, slot};
    }
    ++slot;
  }
  return {house, 0};  // not reached: the wheel has far more slots than objects
}

int PreferredSlot(const SlotTable& slots, int house, double into, double size, int in_house,
                  int still_to_come) {
  const int count = slots.Layout(house).count;
  // A house of no size (no chart yet) or a huge ratio must not overflow the int.
  constexpr double kFarPastTheHouse = 1e6;
  int slot = 0;
  if (size > 0) slot = static_cast<int>(std::min(count * into / size, kFarPastTheHouse));
  if (count - slot - still_to_come <= 0) {
    if (slot - still_to_come >= 0 && slots.Free(house, slot)) {
      slot = count - still_to_come - 1;
    } else {
      slot = count - in_house;
    }
  }
  return std::max(slot, 0);
}

}  // namespace kairotex::wheel
