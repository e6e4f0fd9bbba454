// A run of consecutive moments for scans (the election finder): the election
// record stepped by whole minutes, each chart cast as CalculateChart casts it
// alone, without its heading texts.
#pragma once

#include <cstdint>
#include <functional>

#include "chart/calculate_chart.h"

namespace kairotex {

struct ChartSeries {
  ElectionData start;    // the first moment; zone and place hold for all
  int step_minutes = 1;  // 1 or more
  int64_t count = 0;
};

// Called once for each moment with its index (0 for the start). With more
// than one thread the moments are shared out in consecutive blocks and
// `visit` runs on several threads at once, each with a chart of its own, in
// index order within a block.
using SeriesVisit = std::function<void(int64_t index, const ChartState& chart)>;

// Casts the series; returns how many moments were cast, fewer than asked
// when a step would leave the years the chart engine accepts. The settings'
// running clock is ignored: every moment is an election.
int64_t CastChartSeries(const ChartSeries& series, const ChartSettings& settings,
                        const ChartContext& context, int threads, const SeriesVisit& visit);

}  // namespace kairotex
