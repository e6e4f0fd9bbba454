// Reference rows for the planet tests: the moment of each row of
// positions.csv and the geometric longitudes (mean equinox of date) of the
// Sun and of Mercury to Pluto, looked up by column name.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "test_paths.h"

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
  const std::string path = ReferenceDir() + "/positions.csv";
  std::vector<std::string> header;
  {
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
      if (line.empty() || line[0] == '#') continue;
      std::stringstream ss(line);
      std::string name;
      while (std::getline(ss, name, ',')) header.push_back(name);
      break;
    }
  }
  auto column = [&header](const std::string& name) {
    return static_cast<std::size_t>(std::find(header.begin(), header.end(), name) - header.begin());
  };
  static const char* const kNames[10] = {"",        "",       "Mercury", "Venus",   "Mars",
                                         "Jupiter", "Saturn", "Uranus",  "Neptune", "Pluto"};
  const std::size_t date = column("date"), jd = column("jd_ut"), sun = column("Sun_geo");
  std::array<std::size_t, 10> planet{};
  for (int p = 2; p <= 9; ++p) planet[p] = column(std::string(kNames[p]) + "_geo");

  std::vector<PlanetReferenceRow> rows;
  for (const auto& f : ReadCsvRows(path)) {
    if (f.size() < header.size()) continue;
    PlanetReferenceRow row;
    row.date = f[date];
    row.jd_ut = std::stod(f[jd]);
    row.sun_geo = std::stod(f[sun]);
    for (int p = 2; p <= 9; ++p) row.planet_geo[p] = std::stod(f[planet[p]]);
    rows.push_back(row);
  }
  return rows;
}

}  // namespace kairotex::test
