// Kepler's equation M = E - e sin E, solved for the eccentric anomaly E.
#pragma once

namespace kairotex::planets {

struct KeplerSolution {
  double eccentric_anomaly = 0;  // degrees
  int steps = 0;                 // Newton steps taken
  double last_step = 0;          // the final correction, degrees
};

// Newton's iteration in degrees, starting from E = M and stopping at the first
// correction smaller than 1e-7 degree. Mean anomaly in degrees, not reduced.
KeplerSolution SolveKeplerDetailed(double mean_anomaly, double eccentricity);

// The eccentric anomaly alone, degrees.
double SolveKepler(double mean_anomaly, double eccentricity);

}  // namespace kairotex::planets
