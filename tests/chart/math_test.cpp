// Angle routines, Kepler's equation, time and angles of the chart moment.
// (The orbit position and the heliocentric-to-geocentric turn are held by the
// reference positions.)
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "chart/angles.h"
#include "chart/kepler.h"
#include "chart/time_angles.h"

namespace kairotex {
namespace {

// The program's pi is 9e-11 short of the true one, which atan() follows:
// quadrant sums agree to about 1e-10 radian and 1e-8 degree. Zero is the
// tiny angle 1.74533e-09.
TEST(Angles, NormalizeTheProgramsPiAndQuadrants) {
  EXPECT_DOUBLE_EQ(Normalize360(-30), 330);
  EXPECT_NEAR(DegMinToDecimal(40.45), 40.75, 1e-12);
  EXPECT_DOUBLE_EQ(DegToRad(180.0), 3.1415926535);
  EXPECT_NEAR(EclipticToDeclination(90, 0, 23.44), 23.44, 1e-9);
  EXPECT_DOUBLE_EQ(RectToPolar(1, 0).angle, 1.74533e-09);
  EXPECT_NEAR(RectToPolar(1, -1).angle, 1.75 * kProgramPi, 1e-10);
  EXPECT_NEAR(RectToSpherical(-1, 1, 0).lon, 135, 1e-8);
  // Minutes are cut, never rounded up into the next degree or sign.
  const SplitLon s = SplitLongitude(359.99);
  EXPECT_EQ((std::array{s.sign, s.degree, s.minute}), (std::array{12, 29, 59}));
  EXPECT_EQ(FormatCoordinate(-0.30f, "SOUTH"), "0s30");
  EXPECT_EQ(FormatCoordinate(-151.05f, "EAST"), "151e05");
}

// Meeus, Astronomical Algorithms, ch. 7; the calendar reform: Thursday
// 4 October 1582 (Julian) was followed by Friday 15 October (Gregorian).
TEST(TimeAndAngles, JulianDayNumbers) {
  const struct {
    int y, m, d;
    double jdn;
  } cases[] = {{2000, 1, 1, 2451545}, {1987, 1, 27, 2446823}, {1900, 1, 1, 2415021},
               {837, 4, 10, 2026872}, {1582, 10, 4, 2299160}, {1582, 10, 15, 2299161}};
  for (const auto& c : cases) EXPECT_EQ(JulianDayNumberOfDate(c.y, c.m, c.d), c.jdn) << c.y;
}

ChartState MomentAt(int16_t y, float hmm, const char* ampm, float zone, float lon, float lat) {
  ChartState s;
  s.ChartYear = y, s.ChartMonth = y == 2000 ? 1 : 6, s.ChartDay = 1, s.ChartTimeHMM = hmm;
  s.AmPm = ampm, s.ChartZone = zone, s.ChartLongitude = lon, s.ChartLatitude = lat;
  ComputeTimeAndAngles(s);
  return s;
}

// IAU 1980 mean obliquity at J2000. 12 A.M. is midnight; the zone carries the
// day fraction past 1. South of the equator the sidereal hours turn by twelve.
TEST(TimeAndAngles, NoonOfJ2000MidnightAndTheSouth) {
  const ChartState j2000 = MomentAt(2000, 12.00f, "P.M.", 0, 0, 0);
  EXPECT_DOUBLE_EQ(j2000.JulianDate, 2451545.0);
  EXPECT_NEAR(j2000.CenturiesT, 1.0, 1e-12);
  EXPECT_NEAR(j2000.ObliquityDeg, 23.4392911, 2e-5);
  EXPECT_NEAR(MomentAt(2010, 12.00f, "A.M.", 5, 0, 0).DayFraction, 5.0 / 24.0, 1e-12);
  EXPECT_GT(MomentAt(2010, 11.59f, "P.M.", 5, 0, 0).DayFraction, 1.0);
  const ChartState north = MomentAt(2010, 3.00f, "P.M.", 0, 10.0f, 30.0f);
  const ChartState south = MomentAt(2010, 3.00f, "P.M.", 0, 10.0f, -30.0f);
  EXPECT_DOUBLE_EQ(north.Ramc, south.Ramc);
  EXPECT_EQ((north.SiderealHours + 12) % 24, south.SiderealHours);
}

// Meeus, Astronomical Algorithms, example 30.a; at the apsides E equals M (sin
// 180 is 9e-11 with the program's ten-decimal pi); on a circle at once. E -> M
// -> E over the planets' eccentricities and anomalies all round the orbit,
// unreduced ones included as the theories pass them in, in a few steps.
TEST(Kepler, PublishedSolutionsAndRoundTrips) {
  EXPECT_NEAR(planets::SolveKepler(5.0, 0.1), 5.554589, 1e-6);
  EXPECT_NEAR(planets::SolveKepler(180.0, 0.25), 180.0, 1e-8);
  EXPECT_EQ(planets::SolveKeplerDetailed(149472.5153, 0.0).steps, 1);
  for (const double e : {0.006773, 0.0934, 0.2447}) {
    for (const double big_e : {-350.0, -10.0, 0.5, 95.0, 181.0, 359.0, 720.0, 90012.5}) {
      const double m = big_e - e * RadToDeg(1.0) * SinDeg(big_e);
      const planets::KeplerSolution s = planets::SolveKeplerDetailed(m, e);
      EXPECT_NEAR(s.eccentric_anomaly, big_e, 1e-9) << "e " << e << ", E " << big_e;
      EXPECT_LT(std::fabs(s.last_step), 1e-7) << "e " << e << ", E " << big_e;
      EXPECT_LE(s.steps, 5) << "e " << e << ", E " << big_e;
    }
  }
}

}  // namespace
}  // namespace kairotex
