#include "reports/report_commands.h"

#include "reports/almutens.h"
#include "reports/antiscia.h"
#include "reports/cosmodynes_report.h"
#include "reports/degree_strip.h"
#include "reports/horary_basics.h"
#include "reports/magi_aspects_report.h"
#include "reports/moon_aspects.h"
#include "reports/other_degrees.h"

namespace kairotex {
namespace {

void Show(ReportContext& c, ReportCommandHost& host) {
  c.buffer.ShowReport(host.view, host.title_text);
}

void Begin(ReportContext& c) {
  c.buffer.StartReport();
  AppendReportHeader(c.buffer, c.chart);
}

// Strictures, dignities, conditions and strengths; the Moon's aspects and the
// parts; the critical degrees and the degree strip.
void HoraryBasics(ReportContext& c, ReportCommandHost& host) {
  Begin(c);
  WriteHoraryBasics(c);
  c.buffer.AppendBlankLine();
  WriteMoonAspectsAndParts(c);
  c.buffer.AppendBlankLine();
  WriteDegreeStrip(c);
  Show(c, host);
}

void HoraryAlmutens(ReportContext& c, ReportCommandHost& host) {
  Begin(c);
  WriteAlmutens(c);
  c.buffer.AppendBlankLine();
  WriteAntiscia(c);
  Show(c, host);
}

void HoraryOtherDegrees(ReportContext& c, ReportCommandHost& host) {
  Begin(c);
  WriteOtherDegrees(c);
  Show(c, host);
}

// The chart is cast afresh before the Cosmodynes are measured.
void DataCosmodynes(ReportContext& c, ReportCommandHost& host) {
  c.buffer.StartReport();
  if (host.recalculate_chart) host.recalculate_chart();
  AppendReportHeader(c.buffer, c.chart);
  CosmodynesReport(c);
  Show(c, host);
}

void DataMagiAspects(ReportContext& c, ReportCommandHost& host) {
  Begin(c);
  WriteMagiAspects(c);
  Show(c, host);
}

// The Magi report, then the Cosmodynes appended to it and shown again.
void DataMagiDynes(ReportContext& c, ReportCommandHost& host) {
  DataMagiAspects(c, host);
  CosmodynesReport(c);
  Show(c, host);
}

struct ReportCommand {
  std::string_view name;
  void (*run)(ReportContext&, ReportCommandHost&);
};

constexpr ReportCommand kCommands[] = {
    {"basics", HoraryBasics},        {"almutens", HoraryAlmutens},
    {"degrees", HoraryOtherDegrees}, {"cosmodynes", DataCosmodynes},
    {"magi", DataMagiAspects},       {"magi-cosmodynes", DataMagiDynes},
};

}  // namespace

std::vector<std::string_view> ReportCommandNames() {
  std::vector<std::string_view> names;
  for (const ReportCommand& command : kCommands) names.push_back(command.name);
  return names;
}

bool RunReportCommand(std::string_view name, ReportContext& context, ReportCommandHost& host) {
  for (const ReportCommand& command : kCommands) {
    if (command.name != name) continue;
    command.run(context, host);
    return true;
  }
  return false;
}

}  // namespace kairotex
