// Loading the eight data files and interpolating Chiron from its tables.
#include "chart/data_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "settings/data_file_error.h"
#include "test_paths.h"

namespace kairotex {
namespace {

std::string Lines(int count, const std::string& line, const char* end = "\r\n") {
  std::string text;
  for (int i = 0; i < count; ++i) text += line + end;
  return text;
}

// Every way a table can be broken is refused, naming the file and the first
// line at fault: none may give a chart with silently shifted or zeroed values.
TEST(DataFiles, BrokenTablesNameTheFileAndTheFirstLineAtFault) {
  const std::string dir = test::CopyOfDataDir("data-files");
  const struct {
    const char* file;
    std::string text;
    int line;
    const char* words;
  } cases[] = {
      {"RADIUS.DAT", "200\n201\nx7\n", 3, "\"x7\" is not a number"},
      {"RADIUS.DAT", "", 1, "the file ends after 0 lines; the table needs 361"},
      {"RADIUS.DAT", Lines(360, "200"), 361, "the table needs 361"},
      {"RADIUS.DAT", Lines(5, "200") + "\r\n" + Lines(356, "200"), 6, "empty"},
      {"RADIUS.DAT", Lines(362, "200"), 362, "more than 361 lines"},
      {"RADIUS.DAT", "200\n500\n", 2, "outside the range of a glyph radius (120 to 217)"},
      {"RADIUS.DAT", "200\n200,201,202\n", 2, "the line holds 3 values; each line holds 1"},
      {"RADIUS.DAT", "200\r201\r\xff\xfe\r", 3, "\"\\xFF\\xFE\" is not a number"},
      {"ALMUTN2.DAT", "0\n17\n", 2, "outside the range of an object number (0 for none)"},
      {"CHIRON_HELIO.DAT", "1\n1e300\n", 2, "outside the range of a longitude (0 to 360)"},
      {"CHIRON.DAT", "100,1\n200,-91\n", 2, "outside the range of a declination (-90 to 90)"},
      {"CHIRON.DAT", Lines(59999, "100.5,-3.25"), 60000, "the table needs 60000"},
      {"CHIRON.DAT", std::string(1 << 20, '7') + "\n", 1, "\"777777777777777777777777...\""},
  };
  for (const auto& c : cases) {
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

// Blank lines after a complete table and lone CR line ends are accepted.
TEST(DataFiles, AMissingFileOrAFolderIsRefusedByNameBlankEndsAccepted) {
  const std::string dir = test::CopyOfDataDir("data-files-folder");
  test::WriteText(dir + "/RADIUS.DAT", Lines(361, "150") + "\r\n  \r\n");
  test::WriteText(dir + "/ALMUTD1.DAT", Lines(361, "3", "\r"));
  const DataTables t = LoadDataFiles(dir);
  EXPECT_EQ(t.RadiusData[360], 150);
  EXPECT_EQ(t.AlmutenDay1[360], 3);
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

// Chiron tables of our own making: a flat line with chosen records.
// Every way a table writes a number reads as the standard conversion gives
// it, the quick path for plain decimals included.
TEST(DataFiles, NumbersReadAsTheStandardConversionGivesThem) {
  const std::string dir = test::CopyOfDataDir("numbers");
  std::mt19937 rng(1234);
  const char* const shapes[] = {"%.4f", "%.1f", "%.0f", "%.12f", "%.17g", "%.3e", "%.0f."};
  std::vector<std::string> texts;
  std::string file;
  for (size_t i = 0; i < kChironRecords; ++i) {
    char text[64];
    const double value = (rng() % 36000000) / 100000.0 + (rng() % 1000) * 1e-9;
    std::snprintf(text, sizeof text, shapes[i % std::size(shapes)], value);
    texts.emplace_back(text);
    file += texts.back() + "\r\n";
  }
  test::WriteText(dir + "/CHIRON_HELIO.DAT", file);
  const DataTables t = LoadDataFiles(dir);
  for (size_t i = 0; i < kChironRecords; ++i) {
    ASSERT_EQ(t.ChironHelioLon[i], static_cast<float>(std::strtod(texts[i].c_str(), nullptr)))
        << texts[i];
  }
  std::filesystem::remove_all(dir);
}

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
  const struct {
    double jd;
    size_t decl_records;
    bool available;
  } cases[] = {
      {kChironFirstDay - 0.1, kChironRecords, false}, {kChironFirstDay, kChironRecords, true},
      {last_day + 0.99, kChironRecords, true},        {last_day + 1.0, kChironRecords, false},
      {2451545.0, kChironRecords - 1, false},         {2451545.0, 0, false}};
  for (const auto& c : cases) {
    const DataTables tables = c.decl_records == 0 ? DataTables{} : FlatChiron(c.decl_records);
    ChartState state;
    state.ChironAvailable = !c.available;  // a stale flag from the chart before
    state.ObjectPos[kChiron] = 7.0;
    state.ObjectLonNextDay[kChiron] = 77;
    ComputeChironFromTables(state, tables, c.jd);
    EXPECT_EQ(ObjectAvailable(state, kChiron), c.available) << c.jd;
    EXPECT_DOUBLE_EQ(state.ObjectPos[kChiron], c.available ? 100.0 : 0.0) << c.jd;
    EXPECT_DOUBLE_EQ(state.DeclWork[kChiron], c.available ? 5.0 : 0.0) << c.jd;
    EXPECT_DOUBLE_EQ(state.HelioLonWork[kChiron], c.available ? 98.0 : 0.0) << c.jd;
    EXPECT_DOUBLE_EQ(state.ObjectLonNextDay[kChiron], c.available ? 100.0 : 77.0) << c.jd;
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
  for (const auto& [g0, g1, mark] : {std::tuple{0.2f, 359.9f, 'R'}, {359.9f, 0.2f, ' '}}) {
    set(2000, g0, g1, g1);
    ChartState fresh;
    ComputeChironFromTables(fresh, tables, kChironFirstDay + 2000.25);
    EXPECT_EQ(fresh.RetroFlags[kChiron - 1], mark) << g0 << " -> " << g1;
  }
}

}  // namespace
}  // namespace kairotex
