// Speed of the chart engine beside the Swiss Ephemeris library doing the same
// work in the same run: our whole chart in each house system at one moment,
// and, when the library was found at configure time, its thirteen bodies with
// speeds at the moment and a day later, Placidus cusps and the obliquity and
// nutation. Beside them the whole chart cast from the precise ephemeris. The
// closing lines give the library's time over ours, and the precise chart's
// over the chart of the program's theories.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench_chart.h"

#ifdef KAIROTEX_BENCH_REFERENCE
#include <swephexp.h>
#endif

namespace kairotex {
namespace {

// 21 March 1990, 6.15 P.M. at New York: 23.15 universal time.
ElectionData Election() {
  return bench::NewYorkElection(1990, 3, 21, 6, 15, true);
}

const char kOursPrefix[] = "BM_OurChart/";
const char kPrecisePrefix[] = "BM_PreciseChart/";
const char kReferenceName[] = "BM_ReferenceChart";

// Moment and next day, all objects, cusps, Chiron, heading; on the fastest
// path this processor has, or on the plain one; from the program's theories
// or the precise ephemeris.
void OurChart(benchmark::State& bench, char letter, bool plain, bool precise = false,
              bool moving = false) {
  const FixedClock clock({1990, 3, 21, 18, 15, 0}, 5);
  bench::SilentMessages messages;
  const ChartProgram* chosen = bench::ProgramOrSkip(bench, precise);
  if (chosen == nullptr) return;
  const ChartProgram& program = *chosen;
  OrbitalElements elements = program.elements;
  if (plain) elements.path = EnginePath::kPlain;
  const ChartContext context{
      program.options,     program.tables,         elements, program.regional, clock, messages,
      program.program_dir, program.ephemeris.get()};
  const ChartSettings settings = ChartSettings::ForHouseSystem(letter);
  const ElectionData election = Election();
  ChartState state;
  CalculateChart(state, election, settings, context);
  if (state.InputError != 0) {
    bench.SkipWithError("the election was refused");
    return;
  }
  ElectionData moment = election;
  for (auto _ : bench) {
    if (moving) StepElection(moment, TimeStep::kAddMinute);
    CalculateChart(state, moment, settings, context);
    benchmark::DoNotOptimize(state.ObjectPos);
  }
}
void BM_OurChart(benchmark::State& bench, char letter) {
  OurChart(bench, letter, false);
}
BENCHMARK_CAPTURE(BM_OurChart, Placidus, 'P');
BENCHMARK_CAPTURE(BM_OurChart, Regiomontanus, 'R');
BENCHMARK_CAPTURE(BM_OurChart, Koch, 'K');
BENCHMARK_CAPTURE(BM_OurChart, Campanus, 'C');
BENCHMARK_CAPTURE(BM_OurChart, Porphyry, 'O');
BENCHMARK_CAPTURE(BM_OurChart, Equal, 'E');
BENCHMARK_CAPTURE(BM_OurChart, Meridian, 'M');
BENCHMARK_CAPTURE(BM_OurChart, Morinus, 'I');

void BM_OurChartPlainPath(benchmark::State& bench, char letter) {
  OurChart(bench, letter, true);
}
BENCHMARK_CAPTURE(BM_OurChartPlainPath, Placidus, 'P');
BENCHMARK_CAPTURE(BM_OurChartPlainPath, Porphyry, 'O');

void BM_PreciseChart(benchmark::State& bench, char letter) {
  OurChart(bench, letter, false, true);
}
BENCHMARK_CAPTURE(BM_PreciseChart, Placidus, 'P');
BENCHMARK_CAPTURE(BM_PreciseChart, Porphyry, 'O');

// A minute later at each chart, as a scan casts them: the library's memory
// of its last answers serves no chart.
void BM_ChartEachMinute(benchmark::State& bench, bool precise) {
  OurChart(bench, 'P', false, precise, true);
}
BENCHMARK_CAPTURE(BM_ChartEachMinute, own, false);
BENCHMARK_CAPTURE(BM_ChartEachMinute, precise, true);

#ifdef KAIROTEX_BENCH_REFERENCE

constexpr int kReferenceBodies[] = {SE_SUN,       SE_MOON,      SE_MERCURY, SE_VENUS,   SE_MARS,
                                    SE_JUPITER,   SE_SATURN,    SE_URANUS,  SE_NEPTUNE, SE_PLUTO,
                                    SE_MEAN_NODE, SE_TRUE_NODE, SE_CHIRON};

// One chart's worth of work. Every body is asked at the moment, then all of them
// a day later, so the library's memory of each body's last answer never serves
// the next iteration. Returns false, with the message in error, when a call
// failed or fell back from the ephemeris files to its analytic theory (the
// library leaves no message for that).
bool ReferenceChart(double jd_ut, double lat, double lon, char* error) {
  double xx[6];
  for (const double jd : {jd_ut, jd_ut + 1.0}) {
    for (const int body : kReferenceBodies) {
      const int32 flags = swe_calc_ut(jd, body, SEFLG_SWIEPH | SEFLG_SPEED, xx, error);
      if (flags < 0 || (flags & SEFLG_SWIEPH) == 0) return false;
      benchmark::DoNotOptimize(xx);
    }
  }
  double cusps[13];
  double ascmc[10];
  if (swe_houses(jd_ut, lat, lon, 'P', cusps, ascmc) < 0) return false;
  benchmark::DoNotOptimize(cusps);
  if (swe_calc_ut(jd_ut, SE_ECL_NUT, 0, xx, error) < 0) return false;
  benchmark::DoNotOptimize(xx);
  return true;
}

void BM_ReferenceChart(benchmark::State& bench) {
  swe_set_ephe_path(KAIROTEX_BENCH_REFERENCE_EPHE_DIR);
  const double jd_ut = swe_julday(1990, 3, 21, 23.25, SE_GREG_CAL);
  const double lat = 40 + 45 / 60.0;
  const double lon = -(73 + 59 / 60.0);  // the library counts east positive
  char error[AS_MAXCH] = "";
  if (!ReferenceChart(jd_ut, lat, lon, error)) {
    bench.SkipWithError(error[0] ? error
                                 : "no ephemeris files in " KAIROTEX_BENCH_REFERENCE_EPHE_DIR);
    return;
  }
  for (auto _ : bench) ReferenceChart(jd_ut, lat, lon, error);
  bench.SetLabel("13 bodies with speeds at two moments, Placidus cusps, nutation");
  swe_close();
}
BENCHMARK(BM_ReferenceChart);

#endif

// The console table as usual, and the CPU time of each benchmark kept for the
// closing ratios: the mean of its repetitions, or their reported mean when only
// the aggregates are reported.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  explicit RatioReporter(bool color) : ConsoleReporter(color ? OO_ColorTabular : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred || run.iterations == 0) continue;
      const double seconds =
          run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
      Timing& timing = TimingOf(run.run_name.str());
      if (run.run_type == Run::RT_Iteration) {
        timing.sum_of_repetitions += seconds;
        timing.repetitions += 1;
      } else if (run.aggregate_name == "mean") {
        timing.aggregate_mean = seconds;
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  // "precise / own (Placidus): 9.80" for each precise chart measured.
  void PrintPreciseRatios() const {
    const std::string precise = kPrecisePrefix, ours = kOursPrefix;
    for (const Timing& timing : timings_) {
      if (timing.name.compare(0, precise.size(), precise) != 0) continue;
      const std::string system = timing.name.substr(precise.size());
      for (const Timing& own : timings_) {
        if (own.name == ours + system && own.Seconds() > 0) {
          std::printf("precise / own (%s): %.2f\n", system.c_str(),
                      timing.Seconds() / own.Seconds());
        }
      }
    }
  }

  // "reference / ours (Placidus): 4.51" for each of our charts measured.
  void PrintRatios() const {
    double reference = 0;
    for (const Timing& timing : timings_) {
      if (timing.name == kReferenceName) reference = timing.Seconds();
    }
    if (reference <= 0) {
      std::printf("reference library not measured: no ratio\n");
      return;
    }
    const std::string prefix = kOursPrefix;
    for (const Timing& timing : timings_) {
      if (timing.name.compare(0, prefix.size(), prefix) != 0 || timing.Seconds() <= 0) continue;
      std::printf("reference / ours (%s): %.2f\n", timing.name.c_str() + prefix.size(),
                  reference / timing.Seconds());
    }
  }

 private:
  struct Timing {
    std::string name;
    double sum_of_repetitions = 0;
    int repetitions = 0;
    double aggregate_mean = 0;
    double Seconds() const {
      return repetitions > 0 ? sum_of_repetitions / repetitions : aggregate_mean;
    }
  };

  Timing& TimingOf(const std::string& name) {
    for (Timing& timing : timings_) {
      if (timing.name == name) return timing;
    }
    timings_.push_back(Timing{name});
    return timings_.back();
  }

  std::vector<Timing> timings_;  // in run order
};

}  // namespace
}  // namespace kairotex

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  // The library's own table colours only a terminal; a reporter of our own must choose itself.
  kairotex::RatioReporter reporter(isatty(STDOUT_FILENO) != 0);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  reporter.PrintPreciseRatios();
  benchmark::Shutdown();
  return 0;
}
