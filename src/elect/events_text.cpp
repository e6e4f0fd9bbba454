#include <array>
#include <string_view>
#include <utility>

#include "elect/events.h"

namespace kairotex {

std::string_view EventObjectName(int object) {
  static constexpr std::array<std::string_view, 11> kNames = {
      "",       "Sun",    "Mercury", "Venus", "Mars", "Jupiter",
      "Saturn", "Uranus", "Neptune", "Pluto", "Moon"};
  return object >= 1 && object <= 10 ? kNames[static_cast<size_t>(object)] : "";
}

std::string_view EventSignName(int sign) {
  static constexpr std::array<std::string_view, 13> kNames = {
      "",      "Aries",   "Taurus",      "Gemini",    "Cancer",   "Leo",   "Virgo",
      "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
  return sign >= 1 && sign <= 12 ? kNames[static_cast<size_t>(sign)] : "";
}

std::string_view EventAspectName(int aspect_degrees) {
  switch (aspect_degrees) {
    case 0:
      return "conjunct";
    case 60:
      return "sextile";
    case 90:
      return "square";
    case 120:
      return "trine";
    case 180:
      return "opposite";
    default:
      return "";
  }
}

std::string EventSummary(const ChartEvent& event) {
  std::string text(EventObjectName(event.object));
  switch (event.kind) {
    case EventKind::kIngress:
      text += " enters ";
      text += EventSignName(event.sign);
      break;
    case EventKind::kVoidOfCourse:
      text += " void of course";
      break;
    case EventKind::kPerfection:
      text += ' ';
      text += EventAspectName(event.aspect_degrees);
      text += ' ';
      text += EventObjectName(event.other);
      break;
    case EventKind::kStationRetrograde:
      text += " stations retrograde";
      break;
    case EventKind::kStationDirect:
      text += " stations direct";
      break;
  }
  return text;
}

std::vector<CalendarEntry> EventsAsCalendar(const std::vector<ChartEvent>& events) {
  std::vector<CalendarEntry> entries;
  entries.reserve(events.size());
  for (const ChartEvent& e : events) {
    CalendarEntry entry;
    entry.start_unix = e.unix_seconds;
    entry.end_unix = e.end_unix;
    entry.summary = EventSummary(e);
    if (e.kind == EventKind::kVoidOfCourse) {
      entry.description = "From " + IsoUtcDateTime(e.unix_seconds);
      if (e.starts_before_range) entry.description += " (void before the range began)";
      entry.description += " to " + IsoUtcDateTime(e.end_unix);
      if (e.ends_after_range) entry.description += " (still void when the range ended)";
    } else {
      entry.description = "Exact at " + IsoUtcDateTime(e.unix_seconds);
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace kairotex
