// The other-degrees tables, antiscia, almutens and the Magi Society aspects,
// and the whole text of each report for a hand-built chart.
#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "aspects/magi_linkages.h"
#include "chart/data_files.h"
#include "report_test_chart.h"
#include "reports/almutens.h"
#include "reports/antiscia.h"
#include "reports/arabic_parts_text.h"
#include "reports/magi_aspects_report.h"
#include "reports/other_degrees.h"
#include "test_paths.h"

namespace kairotex {
namespace {

using test::TestChart;
using Column = char DegreeClass::*;

// Intervals [low, high) of each table: the letter from low up to just below
// high, and the letters of the neighbours just below low and at high.
TEST(OtherDegrees, EveryTableAtItsIntervalBounds) {
  const Column mf = &DegreeClass::masculine_feminine, ldsv = &DegreeClass::light_dark,
               pitted = &DegreeClass::pitted, lame = &DegreeClass::lame,
               fortune = &DegreeClass::fortune;
  const std::tuple<Column, double, double, const char*> bounds[] = {
      {mf, 8, 9, "FMM"},         {mf, 15, 22, "FMM"},        {mf, 100, 102, "FMM"},
      {mf, 327, 330, "FMM"},     {mf, 353, 358, "FMM"},      {ldsv, 0, 3, "D L"},
      {ldsv, 20, 24, "VLL"},     {ldsv, 108, 110, "SVL"},    {ldsv, 239, 240, "DVL"},
      {ldsv, 358, 360, "DL "},   {pitted, 5, 6, "P--"},      {pitted, 22, 23, "P--"},
      {pitted, 134, 135, "P--"}, {pitted, 141, 143, "P--"},  {pitted, 356, 358, "P--"},
      {lame, 35, 40, "L--"},     {lame, 98, 105, "L--"},     {lame, 317, 319, "L--"},
      {fortune, 18, 19, "I--"},  {fortune, 281, 284, "I--"}, {fortune, 349, 350, "I--"}};
  for (const auto& [column, low, high, letters] : bounds) {
    EXPECT_EQ(ClassifyDegree(low).*column, letters[0]) << low;
    EXPECT_EQ(ClassifyDegree(high - 0.001).*column, letters[0]) << high;
    EXPECT_EQ(ClassifyDegree(low - 0.001).*column, letters[1]) << low;
    EXPECT_EQ(ClassifyDegree(high).*column, letters[2]) << high;
  }
  // The bounds are whole degrees, so counting the middles of the 360 degrees
  // checks every interval of a table at once.
  const std::pair<Column, std::map<char, int>> counts[] = {
      {mf, {{'F', 166}, {'M', 194}}},
      {ldsv, {{'D', 97}, {'L', 163}, {'S', 33}, {'V', 67}}},
      {pitted, {{'-', 299}, {'P', 61}}},
      {lame, {{'-', 332}, {'L', 28}}},
      {fortune, {{'-', 337}, {'I', 23}}}};
  for (const auto& [column, expected] : counts) {
    std::map<char, int> counted;
    for (int d = 0; d < 360; ++d) ++counted[ClassifyDegree(d + 0.5).*column];
    EXPECT_EQ(counted, expected);
  }
}

// Off the circle the tables give nothing; the signs are those on it.
TEST(OtherDegrees, DecanatesDwadsAndPointsOffTheCircle) {
  const std::tuple<double, int, int> signs[] = {
      {0.0, 1, 1},    {2.49, 1, 1},    {2.5, 1, 2},    {9.99, 1, 4},   {10.0, 5, 5},
      {29.99, 9, 12}, {330.0, 12, 12}, {332.5, 12, 1}, {357.5, 8, 11}, {370.0, 5, 5}};
  for (const auto& [lon, decanate, dwad] : signs) {
    EXPECT_EQ(DecanateSign(lon), decanate) << lon;
    EXPECT_EQ(DwadSign(lon), dwad) << lon;
  }
  const std::pair<double, DegreeClass> off[] = {
      {360.0, {' ', ' ', '-', '-', '-', 1, 1}},
      {365.5, {' ', ' ', '-', '-', '-', 1, 3}},
      {-0.1, {' ', ' ', '-', '-', '-', 8, 11}},
      {std::numeric_limits<double>::quiet_NaN(), {' ', ' ', '-', '-', '-', 1, 1}}};
  for (const auto& [lon, expected] : off) EXPECT_EQ(ClassifyDegree(lon), expected) << lon;
}

// 0 Libra mirrors to 30 Pisces, not 360; the solstices mirror to themselves.
// Differences of 359.3 either way round and of exactly 359 count as within
// one degree; 358.9 does not.
TEST(Antiscia, MirrorAcrossTheSolsticeAxis) {
  const std::tuple<double, const char*, const char*> cases[] = {
      {180.0, "00 ARI 00", "00 LIB 00"}, {90.0, "00 CAN 00", "00 CPR 00"},
      {270.0, "00 CPR 00", "00 CAN 00"}, {200.0, "10 PIS 00", "10 VIR 00"},
      {359.5, "00 LIB 30", "00 ARI 30"}, {29.9999, "00 VIR 00", "00 PIS 00"}};
  for (const auto& [lon, antiscion, contra] : cases) {
    const double a = Antiscion(lon);
    EXPECT_TRUE(a >= 0.0 && a < 360.0) << lon;
    EXPECT_EQ(PrintedPosition(a), antiscion) << lon;
    EXPECT_EQ(PrintedPosition(ContraAntiscion(a)), contra) << lon;
  }
  const std::tuple<double, double, bool> near[] = {
      {359.5, 0.2, true}, {0.2, 359.5, true},  {10.0, 11.0, true}, {10.0, 11.01, false},
      {0.5, 359.5, true}, {0.6, 359.5, false}, {180.0, 0.0, false}};
  for (const auto& [lon, point, within] : near)
    EXPECT_EQ(WithinOneDegree(lon, point), within) << lon << " " << point;
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

// Day when the Sun is above the 6th house, not in it; no house at all is
// night. Saturn joins the night almutens at 19 Libra only.
TEST(Almutens, SaturnJoinsTheNightAlmutensAtNineteenLibra) {
  for (const auto& [house, day] : {std::pair{1, false}, {6, false}, {7, true}, {12, true}})
    EXPECT_EQ(IsDayChart(TestChart().House(kSun, house).chart), day) << house;
  EXPECT_FALSE(IsDayChart(ChartState{}));
  const DataTables hand = HandTables(), delivered = LoadDataFiles(test::DataDir());
  const std::tuple<const DataTables*, bool, double, int, int, bool> cases[] = {
      {&hand, false, 199.0, kVenus, kMercury, true},
      {&hand, false, 200.0, kVenus, kMercury, false},
      {&hand, false, 198.99, kMoon, 0, false},
      {&hand, true, 199.6, kJupiter, 0, false},
      {&delivered, false, 199.6, kVenus, kMercury, true},
      {&delivered, false, 200.0, kVenus, kMercury, false},
      {&delivered, true, 199.6, kSaturn, 0, false}};
  for (const auto& [tables, day, lon, first, second, saturn] : cases) {
    const AlmutenEntry e = LookUpAlmuten(lon, day, *tables);
    EXPECT_EQ(std::tuple(e.first, e.second, e.saturn_added), std::tuple(first, second, saturn))
        << lon << (day ? " day" : " night") << (tables == &hand ? " hand" : " delivered");
  }
}

// Magi objects (k = 11 is Chiron) at 5, 12 ... 75 with declinations 1.5, 3
// ... 16.5: no aspect and no parallel but those the moved objects make.
TestChart MagiChart(std::initializer_list<std::tuple<int, double, double>> moved) {
  TestChart t;
  for (int k = 1; k <= kMagiObjectCount; ++k) {
    t.Put(k == kMagiChiron ? kChiron : k, 5.0 + 7.0 * (k - 1));
    t.chart.ObjectDecl[k == kMagiChiron ? kChiron : k] = 1.5 * k;
  }
  for (const auto& [object, lon, decl] : moved) t.Put(object, lon).chart.ObjectDecl[object] = decl;
  return t;
}

// Chiron outside its tables is left out of the Magi aspects, and the chart is
// not changed by writing them. Venus is conjunct Chiron, the North Node on
// the Sun in longitude and declination.
TEST(MagiAspectsReport, ChironOutsideItsTablesAndTheMinutes) {
  for (bool available : {false, true}) {
    TestChart t = MagiChart({{kChiron, 0, available ? 0.25 : 0.0},
                             {kVenus, 359, 0.5},
                             {kSun, 200, 22},
                             {kNorthNode, 200, 22}});
    t.chart.ChironAvailable = available;
    const ObjectTable lons = t.chart.ObjectLon, decls = t.chart.ObjectDecl;
    int chiron_lines = 0;
    for (const std::string& line : t.Write(WriteMagiAspects))
      chiron_lines += line.find("CHIRON") != line.npos;
    EXPECT_EQ(chiron_lines, available ? 2 : 0);
    EXPECT_EQ(t.chart.ObjectLon, lons);
    EXPECT_EQ(t.chart.ObjectDecl, decls);
  }
  // Minutes that round to sixty carry into the degrees.
  const std::pair<double, const char*> cases[] = {
      {0.0, "   0d 00m"}, {0.5, "   0d 30m"},    {2.999, "   3d 00m"}, {0.991, "   0d 59m"},
      {1.2, "   1d 12m"}, {0.9917, "   1d 00m"}, {9.9999, "  10d 00m"}};
  for (const auto& [degrees, text] : cases) EXPECT_EQ(MagiDegreesMinutes(degrees), text);
}

TEST(OtherReports, WholeTextsAgainstGoldenFiles) {
  // Cusps at 5 degrees of each sign, the 10th in Capricorn; the wheel's own
  // tables (a heliocentric or declination wheel) are not read.
  TestChart degrees;
  const double planets[] = {0.0, 8.5, 22.5, 149.9, 177.5, 359.9, 98.0, 138.5, 229.5, 298.0};
  for (int i = kSun; i <= kMoon; ++i) degrees.Put(i, planets[i - 1]);
  for (int i = 1; i <= 12; ++i) degrees.Cusp(i, (i * 30 + 245) % 360);
  degrees.chart.ObjectPos.fill(200.0);
  degrees.chart.CuspWheel.fill(200.0);
  test::ExpectGolden(degrees.Write(WriteOtherDegrees), "other_degrees.txt");

  // Every object at 15 Taurus, whose antiscion and contra-antiscion no parked
  // object touches; the South Node has no column; Chiron at 0 Aries meets its
  // own contra-antiscion.
  TestChart table(45.0);
  table.Put(kSun, 70.0).Put(kChiron, 0.0).chart.ObjectPos[kSun] = 200.0;  // the wheel's: not read
  test::ExpectGolden(table.Write(WriteAntiscia), "antiscia_table.txt");
  TestChart across(45.0);  // conjunctions across Aries, with own points and the South Node
  across.Put(kSun, 359.5).Put(kVenus, 80.0).Put(kMars, 179.8).Put(kSouthNode, 100.5);
  test::ExpectGolden(across.Write(WriteAntiscia), "antiscia_conjunctions.txt");

  TestChart almutens;
  almutens.House(kSun, 5).Cusp(1, 275.5).Cusp(4, 5.0);  // the 10th cusp comes first
  almutens.Put(kSun, 35.2833333).Put(kMars, 199.6).Put(kChiron, 359.9999);
  almutens.chart.CuspWheel[1] = almutens.chart.ObjectPos[kSun] = 300.0;  // not read
  DataTables tables = HandTables();
  tables.AlmutenNight2[35] = kSaturn;
  tables.AlmutenNight1[0] = 0;  // a data file shorter than its table leaves 0
  test::ExpectGolden(test::WrittenLines(WriteAlmutens, almutens.chart, {}, &tables),
                     "almutens.txt");
  EXPECT_TRUE(almutens.Write(WriteAlmutens).empty());  // nothing without the tables

  const TestChart magi = MagiChart({{kSun, 126, 21},
                                    {kJupiter, 244.5, 7.5},
                                    {kUranus, 47, 21.2},
                                    {kVenus, 19, 20},
                                    {kPluto, 61, -19.5}});
  test::ExpectGolden(test::WrittenLines(WriteMagiAspects, magi.chart, {}, nullptr, "Garden party"),
                     "magi_aspects.txt");
}

}  // namespace
}  // namespace kairotex
