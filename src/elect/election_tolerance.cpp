#include "elect/election_tolerance.h"

#include <algorithm>

#include "chart/chart_series.h"
#include "elect/chart_facts.h"
#include "elect/condition_eval.h"
#include "elect/moment.h"

namespace kairotex {
namespace {

constexpr int64_t kBlockMinutes = 720;

// The seconds each condition keeps holding in one direction: the first grid
// minute at which each fails, then the second by bisection.
std::vector<int64_t> HoldingSeconds(const ElectionSearch& search,
                                    const std::vector<ConditionSetting>& required, int64_t moment,
                                    int sign, int64_t limit, const ChartSettings& settings,
                                    const ChartContext& context, const SearchControl& control,
                                    MomentCaster& caster) {
  const size_t n = required.size();
  std::vector<int64_t> fail_minute(n, -1);  // minutes away of the first failure
  const int64_t limit_minutes = limit / 60;
  for (int64_t first = 1; first <= limit_minutes; first += kBlockMinutes) {
    if (control.Cancelled()) break;
    if (std::none_of(fail_minute.begin(), fail_minute.end(), [](int64_t m) { return m < 0; }))
      break;
    const int64_t count = std::min(kBlockMinutes, limit_minutes - first + 1);
    // Earlier blocks are cast forwards from their earliest minute.
    const int64_t earliest = sign > 0 ? first : first + count - 1;
    const ChartSeries series{ElectionAtUnixSeconds(search.place, moment + sign * earliest * 60), 1,
                             count};
    std::vector<std::vector<uint8_t>> fails(static_cast<size_t>(count), std::vector<uint8_t>(n));
    CastChartSeries(
        series, settings, context, search.threads, [&](int64_t index, const ChartState& chart) {
          ChartFacts facts(chart, context.options);
          for (size_t c = 0; c < n; ++c) {
            fails[static_cast<size_t>(index)][c] = !EvaluateCondition(required[c], facts).pass;
          }
        });
    for (int64_t i = 0; i < count; ++i) {
      const int64_t minutes_away = sign > 0 ? first + i : first + count - 1 - i;
      for (size_t c = 0; c < n; ++c) {
        const bool failed = fails[static_cast<size_t>(i)][c];
        if (failed && (fail_minute[c] < 0 || minutes_away < fail_minute[c]))
          fail_minute[c] = minutes_away;
      }
    }
  }
  std::vector<int64_t> seconds(n, -1);  // -1: holds to the limit
  for (size_t c = 0; c < n; ++c) {
    if (fail_minute[c] < 0) continue;
    const std::vector<ConditionSetting> one = {required[c]};
    const int64_t pass_at = moment + sign * (fail_minute[c] - 1) * 60;
    const int64_t fail_at = moment + sign * fail_minute[c] * 60;
    const int64_t edge = BisectEdge(pass_at, fail_at, [&](int64_t t) {
      ChartFacts facts(caster.ChartAt(t), context.options);
      return EvaluateCondition(one.front(), facts).pass;
    });
    seconds[c] = sign * (edge - moment);
  }
  return seconds;
}

}  // namespace

MomentTolerance ToleranceOf(const ElectionSearch& search, int64_t unix_seconds,
                            const ChartSettings& settings, const ChartContext& context,
                            int64_t limit_seconds, const SearchControl& control) {
  MomentTolerance tolerance;
  tolerance.unix_seconds = unix_seconds;
  MomentCaster caster(search.place, settings, context);
  std::vector<ConditionSetting> holding;
  {
    ChartFacts facts(caster.ChartAt(unix_seconds), context.options);
    for (const ConditionSetting& c : search.conditions) {
      if (!c.required) continue;
      ConditionTolerance t;
      t.setting = c;
      t.holds = EvaluateCondition(c, facts).pass;
      tolerance.required.push_back(t);
      if (t.holds) holding.push_back(c);
    }
  }
  const int64_t limit = std::max<int64_t>(60, limit_seconds);
  const std::vector<int64_t> earlier =
      HoldingSeconds(search, holding, unix_seconds, -1, limit, settings, context, control, caster);
  const std::vector<int64_t> later =
      HoldingSeconds(search, holding, unix_seconds, +1, limit, settings, context, control, caster);
  size_t k = 0;
  int64_t least_earlier = limit + 1, least_later = limit + 1;
  for (size_t i = 0; i < tolerance.required.size(); ++i) {
    ConditionTolerance& t = tolerance.required[i];
    if (!t.holds) continue;
    t.earlier_capped = earlier[k] < 0;
    t.later_capped = later[k] < 0;
    t.seconds_earlier = t.earlier_capped ? limit : earlier[k];
    t.seconds_later = t.later_capped ? limit : later[k];
    ++k;
    if (!t.earlier_capped && t.seconds_earlier < least_earlier) {
      least_earlier = t.seconds_earlier;
      tolerance.first_to_fail_earlier = static_cast<int>(i);
    }
    if (!t.later_capped && t.seconds_later < least_later) {
      least_later = t.seconds_later;
      tolerance.first_to_fail_later = static_cast<int>(i);
    }
  }
  return tolerance;
}

}  // namespace kairotex
