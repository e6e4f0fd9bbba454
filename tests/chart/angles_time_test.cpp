// Angle routines, time and angles of the chart moment.
#include <gtest/gtest.h>

#include <cmath>

#include "chart/angles.h"
#include "chart/time_angles.h"

namespace kairotex {
namespace {

TEST(Angles, NormalizeAndDegreesMinutes) {
  EXPECT_DOUBLE_EQ(Normalize360(-30), 330);
  EXPECT_DOUBLE_EQ(Normalize360(720), 0);
  EXPECT_DOUBLE_EQ(Normalize360(359.5), 359.5);
  EXPECT_NEAR(DegMinToDecimal(40.45), 40.75, 1e-12);
  EXPECT_NEAR(DegMinToDecimal(0.30), 0.5, 1e-12);
  // The program's pi, not the double-precision one.
  EXPECT_DOUBLE_EQ(DegToRad(180.0), 3.1415926535);
}

// The program's pi is 9e-11 short of the true one, which atan() follows:
// quadrant sums agree to about 1e-10 radian and 1e-8 degree.
TEST(Angles, PolarConversionsUseTheTinyAngleForZero) {
  EXPECT_DOUBLE_EQ(RectToPolar(1, 0).angle, 1.74533e-09);
  EXPECT_NEAR(RectToPolar(-1, -1).angle, 1.25 * kProgramPi, 1e-10);
  EXPECT_NEAR(RectToPolar(1, -1).angle, 1.75 * kProgramPi, 1e-10);
  const RectXY xy = PolarToRect(0.0, 2.0);
  EXPECT_NEAR(xy.y, 2.0 * 1.74533e-09, 1e-20);
}

TEST(Angles, RectToSphericalQuadrantsAndPoles) {
  EXPECT_NEAR(RectToSpherical(-1, 1, 0).lon, 135, 1e-8);
  EXPECT_NEAR(RectToSpherical(1, -1, 0).lon, 315, 1e-8);
  EXPECT_NEAR(RectToSpherical(-1, -1, 0).lon, 225, 1e-8);
  EXPECT_DOUBLE_EQ(RectToSpherical(0, 0, 2).lat, 90);
  EXPECT_DOUBLE_EQ(RectToSpherical(0, 0, -2).lat, -90);
  EXPECT_DOUBLE_EQ(RectToSpherical(0, 0, 0).lon, 0);
}

TEST(Angles, SplitLongitudeNeverCarriesMinutes) {
  const SplitLon a = SplitLongitude(45.999);
  EXPECT_EQ(a.sign, 2);
  EXPECT_EQ(a.degree, 15);
  EXPECT_EQ(a.minute, 59);
  const SplitLon b = SplitLongitude(29.5);
  EXPECT_EQ(b.sign, 1);
  EXPECT_EQ(b.degree, 29);
  EXPECT_EQ(b.minute, 30);
  const SplitLon c = SplitLongitude(359.99);
  EXPECT_EQ(c.sign, 12);
  EXPECT_EQ(c.degree, 29);
  EXPECT_EQ(SignAbbreviation(c.sign), "PIS");
}

TEST(Angles, FormatCoordinate) {
  EXPECT_EQ(FormatCoordinate(73.59f, "WEST"), "73w59");
  EXPECT_EQ(FormatCoordinate(40.45f, "NORTH"), "40n45");
  EXPECT_EQ(FormatCoordinate(-0.30f, "SOUTH"), "0s30");
  EXPECT_EQ(FormatCoordinate(-151.05f, "EAST"), "151e05");
}

TEST(Angles, DeclinationOfTheSolsticePoint) {
  EXPECT_NEAR(EclipticToDeclination(90, 0, 23.44), 23.44, 1e-9);
  EXPECT_NEAR(EclipticToDeclination(0, 0, 23.44), 0, 1e-7);
}

// Julian day numbers: published check values (Meeus, Astronomical Algorithms, ch. 7).
TEST(TimeAndAngles, JulianDayNumbers) {
  struct Case {
    int y, m, d;
    double jdn;
  };
  const Case cases[] = {{2000, 1, 1, 2451545},   {1987, 1, 27, 2446823}, {1900, 1, 1, 2415021},
                        {1600, 12, 31, 2305813}, {837, 4, 10, 2026872},
                        // The calendar reform: Thursday October 4 (Julian) was
                        // followed by Friday October 15 (Gregorian), one day later.
                        {1582, 10, 4, 2299160}, {1582, 10, 15, 2299161}, {1582, 10, 16, 2299162}};
  for (const Case& c : cases) {
    EXPECT_EQ(JulianDayNumberOfDate(c.y, c.m, c.d), c.jdn) << c.y << "-" << c.m << "-" << c.d;
  }
}

ChartState MomentAt(int y, int m, int d, float hmm, const char* ampm, float zone, float lon,
                    float lat) {
  ChartState s;
  s.ChartYear = static_cast<int16_t>(y);
  s.ChartMonth = static_cast<int16_t>(m);
  s.ChartDay = static_cast<int16_t>(d);
  s.ChartTimeHMM = hmm;
  s.AmPm = ampm;
  s.ChartZone = zone;
  s.ChartLongitude = lon;
  s.ChartLatitude = lat;
  return s;
}

TEST(TimeAndAngles, NoonOfJ2000) {
  ChartState s = MomentAt(2000, 1, 1, 12.00f, "P.M.", 0, 0, 0);
  ComputeTimeAndAngles(s);
  EXPECT_DOUBLE_EQ(s.DayFraction, 0.5);
  EXPECT_DOUBLE_EQ(s.JulianDate, 2451545.0);
  EXPECT_NEAR(s.CenturiesT, 1.0, 1e-12);
  EXPECT_NEAR(s.ObliquityDeg, 23.4392911, 2e-5);  // IAU 1980 mean obliquity at J2000
}

TEST(TimeAndAngles, TwelveOClockAndZoneCarry) {
  ChartState midnight = MomentAt(2010, 6, 1, 12.00f, "A.M.", 5, 0, 0);
  ComputeTimeAndAngles(midnight);
  EXPECT_NEAR(midnight.DayFraction, 5.0 / 24.0, 1e-12);
  ChartState late = MomentAt(2010, 6, 1, 11.59f, "P.M.", 5, 0, 0);
  ComputeTimeAndAngles(late);
  EXPECT_GT(late.DayFraction, 1.0);
  EXPECT_GT(late.JulianDate, late.JulianDayNumber + 0.5);
}

TEST(TimeAndAngles, SouthernSiderealTimeAddsTwelveHours) {
  ChartState north = MomentAt(2010, 6, 1, 3.00f, "P.M.", 0, 10.0f, 30.0f);
  ChartState south = MomentAt(2010, 6, 1, 3.00f, "P.M.", 0, 10.0f, -30.0f);
  ComputeTimeAndAngles(north);
  ComputeTimeAndAngles(south);
  EXPECT_DOUBLE_EQ(north.Ramc, south.Ramc);
  EXPECT_EQ((north.SiderealHours + 12) % 24, south.SiderealHours);
}

TEST(TimeAndAngles, EquatorGivesAFiniteAscendant) {
  ChartState s = MomentAt(2010, 6, 1, 3.00f, "P.M.", 0, 0, 0);
  ComputeTimeAndAngles(s);
  EXPECT_TRUE(std::isfinite(s.AscLon));
  EXPECT_GE(s.AscLon, 0.0);
  EXPECT_LT(s.AscLon, 360.0);
}

}  // namespace
}  // namespace kairotex
