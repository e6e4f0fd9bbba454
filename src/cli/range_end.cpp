#include "cli/range_end.h"

#include <CLI/CLI.hpp>
#include <array>
#include <cstdio>

#include "cli/cli_app.h"
#include "cli/flag_checks.h"
#include "cli/program_setup.h"
#include "elect/moment.h"

namespace kairotex::cli {
namespace {

// The date, the 24-hour "HH:MM" time and the seconds of the flag's text.
bool ReadMoment(const std::string& text, bool range_end, ChartFlags& chart, int& seconds) {
  int year = 0, month = 0, day = 0, hour = range_end ? 23 : 0, minute = range_end ? 59 : 0;
  seconds = 0;
  char separator = 0, colon = 0, end = 0;
  const int read = std::sscanf(text.c_str(), "%d-%d-%d%c%d:%d%c%d%c", &year, &month, &day,
                               &separator, &hour, &minute, &colon, &seconds, &end);
  const bool timed = separator == 'T' || separator == ' ';
  const bool good = read == 3 || (read == 6 && timed) || (read == 8 && timed && colon == ':');
  if (!good || hour < 0 || hour > 23 || minute < 0 || minute > 59 || seconds < 0 || seconds > 59) {
    return false;
  }
  std::array<char, 32> buffer{};
  std::snprintf(buffer.data(), buffer.size(), "%04d-%02d-%02d", year, month, day);
  chart.date = buffer.data();
  std::snprintf(buffer.data(), buffer.size(), "%02d:%02d", hour, minute);
  chart.time = buffer.data();
  return true;
}

}  // namespace

void AddScanPlaceFlags(CLI::App& command, ChartFlags& p) {
  command.add_option("--place", p.place, "a town of the atlas: its latitude, longitude and zone")
      ->check(NotEmptyValue());
  command.add_option("--tz", p.tz, "an IANA time zone; its offset at --from holds throughout")
      ->check(NotEmptyValue());
  command.add_option("--zone", p.zone, "time zone in hours, positive west of Greenwich")
      ->check(NotEmptyValue());
  command.add_option("--lon", p.lon, "longitude as degrees, e or w, minutes (73w59)")
      ->check(NotEmptyValue());
  command.add_option("--lat", p.lat, "latitude as degrees, n or s, minutes (40n45)")
      ->check(NotEmptyValue());
  command.add_option("--data-dir", p.data_dir, "the program folder with OPTIONS.OPT")
      ->check(NotEmptyValue());
}

int64_t UnixOfUniversal(const LocalDateTime& u) {
  ElectionData e;
  e.Year = static_cast<int16_t>(u.year);
  e.Month = static_cast<int16_t>(u.month);
  e.Day = static_cast<int16_t>(u.day);
  e.Hour = static_cast<int16_t>(TwelveHourClockHour(u.hour));
  e.PmFlag = u.hour >= 12 ? 1 : 0;
  e.Minute = static_cast<int16_t>(u.minute);
  e.Second = static_cast<int16_t>(u.second);
  e.Zone = 0;
  return UnixSecondsOfElection(e);
}

int CastRangeEnd(const ChartFlags& place, const std::string& text, bool range_end,
                 const Clock& clock, std::ostream& err, ChartRun& cast, int64_t& unix_seconds) {
  ChartFlags chart = place;
  int seconds = 0;
  if (!ReadMoment(text, range_end, chart, seconds)) {
    err << "kairotex-cli: " << (range_end ? "--to" : "--from")
        << " must be YYYY-MM-DD or YYYY-MM-DDTHH:MM[:SS], not \"" << text << "\"\n";
    return kExitInputRefused;
  }
  StreamMessages messages(err);
  if (const int status = CastChartFromFlags(chart, clock, err, messages, cast)) return status;
  cast.election.Second = static_cast<int16_t>(seconds);
  unix_seconds = UnixSecondsOfElection(cast.election);
  return kExitOk;
}

}  // namespace kairotex::cli
