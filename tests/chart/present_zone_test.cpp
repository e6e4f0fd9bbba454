// The zone of the present moment: the computer's own, daylight saving
// included, when the default place keeps the computer's standard time.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "chart/platform.h"

namespace kairotex {
namespace {

// The computer's zone for the test, restored after it.
class ComputerZone {
 public:
  explicit ComputerZone(const char* tz) {
    if (const char* old = std::getenv("TZ")) saved_ = old, had_ = true;
    setenv("TZ", tz, 1);
    tzset();
  }
  ~ComputerZone() {
    if (had_) {
      setenv("TZ", saved_.c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }

 private:
  std::string saved_;
  bool had_ = false;
};

bool DaylightNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_isdst > 0;
}

TEST(PresentZone, TheComputersZoneWithItsDaylightSavingOnlyForItsOwnStandardTime) {
  const SystemClock clock;
  {
    const ComputerZone zone("America/New_York");
    const double expected = DaylightNow() ? 4.0 : 5.0;
    EXPECT_EQ(clock.PresentZoneHoursWest(5.0), expected);
    EXPECT_EQ(clock.PresentZoneHoursWest(8.0), 8.0);  // a default place elsewhere
  }
  {
    const ComputerZone zone("Australia/Melbourne");  // daylight time in the southern summer
    EXPECT_EQ(clock.PresentZoneHoursWest(-10.0), DaylightNow() ? -11.0 : -10.0);
  }
  {
    const ComputerZone zone("Asia/Kolkata");
    EXPECT_EQ(clock.PresentZoneHoursWest(-5.5f), -5.5);
  }
  // A fixed clock keeps the default zone.
  EXPECT_EQ(FixedClock({2026, 7, 1, 12, 0, 0}, 4).PresentZoneHoursWest(5.0), 5.0);
}

}  // namespace
}  // namespace kairotex
