// What the benchmarks share: the delivered tables, loaded once, with the
// program's theories or the precise ephemeris, a message sink that stays
// quiet, and an election at New York (zone 5, 73w59 40n45).
#pragma once

#include <benchmark/benchmark.h>

#include <string>

#include "chart/chart.h"
#include "precise/swiss_ephemeris.h"

namespace kairotex::bench {

class SilentMessages : public MessageSink {
 public:
  void ShowMessage(std::string_view, std::string_view, MessageIcon) override {}
};

inline const ChartProgram& Program() {
  static const ChartProgram program = LoadChartProgram(KAIROTEX_BENCH_DATA_DIR, RegionalFormat{});
  return program;
}

// The same tables with the precise ephemeris of the system's files; its
// ephemeris is null when they cannot be opened.
inline const ChartProgram& PreciseProgram() {
  static const ChartProgram program = [] {
    ChartProgram precise = Program();
    std::string message;
    precise.ephemeris = OpenPreciseEphemeris(SwissEphemeris::DefaultFolder(), message);
    return precise;
  }();
  return program;
}

// The program's theories, or the precise ephemeris; null, with the benchmark
// skipped, when that is asked for and its files cannot be opened.
inline const ChartProgram* ProgramOrSkip(benchmark::State& bench, bool precise) {
  if (!precise) return &Program();
  if (PreciseProgram().ephemeris) return &PreciseProgram();
  bench.SkipWithError("the precise ephemeris' files could not be opened");
  return nullptr;
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
