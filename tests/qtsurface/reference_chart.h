// The fixed chart the wheel images are drawn from: 21 March 1990, 6.15 P.M.,
// zone 5, 73w59 40n45, Placidus.
#pragma once

#include <string>

#include "chart/calculate_chart.h"
#include "chart/chart_program.h"
#include "chartview/chartwheel.h"
#include "test_messages.h"
#include "test_paths.h"

namespace kairotex::test {

enum class ChartKind { kGeocentric, kHeliocentric, kDeclination };

struct ReferenceChart {
  ChartProgram program;
  ChartState state;

  // The wheel's inputs in the given style.
  WheelInputs Inputs(int16_t type_chart) const {
    return {state, program.options, program.tables, type_chart};
  }
};

// Loads the delivered data files and casts the chart of that kind.
inline ReferenceChart CastReferenceChart(ChartKind kind) {
  ReferenceChart chart{LoadChartProgram(DataDir(), RegionalFormat{}), {}};
  const ElectionData election{.Month = 3,
                              .Day = 21,
                              .Year = 1990,
                              .Hour = 6,
                              .Minute = 15,
                              .PmFlag = 1,
                              .LonDegrees = 73,
                              .LonMinutes = 59,
                              .LatDegrees = 40,
                              .LatMinutes = 45,
                              .WestFlag = 1,
                              .SouthFlag = 0,
                              .Zone = 5,
                              .Name = "Reference"};
  ChartSettings settings = ChartSettings::ForHouseSystem('P');
  settings.HelioChart = kind == ChartKind::kHeliocentric;
  settings.DeclinationChart = kind == ChartKind::kDeclination;
  // The clock only matters for "now"; fixed, so that nothing reads the wall clock.
  const FixedClock clock({1990, 3, 21, 18, 15, 0}, 5);
  RecordingMessages messages;
  CalculateChart(chart.state, election, settings, chart.program.Context(clock, messages));
  return chart;
}

}  // namespace kairotex::test
