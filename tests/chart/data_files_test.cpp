// Loading the eight data files and interpolating Chiron from its tables.
#include "chart/data_files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>

#include "settings/data_file_error.h"
#include "test_paths.h"

namespace kairotex {
namespace {

void WriteFile(const std::string& dir, const std::string& name, const std::string& text) {
  std::ofstream(dir + "/" + name, std::ios::binary) << text;
}

// A folder with small but valid data files.
std::string MakeDataDir(const std::string& tag) {
  const std::string dir = test::MakeTempDir(tag);
  for (const char* name :
       {"HCDATA.DAT", "RADIUS.DAT", "ALMUTD1.DAT", "ALMUTD2.DAT", "ALMUTN1.DAT", "ALMUTN2.DAT"}) {
    WriteFile(dir, name, "1\r\n2,3\r\n-4\r\n");
  }
  WriteFile(dir, "CHIRON.DAT", "10.5,-3.25\n11,-3.5\n");
  WriteFile(dir, "CHIRON_HELIO.DAT", "20\n21\n");
  return dir;
}

TEST(DataFiles, ReadsCommaAndLineSeparatedValuesAndLeavesTheRestZero) {
  const DataTables t = LoadDataFiles(MakeDataDir("load"));
  EXPECT_EQ(t.HcData[0], 1);
  EXPECT_EQ(t.HcData[2], 3);
  EXPECT_EQ(t.HcData[3], -4);
  EXPECT_EQ(t.HcData[4], 0);
  EXPECT_EQ(t.AlmutenNight2[1], 2);
  ASSERT_EQ(t.ChironGeoLon.size(), 60000u);
  EXPECT_FLOAT_EQ(t.ChironGeoLon[1], 11.0f);
  EXPECT_FLOAT_EQ(t.ChironDecl[1], -3.5f);
  EXPECT_FLOAT_EQ(t.ChironHelioLon[1], 21.0f);
  EXPECT_FLOAT_EQ(t.ChironGeoLon[2], 0.0f);
}

std::string ManyValuesOnOneLine(int count) {
  std::string text = "1";
  for (int i = 1; i < count; ++i) text += ",1";
  return text + "\n";
}

TEST(DataFiles, MissingOrMalformedFilesNameTheFileAndLine) {
  struct Case {
    const char* file;
    std::string text;
    int line;  // 0: the whole file
    const char* words;
  };
  const Case cases[] = {
      {"RADIUS.DAT", "1\n2\nx7\n", 3, "is not a number"},
      {"ALMUTD1.DAT", "1\n40000\n", 2, "out of range"},
      {"HCDATA.DAT", ManyValuesOnOneLine(122), 1, "more than 121"},
      {"CHIRON_HELIO.DAT", "1\n2.5.3\n", 2, "unexpected character"},
  };
  for (const Case& c : cases) {
    const std::string dir = MakeDataDir("bad");
    WriteFile(dir, c.file, c.text);
    try {
      LoadDataFiles(dir);
      ADD_FAILURE() << c.file << " was accepted";
    } catch (const DataFileError& e) {
      EXPECT_NE(e.file().find(c.file), std::string::npos) << e.what();
      EXPECT_EQ(e.line(), c.line) << e.what();
      EXPECT_NE(std::string(e.what()).find(c.words), std::string::npos) << e.what();
    }
  }
  const std::string dir = MakeDataDir("missing");
  std::remove((dir + "/ALMUTN2.DAT").c_str());
  EXPECT_THROW(LoadDataFiles(dir), DataFileError);
}

TEST(DataFiles, TooManyChironRecords) {
  const std::string dir = MakeDataDir("chiron-long");
  std::string text;
  for (int i = 0; i < 60001; ++i) text += "1\n";
  WriteFile(dir, "CHIRON_HELIO.DAT", text);
  try {
    LoadDataFiles(dir);
    ADD_FAILURE() << "60001 records accepted";
  } catch (const DataFileError& e) {
    EXPECT_EQ(e.line(), 60001);
  }
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
