// Receptions between the seven planets: each standing in a sign of the other.
#pragma once

#include <vector>

#include "chart/chart_state.h"

namespace kairotex {

// A pair of planets, named in planet order (Sun .. Saturn, then the Moon).
struct ReceptionPair {
  int first = 0;
  int second = 0;
  bool operator==(const ReceptionPair&) const = default;
};

struct Receptions {
  std::vector<ReceptionPair> by_sign;        // each in the other's domicile
  std::vector<ReceptionPair> by_exaltation;  // each in the other's exaltation
  // One in the other's exaltation, the other in the first's domicile.
  std::vector<ReceptionPair> mixed;
};

// Every pair once, in planet order of the first planet, then of the second.
Receptions FindReceptions(const ChartState& chart);

}  // namespace kairotex
