// The report commands of the Data menu: each runs its writers between one
// StartReport and one ShowReport, as its menu item does.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "reports/report_context.h"

namespace kairotex {

// Names of the report commands, as the command line takes them.
std::vector<std::string_view> ReportCommandNames();

// What a report command needs besides the context: where it is shown, the
// caption's title text, and how to recalculate the chart (the Cosmodynes
// command casts the chart afresh before it writes).
struct ReportCommandHost {
  ReportView& view;
  std::string title_text;
  std::function<void()> recalculate_chart;
};

// Runs the named command ("basics", "almutens", "degrees", "cosmodynes",
// "magi", "magi-cosmodynes"). Returns false for an unknown name.
bool RunReportCommand(std::string_view name, ReportContext& context, ReportCommandHost& host);

}  // namespace kairotex
