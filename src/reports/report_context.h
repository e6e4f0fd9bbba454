// What a report writer reads and where it writes.
#pragma once

#include <string>
#include <utility>

#include "chart/chart_state.h"
#include "chart/data_files.h"
#include "reports/report_buffer.h"
#include "settings/options.h"

namespace kairotex {

struct ReportContext {
  ReportContext(const ChartState& chart_state, const OptionsTable& options_table,
                ReportBuffer& report_buffer, const DataTables* data_tables = nullptr,
                std::string event = {})
      : chart(chart_state),
        options(options_table),
        buffer(report_buffer),
        tables(data_tables),
        event_name(std::move(event)) {}

  const ChartState& chart;
  const OptionsTable& options;
  ReportBuffer& buffer;
  // The data files' tables (the almuten tables); null where a report needs none.
  const DataTables* tables;
  // The election's event name, as the election data dialog holds it.
  std::string event_name;
};

}  // namespace kairotex
