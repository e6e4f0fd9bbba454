#include "mainwindow/program_start.h"

#include "mainwindow/chart_commands.h"
#include "precise/swiss_ephemeris.h"
#include "settings/user_name.h"

namespace kairotex {

void ReadStartupSettings(ProgramContext& c, const std::string& program_dir,
                         const RegionalFormat& regional, const std::string& user_name_path) {
  c.program.program_dir = program_dir;
  std::string window_warning, name_warning;
  c.window = LoadWindowSettings(program_dir, &window_warning);
  c.program.regional = regional;
  c.user_name_line = ReadUserName(user_name_path, &name_warning);
  for (const std::string& warning : {window_warning, name_warning}) {
    if (!warning.empty()) c.messages.ShowMessage(warning, kWarningTitle, MessageIcon::kExclamation);
  }
  c.election.Name.clear();
  c.ephemeris_folder = SwissEphemeris::DefaultFolder();
}

void CastFirstChart(ProgramContext& c) {
  const OptionsFileReport options = LoadOptions(c.program_dir(), c.program.options);
  if (!options.warning.empty()) {
    c.messages.ShowMessage(options.warning, kWarningTitle, MessageIcon::kExclamation);
  }
  c.title_text = BuildTitleText(c.user_name_line, c.program.options[123]);
  c.program.elements = InitOrbitalElements();
  c.checks = ChartSettings::ForStartupOption(c.program.options[27]);
  c.checks.ElectionsRunning = true;
  c.program.tables = LoadDataFiles(c.program_dir());
  SetChartToNow(c.election, c.program.options, c.clock);
  if (c.window.PrecisePositions) UsePrecisePositions(c, true);
  RecastChart(c);
}

bool SaveProgramSettings(const ProgramContext& c, std::string* error) {
  return SaveWindowSettings(c.program_dir(), c.window, error);
}

}  // namespace kairotex
