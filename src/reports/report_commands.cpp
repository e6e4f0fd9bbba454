#include "reports/report_commands.h"

#include "reports/degree_strip.h"
#include "reports/horary_basics.h"
#include "reports/moon_aspects.h"

namespace kairotex {
namespace {

// The horary basics: strictures, dignities, conditions and strengths; the
// Moon's aspects and the parts; the critical degrees and the degree strip.
void HoraryBasicsCommand(ReportContext& c) {
  WriteHoraryBasics(c);
  c.buffer.AppendBlankLine();
  WriteMoonAspectsAndParts(c);
  c.buffer.AppendBlankLine();
  WriteDegreeStrip(c);
}

struct ReportCommand {
  std::string_view name;
  void (*write)(ReportContext&);
};

constexpr ReportCommand kCommands[] = {
    {"basics", HoraryBasicsCommand},
};

}  // namespace

std::vector<std::string_view> ReportCommandNames() {
  std::vector<std::string_view> names;
  for (const ReportCommand& command : kCommands) names.push_back(command.name);
  return names;
}

bool RunReportCommand(std::string_view name, ReportContext& context, ReportView& view,
                      const std::string& title_text) {
  for (const ReportCommand& command : kCommands) {
    if (command.name != name) continue;
    context.buffer.StartReport();
    AppendReportHeader(context.buffer, context.chart);
    command.write(context);
    context.buffer.ShowReport(view, title_text);
    return true;
  }
  return false;
}

}  // namespace kairotex
