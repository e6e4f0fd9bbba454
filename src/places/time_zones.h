// The IANA time zones of the system's database: the offset in force at a
// place for a local civil time, with the spring gap and the autumn overlap
// said plainly, and the local mean time of the place before standard time.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace kairotex {

struct CivilTime {
  int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
  friend bool operator==(const CivilTime&, const CivilTime&) = default;
};

// A zone loaded from the database.
class TimeZone {
 public:
  // nullopt when the name is not in the database.
  static std::optional<TimeZone> Load(const std::string& name);
  const std::string& name() const { return name_; }

  struct Impl;
  const Impl& impl() const { return *impl_; }

 private:
  TimeZone(std::string name, std::shared_ptr<const Impl> impl);
  std::string name_;
  std::shared_ptr<const Impl> impl_;
};

bool IsKnownZone(const std::string& name);

// The computer's own zone: TZ, else what /etc/localtime links to, else
// /etc/timezone; "UTC" when none names a zone of the database.
std::string ComputerZoneName();

enum class LocalTimeKind {
  kUnique,
  kSkipped,   // in a spring-forward gap: no such clock time
  kRepeated,  // in an autumn overlap: the clock showed it twice
};

// Which instance of a repeated time: the first is the earlier, still on
// daylight time.
enum class Instance { kFirst, kSecond };

struct LocalTimeResolution {
  LocalTimeKind kind = LocalTimeKind::kUnique;
  // The offset of the instance taken, seconds east of Greenwich; for a
  // skipped time, the offset before the gap.
  int64_t utc_offset_seconds = 0;
  std::string abbreviation;  // "EDT", "CET", "LMT"
  // Before standard time the offset is the local mean time of the place's
  // own meridian, not the zone city's.
  bool local_mean_time = false;
  // Skipped: the last clock time before the gap and the first after it.
  CivilTime last_before_gap, first_after_gap;
  // Repeated: the offsets of the first and the second instance.
  int64_t first_offset_seconds = 0, second_offset_seconds = 0;
};

// The offset in force at a place for a local clock time. Dates are taken in
// the Gregorian calendar (the zones' history begins long after 1582; before
// standard time only the place's longitude counts).
LocalTimeResolution ResolveLocalTime(const TimeZone& zone, const CivilTime& local,
                                     double longitude_east, Instance instance = Instance::kFirst);

// The offset in force at a place at a universal time (seconds since 1970).
int64_t OffsetAtUniversalTime(const TimeZone& zone, int64_t unix_seconds, double longitude_east);

// Seconds since 1970 of a universal civil time (proleptic Gregorian).
int64_t UnixSeconds(const CivilTime& universal);

// The zone's standard offset around a universal time: the offset then, or
// half a year away when that is daylight time (seconds east).
int64_t StandardOffsetAround(const TimeZone& zone, int64_t unix_seconds, double longitude_east);

// The program's zone field: hours, positive west of Greenwich.
double ZoneHoursWest(int64_t utc_offset_seconds);

// "+01:19:32", "-04:56:02", "+02:00" (seconds only when not 0).
std::string OffsetText(int64_t utc_offset_seconds);

// "the clock went from 1:59:59 A.M. to 3:00 A.M. on 14 March 2021" style
// messages for the command line and the dialog.
std::string SkippedTimeMessage(const std::string& zone_name, const CivilTime& asked,
                               const LocalTimeResolution& resolution);
std::string RepeatedTimeMessage(const std::string& zone_name, const CivilTime& asked,
                                const LocalTimeResolution& resolution, Instance taken);

}  // namespace kairotex
