// The election search: every moment of a range on a grid of whole-minute
// steps judged by the conditions; each run of passing moments a window with
// its edges refined to the second and its best moment, ranked by score.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "chart/calculate_chart.h"
#include "elect/conditions.h"

namespace kairotex {

struct ElectionSearch {
  ElectionData place;                  // place and zone; the date and time are not read
  int64_t from_unix = 0, to_unix = 0;  // the range, both ends included
  int step_minutes = 1;
  int threads = 1;
  std::vector<ConditionSetting> conditions;
};

// [start, end): from the first second every required condition holds to the
// first second one fails again, clipped to the range (a window reaching the
// range's end ends at to_unix).
struct ElectionWindow {
  int64_t start_unix = 0, end_unix = 0;
  int64_t best_unix = 0;  // the highest score on the step grid, the earliest of equals
  double score = 0;
};

// Progress runs on the calling thread between blocks of moments with the
// share done (0..1); a set cancel flag stops the search within a block
// (well under 100 ms), keeping the windows found so far.
struct SearchControl {
  std::function<void(double done)> progress;
  const std::atomic<bool>* cancel = nullptr;
  bool Cancelled() const { return cancel && cancel->load(std::memory_order_relaxed); }
};

struct ElectionSearchResult {
  std::vector<ElectionWindow> windows;  // best score first, then longer, then earlier
  bool cancelled = false;
  int64_t charts_cast = 0;
};

// Empty when the search can run, else what is wrong with it: an empty or
// reversed range, a step under a minute, no condition.
std::string CheckElectionSearch(const ElectionSearch& search);

ElectionSearchResult FindElections(const ElectionSearch& search, const ChartSettings& settings,
                                   const ChartContext& context, const SearchControl& control = {});

// Casts the chart of single moments at the search's place, for refining and
// for explaining a moment.
class MomentCaster {
 public:
  MomentCaster(const ElectionData& place, const ChartSettings& settings,
               const ChartContext& context);
  const ChartState& ChartAt(int64_t unix_seconds);
  // Whether every required condition holds at the moment.
  bool Passes(const std::vector<ConditionSetting>& conditions, int64_t unix_seconds);
  int64_t charts_cast() const { return charts_cast_; }

 private:
  ElectionData place_;
  ChartSettings settings_;
  ChartContext context_;  // a copy: callers may pass a temporary
  ChartState chart_;
  int64_t charts_cast_ = 0;
};

// By bisection between a second where `holds` is true (pass_at) and one where
// it is false (fail_at), either earlier: the holding second next to a
// failing one, nearest to fail_at's side.
int64_t BisectEdge(int64_t pass_at, int64_t fail_at, const std::function<bool(int64_t)>& holds);

}  // namespace kairotex
