// The slots of the houses: each house has a row of them; an object takes the
// slot its place in the house asks for, moved back when the house's later
// objects would run out of room, and the next free one when that is taken. A
// full house passes its objects on to the slots of the houses that follow,
// so no two glyphs ever share a slot and no slot lies outside the table.
#pragma once

#include <array>

#include "chartview/wheel_constants.h"
#include "chartview/wheel_paint.h"

namespace kairotex::wheel {

struct SlotLayout {
  int count = kSlotsPerHouse;
  double width = kSlotWidth;  // degrees
};

// The declination chart widens a sector's layout to its number of objects.
SlotLayout LayoutFor(ChartKind kind, int objects);

struct SlotRef {
  int house = 1;
  int index = 0;
};

class SlotTable {
 public:
  explicit SlotTable(const std::array<SlotLayout, 13>& layouts) : layouts_(layouts) {}

  const SlotLayout& Layout(int house) const { return layouts_[house]; }
  // Slots past the end of a house are never marked.
  bool Free(int house, int slot) const;
  // Takes the first free slot at or after this one, going on around the wheel.
  SlotRef Take(int house, int slot);

 private:
  std::array<SlotLayout, 13> layouts_;
  std::array<std::array<bool, kMaxSlots>, 13> taken_{};
};

// The slot an object asks for, `into` degrees into a house of `size` degrees
// holding `in_house` objects, `still_to_come` of them after this one.
int PreferredSlot(const SlotTable& slots, int house, double into, double size, int in_house,
                  int still_to_come);

}  // namespace kairotex::wheel
