#include "cli/elect_command.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "cli/chart_cast.h"
#include "cli/cli_app.h"
#include "cli/flag_checks.h"
#include "cli/range_end.h"
#include "elect/calendar_export.h"
#include "elect/elect.h"
#include "elect/finder_dialog_core.h"
#include "settings/program_dir.h"

namespace kairotex::cli {
namespace {

constexpr int64_t kToleranceLimitSeconds = 86400;

// "1m", "30m", "1h", "2h": whole minutes, 1 to 1440.
bool ParseStep(const std::string& text, int& minutes) {
  int count = 0;
  char unit = 0, end = 0;
  if (std::sscanf(text.c_str(), "%d%c%c", &count, &unit, &end) != 2) return false;
  if (unit == 'h') count *= 60;
  if (unit != 'h' && unit != 'm') return false;
  minutes = count;
  return count >= 1 && count <= 1440;
}

// "COND[=PARAM][:WEIGHT]", the weight 1 when not given.
bool ParsePrefer(const std::string& text, ConditionSetting& setting, std::string& error) {
  const size_t colon = text.rfind(':');
  const std::string written = text.substr(0, colon);
  double weight = 1;
  if (colon != std::string::npos) {
    char end = 0;
    if (std::sscanf(text.c_str() + colon + 1, "%lf%c", &weight, &end) != 1 || !(weight > 0) ||
        weight > 1000) {
      error = "the weight in --prefer ";
      error += text;
      error += " must be a number above 0 and up to 1000";
      return false;
    }
  }
  if (!ParseConditionWord(written, setting, error)) return false;
  setting.required = false;
  setting.weight = weight;
  return true;
}

void ListConditions(std::ostream& out) {
  for (const ConditionInfo& info : ConditionCatalog()) {
    out << info.id << "  " << info.name << "\n";
    if (info.parameter != ParameterType::kNone) {
      out << "    parameter: " << ParameterTypeText(info.parameter) << "; default "
          << info.parameter_default << "\n";
    }
    out << "    source: " << info.source << "\n";
  }
}

struct ElectRun {
  ElectionSearch search;
  std::string title = "election";
  ChartProgram program;
  ChartSettings settings;
};

// Casts the chart of one end of the range, which fixes the place and zone.
int MomentOfFlag(const ElectFlags& f, const std::string& text, bool range_end, const Clock& clock,
                 std::ostream& err, ElectRun& run, int64_t& unix_seconds) {
  ChartRun cast;
  if (const int status = CastRangeEnd(f.place, text, range_end, clock, err, cast, unix_seconds)) {
    return status;
  }
  if (!range_end) {
    run.search.place = cast.election;
    run.program = std::move(cast.program);
    run.settings = cast.request.settings;
  }
  return kExitOk;
}

int ChooseConditions(const ElectFlags& f, std::ostream& err, ElectRun& run) {
  if (!f.preset.empty() && (!f.require.empty() || !f.prefer.empty())) {
    err << "kairotex-cli: give --preset or --require/--prefer, not both\n";
    return kExitInputRefused;
  }
  std::string error;
  if (!f.preset.empty()) {
    const std::string path = f.presets_file.empty()
                                 ? ProgramPath(run.program.program_dir, kElectionPresetsFile)
                                 : f.presets_file;
    const PresetFile file = LoadPresets(path);
    for (const std::string& message : file.errors) err << "kairotex-cli: " << message << "\n";
    const ElectionPreset* preset = FindPreset(file, f.preset);
    if (!preset) {
      err << "kairotex-cli: " << path << " holds no usable preset \"" << f.preset << "\"\n";
      return kExitInputRefused;
    }
    run.search.conditions = preset->conditions;
    run.title = preset->title.empty() ? preset->name : preset->title;
    return kExitOk;
  }
  for (const std::string& written : f.require) {
    ConditionSetting setting;
    if (!ParseConditionWord(written, setting, error)) {
      err << "kairotex-cli: --require: " << error << "\n";
      return kExitInputRefused;
    }
    run.search.conditions.push_back(setting);
  }
  for (const std::string& written : f.prefer) {
    ConditionSetting setting;
    if (!ParsePrefer(written, setting, error)) {
      err << "kairotex-cli: --prefer: " << error << "\n";
      return kExitInputRefused;
    }
    run.search.conditions.push_back(setting);
  }
  return kExitOk;
}

nlohmann::json ExplanationJson(const MomentExplanation& e) {
  nlohmann::json conditions = nlohmann::json::array();
  for (const ConditionVerdict& v : e.verdicts) {
    conditions.push_back({{"id", std::string(InfoOf(v.setting.kind).id)},
                          {"name", std::string(InfoOf(v.setting.kind).name)},
                          {"parameter", v.setting.parameter.text},
                          {"value", v.result.value},
                          {"measured", MeasuredText(v)},
                          {"threshold", ThresholdText(v.setting)},
                          {"pass", v.result.pass},
                          {"required", v.setting.required},
                          {"weight", v.setting.weight},
                          {"contribution", v.contribution}});
  }
  return {{"conditions", conditions},
          {"ascendant_ruler", PlanetName(e.ascendant_ruler)},
          {"ascendant_ruler_strength", e.ascendant_ruler_strength},
          {"moon_strength", e.moon_strength}};
}

}  // namespace

CLI::App* AddElectCommand(CLI::App& app, ElectFlags& f) {
  CLI::App* elect = app.add_subcommand(
      "elect", "the best moments of a range by the election conditions, ranked and explained");
  elect->add_option("--from", f.from, "the range's start, YYYY-MM-DD or YYYY-MM-DDTHH:MM[:SS]")
      ->check(NotEmptyValue());
  elect->add_option("--to", f.to, "the range's end, included; a date alone ends at 23:59")
      ->check(NotEmptyValue());
  elect->add_option("--step", f.step, "the step of the scan: 1m (the default), 30m, 1h ...")
      ->check(NotEmptyValue());
  elect->add_option("--preset", f.preset, "a preset of ELECTION.PRE: marriage, contract ...")
      ->check(NotEmptyValue());
  elect->add_option("--presets", f.presets_file, "another presets file in place of ELECTION.PRE")
      ->check(NotEmptyValue());
  elect->add_option("--require", f.require, "a condition every moment must meet, COND[=PARAM]");
  elect->add_option("--prefer", f.prefer, "a weighted condition, COND[=PARAM][:WEIGHT]");
  elect->add_option("--top", f.top, "at most this many windows")->check(CLI::Range(1, 100000));
  elect->add_option("--threads", f.threads, "threads of the scan")->check(CLI::Range(1, 64));
  elect->add_flag("--json", f.json, "the windows as JSON");
  elect->add_flag("--csv", f.csv, "the windows as CSV");
  elect->add_option("--ics", f.ics, "write the windows to this iCalendar file")
      ->check(NotEmptyValue());
  elect->add_flag("--list-conditions", f.list_conditions,
                  "every condition with its parameter and source");
  AddScanPlaceFlags(*elect, f.place);
  elect->add_option("--house", f.place.house, "house system P R K C O E M I, or its name")
      ->check(NotEmptyValue());
  return elect;
}

int RunElect(const ElectFlags& f, std::ostream& out, std::ostream& err, const Clock& clock) {
  if (f.list_conditions) {
    ListConditions(out);
    return kExitOk;
  }
  if (f.from.empty() || f.to.empty()) {
    err << "kairotex-cli: elect needs --from and --to\n";
    return kExitInputRefused;
  }
  if (static_cast<int>(f.json) + static_cast<int>(f.csv) + static_cast<int>(!f.ics.empty()) > 1) {
    err << "kairotex-cli: give one of --json, --csv and --ics\n";
    return kExitInputRefused;
  }
  ElectRun run;
  if (!ParseStep(f.step, run.search.step_minutes)) {
    err << "kairotex-cli: --step must be whole minutes or hours up to a day (1m, 30m, 1h), not \""
        << f.step << "\"\n";
    return kExitInputRefused;
  }
  run.search.threads = f.threads;
  if (const int s = MomentOfFlag(f, f.from, false, clock, err, run, run.search.from_unix)) return s;
  if (const int s = MomentOfFlag(f, f.to, true, clock, err, run, run.search.to_unix)) return s;
  if (const int s = ChooseConditions(f, err, run)) return s;
  if (const std::string problem = CheckElectionSearch(run.search); !problem.empty()) {
    err << "kairotex-cli: " << problem << "\n";
    return kExitInputRefused;
  }

  StreamMessages messages(err);
  const ChartContext context = run.program.Context(clock, messages);
  ElectionSearchResult result = FindElections(run.search, run.settings, context);
  if (result.windows.size() > static_cast<size_t>(f.top)) result.windows.resize(f.top);

  std::vector<MomentExplanation> explanations;
  for (const ElectionWindow& w : result.windows) {
    explanations.push_back(ExplainMoment(run.search, w.best_unix, run.settings, context));
  }
  if (f.csv || !f.ics.empty()) {
    std::vector<CalendarEntry> entries;
    for (size_t i = 0; i < result.windows.size(); ++i) {
      const ElectionWindow& w = result.windows[i];
      std::string summary = "Election: " + run.title;
      summary += ", score " + FinderScoreText(w.score);
      std::string description = "Best moment " + IsoUtcDateTime(w.best_unix);
      for (const std::string& line : ExplanationLines(explanations[i])) description += "\n" + line;
      entries.push_back({w.start_unix, w.end_unix, summary, description});
    }
    if (f.csv) {
      out << WriteCsv(entries);
      return kExitOk;
    }
    std::string error;
    if (!SaveCalendarFile(f.ics, WriteIcs(entries, {UnixOfUniversal(clock.UniversalNow())}),
                          &error)) {
      err << "kairotex-cli: " << error << "\n";
      return kExitDataFile;
    }
    out << entries.size() << " windows written to " << f.ics << "\n";
    return kExitOk;
  }
  if (f.json) {
    nlohmann::json windows = nlohmann::json::array();
    for (size_t i = 0; i < result.windows.size(); ++i) {
      const ElectionWindow& w = result.windows[i];
      windows.push_back({{"start", IsoUtcDateTime(w.start_unix)},
                         {"end", IsoUtcDateTime(w.end_unix)},
                         {"best", IsoUtcDateTime(w.best_unix)},
                         {"start_unix", w.start_unix},
                         {"end_unix", w.end_unix},
                         {"best_unix", w.best_unix},
                         {"score", w.score},
                         {"explanation", ExplanationJson(explanations[i])}});
    }
    out << nlohmann::json{{"title", run.title}, {"windows", windows}}.dump(2) << "\n";
    return kExitOk;
  }
  out << run.title << ": " << result.windows.size() << " windows, local times (zone "
      << run.search.place.Zone << " hours west)\n";
  for (size_t i = 0; i < result.windows.size(); ++i) {
    const ElectionWindow& w = result.windows[i];
    out << i + 1 << ". " << FinderLocalText(run.search.place, w.start_unix) << " to "
        << FinderLocalText(run.search.place, w.end_unix) << " ("
        << FinderLengthText(w.end_unix - w.start_unix) << "), best "
        << FinderLocalText(run.search.place, w.best_unix) << ", score " << FinderScoreText(w.score)
        << "\n";
  }
  if (result.windows.empty()) return kExitOk;
  out << "\nThe best moment, " << FinderLocalText(run.search.place, result.windows[0].best_unix)
      << ":\n";
  for (const std::string& line : ExplanationLines(explanations[0])) out << "  " << line << "\n";
  out << "Tolerance:\n";
  const MomentTolerance tolerance = ToleranceOf(run.search, result.windows[0].best_unix,
                                                run.settings, context, kToleranceLimitSeconds);
  for (const std::string& line : ToleranceLines(tolerance)) out << "  " << line << "\n";
  return kExitOk;
}

}  // namespace kairotex::cli
