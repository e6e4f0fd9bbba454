// The planets, Sun, Moon and nodes of the chart for its moment and the next day.
#pragma once

#include "chart/chart_state.h"
#include "chart/moon_theory.h"
#include "chart/perturbation_knots.h"
#include "chart/planet_theory.h"
#include "chart/time_angles.h"

namespace kairotex {

// Nutation in longitude in degrees, t in centuries from 1900 January 0.5.
double NutationInLongitude(double t1900);

// The sidereal offsets: SVP (the complement of the ayanamsa of the
// Fagan-Bradley kind) and the ayanamsa carried at one degree per 71.61 years.
double SvpOffsetAt(double t1900);
double AyanamsaOffsetAt(double julian_date, double nutation_lon);

// The Sun, Moon and Mercury to Pluto at one moment, [1..10].
struct BodyPositions {
  ObjectTable lon{}, lat{}, helio{};
  MoonPosition moon;
  double julian_day_number = 0;  // of the civil date, which Pluto's equinox follows
};
BodyPositions BodiesAtClock(const OrbitalElements& elements, const ChartClock& clock);
// The same with the outer planets' perturbations from a scan's knots.
BodyPositions BodiesAtClock(const OrbitalElements& elements, const ChartClock& clock,
                            PerturbationKnots& knots);

// Bodies a scan already has: those of the chart's moment and those of the
// moment a day later (as that moment's own chart computed them). Null: compute.
struct KnownBodies {
  const BodyPositions* now = nullptr;
  const BodyPositions* day_later = nullptr;
};

// Fills ObjectPos[1..15], ObjectLat, HelioLonWork, ObjectLonNextDay[1..10],
// DeclWork[1..10], RetroFlags, TrueNode (only while it holds -100),
// SvpOffset and AyanamsaOffset from the chart's time, angles and nutation.
void ComputePlanets(ChartState& state, const OrbitalElements& elements,
                    const KnownBodies& known = {});

// Steps that every ephemeris shares:
// SvpOffset and AyanamsaOffset by the program's formulas, the ayanamsa with
// the frame's nutation (NutationLon).
void FillZodiacOffsets(ChartState& state);
// The nodes (TrueNode only while it holds -100), the provisional Part of
// Fortune and the angles, from the Sun's and Moon's places and the frame.
void PlaceNodesAndAngles(ChartState& state, double mean_node, double true_node);
// 'R' when the object's next-day longitude is smaller, taken the short way
// round 0 Aries.
void MarkIfRetrograde(ChartState& state, int object);
// DeclWork[1..10] from the places, latitudes and the chart's obliquity.
void FillDeclinations(ChartState& state, EnginePath path);

}  // namespace kairotex
