// The almutens of the cusps and the main dispositors of the objects.
#include "reports/almutens.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "chart/data_files.h"
#include "settings/name_tables.h"
#include "test_paths.h"
#include "written_lines.h"

namespace kairotex {
namespace {

// The fields the almutens report reads, set by hand: names as the driver
// fills them, every cusp and object at 0 Aries, the Sun in the given house.
ChartState ChartWithSunIn(int house) {
  ChartState chart;
  for (int i = 1; i <= ObjectCount; ++i)
    chart.ObjectNamePadded[i] = std::string(kObjectNamePadded[i]);
  char label[3];
  std::snprintf(label, sizeof label, "%2d", house);
  chart.HousePosText.replace(0, 2, label);
  return chart;
}

// Jupiter alone by day everywhere; by night Venus with Mercury from 19 Libra
// on (199..359), the Moon alone below.
DataTables HandTables() {
  DataTables t;
  t.AlmutenDay1.fill(kJupiter);
  for (int d = 0; d <= 360; ++d) {
    t.AlmutenNight1[d] = d >= 199 ? kVenus : kMoon;
    t.AlmutenNight2[d] = d >= 199 ? kMercury : 0;
  }
  return t;
}

constexpr int kWheelAscendant = 4;
constexpr size_t kFirstCuspLine = 3;     // after blank, "ALMUTENS", blank
constexpr size_t kFirstObjectLine = 18;  // after the cusps and three more

TEST(Almutens, DayChartWhenTheSunIsAboveTheSixthHouse) {
  const struct {
    int house;
    bool day;
  } cases[] = {{1, false}, {6, false}, {7, true}, {10, true}, {12, true}};
  for (const auto& c : cases) EXPECT_EQ(IsDayChart(ChartWithSunIn(c.house)), c.day) << c.house;
  // No house in the text at all counts as night.
  EXPECT_FALSE(IsDayChart(ChartState{}));
}

TEST(Almutens, SaturnJoinsTheNightAlmutensAtNineteenLibraOnly) {
  const DataTables tables = HandTables();
  const struct {
    int sun_house;
    double cusp;
    const char* names;
  } cases[] = {
      {1, 199.6, "VENUS    MERCURY  SATURN"},
      {1, 199.0, "VENUS    MERCURY  SATURN"},
      {1, 200.0, "VENUS    MERCURY  "},
      {1, 198.99, "MOON     "},
      {12, 199.6, "JUPITER  "},
      {7, 199.0, "JUPITER  "},
  };
  for (const auto& c : cases) {
    ChartState chart = ChartWithSunIn(c.sun_house);
    chart.CuspComputed[kWheelAscendant] = c.cusp;
    const auto lines = AlmutenLines(ComputeAlmutens(chart, tables), chart);
    const std::string& line = lines[kFirstCuspLine + kWheelAscendant - 1];
    // Two spaces, label, " HOUSE =  ", position and three spaces come first.
    EXPECT_EQ(line.substr(28), c.names) << c.cusp << " Sun in " << c.sun_house;
  }
}

TEST(Almutens, CuspAndObjectLinesFromTheZodiacPositions) {
  ChartState chart = ChartWithSunIn(5);
  chart.CuspComputed[1] = 275.5;  // the 10th cusp comes first
  chart.CuspComputed[kWheelAscendant] = 5.0;
  chart.ObjectLon[kSun] = 35.2833333;
  chart.ObjectLon[kMars] = 199.6;
  chart.ObjectLon[kChiron] = 359.9999;
  // The wheel's own positions are not read.
  chart.CuspWheel[1] = 100.0;
  chart.ObjectPos[kSun] = 300.0;
  DataTables tables = HandTables();
  tables.AlmutenNight2[35] = kSaturn;
  tables.AlmutenNight1[0] = 0;  // a data file shorter than its table leaves 0
  const auto lines = AlmutenLines(ComputeAlmutens(chart, tables), chart);

  ASSERT_EQ(lines.size(), 3u + 12u + 3u + 16u);
  const std::vector<std::string> headings = {"", "                ALMUTENS", "",
                                             "", "        MAIN DISPOSITORS", ""};
  EXPECT_EQ(
      (std::vector<std::string>{lines[0], lines[1], lines[2], lines[15], lines[16], lines[17]}),
      headings);
  EXPECT_EQ(lines[kFirstCuspLine], "  10TH HOUSE =  05 CPR 30   VENUS    MERCURY  ");
  EXPECT_EQ(lines[kFirstCuspLine + 3], "   1ST HOUSE =  05 ARI 00   MOON     ");
  EXPECT_EQ(lines[kFirstCuspLine + 11], "   9TH HOUSE =  00 ARI 00   ");
  EXPECT_EQ(lines[kFirstObjectLine], "  SUN       05 TAU 17   MOON     SATURN   ");
  EXPECT_EQ(lines[kFirstObjectLine + kMars - 1],
            "  MARS      19 LIB 36   VENUS    MERCURY  SATURN");
  EXPECT_EQ(lines[kFirstObjectLine + 12], "  P. OF F.  00 ARI 00   ");
  EXPECT_EQ(lines.back(), "  CHIRON    29 PIS 59   VENUS    MERCURY  ");
}

TEST(Almutens, DeliveredTablesNameThreePlanetsAtNineteenLibraByNight) {
  const DataTables tables = LoadDataFiles(test::DataDir());
  const struct {
    int sun_house;
    double lon;
    int first, second;
    bool saturn;
  } cases[] = {
      {4, 199.6, kVenus, kMercury, true},
      {4, 200.0, kVenus, kMercury, false},
      {10, 199.6, kSaturn, 0, false},
  };
  for (const auto& c : cases) {
    const AlmutenEntry e = LookUpAlmuten(c.lon, IsDayChart(ChartWithSunIn(c.sun_house)), tables);
    EXPECT_EQ(e.first, c.first) << c.lon << " Sun in " << c.sun_house;
    EXPECT_EQ(e.second, c.second) << c.lon << " Sun in " << c.sun_house;
    EXPECT_EQ(e.saturn_added, c.saturn) << c.lon << " Sun in " << c.sun_house;
  }
}

TEST(Almutens, WriteAppendsTheLinesAndNothingWithoutTables) {
  const ChartState chart = ChartWithSunIn(5);
  EXPECT_TRUE(test::WrittenLines(WriteAlmutens, chart).empty());
  const DataTables tables = HandTables();
  EXPECT_EQ(test::WrittenLines(WriteAlmutens, chart, {}, &tables),
            AlmutenLines(ComputeAlmutens(chart, tables), chart));
}

}  // namespace
}  // namespace kairotex
