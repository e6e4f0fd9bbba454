// Angle routines, time and angles of the chart moment.
#include <gtest/gtest.h>

#include <cmath>

#include "chart/angles.h"
#include "chart/time_angles.h"

namespace kairotex {
namespace {

TEST(Angles, NormalizeDegreesMinutesAndTheProgramsPi) {
  EXPECT_DOUBLE_EQ(Normalize360(-30), 330);
  EXPECT_DOUBLE_EQ(Normalize360(720), 0);
  EXPECT_DOUBLE_EQ(Normalize360(359.5), 359.5);
  EXPECT_NEAR(DegMinToDecimal(40.45), 40.75, 1e-12);
  EXPECT_NEAR(DegMinToDecimal(0.30), 0.5, 1e-12);
  EXPECT_DOUBLE_EQ(DegToRad(180.0), 3.1415926535);  // not the double-precision pi
  EXPECT_NEAR(EclipticToDeclination(90, 0, 23.44), 23.44, 1e-9);
  EXPECT_NEAR(EclipticToDeclination(0, 0, 23.44), 0, 1e-7);
}

// The program's pi is 9e-11 short of the true one, which atan() follows:
// quadrant sums agree to about 1e-10 radian and 1e-8 degree. Zero is the
// tiny angle 1.74533e-09.
TEST(Angles, PolarAndSphericalQuadrantsAndPoles) {
  EXPECT_DOUBLE_EQ(RectToPolar(1, 0).angle, 1.74533e-09);
  EXPECT_NEAR(RectToPolar(-1, -1).angle, 1.25 * kProgramPi, 1e-10);
  EXPECT_NEAR(RectToPolar(1, -1).angle, 1.75 * kProgramPi, 1e-10);
  EXPECT_NEAR(PolarToRect(0.0, 2.0).y, 2.0 * 1.74533e-09, 1e-20);
  EXPECT_NEAR(RectToSpherical(-1, 1, 0).lon, 135, 1e-8);
  EXPECT_NEAR(RectToSpherical(1, -1, 0).lon, 315, 1e-8);
  EXPECT_NEAR(RectToSpherical(-1, -1, 0).lon, 225, 1e-8);
  EXPECT_DOUBLE_EQ(RectToSpherical(0, 0, 2).lat, 90);
  EXPECT_DOUBLE_EQ(RectToSpherical(0, 0, -2).lat, -90);
  EXPECT_DOUBLE_EQ(RectToSpherical(0, 0, 0).lon, 0);
}

TEST(Angles, SplitLongitudeNeverCarriesMinutesAndCoordinatesFormat) {
  struct Case {
    double lon;
    int sign, degree, minute;
  };
  for (const Case& c : {Case{45.999, 2, 15, 59}, Case{29.5, 1, 29, 30}, Case{359.99, 12, 29, 59}}) {
    const SplitLon s = SplitLongitude(c.lon);
    EXPECT_EQ(s.sign, c.sign) << c.lon;
    EXPECT_EQ(s.degree, c.degree) << c.lon;
    EXPECT_EQ(s.minute, c.minute) << c.lon;
  }
  EXPECT_EQ(SignAbbreviation(12), "PIS");
  EXPECT_EQ(FormatCoordinate(73.59f, "WEST"), "73w59");
  EXPECT_EQ(FormatCoordinate(40.45f, "NORTH"), "40n45");
  EXPECT_EQ(FormatCoordinate(-0.30f, "SOUTH"), "0s30");
  EXPECT_EQ(FormatCoordinate(-151.05f, "EAST"), "151e05");
}

// Julian day numbers: published check values (Meeus, Astronomical Algorithms, ch. 7).
TEST(TimeAndAngles, JulianDayNumbers) {
  struct Case {
    int y, m, d;
    double jdn;
  };
  const Case cases[] = {{2000, 1, 1, 2451545},
                        {1987, 1, 27, 2446823},
                        {1900, 1, 1, 2415021},
                        {1600, 12, 31, 2305813},
                        {837, 4, 10, 2026872},
                        // The calendar reform: Thursday October 4 (Julian) was
                        // followed by Friday October 15 (Gregorian), one day later.
                        {1582, 10, 4, 2299160},
                        {1582, 10, 15, 2299161},
                        {1582, 10, 16, 2299162}};
  for (const Case& c : cases) {
    EXPECT_EQ(JulianDayNumberOfDate(c.y, c.m, c.d), c.jdn) << c.y << "-" << c.m << "-" << c.d;
  }
}

ChartState MomentAt(int16_t y, int16_t m, int16_t d, float hmm, const char* ampm, float zone,
                    float lon, float lat) {
  ChartState s;
  s.ChartYear = y, s.ChartMonth = m, s.ChartDay = d, s.ChartTimeHMM = hmm, s.AmPm = ampm;
  s.ChartZone = zone, s.ChartLongitude = lon, s.ChartLatitude = lat;
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

// 12 A.M. is midnight; the zone carries the day fraction past 1. South of
// the equator the sidereal hours turn by twelve; at the equator the
// Ascendant is still a finite longitude.
TEST(TimeAndAngles, TwelveOClockZoneCarryAndSouthernSiderealTime) {
  ChartState midnight = MomentAt(2010, 6, 1, 12.00f, "A.M.", 5, 0, 0);
  ComputeTimeAndAngles(midnight);
  EXPECT_NEAR(midnight.DayFraction, 5.0 / 24.0, 1e-12);
  ChartState late = MomentAt(2010, 6, 1, 11.59f, "P.M.", 5, 0, 0);
  ComputeTimeAndAngles(late);
  EXPECT_GT(late.DayFraction, 1.0);
  EXPECT_GT(late.JulianDate, late.JulianDayNumber + 0.5);
  ChartState north = MomentAt(2010, 6, 1, 3.00f, "P.M.", 0, 10.0f, 30.0f);
  ChartState south = MomentAt(2010, 6, 1, 3.00f, "P.M.", 0, 10.0f, -30.0f);
  ChartState equator = MomentAt(2010, 6, 1, 3.00f, "P.M.", 0, 0, 0);
  for (ChartState* s : {&north, &south, &equator}) ComputeTimeAndAngles(*s);
  EXPECT_DOUBLE_EQ(north.Ramc, south.Ramc);
  EXPECT_EQ((north.SiderealHours + 12) % 24, south.SiderealHours);
  EXPECT_TRUE(std::isfinite(equator.AscLon));
  EXPECT_GE(equator.AscLon, 0.0);
  EXPECT_LT(equator.AscLon, 360.0);
}

}  // namespace
}  // namespace kairotex
