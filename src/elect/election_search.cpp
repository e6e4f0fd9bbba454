#include "elect/election_search.h"

#include <algorithm>
#include <thread>

#include "chart/chart_series.h"
#include "elect/chart_facts.h"
#include "elect/election_score.h"
#include "elect/moment.h"

namespace kairotex {
namespace {

// Moments cast between two looks at the cancel flag and two progress calls.
constexpr int64_t kBlockMoments = 4096;

// A run of passing grid moments, its edges not yet refined.
struct GridRun {
  int64_t first = 0, last = 0;  // the first and last passing grid moments
  int64_t failed_before = 0;    // the failing grid moment before it (first == from: none)
  int64_t failed_after = -1;    // the failing grid moment after it; -1: the scan ended first
  int64_t best_unix = 0;
  double best_score = -1;
};

ChartSettings ScanSettings(const ChartSettings& settings) {
  ChartSettings scan = settings;
  scan.ElectionsRunning = false;
  scan.BuildHeading = false;
  return scan;
}

// Folds the verdicts of the grid, in time order, into runs.
class RunBuilder {
 public:
  explicit RunBuilder(int64_t from) : last_failed_(from) {}

  void Add(int64_t unix_seconds, const MomentVerdict& verdict) {
    if (!verdict.pass) {
      if (open_) {
        runs.back().failed_after = unix_seconds;
        open_ = false;
      }
      last_failed_ = unix_seconds;
      return;
    }
    if (!open_) {
      runs.push_back({unix_seconds, unix_seconds, last_failed_, -1, unix_seconds, -1});
      open_ = true;
    }
    GridRun& run = runs.back();
    run.last = unix_seconds;
    if (verdict.score > run.best_score) {
      run.best_score = verdict.score;
      run.best_unix = unix_seconds;
    }
  }

  std::vector<GridRun> runs;

 private:
  bool open_ = false;
  int64_t last_failed_;
};

// One edge to find to the second: the passing second next to fail_at.
struct EdgeTask {
  int64_t pass_at = 0, fail_at = 0;
  int64_t* edge = nullptr;
  int64_t offset = 0;  // added to the edge found (1 for an end, which is exclusive)
};

// The edges shared out among the threads, each with a caster of its own.
int64_t RefineEdges(const ElectionSearch& search, const ChartSettings& settings,
                    const ChartContext& context, const SearchControl& control,
                    std::vector<EdgeTask>& tasks) {
  std::atomic<size_t> next = 0;
  std::atomic<int64_t> charts = 0;
  auto work = [&] {
    MomentCaster caster(search.place, settings, context);
    auto holds = [&](int64_t t) { return caster.Passes(search.conditions, t); };
    for (size_t i = next++; i < tasks.size(); i = next++) {
      EdgeTask& task = tasks[i];
      // Cancelled: the grid's own edges stand.
      const int64_t edge =
          control.Cancelled() ? task.pass_at : BisectEdge(task.pass_at, task.fail_at, holds);
      *task.edge = edge + task.offset;
    }
    charts += caster.charts_cast();
  };
  const int workers = std::clamp<int>(search.threads, 1, static_cast<int>(tasks.size() / 8 + 1));
  std::vector<std::thread> pool;
  for (int w = 1; w < workers; ++w) pool.emplace_back(work);
  work();
  for (std::thread& worker : pool) worker.join();
  return charts.load();
}

// The windows of the runs, edges refined; the range's ends clip them.
std::vector<ElectionWindow> WindowsOf(const std::vector<GridRun>& runs,
                                      const ElectionSearch& search, bool complete,
                                      const ChartSettings& settings, const ChartContext& context,
                                      const SearchControl& control, int64_t& charts) {
  std::vector<ElectionWindow> windows(runs.size());
  std::vector<EdgeTask> tasks;
  MomentCaster caster(search.place, settings, context);
  for (size_t i = 0; i < runs.size(); ++i) {
    const GridRun& run = runs[i];
    ElectionWindow& w = windows[i];
    w.best_unix = run.best_unix;
    w.score = run.best_score;
    w.start_unix = run.first;
    if (run.first != search.from_unix)
      tasks.push_back({run.first, run.failed_before, &w.start_unix});
    if (run.failed_after >= 0) {
      tasks.push_back({run.last, run.failed_after, &w.end_unix, 1});
    } else if (!complete) {
      w.end_unix = run.last + 1;
    } else if (run.last == search.to_unix || caster.Passes(search.conditions, search.to_unix)) {
      w.end_unix = search.to_unix;
    } else {
      tasks.push_back({run.last, search.to_unix, &w.end_unix, 1});
    }
  }
  charts += caster.charts_cast() + RefineEdges(search, settings, context, control, tasks);
  for (ElectionWindow& w : windows) w.end_unix = std::max(w.end_unix, w.start_unix + 1);
  return windows;
}

}  // namespace

std::string CheckElectionSearch(const ElectionSearch& search) {
  if (search.to_unix < search.from_unix) return "the range ends before it begins";
  if (search.step_minutes < 1) return "the step is under one minute";
  if (search.conditions.empty()) return "no condition was chosen";
  for (const ConditionSetting& c : search.conditions) {
    if (!c.required && !(c.weight > 0)) return "a weighted condition needs a weight above 0";
  }
  return {};
}

MomentCaster::MomentCaster(const ElectionData& place, const ChartSettings& settings,
                           const ChartContext& context)
    : place_(place), settings_(ScanSettings(settings)), context_(context) {}

const ChartState& MomentCaster::ChartAt(int64_t unix_seconds) {
  CalculateChart(chart_, ElectionAtUnixSeconds(place_, unix_seconds), settings_, context_);
  ++charts_cast_;
  return chart_;
}

bool MomentCaster::Passes(const std::vector<ConditionSetting>& conditions, int64_t unix_seconds) {
  ChartFacts facts(ChartAt(unix_seconds), context_.options);
  return JudgeMoment(conditions, facts).pass;
}

int64_t BisectEdge(int64_t pass_at, int64_t fail_at, const std::function<bool(int64_t)>& holds) {
  while (pass_at - fail_at > 1 || fail_at - pass_at > 1) {
    const int64_t mid = pass_at + (fail_at - pass_at) / 2;
    (holds(mid) ? pass_at : fail_at) = mid;
  }
  return pass_at;
}

ElectionSearchResult FindElections(const ElectionSearch& search, const ChartSettings& settings,
                                   const ChartContext& given_context,
                                   const SearchControl& control) {
  ElectionSearchResult result;
  if (!CheckElectionSearch(search).empty()) return result;
  const ChartContext context =
      ContextForScan(given_context, JulianDateOfUnixSeconds(search.from_unix),
                     JulianDateOfUnixSeconds(search.to_unix));
  const int64_t step = 60LL * search.step_minutes;
  const int64_t moments = (search.to_unix - search.from_unix) / step + 1;
  RunBuilder builder(search.from_unix);
  std::vector<MomentVerdict> verdicts;
  bool complete = true;
  for (int64_t first = 0; first < moments; first += kBlockMoments) {
    if (control.Cancelled()) {
      result.cancelled = true;
      break;
    }
    const int64_t count = std::min(kBlockMoments, moments - first);
    const int64_t block_start = search.from_unix + first * step;
    verdicts.assign(static_cast<size_t>(count), MomentVerdict{});
    const ChartSeries series{ElectionAtUnixSeconds(search.place, block_start), search.step_minutes,
                             count};
    const int64_t cast = CastChartSeries(
        series, settings, context, search.threads, [&](int64_t index, const ChartState& chart) {
          if (control.Cancelled()) return;
          ChartFacts facts(chart, context.options);
          verdicts[static_cast<size_t>(index)] = JudgeMoment(search.conditions, facts);
        });
    result.charts_cast += cast;
    if (control.Cancelled()) {
      result.cancelled = true;
      break;
    }
    for (int64_t i = 0; i < cast; ++i) {
      builder.Add(block_start + i * step, verdicts[static_cast<size_t>(i)]);
    }
    if (cast < count) {
      complete = false;  // the step left the years the chart engine accepts
      break;
    }
    if (control.progress) {
      control.progress(static_cast<double>(first + count) / static_cast<double>(moments));
    }
  }
  result.windows = WindowsOf(builder.runs, search, complete && !result.cancelled, settings, context,
                             control, result.charts_cast);
  std::stable_sort(result.windows.begin(), result.windows.end(),
                   [](const ElectionWindow& a, const ElectionWindow& b) {
                     if (a.score != b.score) return a.score > b.score;
                     const int64_t la = a.end_unix - a.start_unix, lb = b.end_unix - b.start_unix;
                     if (la != lb) return la > lb;
                     return a.start_unix < b.start_unix;
                   });
  return result;
}

}  // namespace kairotex
