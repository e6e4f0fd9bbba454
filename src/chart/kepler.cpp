#include "chart/kepler.h"

#include <cmath>

#include "chart/angles.h"

namespace kairotex::planets {
namespace {

constexpr double kStopBelowDegrees = 1e-7;

// Planetary eccentricities (0.25 at most) converge in a handful of steps; the
// cap only keeps a hopeless input from spinning for ever.
constexpr int kMaxSteps = 100;

}  // namespace

KeplerSolution SolveKeplerDetailed(double mean_anomaly, double eccentricity) {
  // e sin E in degrees of arc: the eccentricity scaled by 180 / pi.
  const double e_degrees = eccentricity * (180.0 / kProgramPi);
  KeplerSolution s;
  double e_anomaly = mean_anomaly;
  for (;;) {
    const double step = (e_anomaly - e_degrees * SinDeg(e_anomaly) - mean_anomaly) /
                        (1.0 - eccentricity * CosDeg(e_anomaly));
    e_anomaly -= step;
    ++s.steps;
    s.last_step = step;
    if (std::fabs(step) < kStopBelowDegrees || s.steps >= kMaxSteps) break;
  }
  s.eccentric_anomaly = e_anomaly;
  return s;
}

double SolveKepler(double mean_anomaly, double eccentricity) {
  return SolveKeplerDetailed(mean_anomaly, eccentricity).eccentric_anomaly;
}

}  // namespace kairotex::planets
