// The atlas: the delivered ATLAS.DAT with its known towns, the search's
// matching and ranking, the user's PLACES.TXT, damaged atlas files and the
// folding of names.
#include "places/atlas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>

#include "places/name_folding.h"
#include "settings/data_file_error.h"
#include "test_paths.h"

namespace kairotex {
namespace {

const Atlas& DeliveredAtlas() {
  static const Atlas atlas = Atlas::Load(test::DataDir() + "/" + kAtlasFileName);
  return atlas;
}

std::vector<std::string> Labels(const std::vector<const AtlasPlace*>& found) {
  std::vector<std::string> labels;
  for (const AtlasPlace* place : found) labels.push_back(PlaceLabel(*place));
  return labels;
}

TEST(DeliveredAtlas, HoldsEveryTownOfTheSource) {
  EXPECT_EQ(DeliveredAtlas().size(), 23461u);
  std::set<std::string> zones;
  for (const AtlasPlace& place : DeliveredAtlas().places()) zones.insert(place.zone);
  EXPECT_EQ(zones.size(), 345u);
}

// The first town found, with GeoNames' coordinates.
TEST(DeliveredAtlas, FindsKnownTowns) {
  struct Case {
    const char* query;
    const char* label;
    const char* country_code;
    const char* zone;
    double latitude, longitude;
  };
  const Case cases[] = {
      {"Ulm", "Ulm, Baden-Württemberg, Germany", "DE", "Europe/Berlin", 48.398, 9.991},
      {"ulm, de", "Ulm, Baden-Württemberg, Germany", "DE", "Europe/Berlin", 48.398, 9.991},
      {"zurich", "Zürich, Switzerland", "CH", "Europe/Zurich", 47.367, 8.550},
      {"Zürich", "Zürich, Switzerland", "CH", "Europe/Zurich", 47.367, 8.550},
      {"ZÜR", "Zürich, Switzerland", "CH", "Europe/Zurich", 47.367, 8.550},
      {"  Zurich ,  switz ", "Zürich, Switzerland", "CH", "Europe/Zurich", 47.367, 8.550},
      {"New York", "New York City, New York, United States", "US", "America/New_York", 40.714,
       -74.006},
      {"lodz", "Łódź, Łódź Voivodeship, Poland", "PL", "Europe/Warsaw", 51.750, 19.467},
      {"Ams", "Amsterdam, North Holland, Netherlands", "NL", "Europe/Amsterdam", 52.374, 4.890},
      // The exact name before the far larger Mexico City.
      {"mexico", "Mexico, Central Luzon, Philippines", "PH", "Asia/Manila", 15.064, 120.719},
      // The region named as the town is left out of the label.
      {"Mexico C", "Mexico City, Mexico", "MX", "America/Mexico_City", 19.428, -99.128},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.query);
    const std::vector<const AtlasPlace*> found = DeliveredAtlas().Search(c.query, 5);
    ASSERT_FALSE(found.empty());
    const AtlasPlace& place = *found.front();
    EXPECT_EQ(PlaceLabel(place), c.label);
    EXPECT_EQ(place.country_code, c.country_code);
    EXPECT_EQ(place.zone, c.zone);
    EXPECT_NEAR(place.latitude, c.latitude, 0.001);
    EXPECT_NEAR(place.longitude, c.longitude, 0.001);
    EXPECT_FALSE(place.from_user_file);
  }
}

TEST(DeliveredAtlas, SpringfieldsRankByPopulationAndNarrowByRegion) {
  const std::vector<const AtlasPlace*> all = DeliveredAtlas().Search("Springfield", 20);
  ASSERT_EQ(all.size(), 8u);
  EXPECT_EQ(all.front()->region, "Missouri");
  EXPECT_TRUE(std::is_sorted(all.begin(), all.end(), [](const AtlasPlace* a, const AtlasPlace* b) {
    return a->population > b->population;
  }));
  struct Case {
    const char* query;
    size_t count;
    const char* first_region;
  };
  const Case cases[] = {
      {"Springfield, Illinois", 1, "Illinois"},  {"springfield, il", 1, "Illinois"},
      {"springfield, mass", 1, "Massachusetts"}, {"Springfield, US", 8, "Missouri"},
      {"Springfield, united st", 8, "Missouri"}, {"Springfield, Ohio, US", 1, "Ohio"},
      {"Springfield, ohio, de", 0, ""},          {"Springfield, linois", 0, ""},
      {"Springfield,", 8, "Missouri"},           {"Springf, o", 2, "Ohio"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.query);
    const std::vector<const AtlasPlace*> found = DeliveredAtlas().Search(c.query, 20);
    ASSERT_EQ(found.size(), c.count) << ::testing::PrintToString(Labels(found));
    if (c.count > 0) {
      EXPECT_EQ(found.front()->region, c.first_region);
    }
  }
}

TEST(DeliveredAtlas, PrefixesLimitsAndEmptyQueries) {
  const std::vector<const AtlasPlace*> ams = DeliveredAtlas().Search("Ams", 3);
  ASSERT_EQ(ams.size(), 3u);
  EXPECT_EQ(ams[0]->name, "Amsterdam");
  EXPECT_EQ(DeliveredAtlas().Search("San", 7).size(), 7u);
  for (const AtlasPlace* place : DeliveredAtlas().Search("San", 50)) {
    EXPECT_EQ(FoldName(place->ascii_name).substr(0, 3), "san") << place->name;
  }
  for (const char* query : {"", "   ", ",", " , DE", "Xqzv"}) {
    EXPECT_TRUE(DeliveredAtlas().Search(query, 10).empty()) << query;
  }
  EXPECT_TRUE(DeliveredAtlas().Search("Ulm", 0).empty());
}

// --- The user's PLACES.TXT -------------------------------------------------

bool KnownZone(const std::string& zone) {
  return zone == "Europe/Berlin" || zone == "Europe/Zurich" || zone == "Europe/Paris" ||
         zone == "America/Chicago" || zone == "America/New_York";
}

struct UserFile {
  Atlas atlas;
  std::string path;
  std::vector<std::string> warnings;
};

UserFile WithUserFile(const std::string& text) {
  UserFile file{DeliveredAtlas(), test::MakeTempDir("places") + "/" + kUserPlacesFileName, {}};
  test::WriteText(file.path, text);
  file.atlas.AddUserPlaces(file.path, KnownZone, file.warnings);
  return file;
}

const std::string kUserPlaces =
    "# My own places\r\n"                                               // 1
    "Ulm West, Baden-Württemberg, DE, 48.40, 9.95, Europe/Berlin\r\n"   // 2
    "\r\n"                                                              // 3
    "  Hinterdorf ,, ch, 47n22, 8E33, Europe/Zurich\r\n"                // 4
    "Caf\xE9 du Port, Bretagne, France, 47N45, 3w22, Europe/Paris\r\n"  // 5: Latin-1
    "Springfield, Illinois, US, 39.8, -89.64, America/Chicago\r\n"      // 6
    "Far South, , Narnia, 40s45, +73.5, America/New_York\r\n"           // 7
    "Only, three, fields\r\n"                                           // 8
    "Too Far, , DE, 95.0, 9.95, Europe/Berlin\r\n"                      // 9
    "Unreadable, , DE, 48x24, 9.95, Europe/Berlin\r\n"                  // 10
    "Sixty, , DE, 48.0, 9e60, Europe/Berlin\r\n"                        // 11
    "East, , DE, 48.0, 180.5, Europe/Berlin\r\n"                        // 12
    "Olympus Mons, Tharsis, , 18.65, -133.8, Mars/Olympus\r\n"          // 13
    ", , DE, 48, 9, Europe/Berlin\r\n"                                  // 14
    "Nowhere Special, , xx, 0n30, 0W30, Europe/Berlin\n"                // 15
    "Seven, fields, DE, 48, 9, Europe/Berlin, extra";                   // 16

TEST(UserPlaces, BadLinesAreToldWithTheirLineAndSkipped) {
  const UserFile file = WithUserFile(kUserPlaces);
  EXPECT_EQ(file.atlas.size(), DeliveredAtlas().size() + 6);
  struct Case {
    int line;
    const char* problem;
  };
  const Case cases[] = {
      {8, "the line has 3 fields, not the 6 of name, region, country, latitude, longitude, zone."},
      {9, "the latitude \"95.0\" is outside -90 to 90."},
      {10,
       "the latitude \"48x24\" is neither degrees (48.40) nor degrees, n or s, minutes (48n24)."},
      {11, "the longitude \"9e60\" is neither degrees (9.95) nor degrees, e or w, minutes (9e57)."},
      {12, "the longitude \"180.5\" is outside -180 to 180."},
      {13, "the zone \"Mars/Olympus\" is not in the time zone database."},
      {14, "the name is empty."},
      {16, "the line has 7 fields, not the 6 of name, region, country, latitude, longitude, zone."},
  };
  ASSERT_EQ(file.warnings.size(), std::size(cases)) << ::testing::PrintToString(file.warnings);
  for (size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(file.warnings[i], "Line " + std::to_string(cases[i].line) + " of " + file.path +
                                    ": " + cases[i].problem + " The place was not added.");
  }
}

TEST(UserPlaces, GoodLinesInBothCoordinateFormsAndLatin1) {
  const UserFile file = WithUserFile(kUserPlaces);
  struct Case {
    const char* query;
    const char* label;
    const char* country_code;
    double latitude, longitude;
    const char* zone;
  };
  const Case cases[] = {
      {"ulm west", "Ulm West, Baden-Württemberg, Germany", "DE", 48.40, 9.95, "Europe/Berlin"},
      {"hinterdorf, switzerland", "Hinterdorf, Switzerland", "CH", 47 + 22 / 60.0, 8 + 33 / 60.0,
       "Europe/Zurich"},
      {"cafe du port, fr", "Café du Port, Bretagne, France", "FR", 47.75, -(3 + 22 / 60.0),
       "Europe/Paris"},
      {"Far South, narnia", "Far South, Narnia", "", -(40 + 45 / 60.0), 73.5, "America/New_York"},
      // An unknown code stands for its country.
      {"nowhere, xx", "Nowhere Special, XX", "XX", 0.5, -0.5, "Europe/Berlin"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.query);
    const std::vector<const AtlasPlace*> found = file.atlas.Search(c.query, 3);
    ASSERT_FALSE(found.empty());
    const AtlasPlace& place = *found.front();
    EXPECT_EQ(PlaceLabel(place), c.label);
    EXPECT_EQ(place.country_code, c.country_code);
    EXPECT_NEAR(place.latitude, c.latitude, 1e-9);
    EXPECT_NEAR(place.longitude, c.longitude, 1e-9);
    EXPECT_EQ(place.zone, c.zone);
    EXPECT_EQ(place.population, 0);
    EXPECT_TRUE(place.from_user_file);
  }
}

// The user's own places come before the atlas's of the same name, and
// otherwise rank as the small places they are counted as.
TEST(UserPlaces, RankBeforeTheAtlasPlacesOfTheirName) {
  const UserFile file = WithUserFile(kUserPlaces);
  const std::vector<const AtlasPlace*> springfields = file.atlas.Search("Springfield", 20);
  ASSERT_EQ(springfields.size(), 9u);
  EXPECT_TRUE(springfields[0]->from_user_file);
  EXPECT_EQ(springfields[1]->region, "Missouri");
  const std::vector<const AtlasPlace*> ulm = file.atlas.Search("Ulm", 50);
  ASSERT_GE(ulm.size(), 2u);
  EXPECT_EQ(ulm.front()->name, "Ulm");
  EXPECT_EQ(ulm.back()->name, "Ulm West");
}

TEST(UserPlaces, AMissingFileIsNothingAFolderOneWarning) {
  const std::string dir = test::MakeTempDir("places-none");
  Atlas atlas = DeliveredAtlas();
  std::vector<std::string> warnings;
  atlas.AddUserPlaces(dir + "/" + kUserPlacesFileName, KnownZone, warnings);
  EXPECT_TRUE(warnings.empty());
  std::filesystem::create_directory(dir + "/" + kUserPlacesFileName);
  atlas.AddUserPlaces(dir + "/" + kUserPlacesFileName, KnownZone, warnings);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0], dir + "/" + kUserPlacesFileName +
                             " is a folder, not a file. Your own places were not added.");
  EXPECT_EQ(atlas.size(), DeliveredAtlas().size());
}

// --- Damaged atlas files ----------------------------------------------------

const std::string kSmallAtlas =
    "ATLAS\t2\t1\t2\t3\r\n"                                // 1
    "CH\tSwitzerland\r\n"                                  // 2
    "DE\tGermany\r\n"                                      // 3
    "Baden-Württemberg\r\n"                                // 4
    "Europe/Berlin\r\n"                                    // 5
    "Europe/Zurich\r\n"                                    // 6
    "Ulm\t\t0\tDE\t48.39841\t9.99155\t120451\t0\r\n"       // 7
    "Zürich\tZurich\t\tCH\t47.36667\t8.55\t341730\t1\r\n"  // 8
    "Winterthur\t\t\tCH\t47.5\t8.75\t0\t1\r\n";            // 9

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return text.replace(at, from.size(), to);
}

// A record's empty ASCII name and region read as the name and no region;
// plain LF line ends read the same.
TEST(AtlasFile, ASmallAtlasReadsWhole) {
  const std::string path = test::MakeTempDir("atlas") + "/" + kAtlasFileName;
  std::string lf = kSmallAtlas;
  std::erase(lf, '\r');
  test::WriteText(path, lf);
  const Atlas atlas = Atlas::Load(path);
  ASSERT_EQ(atlas.size(), 3u);
  EXPECT_EQ(atlas.places()[0].ascii_name, "Ulm");
  EXPECT_EQ(Labels(atlas.Search("w", 5)), std::vector<std::string>{"Winterthur, Switzerland"});
}

TEST(AtlasFile, DamagedFilesAreRefusedWithFileAndLine) {
  struct Case {
    const char* what;
    std::string text;
    int line;
    const char* message;
  };
  const std::string a = kSmallAtlas;
  const Case cases[] = {
      {"empty", "", 0, "the file is empty"},
      {"not an atlas", Replaced(a, "ATLAS", "ATLAS2"), 1, "the first line must be ATLAS"},
      {"count too large", Replaced(a, "\t2\t3\r", "\t2\t4\r"), 1,
       "the first line counts 9 records after it, but the file holds 8"},
      {"cut", a.substr(0, a.rfind("Winterthur")), 1, "the file holds 7"},
      {"a line added", a + "Bern\t\t\tCH\t46.9\t7.4\t133883\t1\r\n", 1, "the file holds 9"},
      {"bad country code", Replaced(a, "CH\tSwitzerland", "Ch\tSwitzerland"), 2,
       "the country code \"Ch\" is not two capital letters"},
      {"empty region", Replaced(a, "Baden-Württemberg", ""), 4,
       "a line of the regions must hold one name"},
      {"empty zone", Replaced(a, "Europe/Zurich\r", "\r"), 6,
       "a line of the zones must hold one name"},
      {"latitude too far north", Replaced(a, "48.39841", "90.5"), 7,
       "the latitude \"90.5\" is not a number from -90 to 90"},
      {"latitude not a number", Replaced(a, "48.39841", "48n23"), 7, "the latitude \"48n23\""},
      {"latitude not finite", Replaced(a, "48.39841", "nan"), 7, "the latitude \"nan\""},
      {"longitude too far east", Replaced(a, "9.99155", "180.01"), 7,
       "the longitude \"180.01\" is not a number from -180 to 180"},
      {"too few fields", Replaced(a, "\t8.55\t", "\t"), 8,
       "a place needs 8 fields (name, ASCII name, region, country, latitude, longitude, "
       "population, zone), not 7"},
      {"empty name", Replaced(a, "Winterthur", ""), 9, "the place's name is empty"},
      {"negative population", Replaced(a, "\t0\t1\r", "\t-5\t1\r"), 9,
       "the population \"-5\" is not a whole number of 0 or more"},
      {"no zone", Replaced(a, "\t0\t1\r", "\t0\t\r"), 9, "the zone number \"\" is not one of"},
      {"unknown zone", Replaced(a, "\t341730\t1", "\t341730\t2"), 8,
       "the zone number \"2\" is not one of the 2 zones"},
      {"unknown region", Replaced(a, "\t\t0\tDE", "\t\t1\tDE"), 7,
       "the region number \"1\" is not one of the 1 regions"},
      {"unknown country", Replaced(a, "\tDE\t48", "\tFR\t48"), 7,
       "the country code \"FR\" is not one of the countries"},
  };
  const std::string dir = test::MakeTempDir("atlas-damaged");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string path = dir + "/" + kAtlasFileName;
    test::WriteText(path, c.text);
    try {
      Atlas::Load(path);
      ADD_FAILURE() << "loaded";
    } catch (const DataFileError& e) {
      EXPECT_EQ(e.file(), path);
      EXPECT_EQ(e.line(), c.line);
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
}

TEST(AtlasFile, AMissingFileOrAFolderIsRefused) {
  const std::string dir = test::MakeTempDir("atlas-missing");
  const std::pair<std::string, const char*> cases[] = {
      {dir + "/" + kAtlasFileName, "file not found"},
      {dir, "is a folder, not a file"},
  };
  for (const auto& [path, message] : cases) {
    try {
      Atlas::Load(path);
      ADD_FAILURE() << path << " loaded";
    } catch (const DataFileError& e) {
      EXPECT_EQ(e.what(), path + ": " + message);
      EXPECT_EQ(e.line(), 0);
    }
  }
}

// --- Folding names ----------------------------------------------------------

TEST(FoldName, NamesAsTyped) {
  const std::pair<const char*, const char*> cases[] = {
      {"Zürich", "zurich"},
      {"ZÜR", "zur"},
      {"Łódź", "lodz"},
      {"Ærøskøbing", "aeroskobing"},
      {"Straße", "strasse"},
      {"STRAẞE", "strasse"},
      {"Œuvre, Ĳmuiden", "oeuvre, ijmuiden"},
      {"İzmir, Şanlıurfa", "izmir, sanliurfa"},
      {"București, Timișoara", "bucuresti, timisoara"},
      {"NEW YORK-City 2", "new york-city 2"},
      {"3 × 4 ÷ 2", "3 × 4 ÷ 2"},
      {"Москва", "Москва"},
      {"東京", "東京"},
      {"caf\xE9 \xC3", "caf\xE9 \xC3"},  // not UTF-8: the bytes stay
  };
  for (const auto& [text, folded] : cases) EXPECT_EQ(FoldName(text), folded) << text;
}

}  // namespace
}  // namespace kairotex
