#include "chart/pluto_series.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kairotex::planets {
namespace {

double T1900(double jd) {
  return (jd - 2415020.0) / 36525.0;
}

// Meeus, Astronomical Algorithms, example 37.a, 1992 October 13.0 (JD 2448908.5),
// Pluto heliocentric for the equinox of J2000: l = 232.74071, b = 14.58782,
// R = 29.711111 AU. The series here is referred to 1950: its longitude is less
// by the precession of 50 years, 5029.1" x 0.5 = 0.69849 degree; the ecliptic of
// 1950 tilts the latitude by some 20" at this longitude. Measured: longitude
// 232.04079 (0.0014 from 232.74071 - 0.69849), latitude 14.59322, radius 29.711377.
TEST(PlutoSeriesTest, AgreesWithTheWorkedExampleOf1992) {
  const Spherical p = ComputePlutoSeries(T1900(2448908.5));
  EXPECT_NEAR(p.lon, 232.74071 - 0.69849, 0.003);
  EXPECT_NEAR(p.lat, 14.58782, 0.01);
  EXPECT_NEAR(p.radius, 29.711111, 0.0005);
}

// Pluto passed perihelion in September 1989 at 29.658 AU; the series' radius
// has its least value there (measured 29.6558 at JD 2447790.5) and rises on
// either side.
TEST(PlutoSeriesTest, PerihelionOf1989) {
  const double perihelion_jd = 2447790.5;
  const double r0 = ComputePlutoSeries(T1900(perihelion_jd)).radius;
  EXPECT_NEAR(r0, 29.658, 0.005);
  for (const double days : {-400.0, -100.0, 100.0, 400.0}) {
    EXPECT_GT(ComputePlutoSeries(T1900(perihelion_jd + days)).radius, r0) << days;
  }
}

// Over the span the program serves the radius stays between perihelion
// (29.66 AU) and the aphelion distance (49.3 AU) that Pluto approaches in 2114;
// latitude within the 17.1-degree inclination; longitude reduced.
TEST(PlutoSeriesTest, StaysOnPlutosOrbit) {
  for (double jd = 2415020.0; jd <= 2488070.0; jd += 365.25 * 3.7) {
    const Spherical p = ComputePlutoSeries(T1900(jd));
    EXPECT_GE(p.radius, 29.6) << jd;
    EXPECT_LE(p.radius, 49.4) << jd;
    EXPECT_LE(std::fabs(p.lat), 17.2) << jd;
    EXPECT_GE(p.lon, 0.0) << jd;
    EXPECT_LT(p.lon, 360.0) << jd;
  }
}

}  // namespace
}  // namespace kairotex::planets
