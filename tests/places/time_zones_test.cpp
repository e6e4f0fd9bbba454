// Offsets from the system's zone database at known dates, the spring gap and
// the autumn overlap, and local mean time on the place's own meridian.
#include "places/time_zones.h"

#include <gtest/gtest.h>

namespace kairotex {
namespace {

TimeZone Zone(const std::string& name) {
  std::optional<TimeZone> zone = TimeZone::Load(name);
  if (!zone) throw std::runtime_error("no zone " + name);
  return *zone;
}

TEST(TimeZones, KnownOffsetsFromTheDatabase) {
  const struct {
    const char* zone;
    CivilTime local;
    double longitude_east;
    int64_t offset;
    bool local_mean_time;
  } cases[] = {
      {"America/New_York", {1900, 7, 1, 12, 0, 0}, -74.006, -5 * 3600, false},
      // Before standard time: 74 00 30 W is 4 h 56 m 02 s of mean time.
      {"America/New_York",
       {1880, 7, 1, 12, 0, 0},
       -(74 + 0.5 / 60),
       -(4 * 3600 + 56 * 60 + 2),
       true},
      // Ulm in 1879 keeps Ulm's meridian (9 59 E: 39 m 56 s), not Berlin's 53 m 28 s.
      {"Europe/Berlin", {1879, 7, 1, 12, 0, 0}, 9 + 59.0 / 60, 39 * 60 + 56, true},
      {"Europe/Oslo", {1960, 7, 1, 12, 0, 0}, 10.75, 2 * 3600, false},
      {"Europe/Amsterdam", {1930, 7, 1, 12, 0, 0}, 4.89, 3600 + 19 * 60 + 32, false},
      {"America/New_York", {2100, 7, 1, 12, 0, 0}, -74.006, -4 * 3600, false},
      {"Europe/Istanbul", {2015, 12, 1, 12, 0, 0}, 28.95, 2 * 3600, false},
      {"Europe/Istanbul", {2017, 1, 1, 12, 0, 0}, 28.95, 3 * 3600, false},
      {"Australia/Melbourne", {1979, 1, 1, 12, 0, 0}, 144.96, 11 * 3600, false},
      {"Asia/Kolkata", {2000, 1, 1, 12, 0, 0}, 88.36, 5 * 3600 + 30 * 60, false},
  };
  for (const auto& c : cases) {
    const LocalTimeResolution r = ResolveLocalTime(Zone(c.zone), c.local, c.longitude_east);
    EXPECT_EQ(r.kind, LocalTimeKind::kUnique) << c.zone << " " << c.local.year;
    EXPECT_EQ(r.utc_offset_seconds, c.offset) << c.zone << " " << c.local.year;
    EXPECT_EQ(r.local_mean_time, c.local_mean_time) << c.zone << " " << c.local.year;
  }
  EXPECT_NEAR(ZoneHoursWest(3600 + 19 * 60 + 32), -1.3255556, 1e-7);
  EXPECT_EQ(ZoneHoursWest(-5 * 3600), 5.0);
}

TEST(TimeZones, ASpringGapIsSkippedAndNamed) {
  const CivilTime asked{2021, 3, 14, 2, 30, 0};
  const LocalTimeResolution r = ResolveLocalTime(Zone("America/New_York"), asked, -74.006);
  EXPECT_EQ(r.kind, LocalTimeKind::kSkipped);
  EXPECT_EQ(r.last_before_gap, (CivilTime{2021, 3, 14, 1, 59, 0}));
  EXPECT_EQ(r.first_after_gap, (CivilTime{2021, 3, 14, 3, 0, 0}));
  EXPECT_EQ(SkippedTimeMessage("America/New_York", asked, r),
            "14 March 2021, 2.30 A.M. does not exist in America/New_York: the clocks were put "
            "forward from 2.00 A.M. to 3.00 A.M.; take 1.59 A.M. (before the change) or 3.00 A.M. "
            "(after it).");
}

TEST(TimeZones, AnAutumnOverlapTakesTheFirstUnlessTheSecondIsAsked) {
  const CivilTime asked{1983, 9, 25, 2, 30, 0};
  const TimeZone paris = Zone("Europe/Paris");
  const LocalTimeResolution first = ResolveLocalTime(paris, asked, 2.35);
  EXPECT_EQ(first.kind, LocalTimeKind::kRepeated);
  EXPECT_EQ(first.utc_offset_seconds, 2 * 3600);
  EXPECT_EQ(first.abbreviation, "CEST");
  const LocalTimeResolution second = ResolveLocalTime(paris, asked, 2.35, Instance::kSecond);
  EXPECT_EQ(second.utc_offset_seconds, 3600);
  EXPECT_EQ(RepeatedTimeMessage("Europe/Paris", asked, second, Instance::kSecond),
            "25 September 1983, 2.30 A.M. came twice in Europe/Paris, first at +02:00 and again "
            "at +01:00. The second (+01:00) was taken.");
  // A unique time ignores the choice.
  EXPECT_EQ(ResolveLocalTime(paris, {1983, 9, 25, 4, 0, 0}, 2.35, Instance::kSecond).kind,
            LocalTimeKind::kUnique);
}

TEST(TimeZones, UniversalTimesNamesAndOffsetTexts) {
  // 2021-07-01 00:00 UTC and 2021-01-01 00:00 UTC in New York.
  EXPECT_EQ(OffsetAtUniversalTime(Zone("America/New_York"), 1625097600, -74.0), -4 * 3600);
  EXPECT_EQ(OffsetAtUniversalTime(Zone("America/New_York"), 1609459200, -74.0), -5 * 3600);
  EXPECT_FALSE(TimeZone::Load("Mars/Olympus_Mons"));
  EXPECT_FALSE(TimeZone::Load(""));
  EXPECT_TRUE(IsKnownZone("Europe/Berlin"));
  EXPECT_TRUE(IsKnownZone(ComputerZoneName()));
  const std::pair<int64_t, const char*> texts[] = {{4772, "+01:19:32"},
                                                   {-17762, "-04:56:02"},
                                                   {7200, "+02:00"},
                                                   {0, "+00:00"},
                                                   {-1800, "-00:30"}};
  for (const auto& [seconds, text] : texts) EXPECT_EQ(OffsetText(seconds), text);
}

}  // namespace
}  // namespace kairotex
