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

double ComputeSun(double t1900, EnginePath path) {
  const double t = t1900;

  // The sines of the terms that do not hang on the mean anomaly, all at once:
  // the long-period inequalities, the great inequality in Jupiter's mean
  // anomaly and the nutation.
  enum : std::size_t { kLong1, kLong2, kLong3, kLong4, kGreat, kNutation, kFirstAngles };
  const std::array<double, kFirstAngles> first_angles = {
      57.24 + 150.27 * t, 231.19 + 20.2 * t,    31.8 + 119.0 * t,
      315.6 + 893.3 * t,  133.775 + 39.804 * t, 259.18 - 1934.142 * t};
  std::array<Rotation, kFirstAngles> first;
  RotationsOfDegrees(first_angles, first, path);

  // Long-period inequalities of the mean motion; they shift the mean
  // longitude and the mean anomaly alike.
  const double long_period = ((1.882 - 0.016 * t) * first[kLong1].sin + 6.4 * first[kLong2].sin +
                              0.266 * first[kLong3].sin) /
                             kArcsecPerDegree;

  const double mean_lon = 279.6966778 + 36000.0 * t +
                          (2768.13 * t + 1.089 * t * t) / kArcsecPerDegree +
                          0.202 * first[kLong4].sin / kArcsecPerDegree + long_period;
  const double g =
      358.4758333 + 35999.0 * t + (179.1 * t - 0.54 * t * t) / kArcsecPerDegree + long_period;

  // Mean elongation and mean anomaly of the Moon.
  const double elongation = 350.737486 + 445267.114217 * t;
  const double moon_anomaly = 296.104608 + 477198.849108 * t;

  // Then the mean anomalies (the Sun's and the disturbing planets'; Jupiter's
  // carries its great inequality with Saturn) and the Moon's terms.
  enum : std::size_t { kG, kTwoG, kThreeG, kVenus, kMars, kJupiter, kSaturn, kMoonTerms };
  constexpr std::size_t kAngles = kMoonTerms + sun_terms::kMoon.size();
  std::array<double, kAngles> angles = {
      g,
      2.0 * g,
      3.0 * g,
      212.45 + 58517.493 * t,
      319.58 + 19139.977 * t,
      225.28 + 3034.583 * t + 1300.0 * first[kGreat].sin / kArcsecPerDegree,
      175.6 + 1221.794 * t};
  for (std::size_t i = 0; i < sun_terms::kMoon.size(); ++i) {
    const auto& term = sun_terms::kMoon[i];
    angles[kMoonTerms + i] =
        term.d * elongation + term.moon_multiple * moon_anomaly + term.sun_multiple * g;
  }
  std::array<Rotation, kAngles> r;
  RotationsOfDegrees(angles, r, path);

  const double centre = (6910.057 - 17.24 * t) * r[kG].sin + (72.338 - 0.361 * t) * r[kTwoG].sin +
                        1.054 * r[kThreeG].sin;

  static const auto kVenusPhases = PhaseRotations(sun_terms::kVenus);
  static const auto kMarsPhases = PhaseRotations(sun_terms::kMars);
  static const auto kJupiterPhases = PhaseRotations(sun_terms::kJupiter);
  static const auto kSaturnPhases = PhaseRotations(sun_terms::kSaturn);
  constexpr int kReach = Harmonics::kMaxMultiple;
  const Harmonics sun(r[kG], kReach);
  double perturbations =
      PlanetaryPerturbation(sun_terms::kVenus, kVenusPhases, Harmonics(r[kVenus], kReach), sun) +
      PlanetaryPerturbation(sun_terms::kMars, kMarsPhases, Harmonics(r[kMars], kReach), sun) +
      PlanetaryPerturbation(sun_terms::kJupiter, kJupiterPhases, Harmonics(r[kJupiter], kReach),
                            sun) +
      PlanetaryPerturbation(sun_terms::kSaturn, kSaturnPhases, Harmonics(r[kSaturn], kReach), sun);
  for (std::size_t i = 0; i < sun_terms::kMoon.size(); ++i) {
    perturbations += sun_terms::kMoon[i].amplitude_arcsec * r[kMoonTerms + i].sin;
  }

  const double true_lon = mean_lon + (centre + perturbations) / kArcsecPerDegree;

  // Aberration (20.5") and the principal term of the nutation in longitude.
  return true_lon - 0.00569 - 0.00479 * first[kNutation].sin;
}

}  // namespace kairotex
