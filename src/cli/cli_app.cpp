#include "cli/cli_app.h"

#include <CLI/CLI.hpp>

#include "chart/chart_program.h"
#include "cli/chart_output.h"
#include "cli/chart_request.h"
#include "cli/program_setup.h"
#include "settings/data_file_error.h"

namespace kairotex::cli {
namespace {

void AddChartFlags(CLI::App& command, ChartFlags& f) {
  command.add_option("--date", f.date, "civil date YYYY-MM-DD");
  command.add_option("--time", f.time, "clock time H.MM with --am/--pm, or HH:MM (24-hour)");
  command.add_flag("--am", f.am, "the time is A.M.");
  command.add_flag("--pm", f.pm, "the time is P.M.");
  command.add_option("--zone", f.zone, "time zone in hours, positive west of Greenwich");
  command.add_option("--lon", f.lon, "longitude as degrees, e or w, minutes (73w59)");
  command.add_option("--lat", f.lat, "latitude as degrees, n or s, minutes (40n45)");
  command.add_option("--name", f.name, "name of the election");
  command.add_flag("--now", f.now, "the present moment at the default place of the options file");
  command.add_option("--house", f.house, "house system P R K C O E M I, or its name");
  command.add_option("--zodiac", f.zodiac, "tropical, svp or ayanamsa");
  command.add_option("--kind", f.kind, "geo, helio or decl");
  command.add_flag("--true-node", f.true_node, "the true lunar node instead of the mean node");
  command.add_option("--data-dir", f.data_dir,
                     "the program folder with OPTIONS.OPT and the .DAT files");
  command.add_option("--date-order", f.date_order, "regional date order: mdy, dmy or ymd");
}

int RunChart(const ChartFlags& flags, bool json, std::ostream& out, std::ostream& err,
             const Clock& clock) {
  RegionalFormat regional;
  if (!RegionalFormatFor(flags.date_order, regional)) {
    err << "--date-order must be mdy, dmy or ymd\n";
    return kExitInputRefused;
  }
  ChartProgram program;
  try {
    program = LoadChartProgram(DataDirFor(flags.data_dir), regional);
  } catch (const DataFileError& e) {
    err << "kairotex-cli: " << e.what() << "\n";
    return kExitDataFile;
  }

  ElectionData start;
  SetChartToNow(start, program.options, clock);
  ChartRequest request;
  if (auto error = BuildChartRequest(flags, start, program.options[27], request)) {
    err << "kairotex-cli: " << error->message << "\n";
    return kExitInputRefused;
  }
  if (request.zodiac) program.options[123] = static_cast<float>(*request.zodiac);
  if (request.true_node) program.options[29] = 1.0f;

  StreamMessages messages(err);
  ElectionData election = start;
  if (!request.running_clock) {
    const auto stored =
        StoreElectionData(request.entry, request.settings.MeridianOrMorinus(), messages);
    if (!stored) return kExitInputRefused;
    election = *stored;
  }
  ChartState state;
  CalculateChart(state, election, request.settings, program.Context(clock, messages));
  if (state.InputError == 1) return kExitInputRefused;

  if (json) {
    out << ChartJson(state).dump(2) << "\n";
  } else {
    out << ChartText(state);
  }
  return kExitOk;
}

}  // namespace

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
           const Clock& clock) {
  CLI::App app{"KAIROTEX: charts for electional and horary astrology"};
  app.require_subcommand(1);
  ChartFlags flags;
  bool json = false;
  CLI::App* chart = app.add_subcommand("chart", "cast a chart and print its positions and cusps");
  AddChartFlags(*chart, flags);
  chart->add_flag("--json", json, "one JSON object instead of the table");

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e, out, err) == 0 ? kExitOk : kExitInputRefused;
  }
  if (chart->parsed()) return RunChart(flags, json, out, err, clock);
  return kExitOk;
}

}  // namespace kairotex::cli
