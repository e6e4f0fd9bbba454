// What a report writer reads and where it writes.
#pragma once

#include "chart/chart_state.h"
#include "reports/report_buffer.h"
#include "settings/options.h"

namespace kairotex {

struct ReportContext {
  const ChartState& chart;
  const OptionsTable& options;
  ReportBuffer& buffer;
};

}  // namespace kairotex
