#include "aspects/cosmodynes.h"

#include <cmath>

#include "aspects/cosmodynes_tables.h"

namespace kairotex {
namespace {

// Sum over houses first..last, counting round from 12 to 1.
DynesSum HouseRange(const CosmodynesFacts& f, int first, int last) {
  DynesSum sum;
  for (int h = first;; h = h % 12 + 1) {
    sum.power += f.houses[h].power;
    sum.net_harmony += f.houses[h].NetHarmony();
    if (h == last) return sum;
  }
}

}  // namespace

int DynesSignOf(double longitude) {
  if (!std::isfinite(longitude)) return 1;
  double x = std::fmod(longitude, 360.0);
  if (x < 0) x += 360;
  const int sign = static_cast<int>(x / 30) + 1;
  return sign > 12 ? 12 : sign;  // a hair below 0 folds to 360
}

int DynesHouseOf(const ChartState& chart, int object) {
  const int house = HouseOfObject(chart, object);
  return house >= 1 && house <= 12 ? house : 0;
}

void ComputeTotalPower(CosmodynesFacts& f) {
  for (int i : kDynesObjects) f.total_power[i] = f.house_power[i] + f.aspect_power[i];
}

void ComputeGroupTotals(CosmodynesFacts& f) {
  for (size_t g = 0; g < f.groups.size(); ++g) {
    DynesSum& group = f.groups[g] = {};
    for (int s = 1; s <= 12; ++s) {
      if (!dynes::Holds(dynes::kGroupSigns[g], s)) continue;
      group.power += f.signs[s].power;
      group.net_harmony += f.signs[s].NetHarmony();
    }
  }
  f.south = HouseRange(f, 7, 12);
  f.north = HouseRange(f, 1, 6);
  f.east = HouseRange(f, 10, 3);
  f.west = HouseRange(f, 4, 9);
}

CosmodynesFacts ComputeCosmodynes(const ChartState& chart) {
  CosmodynesFacts f;
  ComputeDynesHouseSizes(chart, f);
  ComputeHousePower(chart, f);
  ComputeAspectDynes(chart, f);
  ComputeTotalPower(f);
  AddMutualReceptions(chart, f);
  AddSignDignities(chart, f);
  CountCuspsPerSign(chart, f);
  ComputeSignTotals(chart, f);
  ComputeHouseTotals(chart, f);
  ComputeGroupTotals(f);
  return f;
}

}  // namespace kairotex
