// What the chart engine asks of the platform: the present moment and a way to
// show messages. The window program and the command line implement these.
#pragma once

#include <string>
#include <string_view>

namespace kairotex {

struct LocalDateTime {
  int year = 2000, month = 1, day = 1;
  int hour = 0, minute = 0, second = 0;  // 24-hour clock
};

// The hour of a 24-hour time on the 12-hour clock: 0 is 12 A.M., 13 is 1 P.M.
inline int TwelveHourClockHour(int hour24) {
  if (hour24 == 0) return 12;
  return hour24 > 12 ? hour24 - 12 : hour24;
}

class Clock {
 public:
  virtual ~Clock() = default;
  // The present civil date and time of the computer's own time zone (the
  // clock in the window caption).
  virtual LocalDateTime Now() const = 0;
  // The present instant as universal time (the chart of the present moment).
  virtual LocalDateTime UniversalNow() const = 0;
  // The zone (hours, positive west) in which the present moment is told at
  // the default place whose zone is `default_zone_west`: the clock's own zone
  // now, daylight saving included, when the default place keeps the clock's
  // standard time; else the default zone itself.
  virtual double PresentZoneHoursWest(double default_zone_west) const { return default_zone_west; }
};

// The system clock.
class SystemClock : public Clock {
 public:
  LocalDateTime Now() const override;
  LocalDateTime UniversalNow() const override;
  double PresentZoneHoursWest(double default_zone_west) const override;
};

// A clock fixed at one moment, for tests and for repeatable runs: the
// computer's local time and its zone in hours, positive west of Greenwich,
// so that universal time is local time + zone.
class FixedClock : public Clock {
 public:
  FixedClock(LocalDateTime local, double zone_hours_west);
  LocalDateTime Now() const override { return local_; }
  LocalDateTime UniversalNow() const override { return universal_; }

 private:
  LocalDateTime local_, universal_;
};

// The civil date and time `hours` later (earlier when negative), carried
// through days, months and years of the Gregorian calendar; whole seconds.
LocalDateTime AddHours(const LocalDateTime& moment, double hours);

// The present moment as the clock of a zone shows it (hours, positive west):
// universal time less the zone.
LocalDateTime PresentMomentInZone(const Clock& clock, double zone_hours_west);

enum class MessageIcon { kInformation, kExclamation, kCritical };

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // A message box: text, title ("Warning!", "Information"...) and icon.
  virtual void ShowMessage(std::string_view text, std::string_view title, MessageIcon icon) = 0;
};

inline constexpr std::string_view kWarningTitle = "Warning!";
inline constexpr std::string_view kLatitudeTooHighMessage =
    "Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change house systems.";
inline constexpr std::string_view kElectionDataErrorMessage =
    "Error in election data. Please correct.";
inline constexpr std::string_view kNatalInputErrorMessage =
    "Error in natal input data section. Please correct.";

}  // namespace kairotex
