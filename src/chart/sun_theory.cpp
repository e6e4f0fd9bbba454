// Newcomb's theory of the Sun: mean elements of 1900, the equation of the
// centre, the long-period terms and the periodic perturbations by the planets
// and the Moon, reduced to apparent longitude.
#include "chart/sun_theory.h"

#include <array>

#include "chart/angles.h"
#include "chart/harmonics.h"
#include "chart/sun_terms.h"

namespace kairotex {
namespace {

constexpr double kArcsecPerDegree = 3600.0;

template <typename Terms>
constexpr bool MultiplesFit(const Terms& terms) {
  for (const auto& t : terms) {
    for (int m : {t.planet_multiple, t.sun_multiple}) {
      if (m > Harmonics::kMaxMultiple || -m > Harmonics::kMaxMultiple) return false;
    }
  }
  return true;
}
static_assert(MultiplesFit(sun_terms::kVenus) && MultiplesFit(sun_terms::kMars) &&
              MultiplesFit(sun_terms::kJupiter) && MultiplesFit(sun_terms::kSaturn));

// The constant phases of a planet's terms as rotations, computed once.
template <size_t N>
std::array<Rotation, N> PhaseRotations(const std::array<sun_terms::PlanetaryTerm, N>& terms) {
  std::array<Rotation, N> phases;
  for (size_t i = 0; i < N; ++i) phases[i] = RotationOfDegrees(terms[i].phase_deg);
  return phases;
}

// Sum of amplitude * cos(phase + i g' + j g) over one planet's terms, in arcseconds.
template <size_t N>
double PlanetaryPerturbation(const std::array<sun_terms::PlanetaryTerm, N>& terms,
                             const std::array<Rotation, N>& phases, const Harmonics& planet,
                             const Harmonics& sun) {
  double sum = 0.0;
  for (size_t i = 0; i < N; ++i) {
    const Rotation r = phases[i] * planet[terms[i].planet_multiple] * sun[terms[i].sun_multiple];
    sum += terms[i].amplitude_arcsec * r.cos;
  }
  return sum;
}

}  // namespace

double ComputeSun(double t1900) {
  const double t = t1900;

  // Long-period inequalities of the mean motion; they shift the mean
  // longitude and the mean anomaly alike.
  const double long_period = ((1.882 - 0.016 * t) * SinDeg(57.24 + 150.27 * t) +
                              6.4 * SinDeg(231.19 + 20.2 * t) + 0.266 * SinDeg(31.8 + 119.0 * t)) /
                             kArcsecPerDegree;

  const double mean_lon = 279.6966778 + 36000.0 * t +
                          (2768.13 * t + 1.089 * t * t) / kArcsecPerDegree +
                          0.202 * SinDeg(315.6 + 893.3 * t) / kArcsecPerDegree + long_period;
  const double g =
      358.4758333 + 35999.0 * t + (179.1 * t - 0.54 * t * t) / kArcsecPerDegree + long_period;

  // Mean anomalies of the disturbing planets; Jupiter's carries its great
  // inequality with Saturn.
  const double venus = 212.45 + 58517.493 * t;
  const double mars = 319.58 + 19139.977 * t;
  const double jupiter =
      225.28 + 3034.583 * t + 1300.0 * SinDeg(133.775 + 39.804 * t) / kArcsecPerDegree;
  const double saturn = 175.6 + 1221.794 * t;

  // Mean elongation and mean anomaly of the Moon.
  const double elongation = 350.737486 + 445267.114217 * t;
  const double moon_anomaly = 296.104608 + 477198.849108 * t;

  const double centre = (6910.057 - 17.24 * t) * SinDeg(g) +
                        (72.338 - 0.361 * t) * SinDeg(2.0 * g) + 1.054 * SinDeg(3.0 * g);

  static const auto kVenusPhases = PhaseRotations(sun_terms::kVenus);
  static const auto kMarsPhases = PhaseRotations(sun_terms::kMars);
  static const auto kJupiterPhases = PhaseRotations(sun_terms::kJupiter);
  static const auto kSaturnPhases = PhaseRotations(sun_terms::kSaturn);
  const Harmonics sun(g);
  double perturbations =
      PlanetaryPerturbation(sun_terms::kVenus, kVenusPhases, Harmonics(venus), sun) +
      PlanetaryPerturbation(sun_terms::kMars, kMarsPhases, Harmonics(mars), sun) +
      PlanetaryPerturbation(sun_terms::kJupiter, kJupiterPhases, Harmonics(jupiter), sun) +
      PlanetaryPerturbation(sun_terms::kSaturn, kSaturnPhases, Harmonics(saturn), sun);
  for (const auto& term : sun_terms::kMoon) {
    perturbations +=
        term.amplitude_arcsec *
        SinDeg(term.d * elongation + term.moon_multiple * moon_anomaly + term.sun_multiple * g);
  }

  const double true_lon = mean_lon + (centre + perturbations) / kArcsecPerDegree;

  // Aberration (20.5") and the principal term of the nutation in longitude.
  return true_lon - 0.00569 - 0.00479 * SinDeg(259.18 - 1934.142 * t);
}

}  // namespace kairotex
