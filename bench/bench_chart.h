// What the benchmarks share: the delivered tables, loaded once, a message sink
// that stays quiet, and an election at New York (zone 5, 73w59 40n45).
#pragma once

#include "chart/chart.h"

namespace kairotex::bench {

class SilentMessages : public MessageSink {
 public:
  void ShowMessage(std::string_view, std::string_view, MessageIcon) override {}
};

inline const ChartProgram& Program() {
  static const ChartProgram program = LoadChartProgram(KAIROTEX_BENCH_DATA_DIR, RegionalFormat{});
  return program;
}

// hour on the 12-hour clock.
inline ElectionData NewYorkElection(int year, int month, int day, int hour, int minute, bool pm) {
  ElectionData e;
  e.Name = "Bench";
  e.Year = static_cast<int16_t>(year);
  e.Month = static_cast<int16_t>(month);
  e.Day = static_cast<int16_t>(day);
  e.Hour = static_cast<int16_t>(hour);
  e.Minute = static_cast<int16_t>(minute);
  e.PmFlag = pm ? 1 : 0;
  e.Zone = 5;
  e.LonDegrees = 73;
  e.LonMinutes = 59;
  e.LatDegrees = 40;
  e.LatMinutes = 45;
  return e;
}

}  // namespace kairotex::bench
