// Civil moment and place to Julian date, sidereal time, obliquity and angles.
#pragma once

#include "chart/chart_state.h"

namespace kairotex {

// Julian day number of a civil date: the Julian calendar up to 1582 October 15
// of the Julian count, the Gregorian calendar after it (2000-01-01 -> 2451545).
double JulianDayNumberOfDate(int year, int month, int day);

// Mean obliquity of the ecliptic in degrees, t in centuries from 1900 January 0.5.
double MeanObliquity(double t1900);

// Midheaven and Ascendant longitudes (degrees) for a RAMC, obliquity and latitude (radians).
double MidheavenFromRamc(double ramc, double obliquity_rad);
double AscendantFromRamc(double ramc, double obliquity_rad, double latitude_rad);

// Latitude of the chart in radians from ChartLatitude (degrees.minutes).
double ChartLatitudeRadians(const ChartState& state);

// Fills DayFraction, JulianDayNumber, JulianDate, CenturiesT, Ramc, ObliquityDeg,
// NegObliquityRad, McLon, AscLon and the sidereal time parts from the moment and place.
void ComputeTimeAndAngles(ChartState& state);

}  // namespace kairotex
