// Mercury to Pluto: Keplerian orbits from mean elements, the outer planets
// with their principal perturbations, Pluto by its trigonometric series.
#pragma once

#include <array>

#include "chart/angles.h"
#include "chart/engine_path.h"
#include "chart/outer_perturbations.h"

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
  std::array<InnerElements, 5> inner;    // [1] Earth, [2] Mercury, [3] Venus, [4] Mars
  std::array<OuterElements, 10> outer;   // [1] Earth (Sun's table), [5] Jupiter .. [9] Pluto
  EnginePath path = EnginePath::kPlain;  // the fastest, at start-up
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

// The slowly changing part of the outer planets at one moment: the
// perturbations of Jupiter to Neptune and Pluto's place by its series, which
// change over months and years and are most of the outer planets' work.
struct OuterPerturbations {
  std::array<planets::ElementCorrections, 10> corrections{};  // [5] Jupiter .. [8] Neptune
  Spherical pluto;                                            // heliocentric, AU, equinox of 1950
};
OuterPerturbations OuterPerturbationsAt(double t1900, EnginePath path);
// At two moments at once (a chart's moment and its next day), each as alone.
std::array<OuterPerturbations, 2> OuterPerturbationsAt(double t1900, double other_t1900,
                                                       EnginePath path);

// The perturbations a fraction (0..1) of the way from `from` to `to`, two
// moments at most hours apart; Pluto's longitude across 0 Aries as well.
OuterPerturbations InterpolatePerturbations(const OuterPerturbations& from,
                                            const OuterPerturbations& to, double fraction);

// Loop B: index 1 the Earth (helio_lon only), 5 Jupiter .. 9 Pluto (2..4 unused).
// t1900 in Julian centuries from JD 2415020.0; julian_day_number of the chart's
// civil date carries Pluto's series to the equinox of date.
std::array<BodyPosition, 10> ComputeOuterPlanets(const OrbitalElements& elements, double t1900,
                                                 double julian_day_number);
// The same with the perturbations given (a scan interpolates them).
std::array<BodyPosition, 10> ComputeOuterPlanets(const OrbitalElements& elements, double t1900,
                                                 double julian_day_number,
                                                 const OuterPerturbations& perturbations);

// The degrees Pluto's longitude is carried from its series' equinox to the
// equinox of the day of `julian_day_number`.
double PlutoEquinoxShift(double julian_day_number);

}  // namespace kairotex
