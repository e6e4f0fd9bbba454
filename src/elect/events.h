// The events of a range of time at a place: sign ingresses of the Sun, the
// Moon and the planets, the Moon's void-of-course spans, aspect perfections
// and stations, each exact to the second.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "chart/calculate_chart.h"
#include "elect/calendar_export.h"

namespace kairotex {

enum class EventKind {
  kIngress,            // `object` enters `sign`
  kVoidOfCourse,       // the Moon void of course from unix_seconds to end_unix
  kPerfection,         // `object` and `other` exactly `aspect_degrees` apart
  kStationRetrograde,  // `object` turns retrograde
  kStationDirect,      // `object` turns direct
};

struct ChartEvent {
  EventKind kind = EventKind::kIngress;
  int object = 0;          // kSun .. kMoon
  int other = 0;           // the second object of a perfection
  int sign = 0;            // 1 Aries .. 12 Pisces, for an ingress
  int aspect_degrees = 0;  // 0, 60, 90, 120 or 180
  // The first whole second at which the new state holds: the chart one
  // second earlier still shows the old one. A void Moon ends at end_unix,
  // the first second she is no longer void; other events have end_unix ==
  // unix_seconds.
  int64_t unix_seconds = 0, end_unix = 0;
  // A void Moon already void at the range's start, or still void at its
  // end: that edge is the range's, not a flip of the verdict.
  bool starts_before_range = false, ends_after_range = false;
};

struct EventRange {
  ElectionData place_and_zone;  // place, zone and name; the date is ignored
  int64_t from_unix = 0, to_unix = 0;
  int scan_minutes = 1;  // coarse step before the bisection, 1 or more
  int threads = 1;       // charts of the coarse scan cast on this many threads
};

// The events whose instant lies in [from_unix, to_unix], by time (void Moons
// by their start). The charts are cast with `settings` (zodiac and house
// system as chosen); the void-of-course verdict is the Moon's aspects by
// sign of the reports. An empty or reversed range gives no events.
std::vector<ChartEvent> FindEvents(const EventRange& range, const ChartSettings& settings,
                                   const ChartContext& context);

// "Moon enters Taurus", "Moon void of course", "Sun trine Jupiter",
// "Mars stations retrograde", "Mars stations direct".
std::string EventSummary(const ChartEvent& event);

// "Sun", "Moon", "Mercury" .. "Pluto"; "Aries" .. "Pisces"; "conjunct",
// "sextile", "square", "trine", "opposite".
std::string_view EventObjectName(int object);
std::string_view EventSignName(int sign);
std::string_view EventAspectName(int aspect_degrees);

// One calendar entry per event: a void Moon as a span, the rest as instants,
// with the summary and a description giving the exact UTC time.
std::vector<CalendarEntry> EventsAsCalendar(const std::vector<ChartEvent>& events);

}  // namespace kairotex
