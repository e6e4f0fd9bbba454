#include "places/time_zones.h"

#include <cctz/civil_time.h>
#include <cctz/time_zone.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "settings/file_text.h"
#include "settings/text_formats.h"

namespace kairotex {

struct TimeZone::Impl {
  cctz::time_zone zone;
};

namespace {

using Seconds = cctz::time_point<cctz::seconds>;

constexpr const char* kMonthNames[] = {"January",   "February", "March",    "April",
                                       "May",       "June",     "July",     "August",
                                       "September", "October",  "November", "December"};

Seconds FromUnixSeconds(int64_t seconds) {
  return std::chrono::time_point_cast<cctz::seconds>(std::chrono::system_clock::from_time_t(0)) +
         cctz::seconds(seconds);
}

// The zone abbreviation of the period before standard time.
constexpr std::string_view kLocalMeanTime = "LMT";

CivilTime FromCivil(const cctz::civil_second& c) {
  return {static_cast<int>(c.year()), c.month(), c.day(), c.hour(), c.minute(), c.second()};
}

// Four minutes of time for each degree of longitude, to the nearest second.
int64_t LocalMeanTimeOffset(double longitude_east) {
  return std::llround(longitude_east * 240.0);
}

struct Offset {
  int64_t seconds;
  std::string abbreviation;
  bool local_mean_time;
};

Offset OffsetAt(const cctz::time_zone& zone, const Seconds& instant, double longitude_east) {
  const cctz::time_zone::absolute_lookup found = zone.lookup(instant);
  if (std::string_view(found.abbr) == kLocalMeanTime) {
    return {LocalMeanTimeOffset(longitude_east), found.abbr, true};
  }
  return {found.offset, found.abbr, false};
}

// "2.30 A.M.", as the chart heading writes a time.
std::string ClockText(const CivilTime& t) {
  const int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
  std::string text = std::to_string(hour12);
  text.append(".").append(TwoDigits(t.minute)).append(t.hour < 12 ? " A.M." : " P.M.");
  return text;
}

std::string DateText(const CivilTime& t) {
  return std::to_string(t.day) + " " + kMonthNames[t.month - 1] + " " + std::to_string(t.year);
}

// The civil time one minute later than `t` on the clock face (a gap's upper end).
CivilTime MinuteAfter(const CivilTime& t) {
  return FromCivil(cctz::civil_second(t.year, t.month, t.day, t.hour, t.minute, 0) + 60);
}

}  // namespace

TimeZone::TimeZone(std::string name, std::shared_ptr<const Impl> impl)
    : name_(std::move(name)), impl_(std::move(impl)) {}

std::optional<TimeZone> TimeZone::Load(const std::string& name) {
  if (name.empty()) return std::nullopt;
  auto impl = std::make_shared<Impl>();
  if (!cctz::load_time_zone(name, &impl->zone)) return std::nullopt;
  return TimeZone(name, std::move(impl));
}

bool IsKnownZone(const std::string& name) {
  return TimeZone::Load(name).has_value();
}

std::string ComputerZoneName() {
  if (const char* tz = std::getenv("TZ"); tz != nullptr && *tz != '\0') {
    std::string name = tz[0] == ':' ? tz + 1 : tz;
    if (IsKnownZone(name)) return name;
  }
  std::error_code error;
  const std::string target = std::filesystem::read_symlink("/etc/localtime", error).string();
  if (const size_t at = target.find("zoneinfo/"); !error && at != std::string::npos) {
    const std::string name = target.substr(at + 9);
    if (IsKnownZone(name)) return name;
  }
  const FileText file = ReadFileText("/etc/timezone");
  const std::string name = file.text.substr(0, file.text.find_first_of("\r\n \t"));
  if (file.problem == FileProblem::kNone && IsKnownZone(name)) return name;
  return "UTC";
}

LocalTimeResolution ResolveLocalTime(const TimeZone& zone, const CivilTime& local,
                                     double longitude_east, Instance instance) {
  const cctz::time_zone& tz = zone.impl().zone;
  const cctz::civil_second asked(local.year, local.month, local.day, local.hour, local.minute,
                                 local.second);
  const cctz::time_zone::civil_lookup found = tz.lookup(asked);
  LocalTimeResolution r;
  if (found.kind == cctz::time_zone::civil_lookup::SKIPPED) {
    r.kind = LocalTimeKind::kSkipped;
    const Offset before = OffsetAt(tz, found.trans - cctz::seconds(1), longitude_east);
    r.utc_offset_seconds = before.seconds;
    r.abbreviation = before.abbreviation;
    r.local_mean_time = before.local_mean_time;
    r.last_before_gap = FromCivil(tz.lookup(found.trans - cctz::seconds(60)).cs);
    r.first_after_gap = FromCivil(tz.lookup(found.trans).cs);
    return r;
  }
  // Unique: pre == post. Repeated: pre is the earlier instance.
  const Offset first = OffsetAt(tz, found.pre, longitude_east);
  const Offset second = OffsetAt(tz, found.post, longitude_east);
  const bool repeated = found.kind == cctz::time_zone::civil_lookup::REPEATED;
  r.kind = repeated ? LocalTimeKind::kRepeated : LocalTimeKind::kUnique;
  const Offset& taken = repeated && instance == Instance::kSecond ? second : first;
  r.utc_offset_seconds = taken.seconds;
  r.abbreviation = taken.abbreviation;
  r.local_mean_time = taken.local_mean_time;
  r.first_offset_seconds = first.seconds;
  r.second_offset_seconds = second.seconds;
  return r;
}

int64_t OffsetAtUniversalTime(const TimeZone& zone, int64_t unix_seconds, double longitude_east) {
  const Seconds instant =
      std::chrono::time_point_cast<cctz::seconds>(std::chrono::system_clock::from_time_t(0)) +
      cctz::seconds(unix_seconds);
  return OffsetAt(zone.impl().zone, instant, longitude_east).seconds;
}

int64_t UnixSeconds(const CivilTime& u) {
  const cctz::civil_second civil(u.year, u.month, u.day, u.hour, u.minute, u.second);
  return (civil - cctz::civil_second(1970, 1, 1, 0, 0, 0));
}

int64_t StandardOffsetAround(const TimeZone& zone, int64_t unix_seconds, double longitude_east) {
  constexpr int64_t kHalfYear = 182 * 86400;
  const cctz::time_zone& tz = zone.impl().zone;
  for (const int64_t probe : {unix_seconds, unix_seconds + kHalfYear, unix_seconds - kHalfYear}) {
    const Seconds instant = FromUnixSeconds(probe);
    if (!tz.lookup(instant).is_dst) return OffsetAt(tz, instant, longitude_east).seconds;
  }
  return OffsetAt(tz, FromUnixSeconds(unix_seconds), longitude_east).seconds;
}

double ZoneHoursWest(int64_t utc_offset_seconds) {
  return -static_cast<double>(utc_offset_seconds) / 3600.0;
}

std::string OffsetText(int64_t utc_offset_seconds) {
  const int64_t magnitude = utc_offset_seconds < 0 ? -utc_offset_seconds : utc_offset_seconds;
  std::string text(1, utc_offset_seconds < 0 ? '-' : '+');
  text.append(TwoDigits(static_cast<int>(magnitude / 3600)))
      .append(":")
      .append(TwoDigits(static_cast<int>(magnitude / 60 % 60)));
  if (magnitude % 60 != 0) text.append(":").append(TwoDigits(static_cast<int>(magnitude % 60)));
  return text;
}

std::string SkippedTimeMessage(const std::string& zone_name, const CivilTime& asked,
                               const LocalTimeResolution& r) {
  return DateText(asked) + ", " + ClockText(asked) + " does not exist in " + zone_name +
         ": the clocks were put forward from " + ClockText(MinuteAfter(r.last_before_gap)) +
         " to " + ClockText(r.first_after_gap) + "; take " + ClockText(r.last_before_gap) +
         " (before the change) or " + ClockText(r.first_after_gap) + " (after it).";
}

std::string RepeatedTimeMessage(const std::string& zone_name, const CivilTime& asked,
                                const LocalTimeResolution& r, Instance taken) {
  const bool first = taken == Instance::kFirst;
  return DateText(asked) + ", " + ClockText(asked) + " came twice in " + zone_name + ", first at " +
         OffsetText(r.first_offset_seconds) + " and again at " +
         OffsetText(r.second_offset_seconds) + ". The " + (first ? "first" : "second") + " (" +
         OffsetText(first ? r.first_offset_seconds : r.second_offset_seconds) + ") was taken.";
}

}  // namespace kairotex
