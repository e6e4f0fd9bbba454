// Facts of a chart that no report computes and the election rules need: the
// Moon's light and distance from the nodes, and the planetary hour.
#pragma once

#include "chart/chart_state.h"
#include "settings/options.h"

namespace kairotex {

// The Moon's distance ahead of the Sun, 0..360: under 180 she is waxing.
double MoonElongation(const ChartState& chart);

// The shorter arc from the Moon to the nearer node.
double MoonNodeDistance(const ChartState& chart);

// Taurus, Cancer, Sagittarius and Pisces: Lilly's signs where the Moon void
// of course still performs (sign 1..12).
bool LillyVoidExceptionSign(int sign);

// The Moon's mean daily motion, 13 deg 10' 36".
inline constexpr double kMoonMeanMotion = 13.0 + 10.0 / 60.0 + 36.0 / 3600.0;

struct PlanetaryHour {
  int ruler = 0;      // object number, Sun to Moon
  int hour = 1;       // 1..12 from sunrise, 13..24 from sunset
  int day_ruler = 0;  // the ruler of the planetary day, which begins at sunrise
};

// The unequal hour of the chart's moment at its place: the day from sunrise
// to sunset and the night from sunset to sunrise each in twelve, the upper
// limb at the horizon with refraction (-0.833 deg), the hours' rulers in
// Chaldean order from the day's ruler. Where the Sun neither rises nor sets
// the day or night is taken as nearly the whole circle.
PlanetaryHour PlanetaryHourOf(const ChartState& chart, const OptionsTable& options);

}  // namespace kairotex
