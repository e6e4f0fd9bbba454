#include "cli/cli_app.h"

#include <CLI/CLI.hpp>

#include "cli/chart_cast.h"
#include "cli/chart_output.h"
#include "cli/elect_command.h"
#include "cli/events_command.h"
#include "cli/flag_checks.h"
#include "cli/places_command.h"
#include "cli/report_command.h"
#include "cli/wheel_command.h"
#include "settings/file_text.h"

namespace kairotex::cli {
namespace {

constexpr size_t kLongestQuotedError = 160;

void AddChartFlags(CLI::App& command, ChartFlags& f) {
  command.add_option("--date", f.date, "civil date YYYY-MM-DD")->check(NotEmptyValue());
  command.add_option("--time", f.time, "clock time H.MM with --am/--pm, or HH:MM (24-hour)")
      ->check(NotEmptyValue());
  command.add_flag("--am", f.am, "the time is A.M.");
  command.add_flag("--pm", f.pm, "the time is P.M.");
  command.add_option("--zone", f.zone, "time zone in hours, positive west of Greenwich")
      ->check(NotEmptyValue());
  command.add_option("--lon", f.lon, "longitude as degrees, e or w, minutes (73w59)")
      ->check(NotEmptyValue());
  command.add_option("--lat", f.lat, "latitude as degrees, n or s, minutes (40n45)")
      ->check(NotEmptyValue());
  command
      .add_option(
          "--place", f.place,
          "a town of the atlas, as \"Ulm\" or \"Ulm, DE\": its latitude, longitude and zone")
      ->check(NotEmptyValue());
  command.add_option("--tz", f.tz, "an IANA time zone (Europe/Berlin) for the date and time")
      ->check(NotEmptyValue());
  command.add_flag("--second-instance", f.second_instance,
                   "of a clock time that came twice in the autumn, the second");
  command.add_option("--name", f.name, "name of the election")->check(NotEmptyValue());
  command.add_flag("--now", f.now, "the present moment at the default place of the options file");
  command.add_option("--house", f.house, "house system P R K C O E M I, or its name")
      ->check(NotEmptyValue());
  command.add_option("--zodiac", f.zodiac, "tropical, svp or ayanamsa")->check(NotEmptyValue());
  command.add_option("--kind", f.kind, "geo, helio or decl")->check(NotEmptyValue());
  command.add_flag("--true-node", f.true_node, "the true lunar node instead of the mean node");
  command
      .add_option("--data-dir", f.data_dir,
                  "the program folder with OPTIONS.OPT and the .DAT files")
      ->check(NotEmptyValue());
  command.add_option("--date-order", f.date_order, "regional date order: mdy, dmy or ymd")
      ->check(NotEmptyValue());
  command
      .add_option("--ephemeris", f.ephemeris,
                  "program (the program's own theories) or swiss (precise positions); "
                  "default: the choice of the window program")
      ->check(NotEmptyValue());
  command
      .add_option("--ephemeris-dir", f.ephemeris_dir, "the folder of the precise ephemeris files")
      ->check(NotEmptyValue());
}

int RunChart(const ChartFlags& flags, bool json, std::ostream& out, std::ostream& err,
             const Clock& clock) {
  StreamMessages messages(err);
  ChartRun run;
  if (const int status = CastChartFromFlags(flags, clock, err, messages, run)) return status;
  if (json) {
    nlohmann::json chart = ChartJson(run.state);
    if (!run.place.place.empty()) chart["place"] = run.place.place;
    if (!run.place.tz.empty()) chart["tz"] = run.place.tz;
    if (run.place.utc_offset_seconds) chart["utc_offset_seconds"] = *run.place.utc_offset_seconds;
    out << chart.dump(2) << "\n";
  } else {
    out << ChartText(run.state);
  }
  return kExitOk;
}

void AddReportFlags(CLI::App& command, ReportFlags& f) {
  command.add_option("--user-name", f.user_name, "the user name line in place of the MYNAME file")
      ->check(NotEmptyValue());
  command.add_option("--save", f.save, "write the whole data buffer to this file, as Save does")
      ->check(NotEmptyValue());
  command.add_flag("--crlf", f.crlf, "CR LF line ends");
}

}  // namespace

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
           const Clock& clock, WheelRunner run_wheel) {
  CLI::App app{"KAIROTEX: charts for electional and horary astrology"};
  app.require_subcommand(1);
  ChartFlags flags;
  bool json = false;
  CLI::App* chart = app.add_subcommand("chart", "cast a chart and print its positions and cusps");
  AddChartFlags(*chart, flags);
  chart->add_flag("--json", json, "one JSON object instead of the table");

  ReportFlags report_flags;
  CLI::App* report =
      app.add_subcommand("report", "write reports of the chart, as the Data menu does");
  AddChartFlags(*report, flags);
  AddReportFlags(*report, report_flags);
  report->add_option("names", report_flags.names, "reports to run in order: basics")->required();

  CLI::App* aspects = app.add_subcommand("aspects", "list the aspects and parallels of the chart");
  AddChartFlags(*aspects, flags);
  AddReportFlags(*aspects, report_flags);
  // Only the aspect list reads the orb file; the reports take their orbs
  // from the options, so they do not offer the flag.
  aspects->add_option("--orbs", report_flags.orbs, "another orb file in place of NATAL.ORB")
      ->check(NotEmptyValue());
  aspects->add_flag("--glyphs", report_flags.glyphs,
                    "the glyph-code text of the aspect window, as Latin-1 bytes");

  WheelFlags wheel_flags;
  CLI::App* wheel = AddWheelCommand(app, wheel_flags);
  AddChartFlags(*wheel, flags);

  PlacesFlags places_flags;
  CLI::App* places = AddPlacesCommand(app, places_flags);

  ElectFlags elect_flags;
  CLI::App* elect = AddElectCommand(app, elect_flags);

  EventsFlags events_flags;
  CLI::App* events = AddEventsCommand(app, events_flags);

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e, out, err) == 0 ? kExitOk : kExitInputRefused;
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == 0) return app.exit(e, out, err) == 0 ? kExitOk : kExitInputRefused;
    // The parser quotes the token it could not place: cut it short and
    // escape its unprintable bytes before it reaches the terminal.
    err << "kairotex-cli: " << QuoteExcerpt(e.what(), kLongestQuotedError) << "\n"
        << "Run with --help for more information.\n";
    return kExitInputRefused;
  }
  if (chart->parsed()) return RunChart(flags, json, out, err, clock);
  if (report->parsed()) return RunReports(flags, report_flags, out, err, clock);
  if (aspects->parsed()) return RunAspects(flags, report_flags, out, err, clock);
  if (wheel->parsed()) {
    if (run_wheel != nullptr) return run_wheel(flags, wheel_flags, out, err, clock);
    err << "kairotex-cli: wheels are drawn by " << kWheelProgramName
        << ", which was not found beside kairotex-cli\n";
    return kExitDataFile;
  }
  if (places->parsed()) return RunPlaces(places_flags, out, err, clock);
  if (elect->parsed()) return RunElect(elect_flags, out, err, clock);
  if (events->parsed()) return RunEvents(events_flags, out, err, clock);
  return kExitOk;
}

}  // namespace kairotex::cli
