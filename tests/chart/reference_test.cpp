// The theories, the house systems and whole charts cast by the driver against
// Swiss Ephemeris 2.10 (DE431): tests/reference/positions.csv and houses.csv.
// Pluto's series against a worked example.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>

#include "chart/angles.h"
#include "chart/calculate_chart.h"
#include "chart/chart_program.h"
#include "chart/house_systems.h"
#include "chart/moon_theory.h"
#include "chart/planet_theory.h"
#include "chart/pluto_series.h"
#include "chart/sun_theory.h"
#include "chart/time_angles.h"
#include "reference_positions.h"
#include "test_messages.h"
#include "test_paths.h"

namespace kairotex {
namespace {

// Degrees folded into [-180, 180], and its size; centuries from 1900 and 2000.
const auto LonDiff = [](double a, double b) { return std::remainder(a - b, 360.0); };
const auto AngleDiff = [](double a, double b) { return std::fabs(std::remainder(a - b, 360.0)); };
const auto T1900 = [](double jd) { return (jd - 2415020.0) / 36525.0; };
const auto T2000 = [](double jd) { return (jd - 2451545.0) / 36525.0; };

// Delta T = TT - UT in days, where it has been observed: 1900.0 to 2020.0 by
// decades (Meeus, Astronomical Algorithms, table 10.A, and IERS values),
// interpolated linearly; negative outside.
double DeltaTDays(double jd) {
  static constexpr double kSeconds[] = {-2.7, 10.4, 21.2, 24.0, 24.3, 29.1, 33.1,
                                        40.2, 50.5, 56.9, 63.8, 66.1, 69.4};
  const double year = 2000.0 + (jd - 2451545.0) / 365.25;
  if (year < 1900.0 || year > 2020.0) return -1;
  const double x = (year - 1900.0) / 10.0;
  const int i = std::min(static_cast<int>(x), 11);
  return (kSeconds[i] + (kSeconds[i + 1] - kSeconds[i]) * (x - i)) / 86400.0;
}

// Each limit is the worst difference measured over the rows, with a small
// margin. The theories run on ephemeris time: at UT + Delta T, over the 86
// rows from 1900 to 2020, the theory's own error shows, so a wrong term cannot
// hide. (On UT, through the driver: the whole charts below.)
struct SunMoonCheck {
  const char* name;
  const char* column;
  double (*theory)(double t1900);
  bool ephemeris_time;
  double limit_arcsec;
};
const SunMoonCheck kSunMoonChecks[] = {
    {"SunOnEphemerisTime", "Sun_app", [](double t) { return ComputeSun(t); }, true,
     3.0},  // 2.38" (1983-01-30)
    {"MoonOnEphemerisTime", "Moon_app", [](double t) { return ComputeMoon(t).lon; }, true, 30.0},
    // The reference node is on the true equinox, so it carries the nutation.
    {"MeanNode", "MeanNode_app", [](double t) { return ComputeMoon(t).mean_node; }, false, 25.0},
    // The osculating node swings more than the five-term formula follows: 714.7".
    {"TrueNode", "TrueNode_app", [](double t) { return ComputeMoon(t).true_node; }, false, 750.0},
};

class SunMoonReference : public testing::TestWithParam<SunMoonCheck> {};

TEST_P(SunMoonReference, MatchesEveryRow) {
  const SunMoonCheck& c = GetParam();
  const auto rows = test::LoadReferencePositions();
  ASSERT_EQ(rows.size(), 120u);
  int compared = 0;
  for (const auto& row : rows) {
    const double jd = row.at("jd_ut"), delta_t = DeltaTDays(jd);
    if (c.ephemeris_time && delta_t < 0) continue;
    ++compared;
    const double lon = c.theory(T1900(jd + (c.ephemeris_time ? delta_t : 0)));
    EXPECT_LE(std::fabs(LonDiff(lon, row.at(c.column))) * 3600, c.limit_arcsec)
        << row.date << ": theory " << lon << ", reference " << row.at(c.column);
  }
  EXPECT_EQ(compared, c.ephemeris_time ? 86 : 120);
}

INSTANTIATE_TEST_SUITE_P(Theories, SunMoonReference, testing::ValuesIn(kSunMoonChecks),
                         [](const auto& info) { return std::string(info.param.name); });

// Geocentric longitude against the geometric reference (mean equinox of date),
// the row's UT as the theory's time. The rms limits are the sharper check: a
// wrong perturbation term moves the rms before the worst case. The latitude
// bound is r sin(i) over the least Earth distance, rounded up. The Earth of
// either loop lies opposite the Sun.
struct PlanetCheck {
  int body;  // 1: the Earth, opposite Sun_geo
  const char* name;
  bool inner_loop;
  double worst_deg, rms_deg, max_lat_deg;
};
constexpr PlanetCheck kPlanetChecks[] = {
    {1, "EarthOfJ2000", true, 0.008, 0.008, 0},  // worst 0.0065
    {1, "EarthOf1900", false, 0.008, 0.008, 0},  // worst 0.0065
    {2, "Mercury", true, 0.015, 0.004, 6.5},     // worst 0.0114, rms 0.0031
    {3, "Venus", true, 0.025, 0.005, 10.0},      // worst 0.0189, rms 0.0041
    {4, "Mars", true, 0.045, 0.009, 7.5},        // worst 0.0357, rms 0.0074
    {5, "Jupiter", false, 0.013, 0.0042, 2.0},   // worst 0.0100, rms 0.0034
    {6, "Saturn", false, 0.040, 0.015, 3.0},     // worst 0.0335, rms 0.0122
    {7, "Uranus", false, 0.017, 0.006, 1.0},     // worst 0.0134, rms 0.0048
    {8, "Neptune", false, 0.011, 0.0037, 2.0},   // worst 0.0084, rms 0.0030
    // Pluto's series is carried from 1950 at 1.33 degrees a century, a little
    // short of the precession.
    {9, "Pluto", false, 0.13, 0.055, 18.0},  // worst 0.1157 (2061-10-10), rms 0.0462
};

class PlanetReference : public testing::TestWithParam<PlanetCheck> {};

TEST_P(PlanetReference, MatchesEveryRow) {
  const PlanetCheck& c = GetParam();
  const OrbitalElements el = InitOrbitalElements();
  const auto rows = test::LoadReferencePositions();
  double sum_sq = 0;
  for (const auto& row : rows) {
    const double jd = row.at("jd_ut");
    const BodyPosition p = c.inner_loop
                               ? ComputeInnerPlanets(el, T2000(jd))[c.body]
                               : ComputeOuterPlanets(el, T1900(jd), std::floor(jd + 0.5))[c.body];
    const double lon = c.body == 1 ? p.helio_lon : p.geo_lon;
    const double want =
        c.body == 1 ? row.at("Sun_geo") + 180 : row.at(std::string(c.name) + "_geo");
    EXPECT_TRUE(lon >= 0.0 && lon < 360.0) << lon;
    const double d = LonDiff(lon, want);
    EXPECT_LE(std::fabs(d), c.worst_deg)
        << row.date << ": theory " << lon << ", reference " << want;
    EXPECT_LE(std::fabs(p.geo_lat), c.max_lat_deg) << row.date;
    sum_sq += d * d;
  }
  EXPECT_LE(std::sqrt(sum_sq / rows.size()), c.rms_deg);
}

INSTANTIATE_TEST_SUITE_P(Theories, PlanetReference, testing::ValuesIn(kPlanetChecks),
                         [](const auto& info) { return std::string(info.param.name); });

// Meeus, Astronomical Algorithms, example 37.a, 1992 October 13.0: l = 232.74071,
// b = 14.58782, R = 29.711111 AU for J2000. The series is referred to 1950, so
// its longitude is less by 50 years of precession, 0.69849 degree. Perihelion
// in September 1989 at 29.658 AU.
TEST(PlutoSeries, WorkedExampleAndPerihelion) {
  const Spherical p = planets::ComputePlutoSeries(T1900(2448908.5));
  EXPECT_NEAR(p.lon, 232.74071 - 0.69849, 0.003);
  EXPECT_NEAR(p.lat, 14.58782, 0.01);
  EXPECT_NEAR(p.radius, 29.711111, 0.0005);
  EXPECT_NEAR(planets::ComputePlutoSeries(T1900(2447790.5)).radius, 29.658, 0.005);
}

HouseFrame FrameFor(double armc_deg, double lat_deg, double obliquity_deg) {
  HouseFrame f;
  f.ramc = DegToRad(armc_deg);
  f.obliquity = DegToRad(obliquity_deg);
  f.latitude = DegToRad(lat_deg);
  f.mc = MidheavenFromRamc(f.ramc, f.obliquity);
  f.asc = AscendantFromRamc(f.ramc, f.obliquity, f.latitude);
  return f;
}

TEST(HouseSystems, MatchReferenceCuspsInEverySystem) {
  const auto rows = test::ReadCsvRows(test::ReferenceDir() + "/houses.csv");
  ASSERT_GT(rows.size(), 600u);
  for (const auto& row : rows) {
    const double armc = std::stod(row[0]), lat = std::stod(row[1]), obl = std::stod(row[2]);
    const char letter = row[3][0];
    const HouseCusps cusps = HousesForSystem(letter, FrameFor(armc, lat, obl));
    // The program's pi (3.1415926535) and its 1e-05 radian stand-in for the
    // equator limit agreement to about 1e-5 degree; Placidus at the equator and
    // Campanus (whose house angles are offset by a millionth of a degree, which
    // the high latitudes amplify) to about 1e-4.
    const double tolerance = ((letter == 'P' && lat == 0.0) || letter == 'C') ? 2e-4 : 2e-5;
    for (int k = 1; k <= 12; ++k) {
      EXPECT_LT(AngleDiff(cusps[k], std::stod(row[3 + k])), tolerance)
          << "system " << letter << " armc " << armc << " lat " << lat << " cusp " << k;
    }
  }
}

TEST(ChartReference, PositionsAnglesAndChiron) {
  const ChartProgram program = LoadChartProgram(test::DataDir(), RegionalFormat{});
  test::RecordingMessages messages;
  const FixedClock clock({2026, 1, 1, 0, 0, 0}, 0);
  const ChartContext context = program.Context(clock, messages);
  // Worst differences allowed, degrees. The program's sidereal time is mean
  // (no nutation), so the angles differ from the reference's apparent ones by
  // up to about 0.01 degree; the planet theories by their own precision.
  // Pluto's series is referred to 1950 and carried to the date at 1.33 degrees
  // a century, short of the true precession: 0.116 degree off by 2061.
  const std::map<std::string, std::pair<int, double>> checks = {
      {"Sun_app", {kSun, 0.003}},        {"Moon_app", {kMoon, 0.02}},
      {"Mercury_geo", {kMercury, 0.05}}, {"Venus_geo", {kVenus, 0.05}},
      {"Mars_geo", {kMars, 0.10}},       {"Jupiter_geo", {kJupiter, 0.05}},
      {"Saturn_geo", {kSaturn, 0.05}},   {"Uranus_geo", {kUranus, 0.05}},
      {"Neptune_geo", {kNeptune, 0.05}}, {"Pluto_geo", {kPluto, 0.13}},
      {"Chiron_app", {kChiron, 0.001}},
  };
  for (const test::ReferencePosition& row : test::LoadReferencePositions()) {
    ChartState state;
    CalculateChart(state, test::ElectionOfRow(row), ChartSettings::ForHouseSystem('P'), context);
    EXPECT_NEAR(state.JulianDate, row.at("jd_ut"), 1e-6) << row.date;
    EXPECT_LT(AngleDiff(state.McLon, row.at("mc")), 0.02) << row.date;
    EXPECT_LT(AngleDiff(state.AscLon, row.at("asc")), 0.05) << row.date;
    for (const auto& [column, check] : checks) {
      EXPECT_LT(AngleDiff(state.ObjectLon[check.first], row.at(column)), check.second)
          << column << " " << row.date << " " << row.time_ut;
    }
  }
  EXPECT_TRUE(messages.texts.empty());
}

}  // namespace
}  // namespace kairotex
