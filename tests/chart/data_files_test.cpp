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

std::string Lines(int count, const std::string& line) {
  std::string text;
  for (int i = 0; i < count; ++i) text += line + "\r\n";
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

TEST(DataFiles, AFolderOrAMissingFileIsRefusedByName) {
  const std::string dir = test::CopyOfDataDir("data-files-folder");
  std::filesystem::remove(dir + "/ALMUTN2.DAT");
  try {
    LoadDataFiles(dir);
    ADD_FAILURE() << "a missing file was accepted";
  } catch (const DataFileError& e) {
    EXPECT_EQ(std::string(e.what()), dir + "/ALMUTN2.DAT: file not found");
  }
  std::filesystem::create_directory(dir + "/ALMUTN2.DAT");
  try {
    LoadDataFiles(dir);
    ADD_FAILURE() << "a folder was read as a file";
  } catch (const DataFileError& e) {
    EXPECT_EQ(std::string(e.what()), dir + "/ALMUTN2.DAT: is a folder, not a file");
  }
}

TEST(DataFiles, BlankLinesAfterACompleteTableAndLoneCrLineEndsAreAccepted) {
  const std::string dir = test::CopyOfDataDir("data-files-ends");
  test::WriteText(dir + "/RADIUS.DAT", Lines(361, "150") + "\r\n  \r\n");
  std::string cr_only;
  for (int i = 0; i < 361; ++i) cr_only += "3\r";
  test::WriteText(dir + "/ALMUTD1.DAT", cr_only);
  const DataTables t = LoadDataFiles(dir);
  EXPECT_EQ(t.RadiusData[360], 150);
  EXPECT_EQ(t.AlmutenDay1[360], 3);
}

// Chiron tables of our own making: a steady motion with chosen records.
class ChironLookup : public ::testing::Test {
 protected:
  void SetUp() override {
    tables.ChironGeoLon.assign(kChironRecords, 0.0f);
    tables.ChironDecl.assign(kChironRecords, 0.0f);
    tables.ChironHelioLon.assign(kChironRecords, 0.0f);
    for (int i = 0; i < kChironRecords; ++i) {
      tables.ChironGeoLon[i] = static_cast<float>(std::fmod(100.0 + 0.05 * i, 360.0));
      tables.ChironDecl[i] = 1.0f;
      tables.ChironHelioLon[i] = 50.0f;
    }
  }
  void SetRecords(int i, std::initializer_list<float> geo) {
    for (float g : geo) tables.ChironGeoLon[i++] = g;
  }
  DataTables tables;
  ChartState state;
};

TEST_F(ChironLookup, FirstRecordExactly) {
  ComputeChironFromTables(state, tables, 2415000.0);
  EXPECT_FLOAT_EQ(static_cast<float>(state.ObjectPos[kChiron]), 100.0f);
  EXPECT_DOUBLE_EQ(state.DeclWork[kChiron], 1.0);
  EXPECT_DOUBLE_EQ(state.HelioLonWork[kChiron], 50.0);
  EXPECT_EQ(state.RetroFlags[kChiron - 1], ' ');
}

TEST_F(ChironLookup, OutsideTheTablesChironStandsAtZero) {
  state.ObjectLonNextDay[kChiron] = 77;
  for (double jd : {2414999.9, 2474998.5, 2474999.0, 2500000.0}) {
    state.ObjectPos[kChiron] = 5;
    ComputeChironFromTables(state, tables, jd);
    EXPECT_EQ(state.ObjectPos[kChiron], 0) << jd;
    EXPECT_EQ(state.DeclWork[kChiron], 0) << jd;
    EXPECT_EQ(state.HelioLonWork[kChiron], 0) << jd;
    EXPECT_EQ(state.ObjectLonNextDay[kChiron], 77) << jd;
    EXPECT_EQ(state.RetroFlags[kChiron - 1], ' ') << jd;
  }
  // The last day whose next-day record exists is still served.
  ComputeChironFromTables(state, tables, 2474997.5);
  EXPECT_NE(state.ObjectPos[kChiron], 0);
}

TEST_F(ChironLookup, InterpolatesTheShortWayAcrossAries) {
  SetRecords(1000, {359.8f, 0.3f, 0.8f});
  ComputeChironFromTables(state, tables, 2416000.5);
  EXPECT_NEAR(state.ObjectPos[kChiron], 0.05, 1e-4);
  EXPECT_NEAR(state.ObjectLonNextDay[kChiron], 0.55, 1e-4);
  EXPECT_EQ(state.RetroFlags[kChiron - 1], ' ');
}

TEST_F(ChironLookup, RetrogradeMarks) {
  struct Case {
    float g0, g1;
    char mark;
  };
  const Case cases[] = {
      {100.05f, 100.0f, 'R'}, {100.0f, 100.05f, ' '}, {0.2f, 359.9f, 'R'}, {359.9f, 0.2f, ' '}};
  for (const Case& c : cases) {
    SetRecords(2000, {c.g0, c.g1, c.g1});
    state.RetroFlags = std::string(16, ' ');
    ComputeChironFromTables(state, tables, 2417000.25);
    EXPECT_EQ(state.RetroFlags[kChiron - 1], c.mark) << c.g0 << " -> " << c.g1;
  }
}

}  // namespace
}  // namespace kairotex
