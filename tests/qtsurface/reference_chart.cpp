#include "reference_chart.h"

#include "test_messages.h"
#include "test_paths.h"

namespace kairotex::test {

ReferenceChart CastReferenceChart(ChartKind kind) {
  ReferenceChart chart{LoadChartProgram(DataDir(), RegionalFormat{}), {}};
  ElectionData election;
  election.Name = "Reference";
  election.Month = 3;
  election.Day = 21;
  election.Year = 1990;
  election.Hour = 6;
  election.Minute = 15;
  election.PmFlag = 1;
  election.Zone = 5;
  election.LonDegrees = 73;
  election.LonMinutes = 59;
  election.WestFlag = 1;
  election.LatDegrees = 40;
  election.LatMinutes = 45;
  election.SouthFlag = 0;
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
