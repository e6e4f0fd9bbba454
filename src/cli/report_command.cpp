#include "cli/report_command.h"

#include <utility>

#include "aspects/aspects.h"
#include "cli/chart_cast.h"
#include "cli/cli_app.h"
#include "reports/report_commands.h"
#include "reports/saved_data_file.h"
#include "settings/file_text.h"
#include "settings/user_name.h"

namespace kairotex::cli {
namespace {

// The data window of the command line: never minimised; remembers that a
// report was shown.
class ShownReports : public ReportView {
 public:
  bool IsMinimised() const override { return false; }
  void ShowReportText(const std::string&, const std::string&) override { shown_ = true; }
  bool TakeShown() { return std::exchange(shown_, false); }

 private:
  bool shown_ = false;
};

}  // namespace

int RunReports(const ChartFlags& chart_flags, const ReportFlags& flags, std::ostream& out,
               std::ostream& err, const Clock& clock) {
  for (const std::string& name : flags.names) {
    bool known = false;
    for (std::string_view command : ReportCommandNames()) known = known || command == name;
    if (!known) {
      err << "kairotex-cli: unknown report \"" << QuoteExcerpt(name) << "\"\n";
      return kExitInputRefused;
    }
  }
  StreamMessages messages(err);
  ChartRun run;
  if (const int status = CastChartFromFlags(chart_flags, clock, err, messages, run)) return status;

  const std::string user_name = flags.user_name.empty() ? ReadUserName("MYNAME") : flags.user_name;
  const std::string line_end = flags.crlf ? "\r\n" : "\n";

  ReportBuffer buffer(messages);
  ReportContext context(run.state, run.program.options, buffer, &run.program.tables,
                        run.election.Name);
  ShownReports view;
  ReportCommandHost host{view, BuildTitleText(user_name, run.program.options[123]), [&] {
                           CalculateChart(run.state, run.election, run.request.settings,
                                          run.program.Context(clock, messages));
                         }};
  for (const std::string& name : flags.names) {
    RunReportCommand(name, context, host);
    if (view.TakeShown()) out << buffer.ReportText(line_end);
  }
  if (!flags.save.empty() && !SaveDataFile(flags.save, buffer, run.program.options[50], messages)) {
    return kExitDataFile;
  }
  return kExitOk;
}

int RunAspects(const ChartFlags& chart_flags, const ReportFlags& flags, std::ostream& out,
               std::ostream& err, const Clock& clock) {
  StreamMessages messages(err);
  ChartRun run;
  if (const int status = CastChartFromFlags(chart_flags, clock, err, messages, run)) return status;

  OrbTable orbs{};
  const std::string orb_file = flags.orbs.empty() ? run.state.CurrentOrbFile : flags.orbs;
  if (!ReadOrbFile(orb_file, orbs, messages)) return kExitDataFile;
  const bool heliocentric = run.request.settings.HelioChart;
  const AspectList list = BuildAspectList(run.state, orbs, heliocentric);
  if (flags.glyphs) {
    out << AspectListGlyphText(list, heliocentric);
  } else {
    out << AspectListWords(list, heliocentric, flags.crlf ? "\r\n" : "\n");
  }
  return kExitOk;
}

}  // namespace kairotex::cli
