// The checks of an entered moment and place, and their messages.
#include "chart/election_checks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_messages.h"

namespace kairotex {
namespace {

ElectionEntry NewYork() {
  ElectionEntry e;
  e.name = "Test";
  e.month = 12;
  e.day = 6;
  e.year = 2026;
  e.hour = 5;
  e.minute = 30;
  e.pm = true;
  e.zone = 5;
  e.lon_degrees = 73;
  e.lon_minutes = 59;
  e.west = true;
  e.lat_degrees = 40;
  e.lat_minutes = 45;
  return e;
}

int Refusals(const ElectionEntry& e, bool meridian_or_morinus = false,
             test::RecordingMessages* out = nullptr) {
  test::RecordingMessages messages;
  const int error = ValidateElectionData(e, meridian_or_morinus, messages);
  EXPECT_EQ(error != 0, !messages.texts.empty());
  if (out) *out = messages;
  return static_cast<int>(messages.texts.size());
}

TEST(ElectionChecks, AGoodEntryIsStoredAsTyped) {
  test::RecordingMessages messages;
  const auto stored = StoreElectionData(NewYork(), false, messages);
  ASSERT_TRUE(stored);
  EXPECT_TRUE(messages.texts.empty());
  EXPECT_EQ(stored->Year, 2026);
  EXPECT_EQ(stored->PmFlag, 1);
  EXPECT_EQ(stored->WestFlag, 1);
  EXPECT_EQ(stored->SouthFlag, 0);
  EXPECT_FLOAT_EQ(stored->Zone, 5.0f);
}

TEST(ElectionChecks, EachBadFieldIsRefusedWithTheProgramsWords) {
  struct Case {
    const char* what;
    void (*spoil)(ElectionEntry&);
  };
  const Case cases[] = {
      {"month 0", [](ElectionEntry& e) { e.month = 0; }},
      {"day empty", [](ElectionEntry& e) { e.day.reset(); }},
      {"minute empty", [](ElectionEntry& e) { e.minute.reset(); }},
      {"zone -3 west", [](ElectionEntry& e) { e.zone = -3; }},
      {"month 13", [](ElectionEntry& e) { e.month = 13; }},
      {"day 32", [](ElectionEntry& e) { e.day = 32; }},
      {"year 2100", [](ElectionEntry& e) { e.year = 2100; }},
      {"hour 13", [](ElectionEntry& e) { e.hour = 13; }},
      {"minute 60", [](ElectionEntry& e) { e.minute = 60; }},
      {"zone 12.5", [](ElectionEntry& e) { e.zone = 12.5; }},
      {"zone -13.5 east", [](ElectionEntry& e) { e.zone = -13.5, e.west = false; }},
      {"longitude 181", [](ElectionEntry& e) { e.lon_degrees = 181; }},
      {"longitude minutes 60", [](ElectionEntry& e) { e.lon_minutes = 60; }},
      {"latitude minutes 60", [](ElectionEntry& e) { e.lat_minutes = 60; }},
      {"31 April", [](ElectionEntry& e) { e.month = 4, e.day = 31; }},
      {"29 February 2026", [](ElectionEntry& e) { e.month = 2, e.day = 29; }},
      {"29 February 1900", [](ElectionEntry& e) { e.month = 2, e.day = 29, e.year = 1900; }},
  };
  for (const Case& c : cases) {
    ElectionEntry e = NewYork();
    c.spoil(e);
    test::RecordingMessages messages;
    EXPECT_GE(Refusals(e, false, &messages), 1) << c.what;
    for (size_t i = 0; i < messages.texts.size(); ++i) {
      EXPECT_EQ(messages.texts[i], "Error in election data. Please correct.") << c.what;
      EXPECT_EQ(messages.titles[i], "Warning!") << c.what;
    }
    test::RecordingMessages store_messages;
    EXPECT_FALSE(StoreElectionData(e, false, store_messages)) << c.what;
  }
}

TEST(ElectionChecks, BoundsThatPass) {
  struct Case {
    const char* what;
    void (*change)(ElectionEntry&);
  };
  const Case cases[] = {
      {"zone -2 west", [](ElectionEntry& e) { e.zone = -2; }},
      {"zone -13 east", [](ElectionEntry& e) { e.zone = -13, e.west = false; }},
      {"zone 12", [](ElectionEntry& e) { e.zone = 12; }},
      {"year 2099", [](ElectionEntry& e) { e.year = 2099; }},
      {"29 February 2024", [](ElectionEntry& e) { e.month = 2, e.day = 29, e.year = 2024; }},
      {"29 February 2000", [](ElectionEntry& e) { e.month = 2, e.day = 29, e.year = 2000; }},
      {"29 February 1500 (Julian)",
       [](ElectionEntry& e) { e.month = 2, e.day = 29, e.year = 1500; }},
      {"longitude 180", [](ElectionEntry& e) { e.lon_degrees = 180, e.lon_minutes = 0; }},
      {"latitude 66 00", [](ElectionEntry& e) { e.lat_degrees = 66, e.lat_minutes = 0; }},
  };
  for (const Case& c : cases) {
    ElectionEntry e = NewYork();
    c.change(e);
    EXPECT_EQ(Refusals(e), 0) << c.what;
  }
}

TEST(ElectionChecks, HighLatitudesNeedMeridianOrMorinus) {
  for (auto [degrees, minutes] : {std::pair{66, 1}, std::pair{67, 0}}) {
    ElectionEntry e = NewYork();
    e.lat_degrees = degrees;
    e.lat_minutes = minutes;
    test::RecordingMessages messages;
    EXPECT_EQ(Refusals(e, false, &messages), 1);
    EXPECT_EQ(messages.texts[0],
              "Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change "
              "house systems.");
    EXPECT_EQ(Refusals(e, true), 0);
  }
  ElectionEntry beyond_pole = NewYork();
  beyond_pole.lat_degrees = 91;
  EXPECT_GE(Refusals(beyond_pole, true), 1);
}

TEST(ElectionChecks, EveryFailingGroupSpeaks) {
  ElectionEntry e = NewYork();
  e.month = 0;    // value 0
  e.minute = 75;  // minute above 59
  e.zone = 13;    // zone above 12
  EXPECT_EQ(Refusals(e), 3);
}

}  // namespace
}  // namespace kairotex
