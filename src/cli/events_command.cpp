#include "cli/events_command.h"

#include <CLI/CLI.hpp>
#include <array>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "cli/chart_cast.h"
#include "cli/cli_app.h"
#include "cli/flag_checks.h"
#include "cli/range_end.h"
#include "elect/calendar_export.h"
#include "elect/events.h"
#include "elect/moment.h"

namespace kairotex::cli {
namespace {

struct EventsRun {
  EventRange range;
  ChartProgram program;
  ChartSettings settings;
};

// Casts the chart of one end of the range, which fixes the place and zone.
int MomentOfFlag(const EventsFlags& f, bool range_end, const Clock& clock, std::ostream& err,
                 EventsRun& run, int64_t& unix_seconds) {
  ChartRun cast;
  const std::string& text = range_end ? f.to : f.from;
  if (const int status = CastRangeEnd(f.place, text, range_end, clock, err, cast, unix_seconds)) {
    return status;
  }
  if (!range_end) {
    run.range.place_and_zone = cast.election;
    run.program = std::move(cast.program);
    run.settings = cast.request.settings;
  }
  return kExitOk;
}

const char* KindWord(EventKind kind) {
  switch (kind) {
    case EventKind::kIngress:
      return "ingress";
    case EventKind::kVoidOfCourse:
      return "void_of_course";
    case EventKind::kPerfection:
      return "perfection";
    case EventKind::kStationRetrograde:
      return "station_retrograde";
    case EventKind::kStationDirect:
      return "station_direct";
  }
  return "";
}

nlohmann::json EventsJson(const std::vector<ChartEvent>& events) {
  nlohmann::json list = nlohmann::json::array();
  for (const ChartEvent& e : events) {
    nlohmann::json item = {{"kind", KindWord(e.kind)},
                           {"summary", EventSummary(e)},
                           {"object", EventObjectName(e.object)},
                           {"start", IsoUtcDateTime(e.unix_seconds)},
                           {"start_unix", e.unix_seconds}};
    if (e.kind == EventKind::kIngress) item["sign"] = EventSignName(e.sign);
    if (e.kind == EventKind::kPerfection) {
      item["other"] = EventObjectName(e.other);
      item["aspect"] = EventAspectName(e.aspect_degrees);
      item["aspect_degrees"] = e.aspect_degrees;
    }
    if (e.kind == EventKind::kVoidOfCourse) {
      item["end"] = IsoUtcDateTime(e.end_unix);
      item["end_unix"] = e.end_unix;
      item["starts_before_range"] = e.starts_before_range;
      item["ends_after_range"] = e.ends_after_range;
    }
    list.push_back(std::move(item));
  }
  return list;
}

void WriteEventsText(const std::vector<ChartEvent>& events, std::ostream& out) {
  for (const ChartEvent& e : events) {
    out << IsoUtcDateTime(e.unix_seconds);
    if (e.kind == EventKind::kVoidOfCourse) {
      out << " to " << IsoUtcDateTime(e.end_unix);
    } else {
      out << std::string(24, ' ');
    }
    out << "  " << EventSummary(e) << "\n";
  }
}

}  // namespace

CLI::App* AddEventsCommand(CLI::App& app, EventsFlags& f) {
  CLI::App* events = app.add_subcommand(
      "events",
      "ingresses, void-of-course Moons, aspect perfections and stations of a range, to the second");
  events->add_option("--from", f.from, "the range's start, YYYY-MM-DD or YYYY-MM-DDTHH:MM[:SS]")
      ->check(NotEmptyValue());
  events->add_option("--to", f.to, "the range's end, included; a date alone ends at 23:59")
      ->check(NotEmptyValue());
  events->add_option("--threads", f.threads, "threads of the scan")->check(CLI::Range(1, 64));
  events->add_flag("--json", f.json, "the events as JSON");
  events->add_flag("--csv", f.csv, "the events as CSV");
  events->add_option("--ics", f.ics, "write the events to this iCalendar file")
      ->check(NotEmptyValue());
  AddScanPlaceFlags(*events, f.place);
  return events;
}

int RunEvents(const EventsFlags& f, std::ostream& out, std::ostream& err, const Clock& clock) {
  if (f.from.empty() || f.to.empty()) {
    err << "kairotex-cli: events needs --from and --to\n";
    return kExitInputRefused;
  }
  if (static_cast<int>(f.json) + static_cast<int>(f.csv) + static_cast<int>(!f.ics.empty()) > 1) {
    err << "kairotex-cli: give one of --json, --csv and --ics\n";
    return kExitInputRefused;
  }
  EventsRun run;
  run.range.threads = f.threads;
  if (const int s = MomentOfFlag(f, false, clock, err, run, run.range.from_unix)) return s;
  if (const int s = MomentOfFlag(f, true, clock, err, run, run.range.to_unix)) return s;
  if (run.range.to_unix <= run.range.from_unix) {
    err << "kairotex-cli: the range is empty: --to must be later than --from\n";
    return kExitInputRefused;
  }

  StreamMessages messages(err);
  const std::vector<ChartEvent> events =
      FindEvents(run.range, run.settings, run.program.Context(clock, messages));
  if (f.json) {
    out << EventsJson(events).dump(2) << "\n";
  } else if (f.csv) {
    out << WriteCsv(EventsAsCalendar(events));
  } else if (!f.ics.empty()) {
    std::string error;
    CalendarStamp stamp;
    stamp.made_unix = UnixOfUniversal(clock.UniversalNow());
    if (!SaveCalendarFile(f.ics, WriteIcs(EventsAsCalendar(events), stamp), &error)) {
      err << "kairotex-cli: " << error << "\n";
      return kExitDataFile;
    }
    out << events.size() << " events written to " << f.ics << "\n";
  } else {
    WriteEventsText(events, out);
  }
  return kExitOk;
}

}  // namespace kairotex::cli
