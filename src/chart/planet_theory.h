// Mercury to Pluto: Keplerian orbits from mean elements, the outer planets
// with their principal perturbations, Pluto by its trigonometric series.
#pragma once

#include <array>

#include "chart/angles.h"

namespace kairotex {

// Mean orbital elements, filled once at start-up by InitOrbitalElements.
struct InnerElements {  // linear in centuries from J2000
  double a, e0, e1, i0, i1, node0, node1, perihelion0, perihelion1, mean_anomaly0, mean_anomaly1;
};
struct OuterElements {  // cubic in centuries from 1900 January 0.5
  std::array<double, 4> mean_lon;
  double a;
  std::array<double, 4> e, incl, arg_perihelion, node;
};
struct OrbitalElements {
  std::array<InnerElements, 5> inner;   // [1] Earth, [2] Mercury, [3] Venus, [4] Mars
  std::array<OuterElements, 10> outer;  // [1] Earth (Sun's table), [5] Jupiter .. [9] Pluto
};
OrbitalElements InitOrbitalElements();

struct BodyPosition {
  double geo_lon = 0;    // geocentric ecliptic longitude, degrees, [0, 360)
  double geo_lat = 0;    // geocentric ecliptic latitude, degrees
  double helio_lon = 0;  // heliocentric ecliptic longitude, degrees, [0, 360)
};

// Loop A: index 1 the Earth (helio_lon only), 2 Mercury, 3 Venus, 4 Mars.
// t2000 in Julian centuries from JD 2451545.0.
std::array<BodyPosition, 5> ComputeInnerPlanets(const OrbitalElements& elements, double t2000);

// The outer planets seen from the Sun at one moment: [1] the Earth (of the
// 1900 table), [5] Jupiter .. [9] Pluto, radii in km; and the corrections
// Uranus and Neptune take on their geocentric longitude.
struct OuterHelio {
  std::array<Spherical, 10> helio{};
  std::array<double, 10> longitude_correction{};
};
OuterHelio OuterHelioAt(const OrbitalElements& elements, double t1900);
// The Earth's row alone, as OuterHelioAt computes it.
Spherical EarthHelioAt(const OrbitalElements& elements, double t1900);
// The geocentric places of Jupiter to Pluto and the heliocentric longitudes.
std::array<BodyPosition, 10> OuterFromHelio(const OuterHelio& helio, double julian_day_number);

// Loop B: index 1 the Earth (helio_lon only), 5 Jupiter .. 9 Pluto (2..4 unused).
// t1900 in Julian centuries from JD 2415020.0; julian_day_number of the chart's
// civil date carries Pluto's series to the equinox of date.
std::array<BodyPosition, 10> ComputeOuterPlanets(const OrbitalElements& elements, double t1900,
                                                 double julian_day_number);
// The degrees Pluto's longitude is carried from its series' equinox to the
// equinox of the day of `julian_day_number`.
double PlutoEquinoxShift(double julian_day_number);

}  // namespace kairotex
