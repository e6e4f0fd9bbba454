// House sizes, the power a planet draws from its house, and the house totals.
#include "aspects/cosmodynes.h"
#include "aspects/cosmodynes_tables.h"

namespace kairotex {
namespace {

// Wheel order puts the 10th house first: houses 10..12 are wheel entries
// 1..3, houses 1..9 entries 4..12.
size_t WheelIndexOfHouse(int house) {
  return static_cast<size_t>((house + 2) % 12 + 1);
}

int NextHouse(int house) {
  return house % 12 + 1;
}

// Arc from `from` forward to `to`, 0..360.
double ArcForward(double from, double to) {
  const double arc = to - from;
  return arc < 0 ? arc + 360 : arc;
}

void AddTotals(DynesTotals& to, const DynesTotals& value, double share) {
  to.power += share * value.power;
  to.harmony += share * value.harmony;
  to.discord += share * value.discord;
}

}  // namespace

void ComputeDynesHouseSizes(const ChartState& chart, CosmodynesFacts& f) {
  for (int h = 1; h <= 12; ++h) f.house_cusp[h] = chart.CuspComputed[WheelIndexOfHouse(h)];
  for (int h = 1; h <= 12; ++h) {
    f.house_size[h] = ArcForward(f.house_cusp[h], f.house_cusp[NextHouse(h)]);
  }
}

void ComputeHousePower(const ChartState& chart, CosmodynesFacts& f) {
  f.house_power = {};
  for (int i = kSun; i <= kMoon; ++i) {
    const int h = DynesHouseOf(chart, i);
    if (h == 0) continue;
    const double base = dynes::kHouseBase[h];
    const double fall_off = dynes::kHouseFallOff[h];
    const double size = f.house_size[h];
    // Two cusps on one degree leave a house of no size; the planet on its
    // cusp then keeps the full base.
    if (size <= 0) {
      f.house_power[i] = base;
      continue;
    }
    const double d = ArcForward(f.house_cusp[h], chart.ObjectLon[i]);
    f.house_power[i] = base - fall_off * d / size;
  }
}

void ComputeHouseTotals(const ChartState& chart, CosmodynesFacts& f) {
  for (int h = 1; h <= 12; ++h) {
    DynesTotals& house = f.houses[h] = {};
    const int c1 = DynesSignOf(f.house_cusp[h]);
    int c2 = DynesSignOf(f.house_cusp[NextHouse(h)]);
    if (c2 < c1) c2 += 12;
    AddTotals(house, SignRulerValue(f, c1), dynes::kCuspSignShare);
    // Signs lying wholly inside the house.
    for (int c = c1 + 1; c <= c2 - 1; ++c) {
      AddTotals(house, SignRulerValue(f, (c - 1) % 12 + 1), dynes::kInterceptedSignShare);
    }
  }
  for (int i = kSun; i <= kMoon; ++i) {
    const int h = DynesHouseOf(chart, i);
    if (h != 0) AddTotals(f.houses[h], {f.total_power[i], f.harmony[i], f.discord[i]}, 1);
  }
}

}  // namespace kairotex
