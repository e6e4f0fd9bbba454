// The lines a report writer appends to a fresh report, and that it told the
// user nothing on the way.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/report_context.h"
#include "test_messages.h"

namespace kairotex::test {

inline std::vector<std::string> WrittenLines(void (*writer)(ReportContext&),
                                             const ChartState& chart,
                                             const OptionsTable& options = {},
                                             const DataTables* tables = nullptr,
                                             const std::string& event = {}) {
  RecordingMessages messages;
  ReportBuffer buffer(messages);
  ReportContext context{chart, options, buffer, tables, event};
  writer(context);
  EXPECT_TRUE(messages.texts.empty()) << messages.texts.front();
  const auto& lines = buffer.report_lines();
  return {lines.begin(), lines.begin() + buffer.report_line_count()};
}

}  // namespace kairotex::test
