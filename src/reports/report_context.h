// What a report writer reads and where it writes.
#pragma once

#include <string>

#include "chart/chart_state.h"
#include "chart/data_files.h"
#include "reports/report_buffer.h"
#include "settings/options.h"

namespace kairotex {

struct ReportContext {
  const ChartState& chart;
  const OptionsTable& options;
  ReportBuffer& buffer;
  // The data files' tables (the almuten tables); null where a report needs none.
  const DataTables* tables = nullptr;
  // The election's event name, as the election data dialog holds it.
  std::string event_name;
};

}  // namespace kairotex
