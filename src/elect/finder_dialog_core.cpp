#include "elect/finder_dialog_core.h"

#include <array>
#include <cstdio>

#include "chart/platform.h"
#include "elect/moment.h"

namespace kairotex {

namespace {

std::string WeightText(double weight) {
  std::array<char, 32> buffer{};
  std::snprintf(buffer.data(), buffer.size(), "%g", weight);
  return buffer.data();
}

bool ReadWeight(const std::string& text, double& weight) {
  char end = 0;
  return std::sscanf(text.c_str(), "%lf %c", &weight, &end) == 1 && weight > 0 && weight <= 1000;
}

}  // namespace

std::vector<ConditionRow> ConditionRowsOf(const std::vector<ConditionSetting>& chosen) {
  std::vector<ConditionRow> rows;
  for (const ConditionSetting& s : chosen) {
    rows.push_back(
        {s.kind, true, s.required, WeightText(s.required ? 1 : s.weight), s.parameter.text});
  }
  for (const ConditionInfo& info : ConditionCatalog()) {
    bool listed = false;
    for (const ConditionSetting& s : chosen) listed = listed || s.kind == info.kind;
    if (!listed) rows.push_back({info.kind, false, true, "1", std::string(info.parameter_default)});
  }
  return rows;
}

bool ConditionsOfRows(const std::vector<ConditionRow>& rows, std::vector<ConditionSetting>& out,
                      std::string& error) {
  out.clear();
  for (const ConditionRow& row : rows) {
    if (!row.use) continue;
    ConditionSetting setting;
    setting.kind = row.kind;
    setting.required = row.required;
    const std::string name(InfoOf(row.kind).name);
    if (!ParseParameter(row.kind, row.parameter, setting.parameter, error)) {
      std::string message = name;
      message += ": ";
      message += error;
      error = message;
      return false;
    }
    if (!row.required) {
      if (!ReadWeight(row.weight, setting.weight)) {
        error = name;
        error += ": the weight must be a number above 0 and up to 1000, not \"";
        error += row.weight;
        error += '"';
        return false;
      }
    }
    out.push_back(setting);
  }
  return true;
}

int64_t UnixOfLocalTime(const ElectionData& place, const FinderLocalTime& local) {
  ElectionData e = place;
  e.Year = static_cast<int16_t>(local.year);
  e.Month = static_cast<int16_t>(local.month);
  e.Day = static_cast<int16_t>(local.day);
  e.Hour = static_cast<int16_t>(local.hour % 12 == 0 ? 12 : local.hour % 12);
  e.PmFlag = local.hour >= 12 ? 1 : 0;
  e.Minute = static_cast<int16_t>(local.minute);
  e.Second = 0;
  return UnixSecondsOfElection(e);
}

FinderLocalTime LocalTimeOf(const ElectionData& place, int64_t unix_seconds) {
  const ElectionData e = ElectionAtUnixSeconds(place, unix_seconds);
  return {e.Year, e.Month, e.Day, e.Hour % 12 + (e.PmFlag ? 12 : 0), e.Minute};
}

ElectionSearch SearchOfChoices(const FinderChoices& choices) {
  ElectionSearch search;
  search.place = choices.place;
  search.from_unix = UnixOfLocalTime(choices.place, choices.from);
  search.to_unix = UnixOfLocalTime(choices.place, choices.to);
  search.step_minutes = choices.step_minutes;
  search.threads = choices.threads;
  search.conditions = choices.conditions;
  return search;
}

std::string CheckFinderSearch(const ElectionSearch& search, bool meridian_or_morinus) {
  if (std::string problem = CheckElectionSearch(search); !problem.empty()) return problem;
  const int lat_minutes = search.place.LatDegrees * 60 + search.place.LatMinutes;
  if (!meridian_or_morinus && lat_minutes > 66 * 60) return std::string(kLatitudeTooHighMessage);
  return {};
}

std::string PlaceText(const ElectionData& place) {
  std::array<char, 96> buffer{};
  std::snprintf(buffer.data(), buffer.size(), "%d%c%02d %d%c%02d, zone %g hours %s",
                place.LatDegrees, place.SouthFlag ? 's' : 'n', place.LatMinutes, place.LonDegrees,
                place.WestFlag ? 'w' : 'e', place.LonMinutes,
                static_cast<double>(place.Zone < 0 ? -place.Zone : place.Zone),
                place.Zone < 0 ? "east" : "west");
  std::string text = buffer.data();
  if (!place.Name.empty()) text = place.Name + ", " + text;
  return text;
}

std::string FinderLocalText(const ElectionData& place, int64_t unix_seconds) {
  const ElectionData e = ElectionAtUnixSeconds(place, unix_seconds);
  std::array<char, 48> buffer{};
  std::snprintf(buffer.data(), buffer.size(), "%04d-%02d-%02d %02d:%02d:%02d", e.Year, e.Month,
                e.Day, e.Hour % 12 + (e.PmFlag ? 12 : 0), e.Minute, e.Second);
  return buffer.data();
}

std::string FinderLengthText(int64_t seconds) {
  std::array<char, 48> buffer{};
  std::snprintf(buffer.data(), buffer.size(), "%lldh%02lldm%02llds",
                static_cast<long long>(seconds / 3600), static_cast<long long>(seconds / 60 % 60),
                static_cast<long long>(seconds % 60));
  return buffer.data();
}

std::string FinderScoreText(double score) {
  std::array<char, 32> buffer{};
  std::snprintf(buffer.data(), buffer.size(), "%.0f", score);
  return buffer.data();
}

FinderRow RowOfWindow(const ElectionData& place, const ElectionWindow& w) {
  return {FinderLocalText(place, w.start_unix), FinderLocalText(place, w.end_unix),
          FinderLengthText(w.end_unix - w.start_unix), FinderLocalText(place, w.best_unix),
          FinderScoreText(w.score)};
}

std::vector<std::string> ToleranceLines(const MomentTolerance& t) {
  std::vector<std::string> lines;
  for (size_t i = 0; i < t.required.size(); ++i) {
    const ConditionTolerance& c = t.required[i];
    std::string line(InfoOf(c.setting.kind).name);
    if (!c.holds) {
      lines.push_back(line + ": fails at this moment");
      continue;
    }
    line += ": ";
    if (c.earlier_capped) line += "over ";
    line += FinderLengthText(c.seconds_earlier);
    line += " earlier, ";
    if (c.later_capped) line += "over ";
    line += FinderLengthText(c.seconds_later);
    line += " later";
    if (static_cast<int>(i) == t.first_to_fail_earlier) line += "; fails first going back";
    if (static_cast<int>(i) == t.first_to_fail_later) line += "; fails first going on";
    lines.push_back(line);
  }
  return lines;
}

std::vector<CalendarEntry> WindowEntries(const std::string& title,
                                         const std::vector<ElectionWindow>& windows,
                                         const std::vector<MomentExplanation>& explanations) {
  std::vector<CalendarEntry> entries;
  for (size_t i = 0; i < windows.size(); ++i) {
    const ElectionWindow& w = windows[i];
    std::string summary = "Election: ";
    summary += title;
    summary += ", score ";
    summary += FinderScoreText(w.score);
    std::string description = "Best moment ";
    description += IsoUtcDateTime(w.best_unix);
    if (i < explanations.size()) {
      for (const std::string& line : ExplanationLines(explanations[i])) {
        description += '\n';
        description += line;
      }
    }
    entries.push_back({w.start_unix, w.end_unix, summary, description});
  }
  return entries;
}

}  // namespace kairotex
