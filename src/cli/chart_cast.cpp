#include "cli/chart_cast.h"

#include "cli/cli_app.h"
#include "precise/swiss_ephemeris.h"
#include "settings/data_file_error.h"
#include "settings/window_settings.h"

namespace kairotex::cli {
namespace {

// The flag's ephemeris, else the window program's choice; the precise one
// opened, or its message shown and the program's theories kept.
int ChooseEphemeris(const ChartFlags& flags, ChartProgram& program, std::ostream& err,
                    MessageSink& messages) {
  std::optional<EphemerisKind> kind = EphemerisKind::kProgram;
  if (!flags.ephemeris.empty()) {
    kind = EphemerisNamed(flags.ephemeris);
    if (!kind) {
      err << "kairotex-cli: --ephemeris must be program or swiss, not \"" << flags.ephemeris
          << "\"\n";
      return kExitInputRefused;
    }
  } else if (LoadWindowSettings(program.program_dir).PrecisePositions) {
    kind = EphemerisKind::kSwiss;
  }
  if (*kind == EphemerisKind::kSwiss) {
    std::string message;
    program.ephemeris = OpenPreciseEphemeris(
        flags.ephemeris_dir.empty() ? SwissEphemeris::DefaultFolder() : flags.ephemeris_dir,
        message);
    if (!program.ephemeris) messages.ShowMessage(message, kWarningTitle, MessageIcon::kExclamation);
  }
  return kExitOk;
}

}  // namespace

int CastChartFromFlags(const ChartFlags& flags, const Clock& clock, std::ostream& err,
                       MessageSink& messages, ChartRun& run) {
  RegionalFormat regional;
  if (!RegionalFormatFor(flags.date_order, regional)) {
    err << "kairotex-cli: --date-order must be mdy, dmy or ymd\n";
    return kExitInputRefused;
  }
  try {
    run.program = LoadChartProgram(DataDirFor(flags.data_dir, err), regional);
  } catch (const DataFileError& e) {
    err << "kairotex-cli: " << e.what() << "\n";
    return kExitDataFile;
  }
  if (!run.program.options_warning.empty()) {
    err << "kairotex-cli: " << run.program.options_warning << "\n";
    return kExitDataFile;
  }

  if (const int status = ChooseEphemeris(flags, run.program, err, messages)) return status;

  ElectionData start;
  SetChartToNow(start, run.program.options, clock);
  if (auto error = BuildChartRequest(flags, start, run.program.options[27], run.request)) {
    err << "kairotex-cli: " << error->message << "\n";
    return kExitInputRefused;
  }
  if (run.request.zodiac) run.program.options[123] = static_cast<float>(*run.request.zodiac);
  if (run.request.true_node) run.program.options[29] = 1.0f;

  run.election = start;
  if (const int status =
          ApplyPlaceFlags(flags, run.program.program_dir, run.request.entry, err, run.place)) {
    return status;
  }
  if (!run.request.running_clock) {
    const auto stored =
        StoreElectionData(run.request.entry, run.request.settings.MeridianOrMorinus(), messages);
    if (!stored) return kExitInputRefused;
    run.election = *stored;
  }
  CalculateChart(run.state, run.election, run.request.settings,
                 run.program.Context(clock, messages));
  return run.state.InputError == 1 ? kExitInputRefused : kExitOk;
}

}  // namespace kairotex::cli
