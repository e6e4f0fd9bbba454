// Civil moment and place to Julian date, sidereal time, obliquity and angles.
#pragma once

#include "chart/chart_state.h"
#include "chart/ephemeris.h"

namespace kairotex {

// Julian day number of a civil date: the Julian calendar up to 1582 October 15
// of the Julian count, the Gregorian calendar after it (2000-01-01 -> 2451545).
double JulianDayNumberOfDate(int year, int month, int day);

// The chart's clock as the engine reads it: the day fraction (hours of the
// 12-hour clock, seconds and zone from midnight, as a fraction of a day) and
// the Julian day number of the date.
struct ChartClock {
  double day_fraction = 0, julian_day_number = 0;
};
ChartClock ChartClockOf(float time_hmm, int second, bool pm, float zone, int year, int month,
                        int day);

// Julian centuries of the clock from an epoch (a Julian date at noon).
double CenturiesFrom(double epoch, const ChartClock& clock);

// Mean obliquity of the ecliptic in degrees, t in centuries from 1900 January 0.5.
double MeanObliquity(double t1900);

// Midheaven and Ascendant longitudes (degrees) for a RAMC, obliquity and latitude (radians).
double MidheavenFromRamc(double ramc, double obliquity_rad);
double AscendantFromRamc(double ramc, double obliquity_rad, double latitude_rad);

// Latitude of the chart in radians from ChartLatitude (degrees.minutes).
double ChartLatitudeRadians(const ChartState& state);

// Fills DayFraction, JulianDayNumber, JulianDate and CenturiesT from the moment.
void ComputeChartMoment(ChartState& state);
// The program's own frame of the chart's moment: its mean sidereal time at
// Greenwich, the mean obliquity and its nutation in longitude.
SiderealFrame ProgramFrameOf(const ChartState& state);
// Fills Ramc, ObliquityDeg, NegObliquityRad, McLon, AscLon, NutationLon and
// the sidereal time parts from a frame and the chart's place.
void ApplySiderealFrame(ChartState& state, const SiderealFrame& frame);
// Both, with the program's own sidereal time, mean obliquity and nutation.
void ComputeTimeAndAngles(ChartState& state);

}  // namespace kairotex
