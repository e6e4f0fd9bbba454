// The checks of an entered moment and place, and their messages.
#include "chart/election_checks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_messages.h"

namespace kairotex {
namespace {

ElectionEntry NewYork() {  // 5.30 P.M. on 6 December 2026, zone 5, 73w59 40n45
  return {"Test", 12, 6, 2026, 5, 30, true, 5.0, 73, 59, true, 40, 45, false};
}

// Each bad field is refused with the program's words and nothing stored;
// the bounds next to them pass.
TEST(ElectionChecks, BadFieldsAreRefusedAndTheBoundsPass) {
  struct Case {
    const char* what;
    void (*change)(ElectionEntry&);
    bool refused;
  };
  const Case cases[] = {
      {"as typed", [](ElectionEntry&) {}, false},
      {"month 0", [](ElectionEntry& e) { e.month = 0; }, true},
      {"day empty", [](ElectionEntry& e) { e.day.reset(); }, true},
      {"minute empty", [](ElectionEntry& e) { e.minute.reset(); }, true},
      {"zone -3 west", [](ElectionEntry& e) { e.zone = -3; }, true},
      {"zone -2 west", [](ElectionEntry& e) { e.zone = -2; }, false},
      {"month 13", [](ElectionEntry& e) { e.month = 13; }, true},
      {"day 32", [](ElectionEntry& e) { e.day = 32; }, true},
      {"year 2100", [](ElectionEntry& e) { e.year = 2100; }, true},
      {"year 2099", [](ElectionEntry& e) { e.year = 2099; }, false},
      {"hour 13", [](ElectionEntry& e) { e.hour = 13; }, true},
      {"minute 60", [](ElectionEntry& e) { e.minute = 60; }, true},
      {"zone 12.5", [](ElectionEntry& e) { e.zone = 12.5; }, true},
      {"zone 12", [](ElectionEntry& e) { e.zone = 12; }, false},
      {"zone -13.5 east", [](ElectionEntry& e) { e.zone = -13.5, e.west = false; }, true},
      {"zone -13 east", [](ElectionEntry& e) { e.zone = -13, e.west = false; }, false},
      {"longitude 181", [](ElectionEntry& e) { e.lon_degrees = 181; }, true},
      {"longitude 180", [](ElectionEntry& e) { e.lon_degrees = 180, e.lon_minutes = 0; }, false},
      {"longitude minutes 60", [](ElectionEntry& e) { e.lon_minutes = 60; }, true},
      {"latitude minutes 60", [](ElectionEntry& e) { e.lat_minutes = 60; }, true},
      {"latitude 66 00", [](ElectionEntry& e) { e.lat_degrees = 66, e.lat_minutes = 0; }, false},
      {"31 April", [](ElectionEntry& e) { e.month = 4, e.day = 31; }, true},
      {"29 February 2026", [](ElectionEntry& e) { e.month = 2, e.day = 29; }, true},
      {"29 February 1900", [](ElectionEntry& e) { e.month = 2, e.day = 29, e.year = 1900; }, true},
      {"29 February 2024", [](ElectionEntry& e) { e.month = 2, e.day = 29, e.year = 2024; }, false},
      {"29 February 2000", [](ElectionEntry& e) { e.month = 2, e.day = 29, e.year = 2000; }, false},
      {"29 February 1500 (Julian)",
       [](ElectionEntry& e) { e.month = 2, e.day = 29, e.year = 1500; }, false},
      // The calendar reform dropped 5 to 14 October 1582.
      {"4 October 1582", [](ElectionEntry& e) { e.month = 10, e.day = 4, e.year = 1582; }, false},
      {"5 October 1582", [](ElectionEntry& e) { e.month = 10, e.day = 5, e.year = 1582; }, true},
      {"14 October 1582", [](ElectionEntry& e) { e.month = 10, e.day = 14, e.year = 1582; }, true},
      {"15 October 1582", [](ElectionEntry& e) { e.month = 10, e.day = 15, e.year = 1582; }, false},
  };
  for (const Case& c : cases) {
    ElectionEntry e = NewYork();
    c.change(e);
    test::RecordingMessages messages;
    const bool refused = ValidateElectionData(e, false, messages) != 0;
    EXPECT_EQ(refused, c.refused) << c.what;
    EXPECT_EQ(!messages.texts.empty(), c.refused) << c.what;
    for (size_t i = 0; i < messages.texts.size(); ++i) {
      EXPECT_EQ(messages.texts[i], "Error in election data. Please correct.") << c.what;
      EXPECT_EQ(messages.titles[i], "Warning!") << c.what;
    }
    EXPECT_EQ(StoreElectionData(e, false, messages).has_value(), !c.refused) << c.what;
  }
  test::RecordingMessages messages;
  const ElectionData stored = StoreElectionData(NewYork(), false, messages).value();
  EXPECT_EQ(std::vector<int>({stored.Year, stored.PmFlag, stored.WestFlag, stored.SouthFlag}),
            std::vector<int>({2026, 1, 1, 0}));
  EXPECT_FLOAT_EQ(stored.Zone, 5.0f);
}

// Above 66 degrees only Meridian and Morinus serve, and never beyond the pole;
// every failing group of checks speaks once.
TEST(ElectionChecks, HighLatitudesAndOneMessagePerFailingGroup) {
  const auto refusals = [](const ElectionEntry& e, bool meridian_or_morinus) {
    test::RecordingMessages messages;
    const bool refused = ValidateElectionData(e, meridian_or_morinus, messages) != 0;
    EXPECT_EQ(refused, !messages.texts.empty());
    return messages.texts;
  };
  for (auto [degrees, minutes] : {std::pair{66, 1}, std::pair{67, 0}}) {
    ElectionEntry e = NewYork();
    e.lat_degrees = degrees, e.lat_minutes = minutes;
    EXPECT_EQ(refusals(e, false),
              std::vector<std::string>{"Your latitude is too high. Lower to 66 degrees, 00 minutes "
                                       "or below OR change house systems."});
    EXPECT_TRUE(refusals(e, true).empty());
  }
  ElectionEntry e = NewYork();
  e.lat_degrees = 91;
  EXPECT_GE(refusals(e, true).size(), 1u);
  e = NewYork();
  e.month = 0, e.minute = 75, e.zone = 13;  // a zero, a minute above 59, a zone above 12
  EXPECT_EQ(refusals(e, false).size(), 3u);
}

}  // namespace
}  // namespace kairotex
