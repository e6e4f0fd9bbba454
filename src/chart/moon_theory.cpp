// The Moon by the principal periodic terms of Brown's lunar theory, with the
// mean and true ascending node.
#include "chart/moon_theory.h"

#include <array>
#include <cstddef>
#include <cstdint>

#include "chart/angles.h"
#include "chart/harmonics.h"
#include "chart/moon_terms.h"
#include "chart/periodic_terms_avx2.h"

namespace kairotex {
namespace {

constexpr double kArcsecPerDegree = 3600.0;

struct MeanElements {
  double moon_lon;      // L'
  double moon_anomaly;  // M'
  double node;          // Omega
  double sun_lon;       // L
  double sun_anomaly;   // M
  double elongation;    // D
  double arg_latitude;  // F
};

MeanElements ElementsAt(double t) {
  MeanElements e;
  e.moon_lon = Normalize360(270.434164 + 481267.883142 * t - 0.001133 * t * t);
  e.moon_anomaly = Normalize360(296.104608 + 477198.849108 * t + 0.009192 * t * t);
  e.node = Normalize360(259.183275 - 1934.142008 * t + 0.002078 * t * t);
  e.sun_lon = Normalize360(279.696678 + 36000.768925 * t + 0.000303 * t * t);
  e.sun_anomaly = Normalize360(358.475833 + 35999.04975 * t - 0.00015 * t * t);
  e.elongation = Normalize360(e.moon_lon - e.sun_lon);
  e.arg_latitude = Normalize360(e.moon_lon - e.node);
  return e;
}

// Multiples of the four arguments the periodic terms combine, from their rotations.
struct ArgumentHarmonics {
  Harmonics moon_anomaly, sun_anomaly, arg_latitude, elongation;
};

// The angles whose sines the theory takes outside its periodic terms, with
// the four arguments of the terms, so that all are computed at once.
enum MoonAngle : std::size_t {
  kMoonAnomaly,
  kSunAnomaly,
  kArgLatitude,
  kElongation,  // the terms' arguments
  kNode,
  kTwoNode,
  kTwoSunLon,
  kTwoMoonLon,  // nutation
  kTwoSunFromNode,
  kTwoElongation,
  kTwoArgLatitude,
  kTwoAnomalyFromLatitude,  // true node
  kMoonAngles
};

std::array<double, kMoonAngles> AnglesOf(const MeanElements& e) {
  std::array<double, kMoonAngles> a{};
  a[kMoonAnomaly] = e.moon_anomaly;
  a[kSunAnomaly] = e.sun_anomaly;
  a[kArgLatitude] = e.arg_latitude;
  a[kElongation] = e.elongation;
  a[kNode] = e.node;
  a[kTwoNode] = 2.0 * e.node;
  a[kTwoSunLon] = 2.0 * e.sun_lon;
  a[kTwoMoonLon] = 2.0 * e.moon_lon;
  a[kTwoSunFromNode] = 2.0 * (e.sun_lon - e.node);
  a[kTwoElongation] = 2.0 * e.elongation;
  a[kTwoArgLatitude] = 2.0 * e.arg_latitude;
  a[kTwoAnomalyFromLatitude] = 2.0 * (e.moon_anomaly - e.arg_latitude);
  return a;
}

template <typename Terms>
constexpr bool MultiplesFit(const Terms& terms) {
  for (const auto& t : terms) {
    for (int m : {t.moon_anomaly, t.sun_anomaly, t.arg_latitude, t.elongation}) {
      if (m > Harmonics::kMaxMultiple || -m > Harmonics::kMaxMultiple) return false;
    }
  }
  return true;
}
static_assert(MultiplesFit(moon_terms::kLongitude) && MultiplesFit(moon_terms::kLatitude));

template <typename Terms>
double SumOfSines(const Terms& terms, const ArgumentHarmonics& h) {
  double sum = 0.0;
  for (const auto& term : terms) {
    const Rotation r = h.moon_anomaly[term.moon_anomaly] * h.sun_anomaly[term.sun_anomaly] *
                       h.arg_latitude[term.arg_latitude] * h.elongation[term.elongation];
    sum += term.amplitude_arcsec * r.sin;
  }
  return sum;
}

// A table laid out for the vector path: amplitudes, and each term's four
// multiples, padded to whole groups of four with terms of no amplitude.
template <std::size_t N>
struct LanedTerms {
  static constexpr std::size_t kPadded = (N + 3) / 4 * 4;
  std::array<double, kPadded> amplitudes{};
  std::array<std::int8_t, 4 * kPadded> multiples{};
};

template <std::size_t N>
constexpr LanedTerms<N> Laned(const std::array<moon_terms::Term, N>& terms) {
  LanedTerms<N> out{};
  for (std::size_t i = 0; i < N; ++i) {
    out.amplitudes[i] = terms[i].amplitude_arcsec;
    out.multiples[4 * i] = static_cast<std::int8_t>(terms[i].moon_anomaly);
    out.multiples[4 * i + 1] = static_cast<std::int8_t>(terms[i].sun_anomaly);
    out.multiples[4 * i + 2] = static_cast<std::int8_t>(terms[i].arg_latitude);
    out.multiples[4 * i + 3] = static_cast<std::int8_t>(terms[i].elongation);
  }
  return out;
}

template <const auto& Terms>
double SumOfSines(const ArgumentHarmonics& h, EnginePath path) {
  if (path != EnginePath::kAvx2) return SumOfSines(Terms, h);
  static constexpr auto kLaned = Laned(Terms);
  return SumOfSinesAvx2(
      kLaned.amplitudes.data(), kLaned.multiples.data(), kLaned.kPadded,
      {&h.moon_anomaly[0], &h.sun_anomaly[0], &h.arg_latitude[0], &h.elongation[0]});
}

}  // namespace

MoonPosition ComputeMoon(double t1900, EnginePath path) {
  const MeanElements e = ElementsAt(t1900);
  const std::array<double, kMoonAngles> angles = AnglesOf(e);
  std::array<Rotation, kMoonAngles> r;
  RotationsOfDegrees(angles, r, path);
  const auto sine = [&r](MoonAngle a) { return r[a].sin; };
  const ArgumentHarmonics h{Harmonics(r[kMoonAnomaly], Harmonics::kMaxMultiple),
                            Harmonics(r[kSunAnomaly], Harmonics::kMaxMultiple),
                            Harmonics(r[kArgLatitude], Harmonics::kMaxMultiple),
                            Harmonics(r[kElongation], Harmonics::kMaxMultiple)};

  // The Moon's longitude is wanted on the true equinox of date, so it takes
  // the nutation in longitude; arcseconds.
  const double nutation = -17.2 * sine(kNode) + 0.206 * sine(kTwoNode) - 1.319 * sine(kTwoSunLon) +
                          0.143 * sine(kSunAnomaly) - 0.227 * sine(kTwoMoonLon) +
                          0.071 * sine(kMoonAnomaly);

  // The node's principal oscillations about its mean place; arcseconds.
  const double true_node_arcsec = kArcsecPerDegree * e.node + 5392.0 * sine(kTwoSunFromNode) -
                                  541.0 * sine(kSunAnomaly) - 442.0 * sine(kTwoElongation) +
                                  423.0 * sine(kTwoArgLatitude) -
                                  291.0 * sine(kTwoAnomalyFromLatitude);

  const double perturbation = SumOfSines<moon_terms::kLongitude>(h, path) / kArcsecPerDegree;

  // Argument of latitude of the true Moon from the true node: the longitude
  // terms without their reduction to the ecliptic (412" sin 2F), less the
  // node's annual oscillation (-541" sin M).
  const double s =
      e.arg_latitude + perturbation + 0.114 * sine(kTwoArgLatitude) + 0.15 * sine(kSunAnomaly);

  MoonPosition moon;
  moon.lon = e.moon_lon + nutation / kArcsecPerDegree + perturbation;
  moon.lat = (18519.7 * SinDeg(s) + SumOfSines<moon_terms::kLatitude>(h, path)) / kArcsecPerDegree;
  moon.mean_node = e.node;
  moon.true_node = true_node_arcsec / kArcsecPerDegree;
  return moon;
}

}  // namespace kairotex
