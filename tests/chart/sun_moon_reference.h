// Reference rows for the Sun and Moon theory tests: the positions.csv columns
// they compare against, looked up by name, and Delta T for the years in which
// it has been observed.
#pragma once

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "reference_positions.h"

namespace kairotex::test {

struct SunMoonReferenceRow {
  std::string date;
  double jd_ut = 0;
  double sun_app = 0;
  double moon_app = 0;
  double mean_node_app = 0;
  double true_node_app = 0;
  double moon_decl = 0;
  double obliquity_mean = 0;
};

// Julian centuries from 1900 January 0.5.
inline double CenturiesFrom1900(double jd) {
  return (jd - 2415020.0) / 36525.0;
}

// a - b folded into (-180, 180], in arcseconds.
inline double DiffArcsec(double a, double b) {
  double d = std::fmod(a - b, 360.0);
  if (d > 180.0) d -= 360.0;
  if (d <= -180.0) d += 360.0;
  return d * 3600.0;
}

inline std::vector<SunMoonReferenceRow> LoadSunMoonReference() {
  std::vector<SunMoonReferenceRow> rows;
  for (const ReferencePosition& r : LoadReferencePositions()) {
    rows.push_back({r.date, r.at("jd_ut"), r.at("Sun_app"), r.at("Moon_app"), r.at("MeanNode_app"),
                    r.at("TrueNode_app"), r.at("Moon_decl"), r.at("obliquity_mean")});
  }
  return rows;
}

// Delta T = TT - UT in seconds at 1900.0, 1910.0, ... 2020.0 (Meeus, Astronomical
// Algorithms, 2nd ed., table 10.A, extended by the IERS values for 2000-2020).
inline constexpr std::array<double, 13> kDeltaTByDecade = {-2.7, 10.4, 21.2, 24.0, 24.3, 29.1, 33.1,
                                                           40.2, 50.5, 56.9, 63.8, 66.1, 69.4};

inline double YearOf(double jd) {
  return 2000.0 + (jd - 2451545.0) / 365.25;
}

// Whether Delta T is observed (tabulated above) for this moment.
inline bool DeltaTObserved(double jd) {
  const double year = YearOf(jd);
  return year >= 1900.0 && year <= 2020.0;
}

// Delta T in days, interpolated linearly between decades.
inline double DeltaTDays(double jd) {
  const double x = (YearOf(jd) - 1900.0) / 10.0;
  const std::size_t i = std::min<std::size_t>(static_cast<std::size_t>(x), 11);
  const double seconds =
      kDeltaTByDecade[i] + (kDeltaTByDecade[i + 1] - kDeltaTByDecade[i]) * (x - i);
  return seconds / 86400.0;
}

}  // namespace kairotex::test
