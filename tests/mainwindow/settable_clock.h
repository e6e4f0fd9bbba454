// A clock the test moves by hand: the computer's local time and its zone.
#pragma once

#include "chart/platform.h"

namespace kairotex::test {

class SettableClock : public Clock {
 public:
  SettableClock(LocalDateTime local, double zone_hours_west) { Set(local, zone_hours_west); }
  void Set(LocalDateTime local, double zone_hours_west) {
    local_ = local;
    universal_ = AddHours(local, zone_hours_west);
  }
  LocalDateTime Now() const override { return local_; }
  LocalDateTime UniversalNow() const override { return universal_; }

 private:
  LocalDateTime local_, universal_;
};

}  // namespace kairotex::test
