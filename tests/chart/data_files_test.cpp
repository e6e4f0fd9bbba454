// Loading the eight data files and interpolating Chiron from its tables.
#include "chart/data_files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "settings/data_file_error.h"
#include "test_paths.h"

namespace kairotex {
namespace {

std::string Lines(int count, const std::string& line, const char* end = "\r\n") {
  std::string text;
  for (int i = 0; i < count; ++i) text += line + end;
  return text;
}

TEST(DataFiles, TheDeliveredTablesAreWholeAndInRange) {
  const DataTables t = LoadDataFiles(test::DataDir());
  EXPECT_EQ(t.HcData[0], -35);
  EXPECT_EQ(t.RadiusData[0], 202);
  ASSERT_EQ(t.ChironGeoLon.size(), 60000u);
  EXPECT_FLOAT_EQ(t.ChironGeoLon[0], 256.5285f);
  EXPECT_FLOAT_EQ(t.ChironDecl[0], -18.1069f);
  EXPECT_FLOAT_EQ(t.ChironHelioLon[0], 256.2688f);
}

// Every way a table can be broken is refused, naming the file and the first
// line at fault: none may give a chart with silently shifted or zeroed values.
TEST(DataFiles, BrokenTablesNameTheFileAndTheFirstLineAtFault) {
  const std::string dir = test::CopyOfDataDir("data-files");
  struct Case {
    const char* file;
    std::string text;
    int line;  // 0: the whole file
    const char* words;
  };
  const std::string radius_line = "200";
  const std::string chiron_line = "100.5,-3.25";
  const Case cases[] = {
      {"RADIUS.DAT", "200\n201\nx7\n", 3, "\"x7\" is not a number"},
      {"RADIUS.DAT", "", 1, "the file ends after 0 lines; the table needs 361"},
      {"RADIUS.DAT", Lines(360, radius_line), 361, "the table needs 361"},
      {"RADIUS.DAT", Lines(5, radius_line) + "\r\n" + Lines(356, radius_line), 6, "empty"},
      {"RADIUS.DAT", Lines(362, radius_line), 362, "more than 361 lines"},
      {"RADIUS.DAT", "200\n500\n", 2, "outside the range of a glyph radius (120 to 217)"},
      {"RADIUS.DAT", "200\n200,201,202\n", 2, "the line holds 3 values; each line holds 1"},
      {"RADIUS.DAT", "200\r201\r\xff\xfe\r", 3, "\"\\xFF\\xFE\" is not a number"},
      {"ALMUTD1.DAT", "1\n40000\n", 2, "outside the range of an object number (1 to 16)"},
      {"ALMUTD1.DAT", "0\n", 1, "outside the range of an object number"},
      {"ALMUTN2.DAT", "0\n17\n", 2, "outside the range of an object number (0 for none)"},
      {"HCDATA.DAT", "1\n2\n-300\n", 3, "outside the range of a cusp label coordinate"},
      {"CHIRON_HELIO.DAT", "1\n2.5.3\n", 2, "\"2.5.3\" is not a number"},
      {"CHIRON_HELIO.DAT", "1\n1e300\n", 2, "outside the range of a longitude (0 to 360)"},
      {"CHIRON_HELIO.DAT", "1\n-0.5\n", 2, "outside the range of a longitude"},
      {"CHIRON.DAT", "100,1\n400,999\n", 2, "\"400\" is outside the range of a longitude"},
      {"CHIRON.DAT", "100,1\n200,-91\n", 2, "outside the range of a declination (-90 to 90)"},
      {"CHIRON.DAT", "100,1\n200\n300,2\n", 2, "the line holds 1 value; each line holds 2"},
      {"CHIRON.DAT", "100,1\n200,,2\n", 2, "\"\" is not a number"},
      {"CHIRON.DAT", Lines(59999, chiron_line), 60000, "the table needs 60000"},
      {"CHIRON.DAT", std::string(1 << 20, '7') + "\n", 1, "\"777777777777777777777777...\""},
  };
  for (const Case& c : cases) {
    const std::string path = dir + "/" + c.file;
    const std::string good = test::ReadText(test::DataDir() + "/" + c.file);
    test::WriteText(path, c.text);
    try {
      LoadDataFiles(dir);
      ADD_FAILURE() << c.file << " was accepted: " << c.words;
    } catch (const DataFileError& e) {
      EXPECT_NE(e.file().find(c.file), std::string::npos) << e.what();
      EXPECT_EQ(e.line(), c.line) << e.what();
      EXPECT_NE(std::string(e.what()).find(c.words), std::string::npos) << e.what();
      EXPECT_LT(std::string(e.what()).size(), 200u) << "a bad value is quoted short";
    }
    test::WriteText(path, good);
  }
}

TEST(DataFiles, AMissingFileOrAFolderIsRefusedByName) {
  const std::string dir = test::CopyOfDataDir("data-files-folder");
  std::filesystem::remove(dir + "/ALMUTN2.DAT");
  for (const char* words : {"file not found", "is a folder, not a file"}) {
    try {
      LoadDataFiles(dir);
      ADD_FAILURE() << "accepted: " << words;
    } catch (const DataFileError& e) {
      EXPECT_EQ(std::string(e.what()), dir + "/ALMUTN2.DAT: " + words);
    }
    std::filesystem::create_directory(dir + "/ALMUTN2.DAT");
  }
}

TEST(DataFiles, BlankLinesAfterACompleteTableAndLoneCrLineEndsAreAccepted) {
  const std::string dir = test::CopyOfDataDir("data-files-ends");
  test::WriteText(dir + "/RADIUS.DAT", Lines(361, "150") + "\r\n  \r\n");
  test::WriteText(dir + "/ALMUTD1.DAT", Lines(361, "3", "\r"));
  const DataTables t = LoadDataFiles(dir);
  EXPECT_EQ(t.RadiusData[360], 150);
  EXPECT_EQ(t.AlmutenDay1[360], 3);
}

// Chiron tables of our own making: a flat line with chosen records.
DataTables FlatChiron(size_t decl_records = kChironRecords) {
  DataTables t;
  t.ChironGeoLon.assign(kChironRecords, 100.0f);
  t.ChironDecl.assign(decl_records, 5.0f);
  t.ChironHelioLon.assign(kChironRecords, 98.0f);
  return t;
}

// The chart has Chiron only inside complete tables, up to the last day whose
// next day the tables still hold; outside, a stale flag is cleared, the
// positions stand at zero and the next-day value is left alone.
TEST(ChironLookup, AvailableOnlyInsideCompleteTables) {
  const double last_day = kChironFirstDay + kChironRecords - 3;  // needs records i+1 and i+2
  struct Case {
    const char* what;
    double jd;
    size_t decl_records;
    bool available;
  };
  const Case cases[] = {
      {"a day before the first record", kChironFirstDay - 0.1, kChironRecords, false},
      {"the first record", kChironFirstDay, kChironRecords, true},
      {"the last day served, late", last_day + 0.99, kChironRecords, true},
      {"the day after", last_day + 1.0, kChironRecords, false},
      {"the year 1000", 2086474.0, kChironRecords, false},
      {"the year 2080", 2480931.0, kChironRecords, false},
      {"a short declination table", 2451545.0, kChironRecords - 1, false},
      {"no tables", 2451545.0, 0, false},
  };
  for (const Case& c : cases) {
    const DataTables tables = c.decl_records == 0 ? DataTables{} : FlatChiron(c.decl_records);
    ChartState state;
    state.ChironAvailable = !c.available;  // a stale flag from the chart before
    state.ObjectPos[kChiron] = 7.0;
    state.ObjectLonNextDay[kChiron] = 77;
    ComputeChironFromTables(state, tables, c.jd);
    EXPECT_EQ(state.ChironAvailable, c.available) << c.what;
    EXPECT_EQ(ObjectAvailable(state, kChiron), c.available) << c.what;
    EXPECT_DOUBLE_EQ(state.ObjectPos[kChiron], c.available ? 100.0 : 0.0) << c.what;
    EXPECT_DOUBLE_EQ(state.DeclWork[kChiron], c.available ? 5.0 : 0.0) << c.what;
    EXPECT_DOUBLE_EQ(state.HelioLonWork[kChiron], c.available ? 98.0 : 0.0) << c.what;
    EXPECT_DOUBLE_EQ(state.ObjectLonNextDay[kChiron], c.available ? 100.0 : 77.0) << c.what;
    EXPECT_EQ(state.RetroFlags[kChiron - 1], ' ') << c.what;
    // Every other object is always there; numbers outside 1..16 never are.
    for (int object = 1; object < kChiron; ++object) EXPECT_TRUE(ObjectAvailable(state, object));
    EXPECT_FALSE(ObjectAvailable(state, 0));
    EXPECT_FALSE(ObjectAvailable(state, ObjectCount + 1));
  }
}

// Interpolation takes the short way across 0 Aries; the retrograde mark
// follows the step between the day's two records, across 0 Aries too.
TEST(ChironLookup, InterpolatesAcrossAriesAndMarksRetrograde) {
  DataTables tables = FlatChiron();
  const auto set = [&](size_t i, float g0, float g1, float g2) {
    tables.ChironGeoLon[i] = g0, tables.ChironGeoLon[i + 1] = g1, tables.ChironGeoLon[i + 2] = g2;
  };
  ChartState state;
  set(1000, 359.8f, 0.3f, 0.8f);
  ComputeChironFromTables(state, tables, kChironFirstDay + 1000.5);
  EXPECT_NEAR(state.ObjectPos[kChiron], 0.05, 1e-4);
  EXPECT_NEAR(state.ObjectLonNextDay[kChiron], 0.55, 1e-4);
  EXPECT_EQ(state.RetroFlags[kChiron - 1], ' ');
  struct Case {
    float g0, g1;
    char mark;
  };
  const Case cases[] = {
      {100.05f, 100.0f, 'R'}, {100.0f, 100.05f, ' '}, {0.2f, 359.9f, 'R'}, {359.9f, 0.2f, ' '}};
  for (const Case& c : cases) {
    set(2000, c.g0, c.g1, c.g1);
    state.RetroFlags = std::string(16, ' ');
    ComputeChironFromTables(state, tables, kChironFirstDay + 2000.25);
    EXPECT_EQ(state.RetroFlags[kChiron - 1], c.mark) << c.g0 << " -> " << c.g1;
  }
}

}  // namespace
}  // namespace kairotex
