// Placidus's four intermediate cusps by semi-arc iteration, iterated side by
// side; the AVX2 path takes the four as the lanes of one vector.
#pragma once

#include <array>

#include "chart/house_systems.h"

namespace kairotex {

// Where one cusp's iteration starts: the right ascension alpha0 (radians),
// the share of the semi-arc, and above or below the horizon.
struct CuspStart {
  double alpha0, divisor;
  bool upper_side;
};
using PlacidusStarts = std::array<CuspStart, 4>;

// Each cusp's ecliptic longitude, degrees, once its right ascension settles
// (a change below 1e-10 radian, at most 100 rounds). Only where the processor has AVX2.
std::array<double, 4> PlacidusCuspsAvx2(const PlacidusStarts& starts, const HouseFrame& frame);

}  // namespace kairotex
