// Reference rows for the planet tests: the moment of each row of
// positions.csv and the geometric longitudes (mean equinox of date) of the
// Sun and of Mercury to Pluto, looked up by column name.
#pragma once

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "reference_positions.h"

namespace kairotex::test {

struct PlanetReferenceRow {
  std::string date;
  double jd_ut = 0;
  double sun_geo = 0;
  std::array<double, 10> planet_geo{};  // [2] Mercury .. [9] Pluto
};

// The time arguments the chart engine derives from a moment.
inline double T1900(double jd) {
  return (jd - 2415020.0) / 36525.0;
}
inline double T2000(double jd) {
  return (jd - 2451545.0) / 36525.0;
}
inline double JulianDayNumberOf(double jd) {
  return std::floor(jd + 0.5);
}

// a - b folded into [-180, 180], degrees.
inline double SignedLonDiff(double a, double b) {
  return std::remainder(a - b, 360.0);
}

inline std::vector<PlanetReferenceRow> LoadPlanetReference() {
  static const char* const kNames[10] = {"",        "",       "Mercury", "Venus",   "Mars",
                                         "Jupiter", "Saturn", "Uranus",  "Neptune", "Pluto"};
  std::vector<PlanetReferenceRow> rows;
  for (const ReferencePosition& r : LoadReferencePositions()) {
    PlanetReferenceRow row;
    row.date = r.date;
    row.jd_ut = r.at("jd_ut");
    row.sun_geo = r.at("Sun_geo");
    for (int p = 2; p <= 9; ++p) row.planet_geo[p] = r.at(std::string(kNames[p]) + "_geo");
    rows.push_back(row);
  }
  return rows;
}

}  // namespace kairotex::test
