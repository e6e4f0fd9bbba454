// What the signs add: mutual receptions, sign dignities, and the sign totals
// with the rulers' shares.
#include "aspects/cosmodynes.h"
#include "aspects/cosmodynes_tables.h"

namespace kairotex {

void AddMutualReceptions(const ChartState& chart, CosmodynesFacts& f) {
  for (int a = kSun; a <= kMoon; ++a) {
    for (int b = a + 1; b <= kMoon; ++b) {
      const bool a_received =
          dynes::Holds(dynes::kReceptionSigns[b], DynesSignOf(chart.ObjectLon[a]));
      const bool b_received =
          dynes::Holds(dynes::kReceptionSigns[a], DynesSignOf(chart.ObjectLon[b]));
      if (a_received && b_received) {
        f.harmony[a] += dynes::kReceptionHarmony;
        f.harmony[b] += dynes::kReceptionHarmony;
      }
    }
  }
}

void AddSignDignities(const ChartState& chart, CosmodynesFacts& f) {
  for (int i = kSun; i <= kMoon; ++i) {
    const int sign = DynesSignOf(chart.ObjectLon[i]);
    for (size_t d = 0; d < dynes::kSignDignityValues.size(); ++d) {
      if (!dynes::Holds(dynes::kSignDignitySigns[i][d], sign)) continue;
      f.harmony[i] += dynes::kSignDignityValues[d].harmony;
      f.discord[i] += dynes::kSignDignityValues[d].discord;
    }
  }
}

void CountCuspsPerSign(const ChartState& chart, CosmodynesFacts& f) {
  f.cusps_per_sign = {};
  for (size_t w = 1; w <= 12; ++w) ++f.cusps_per_sign[DynesSignOf(chart.CuspWheel[w])];
}

DynesTotals SignRulerValue(const CosmodynesFacts& f, int sign) {
  const auto [first, second] = dynes::kSignRulers[sign];
  const DynesTotals one = {f.total_power[first], f.harmony[first], f.discord[first]};
  if (second == 0) return one;
  return {(one.power + f.total_power[second]) / 2, (one.harmony + f.harmony[second]) / 2,
          (one.discord + f.discord[second]) / 2};
}

void ComputeSignTotals(const ChartState& chart, CosmodynesFacts& f) {
  for (int s = 1; s <= 12; ++s) {
    const size_t cusps = static_cast<size_t>(f.cusps_per_sign[s]);
    const double share =
        cusps < dynes::kRulerShareByCusps.size() ? dynes::kRulerShareByCusps[cusps] : 0;
    const DynesTotals ruler = SignRulerValue(f, s);
    f.signs[s] = {share * ruler.power, share * ruler.harmony, share * ruler.discord};
  }
  for (int i : kDynesObjects) {
    DynesTotals& sign = f.signs[DynesSignOf(chart.ObjectLon[i])];
    sign.power += f.total_power[i];
    sign.harmony += f.harmony[i];
    sign.discord += f.discord[i];
  }
}

}  // namespace kairotex
