// Placidus cusps by semi-arc iteration.
#include <array>
#include <cmath>

#include "chart/angles.h"
#include "chart/house_systems.h"
#include "chart/placidus_cusps.h"

namespace kairotex {

namespace {

// The settled right ascension's ecliptic longitude, degrees.
double LongitudeOfCusp(double alpha, const HouseFrame& frame) {
  double c = std::atan(std::tan(alpha) / std::cos(frame.obliquity));
  if (c < 0) c += kProgramPi;
  if (std::sin(alpha) < 0) c += kProgramPi;
  return RadToDeg(c);
}

// The intermediate cusps iterated side by side, each until it settles (1e-10
// radian, at most 100 rounds): each round of one is
// independent of the others', so the processor overlaps them. Each cusp
// stops on its own rule, so each ends exactly where it would alone.
std::array<double, 4> PlacidusCusps(const PlacidusStarts& starts, const HouseFrame& frame) {
  if (frame.path == EnginePath::kAvx2) return PlacidusCuspsAvx2(starts, frame);
  constexpr size_t N = std::tuple_size_v<PlacidusStarts>;
  // A latitude of exactly 0 would make the semi-arc undefined.
  const double latitude = frame.latitude == 0.0 ? 1e-05 : frame.latitude;
  const double k = std::tan(frame.obliquity) * std::tan(latitude);
  std::array<double, N> alpha{};
  std::array<bool, N> settled{};
  for (size_t i = 0; i < N; ++i) alpha[i] = starts[i].alpha0;
  for (int round = 0; round < 100; ++round) {
    bool all_settled = true;
    for (size_t i = 0; i < N; ++i) {
      if (settled[i]) continue;
      const CuspStart& s = starts[i];
      const double f = s.upper_side ? -1.0 : 1.0;
      double semi_arc = ArcCos(f * std::sin(alpha[i]) * k);
      if (semi_arc < 0) semi_arc += kProgramPi;
      const double next = s.upper_side ? frame.ramc + semi_arc / s.divisor
                                       : frame.ramc + kProgramPi - semi_arc / s.divisor;
      const double change = std::fabs(next - alpha[i]);
      alpha[i] = next;
      settled[i] = change < 1e-10;
      all_settled = all_settled && settled[i];
    }
    if (all_settled) break;
  }
  std::array<double, N> longitudes{};
  for (size_t i = 0; i < N; ++i) longitudes[i] = LongitudeOfCusp(alpha[i], frame);
  return longitudes;
}

}  // namespace

HouseCusps PlacidusHouses(const HouseFrame& frame) {
  HouseCusps c{};
  const double r = frame.ramc;
  c[4] = Normalize360(frame.mc + 180.0);
  c[1] = frame.asc;
  const std::array<double, 4> cusps = PlacidusCusps({{{r + DegToRad(30.0), 3.0, true},
                                                      {r + DegToRad(60.0), 1.5, true},
                                                      {r + DegToRad(120.0), 1.5, false},
                                                      {r + DegToRad(150.0), 3.0, false}}},
                                                    frame);
  c[5] = cusps[0] + 180.0;
  c[6] = cusps[1] + 180.0;
  c[2] = cusps[2];
  c[3] = cusps[3];
  for (int k = 1; k <= 6; ++k) c[k] = Normalize360(c[k]);
  for (int k = 7; k <= 12; ++k) c[k] = Normalize360(c[k - 6] + 180.0);
  return c;
}

}  // namespace kairotex
