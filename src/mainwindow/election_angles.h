// The angle display of the election data dialog: the chart's Ascendant,
// Midheaven and local clock time, and the "+"/"-" step that moves the
// Midheaven by one minute of sidereal time and finds the clock time for it.
#pragma once

#include <string>

#include "chart/chart_state.h"

namespace kairotex {

struct DialogAngles {
  // The tropical Midheaven the next step starts from.
  double mc = 0;
  // The tropical Ascendant shown.
  double asc = 0;
  // The universal time of the shown clock time as a fraction of the chart's
  // day; the steps move it, the chart itself is left as it was cast.
  double day_fraction = 0;
  std::string asc_text, mc_text;  // "05 TAU 17"
  std::string time_text;          // "05:30 PM"
};

// The angles of the chart as cast (objects 14 and 15 in the chart's zodiac)
// and its local time.
DialogAngles ShowDialogAngles(const ChartState& chart);

// The local clock time of a universal day fraction in a zone (hours, positive
// west), in the medium time form "hh:mm AM".
std::string DialogTimeText(double day_fraction, double zone);

// One step, direction +1 or -1: the Midheaven moves by a quarter degree, the
// Ascendant for it at the chart's latitude is shown, and the shown time moves
// by the whole minutes FindStepMinutes finds.
void StepAngles(DialogAngles& angles, const ChartState& chart, int direction);

// The whole minutes k (0..70) after (direction +1) or before (-1) the day
// fraction whose sidereal time puts the Midheaven nearest new_mc; the first
// of equal nearest wins. centuries_t and the obliquity are the chart's;
// longitude_west in decimal degrees, positive west.
int FindStepMinutes(double centuries_t, double day_fraction, double longitude_west,
                    double obliquity_deg, double new_mc, int direction);

}  // namespace kairotex
