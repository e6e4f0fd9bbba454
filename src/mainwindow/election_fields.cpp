#include "mainwindow/election_fields.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "settings/numeric_line.h"
#include "settings/text_formats.h"

namespace kairotex {
namespace {

// The whole text as a number, or nothing.
template <class Number>
std::optional<Number> WholeTextNumber(std::string_view text) {
  Number value{};
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

std::optional<int> IntField(const std::string& text) {
  return WholeTextNumber<int>(text);
}

}  // namespace

ElectionFields FieldsFromRecord(const ElectionData& r) {
  ElectionFields f;
  f.event = r.Name;
  f.month = std::to_string(r.Month);
  f.day = std::to_string(r.Day);
  f.year = std::to_string(r.Year);
  f.hour = std::to_string(r.Hour);
  f.minute = std::to_string(r.Minute);
  f.zone = CompactNumberText(r.Zone, kSingleDigits);
  f.lon_degrees = std::to_string(r.LonDegrees);
  f.lon_minutes = std::to_string(r.LonMinutes);
  f.lat_degrees = std::to_string(r.LatDegrees);
  f.lat_minutes = std::to_string(r.LatMinutes);
  f.pm = r.PmFlag == 1;
  f.west = r.WestFlag != 0;
  f.south = r.SouthFlag == 1;
  return f;
}

HourFieldChange ApplyHourFieldRule(const std::string& text, MessageSink& messages) {
  HourFieldChange change{text};
  if (text.empty()) {
    messages.ShowMessage(kFillInHourMessage, kWarningTitle, MessageIcon::kInformation);
    return change;
  }
  const std::optional<int> read = WholeTextNumber<int>(text);
  if (!read || *read < std::numeric_limits<int16_t>::min() ||
      *read > std::numeric_limits<int16_t>::max()) {
    messages.ShowMessage(kTypingTooFastMessage, kWarningTitle, MessageIcon::kInformation);
    change.select_all = true;
    return change;
  }
  int hour = *read;
  if (hour == 0) {
    hour = 12;
    change.text = "12";
  }
  while (hour > 12) {
    hour -= 12;
    change.select_pm = true;
    change.text = std::to_string(hour);
  }
  return change;
}

std::string ZoneTextForDirection(std::string_view zone_text, bool west) {
  const double size = std::fabs(ReadLeadingNumber(zone_text));
  if (size == 0.0) return "0";
  return CompactNumberText(static_cast<float>(west ? size : -size), kSingleDigits);
}

ElectionEntry EntryFromFields(const ElectionFields& f) {
  ElectionEntry e;
  e.name = f.event;
  e.month = IntField(f.month);
  e.day = IntField(f.day);
  e.year = IntField(f.year);
  e.hour = IntField(f.hour);
  e.minute = IntField(f.minute);
  e.pm = f.pm;
  e.zone = WholeTextNumber<double>(f.zone);
  e.lon_degrees = IntField(f.lon_degrees);
  e.lon_minutes = IntField(f.lon_minutes);
  e.west = f.west;
  e.lat_degrees = IntField(f.lat_degrees);
  e.lat_minutes = IntField(f.lat_minutes);
  e.south = f.south;
  return e;
}

}  // namespace kairotex
