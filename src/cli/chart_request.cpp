#include "cli/chart_request.h"

#include <cctype>
#include <cstdlib>

#include "settings/name_tables.h"

namespace kairotex::cli {
namespace {

// A field of digits only, as the entry fields accept; empty stays empty.
std::optional<int> DigitsField(const std::string& text) {
  if (text.empty() || text.size() > 6) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

ElectionEntry EntryFromRecord(const ElectionData& d) {
  ElectionEntry e;
  e.name = d.Name;
  e.month = d.Month;
  e.day = d.Day;
  e.year = d.Year;
  e.hour = d.Hour;
  e.minute = d.Minute;
  e.pm = d.PmFlag == 1;
  e.zone = d.Zone;
  e.lon_degrees = d.LonDegrees;
  e.lon_minutes = d.LonMinutes;
  e.west = d.WestFlag == 1;
  e.lat_degrees = d.LatDegrees;
  e.lat_minutes = d.LatMinutes;
  e.south = d.SouthFlag == 1;
  return e;
}

// Hour as the hour field takes it: 0 becomes 12, above 12 turns into P.M.
void TakeHour(ElectionEntry& e, int hour, int limit_for_pm_turn) {
  if (hour == 0) hour = 12;
  if (hour > 12 && hour <= limit_for_pm_turn) {
    e.pm = true;
    hour -= 12;
  }
  e.hour = hour;
}

std::optional<FlagError> ApplyDate(const std::string& text, ElectionEntry& e) {
  const size_t first = text.find('-');
  const size_t second = first == std::string::npos ? first : text.find('-', first + 1);
  if (second == std::string::npos) return FlagError{"--date must be YYYY-MM-DD"};
  e.year = DigitsField(text.substr(0, first));
  e.month = DigitsField(text.substr(first + 1, second - first - 1));
  e.day = DigitsField(text.substr(second + 1));
  if (!e.year || !e.month || !e.day) return FlagError{"--date must be YYYY-MM-DD"};
  return std::nullopt;
}

std::optional<FlagError> ApplyTime(const ChartFlags& f, ElectionEntry& e) {
  const size_t colon = f.time.find(':');
  if (colon != std::string::npos) {
    const auto hour = DigitsField(f.time.substr(0, colon));
    const auto minute = DigitsField(f.time.substr(colon + 1));
    if (!hour || !minute) return FlagError{"--time must be H.MM or HH:MM"};
    e.pm = false;
    // 24-hour entry: 13..23 are P.M.; 24 and above stay as typed and are refused.
    TakeHour(e, *hour, 23);
    if (*hour == 12) e.pm = true;
    e.minute = minute;
    return std::nullopt;
  }
  const size_t point = f.time.find('.');
  if (point == std::string::npos) return FlagError{"--time must be H.MM or HH:MM"};
  if (f.am == f.pm)
    return FlagError{"--time H.MM needs --am or --pm (or give HH:MM on the 24-hour clock)"};
  const auto hour = DigitsField(f.time.substr(0, point));
  std::string minutes = f.time.substr(point + 1);
  if (minutes.size() == 1) minutes += '0';  // 5.3 is 5.30
  const auto minute = DigitsField(minutes);
  if (!hour || !minute) return FlagError{"--time must be H.MM or HH:MM"};
  e.pm = f.pm;
  TakeHour(e, *hour, 1000);
  e.minute = minute;
  return std::nullopt;
}

std::optional<FlagError> ApplyZone(const std::string& text, ElectionEntry& e) {
  // The zone field takes digits, the point and the minus sign.
  bool has_digit = false;
  for (char c : text) {
    if (std::isdigit(static_cast<unsigned char>(c))) {
      has_digit = true;
    } else if (c != '.' && c != '-') {
      return FlagError{"--zone must be hours, positive west of Greenwich (e.g. 5 or -1)"};
    }
  }
  char* end = nullptr;
  const double zone = std::strtod(text.c_str(), &end);
  if (!has_digit || end == nullptr || *end != '\0') {
    return FlagError{"--zone must be hours, positive west of Greenwich (e.g. 5 or -1)"};
  }
  e.zone = zone;
  return std::nullopt;
}

}  // namespace

std::optional<PlaceField> ParsePlace(const std::string& text, char positive, char negative) {
  const std::string lower = Lower(text);
  const size_t letter = lower.find_first_of(std::string{positive, negative});
  if (letter == std::string::npos) return std::nullopt;
  const auto degrees = DigitsField(lower.substr(0, letter));
  const auto minutes = DigitsField(lower.substr(letter + 1));
  if (!degrees || !minutes) return std::nullopt;
  return PlaceField{*degrees, *minutes, lower[letter] == positive};
}

char ParseHouseSystem(const std::string& text) {
  if (text.size() == 1) {
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return kHouseSystemLetters.find(letter) == std::string_view::npos ? 0 : letter;
  }
  const std::string lower = Lower(text);
  for (size_t i = 0; i < kHouseSystemNames.size(); ++i) {
    if (Lower(std::string(kHouseSystemNames[i])) == lower) return kHouseSystemLetters[i];
  }
  return 0;
}

std::optional<FlagError> BuildChartRequest(const ChartFlags& f, const ElectionData& start,
                                           float startup_house_option, ChartRequest& r) {
  r.entry = EntryFromRecord(start);
  const bool any_moment = !f.date.empty() || !f.time.empty() || !f.zone.empty() || !f.lon.empty() ||
                          !f.lat.empty() || !f.place.empty() || !f.tz.empty();
  r.running_clock = f.now || !any_moment;
  if (f.now && any_moment) {
    return FlagError{
        "--now takes the present moment at the default place; leave out --date, --time, --zone, "
        "--lon, --lat, --place and --tz"};
  }
  // The record of the present moment is named "Now"; a moment of the user's own
  // without a name is simply an election.
  if (!f.name.empty()) {
    r.entry.name = f.name;
  } else if (!r.running_clock) {
    r.entry.name = "Election";
  }
  if (!f.date.empty()) {
    if (auto error = ApplyDate(f.date, r.entry)) return error;
  }
  if (!f.time.empty()) {
    if (auto error = ApplyTime(f, r.entry)) return error;
  }
  if (!f.zone.empty()) {
    if (auto error = ApplyZone(f.zone, r.entry)) return error;
  }
  if (!f.lon.empty()) {
    const auto place = ParsePlace(f.lon, 'w', 'e');
    if (!place) return FlagError{"--lon must be degrees, e or w, minutes (e.g. 73w59)"};
    r.entry.lon_degrees = place->degrees;
    r.entry.lon_minutes = place->minutes;
    r.entry.west = place->positive_direction;
  }
  if (!f.lat.empty()) {
    const auto place = ParsePlace(f.lat, 'n', 's');
    if (!place) return FlagError{"--lat must be degrees, n or s, minutes (e.g. 40n45)"};
    r.entry.lat_degrees = place->degrees;
    r.entry.lat_minutes = place->minutes;
    r.entry.south = !place->positive_direction;
  }

  if (f.house.empty()) {
    r.settings = ChartSettings::ForStartupOption(startup_house_option);
  } else {
    const char letter = ParseHouseSystem(f.house);
    if (letter == 0)
      return FlagError{"--house must be one of P R K C O E M I or a house system name"};
    r.settings = ChartSettings::ForHouseSystem(letter);
  }
  r.settings.ElectionsRunning = r.running_clock;

  const std::string zodiac = Lower(f.zodiac);
  if (zodiac == "tropical") {
    r.zodiac = 0;
  } else if (zodiac == "svp") {
    r.zodiac = 1;
  } else if (zodiac == "ayanamsa") {
    r.zodiac = 2;
  } else if (!zodiac.empty()) {
    return FlagError{"--zodiac must be tropical, svp or ayanamsa"};
  }

  const std::string kind = Lower(f.kind);
  if (kind == "helio") {
    r.settings.HelioChart = true;
  } else if (kind == "decl") {
    r.settings.DeclinationChart = true;
  } else if (!kind.empty() && kind != "geo") {
    return FlagError{"--kind must be geo, helio or decl"};
  }
  r.true_node = f.true_node;
  return std::nullopt;
}

}  // namespace kairotex::cli
