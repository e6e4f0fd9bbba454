// The election dialog's Place box and "Set as default place", without the
// window: the boxes a town fills, the zone that follows the typed date and
// time, and options 18 to 24 written with their notes kept.
#include "mainwindow/dialog_place.h"

#include <gtest/gtest.h>

#include "mainwindow/default_place.h"
#include "program_copy.h"
#include "settings/options.h"

namespace kairotex::test {
namespace {

AtlasPlace NewYorkCity() {
  AtlasPlace town;
  town.name = town.ascii_name = "New York City";
  town.region = "New York";
  town.country_code = "US";
  town.country = "United States";
  town.latitude = 40.71427;
  town.longitude = -74.00597;
  town.zone = "America/New_York";
  return town;
}

ElectionFields Typed(const char* month, const char* day, const char* hour, bool pm) {
  ElectionFields f;
  f.month = month, f.day = day, f.year = "2021", f.hour = hour, f.minute = "30", f.pm = pm;
  f.zone.assign(1, '0');  // not = "0": GCC 12 warns falsely (-Wrestrict) on that
  return f;
}

TEST(DialogPlace, ATownFillsThePlaceAndTheZoneFollowsTheDate) {
  DialogPlace place;
  ElectionFields f = Typed("1", "15", "10", false);
  const DialogZoneStatus winter = ChooseDialogPlace(place, NewYorkCity(), f);
  EXPECT_EQ(place.label, "New York City, New York, United States");
  EXPECT_EQ(f.lon_degrees + " " + f.lon_minutes + " " + f.lat_degrees + " " + f.lat_minutes,
            "74 0 40 43");
  EXPECT_TRUE(f.west);
  EXPECT_FALSE(f.south);
  EXPECT_EQ(f.zone, "5");
  EXPECT_EQ(winter.text, "America/New_York -05:00 EST");
  f.month = "7";  // typed later: the zone follows
  EXPECT_EQ(UpdateDialogZone(place, f).text, "America/New_York -04:00 EDT");
  EXPECT_EQ(f.zone, "4");
  // The spring gap: said, the zone box left, and OK refused.
  f.month = "3", f.day = "14", f.hour = "2";
  const DialogZoneStatus gap = UpdateDialogZone(place, f);
  EXPECT_TRUE(gap.skipped);
  EXPECT_EQ(f.zone, "4");
  EXPECT_EQ(SkippedTimeRefusal(place, f), gap.text);
  // The autumn overlap offers the second instance.
  f.month = "11", f.day = "7", f.hour = "1";
  const DialogZoneStatus twice = UpdateDialogZone(place, f);
  EXPECT_TRUE(twice.repeated);
  EXPECT_EQ(f.zone, "4");
  place.instance = Instance::kSecond;
  UpdateDialogZone(place, f);
  EXPECT_EQ(f.zone, "5");
  // A zone typed by hand stays, and OK goes on.
  place.zone_by_hand = true;
  f.zone = "4.5";
  f.month = "3", f.day = "14", f.hour = "2";
  UpdateDialogZone(place, f);
  EXPECT_EQ(f.zone, "4.5");
  EXPECT_EQ(SkippedTimeRefusal(place, f), "");
  // Without a town nothing changes.
  ElectionFields untouched = Typed("7", "1", "12", true);
  EXPECT_EQ(UpdateDialogZone(DialogPlace{}, untouched).text, "");
  EXPECT_EQ(untouched.zone, "0");
}

class DefaultPlace : public ProgramCopy {};

TEST_F(DefaultPlace, ATownChosenInSummerKeepsItsStandardZoneInOptions18To24) {
  Start();
  DialogPlace place;
  ElectionFields f = Typed("7", "1", "12", true);
  ChooseDialogPlace(place, NewYorkCity(), f);
  ASSERT_EQ(f.zone, "4");
  clock.Set({2026, 7, 1, 12, 0, 0}, 4);  // a summer's day
  const std::optional<double> standard = DialogStandardZone(place, clock);
  ASSERT_TRUE(standard);
  EXPECT_EQ(*standard, 5.0);
  const auto values = DefaultPlaceOptions(f, standard, messages);
  ASSERT_TRUE(values);
  std::string error;
  ASSERT_TRUE(SaveDefaultPlace(context, *values, &error)) << error;
  const std::string file = File("OPTIONS.OPT");
  EXPECT_NE(file.find("\r\n5      time zone of the Now chart (hours, positive west)\r\n74     "
                      "default longitude: degrees\r\n0      default longitude: minutes\r\n"),
            std::string::npos);
  EXPECT_NE(file.find("\r\n43     default latitude: minutes\r\n"), std::string::npos);
  EXPECT_EQ(context.program.options[20], 0.0f);
  EXPECT_EQ(context.program.options[23], 43.0f);
  EXPECT_TRUE(messages.texts.empty());
}

TEST_F(DefaultPlace, AZoneOfSecondsFitsItsFieldAndBadPlacesAreRefused) {
  Start();
  ElectionFields f = Typed("7", "1", "12", true);
  f.lon_degrees = "4", f.lon_minutes = "53", f.west = false;
  f.lat_degrees = "52", f.lat_minutes = "22";
  const auto amsterdam = DefaultPlaceOptions(f, -(1 + 19 / 60.0 + 32 / 3600.0), messages);
  ASSERT_TRUE(amsterdam);
  ASSERT_TRUE(SaveDefaultPlace(context, *amsterdam, nullptr));
  EXPECT_NE(File("OPTIONS.OPT").find("\r\n-1.326 time zone"), std::string::npos);
  EXPECT_EQ((*amsterdam)[3], -1.0f);  // east
  f.lat_degrees = "67";               // the Now chart is cast in every house system
  EXPECT_FALSE(DefaultPlaceOptions(f, std::nullopt, messages));
  EXPECT_EQ(messages.texts.size(), 1u);
  // A file that cannot be written keeps the options as they were.
  std::filesystem::permissions(dir + "/OPTIONS.OPT", std::filesystem::perms::owner_read,
                               std::filesystem::perm_options::replace);
  std::string error;
  EXPECT_FALSE(SaveDefaultPlace(context, *amsterdam, &error));
  EXPECT_NE(error.find("write-protected"), std::string::npos);
  std::filesystem::permissions(dir + "/OPTIONS.OPT", std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::replace);
}

}  // namespace
}  // namespace kairotex::test
