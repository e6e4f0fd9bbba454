// A town's coordinates and zone turned into the election fields.
#include "places/election_place.h"

#include <gtest/gtest.h>

namespace kairotex {
namespace {

TEST(ElectionPlace, CoordinatesToTheNearestMinuteWithTheirDirections) {
  const struct {
    double latitude, longitude;
    int lat_degrees, lat_minutes;
    bool south;
    int lon_degrees, lon_minutes;
    bool west;
  } cases[] = {{48.3984, 9.9916, 48, 24, false, 9, 59, false},
               {40.7143, -74.006, 40, 43, false, 74, 0, true},
               {-37.814, 144.9633, 37, 49, true, 144, 58, false},
               {10.99999, -0.0001, 11, 0, false, 0, 0, true},  // the minutes carry
               {0, 180, 0, 0, false, 180, 0, false}};
  for (const auto& c : cases) {
    ElectionEntry e;
    SetEntryPlace(e, c.latitude, c.longitude);
    EXPECT_EQ(*e.lat_degrees, c.lat_degrees) << c.latitude;
    EXPECT_EQ(*e.lat_minutes, c.lat_minutes) << c.latitude;
    EXPECT_EQ(e.south, c.south) << c.latitude;
    EXPECT_EQ(*e.lon_degrees, c.lon_degrees) << c.longitude;
    EXPECT_EQ(*e.lon_minutes, c.lon_minutes) << c.longitude;
    EXPECT_EQ(e.west, c.west) << c.longitude;
    EXPECT_NEAR(EntryLongitudeEast(e), c.longitude, 1.0 / 120 + 1e-9);
  }
}

ElectionEntry At(int year, int month, int day, int hour12, int minute, bool pm) {
  ElectionEntry e;
  e.year = year, e.month = month, e.day = day, e.hour = hour12, e.minute = minute, e.pm = pm;
  return e;
}

TEST(ElectionPlace, TheZoneFieldAtTheEntrysClockTime) {
  const TimeZone amsterdam = *TimeZone::Load("Europe/Amsterdam");
  ElectionEntry e = At(1930, 7, 1, 12, 0, true);
  EXPECT_EQ(SetEntryZone(e, amsterdam, 4.89, Instance::kFirst).outcome, EntryZone::Outcome::kTaken);
  EXPECT_NEAR(*e.zone, -(1 + 19 / 60.0 + 32 / 3600.0), 1e-9);

  // 12 A.M. is midnight: 2 A.M. in the New York gap, and nothing set.
  const TimeZone new_york = *TimeZone::Load("America/New_York");
  ElectionEntry gap = At(2021, 3, 14, 2, 30, false);
  const EntryZone skipped = SetEntryZone(gap, new_york, -74.0, Instance::kFirst);
  EXPECT_EQ(skipped.outcome, EntryZone::Outcome::kSkipped);
  EXPECT_FALSE(gap.zone.has_value());
  ElectionEntry midnight = At(2021, 3, 14, 12, 30, false);
  EXPECT_EQ(SetEntryZone(midnight, new_york, -74.0, Instance::kFirst).outcome,
            EntryZone::Outcome::kTaken);
  EXPECT_EQ(*midnight.zone, 5.0);

  const TimeZone paris = *TimeZone::Load("Europe/Paris");
  ElectionEntry twice = At(1983, 9, 25, 2, 30, false);
  const EntryZone second = SetEntryZone(twice, paris, 2.35, Instance::kSecond);
  EXPECT_EQ(second.outcome, EntryZone::Outcome::kRepeated);
  EXPECT_EQ(*twice.zone, -1.0);
  EXPECT_NE(second.message.find("The second (+01:00) was taken."), std::string::npos);

  // Missing or impossible fields leave the zone to the election checks.
  for (ElectionEntry bad : {At(2021, 13, 1, 12, 0, false), At(2021, 2, 29, 12, 0, false),
                            At(2021, 1, 1, 13, 0, false), ElectionEntry{}}) {
    EXPECT_EQ(SetEntryZone(bad, paris, 2.35, Instance::kFirst).outcome,
              EntryZone::Outcome::kIncomplete);
    EXPECT_FALSE(bad.zone.has_value());
  }
}

}  // namespace
}  // namespace kairotex
