// The Moon by the principal periodic terms of Brown's lunar theory, with the
// mean and true ascending node.
#include "chart/moon_theory.h"

#include "chart/angles.h"
#include "chart/harmonics.h"
#include "chart/moon_terms.h"

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

// Multiples of the four arguments the periodic terms combine.
struct ArgumentHarmonics {
  explicit ArgumentHarmonics(const MeanElements& e)
      : moon_anomaly(e.moon_anomaly),
        sun_anomaly(e.sun_anomaly),
        arg_latitude(e.arg_latitude),
        elongation(e.elongation) {}
  Harmonics moon_anomaly, sun_anomaly, arg_latitude, elongation;
};

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

}  // namespace

MoonPosition ComputeMoon(double t1900) {
  const MeanElements e = ElementsAt(t1900);
  const ArgumentHarmonics h(e);

  // The Moon's longitude is wanted on the true equinox of date, so it takes
  // the nutation in longitude; arcseconds.
  const double nutation = -17.2 * SinDeg(e.node) + 0.206 * SinDeg(2.0 * e.node) -
                          1.319 * SinDeg(2.0 * e.sun_lon) + 0.143 * SinDeg(e.sun_anomaly) -
                          0.227 * SinDeg(2.0 * e.moon_lon) + 0.071 * SinDeg(e.moon_anomaly);

  // The node's principal oscillations about its mean place; arcseconds.
  const double true_node_arcsec =
      kArcsecPerDegree * e.node + 5392.0 * SinDeg(2.0 * (e.sun_lon - e.node)) -
      541.0 * SinDeg(e.sun_anomaly) - 442.0 * SinDeg(2.0 * e.elongation) +
      423.0 * SinDeg(2.0 * e.arg_latitude) -
      291.0 * SinDeg(2.0 * (e.moon_anomaly - e.arg_latitude));

  const double perturbation = SumOfSines(moon_terms::kLongitude, h) / kArcsecPerDegree;

  // Argument of latitude of the true Moon from the true node: the longitude
  // terms without their reduction to the ecliptic (412" sin 2F), less the
  // node's annual oscillation (-541" sin M).
  const double s = e.arg_latitude + perturbation + 0.114 * SinDeg(2.0 * e.arg_latitude) +
                   0.15 * SinDeg(e.sun_anomaly);

  MoonPosition moon;
  moon.lon = e.moon_lon + nutation / kArcsecPerDegree + perturbation;
  moon.lat = (18519.7 * SinDeg(s) + SumOfSines(moon_terms::kLatitude, h)) / kArcsecPerDegree;
  moon.mean_node = e.node;
  moon.true_node = true_node_arcsec / kArcsecPerDegree;
  return moon;
}

}  // namespace kairotex
