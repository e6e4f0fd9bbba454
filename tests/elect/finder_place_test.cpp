// A town of the atlas as the finder's place: the place to the minute and the
// zone in force at the start of the range.
#include "elect/finder_place.h"

#include <gtest/gtest.h>

namespace kairotex {
namespace {

AtlasPlace Town(double latitude, double longitude, const char* zone) {
  AtlasPlace town;
  town.name = "Town";
  town.latitude = latitude;
  town.longitude = longitude;
  town.zone = zone;
  return town;
}

TEST(FinderPlace, TheTownsPlaceAndTheZoneAtTheStartOfTheRange) {
  ElectionData chart;
  chart.Name = "Wedding";
  chart.Zone = 5;
  const AtlasPlace berlin = Town(52.52, 13.405, "Europe/Berlin");
  const AtlasPlace new_york = Town(40.7128, -74.006, "America/New_York");
  const struct {
    const AtlasPlace& town;
    FinderLocalTime from;
    float zone;
  } cases[] = {
      {berlin, {2026, 7, 1, 10, 0}, -2.0f},    // summer time, east of Greenwich
      {berlin, {2026, 1, 15, 0, 0}, -1.0f},    // standard time
      {new_york, {2026, 3, 8, 2, 30}, 4.0f},   // skipped by the spring change: the zone after it
      {new_york, {2026, 11, 1, 1, 30}, 4.0f},  // came twice: the first instance
      {new_york, {1850, 6, 1, 12, 0}, 74.006f / 15.0f},  // local mean time
  };
  for (const auto& c : cases) {
    const FinderPlace found = FinderPlaceOfTown(chart, c.town, c.from);
    SCOPED_TRACE(c.town.zone + " " + std::to_string(c.from.year));
    EXPECT_TRUE(found.problem.empty()) << found.problem;
    EXPECT_NEAR(found.place.Zone, c.zone, 0.001);
    EXPECT_EQ(found.place.Name, "Wedding");
  }
  const ElectionData b = FinderPlaceOfTown(chart, berlin, {2026, 7, 1, 10, 0}).place;
  EXPECT_EQ(b.LatDegrees * 100 + b.LatMinutes, 5231);
  EXPECT_EQ(b.LonDegrees * 100 + b.LonMinutes, 1324);
  EXPECT_EQ(b.SouthFlag, 0);
  EXPECT_EQ(b.WestFlag, 0);
}

TEST(FinderPlace, AZoneTheDatabaseLacksKeepsTheZoneAndSaysSo) {
  ElectionData chart;
  chart.Zone = 5;
  const FinderPlace found =
      FinderPlaceOfTown(chart, Town(-33.87, 151.21, "Nowhere/Atlantis"), {2026, 7, 1, 10, 0});
  EXPECT_EQ(found.place.Zone, 5.0f);
  EXPECT_EQ(found.place.SouthFlag, 1);
  EXPECT_EQ(found.problem,
            "Nowhere/Atlantis is not in the time zone database: the zone stays as it was");
}

}  // namespace
}  // namespace kairotex
