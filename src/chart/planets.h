// The planets, Sun, Moon and nodes of the chart for its moment and the next day.
#pragma once

#include "chart/chart_state.h"
#include "chart/planet_theory.h"

namespace kairotex {

// Nutation in longitude in degrees, t in centuries from 1900 January 0.5.
double NutationInLongitude(double t1900);

// The sidereal offsets: SVP (the complement of the ayanamsa of the
// Fagan-Bradley kind) and the ayanamsa carried at one degree per 71.61 years.
double SvpOffsetAt(double t1900);
double AyanamsaOffsetAt(double julian_date, double nutation_lon);

// Fills ObjectPos[1..15], ObjectLat, HelioLonWork, ObjectLonNextDay[1..10],
// DeclWork[1..10], RetroFlags, TrueNode (only while it holds -100),
// NutationLon, SvpOffset and AyanamsaOffset from the chart's time and angles.
void ComputePlanets(ChartState& state, const OrbitalElements& elements);

}  // namespace kairotex
