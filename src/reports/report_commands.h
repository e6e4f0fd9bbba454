// The report commands of the Data menu: each runs its writers between one
// StartReport and one ShowReport.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "reports/report_context.h"

namespace kairotex {

// Names of the report commands, as the command line takes them.
std::vector<std::string_view> ReportCommandNames();

// Runs the named report command ("basics": the horary basics) into the
// context's buffer and shows it in the view. Returns false for an unknown name.
bool RunReportCommand(std::string_view name, ReportContext& context, ReportView& view,
                      const std::string& title_text);

}  // namespace kairotex
