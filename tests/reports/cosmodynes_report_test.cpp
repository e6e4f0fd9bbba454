// The Cosmodynes report: exchange-sort order, percentages, the ranked
// tables, the groups and hemispheres, the grid of pairs, and the whole report.
#include "reports/cosmodynes_report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "aspects/cosmodynes_tables.h"
#include "reports/cosmodynes_ranking.h"
#include "settings/options.h"
#include "test_messages.h"

namespace kairotex {
namespace {

constexpr const char* kPlanetHeading = "  Planet             Power    %         Har/Disc";

// Cells of the grid with nothing in them.
std::string Dashes(int count) {
  std::string cells;
  for (int n = 0; n < count; ++n) cells += "  ---- ";
  return cells;
}

TEST(CosmodynesRanking, ExchangeSortMovesOnlyStrictlyLargerUp) {
  const struct {
    std::vector<double> values;
    std::vector<size_t> order;
  } cases[] = {
      {{}, {}},
      {{3, -1, 7}, {2, 0, 1}},
      {{5, 5, 5}, {0, 1, 2}},
      {{1, 2, 2, 3}, {3, 2, 1, 0}},    // the two 2s change order on the way
      {{0, -2, -2, 4}, {3, 0, 2, 1}},  // and here the two -2s
  };
  for (const auto& c : cases) EXPECT_EQ(ExchangeSortOrder(c.values), c.order);
}

TEST(CosmodynesRanking, NetHarmonyShareOfHarmonyOrOfDiscord) {
  const struct {
    std::vector<double> nets;
    std::vector<double> percents;
  } cases[] = {
      {{3, 1, 0, -2, -6}, {75, 25, 0, -25, -75}},
      {{0, -4}, {0, -100}},  // nothing positive to share: 0, not a division by zero
      {{0, 0}, {0, 0}},
  };
  for (const auto& c : cases) {
    std::vector<DynesRow> rows;
    for (double net : c.nets) rows.push_back({"", 1, net});
    EXPECT_EQ(NetHarmonyPercents(rows), c.percents);
  }
  EXPECT_EQ(PercentOf(5, 20), 25);
  EXPECT_EQ(PercentOf(5, 0), 0);  // no division by zero
}

TEST(CosmodynesRanking, TablesByPowerAndByNetHarmony) {
  const std::vector<DynesRow> rows = {
      {"  SUN              ", 30, 4.5},
      {"  MOON             ", 10, -1.25},
      {"  ASC              ", 60, 0},
  };
  const std::vector<std::string> expected = {
      "",
      kPlanetHeading,
      "  ASC                60.00  60.0          0.00",
      "  SUN                30.00  30.0          4.50",
      "  MOON               10.00  10.0         -1.25",
      "",
      "  TOTALS            100.00                3.25",
      "                                                   %",
      "  SUN                30.00                4.50   100.0",
      "  ASC                60.00                0.00    0.0",
      "  MOON               10.00               -1.25    -100.0",
  };
  EXPECT_EQ(DynesRankingLines(kPlanetHeading, rows), expected);
}

TEST(CosmodynesRanking, ZeroSumsPrintZeroPercent) {
  const std::vector<DynesRow> rows = {{"  ARI              ", 0, 0},
                                      {"  TAU              ", 0, -2}};
  const std::vector<std::string> lines = DynesRankingLines("  Sign", rows);
  EXPECT_EQ(lines[2], "  ARI                 0.00   0.0          0.00");
  EXPECT_EQ(lines[7], "  ARI                 0.00                0.00    0.0");
  EXPECT_EQ(lines[8], "  TAU                 0.00               -2.00    -100.0");
}

TEST(CosmodynesReport, TableLinesForPlanetsSignsHousesGroupsAndHemispheres) {
  CosmodynesFacts f;
  f.total_power[kMoon] = 50;
  f.harmony[kMoon] = 2;
  f.total_power[kSun] = 25;
  f.signs[dynes::kLeo] = {12, 3, 1};
  f.houses[10] = {8, 0, 1};
  f.groups[kDynesFire] = {1234.5, -0.5};
  f.south = {123.456, -3};
  f.north = {7.5, 12.25};
  const std::vector<std::string> lines = CosmodynesTableLines(f);
  ASSERT_EQ(lines.size(), 101u);
  EXPECT_EQ(lines[1], kPlanetHeading);
  EXPECT_EQ(lines[2], "  MOON               50.00  66.7          2.00");
  EXPECT_EQ(lines[3], "  SUN                25.00  33.3          0.00");
  // Mercury gave its place to the Sun, so it comes after Pluto.
  EXPECT_EQ(lines[11], "  MERCURY             0.00   0.0          0.00");
  EXPECT_EQ(lines[13], "  MC                  0.00   0.0          0.00");
  EXPECT_EQ(lines[30], "  Sign               Power    %         Har/Disc");
  EXPECT_EQ(lines[31], "  LEO                12.00  100.0          2.00");
  EXPECT_EQ(lines[59], "  House              Power    %         Har/Disc");
  EXPECT_EQ(lines[60], "    10                8.00  100.0         -1.00");
  EXPECT_EQ(lines[85], "    12                0.00                0.00    0.0");
  EXPECT_EQ(lines[86], "    10                8.00               -1.00    -100.0");
  EXPECT_EQ(lines[89], "  Signs              Power              Har/Disc");
  EXPECT_EQ(lines[90], "  Fire              1234.50               -0.50");
  EXPECT_EQ(lines[99], "  South/North       123.46 / 7.50      -3.00 / 12.25");
  EXPECT_EQ(lines[100], "  East/West           0.00 / 0.00       0.00 / 0.00");
}

TEST(CosmodynesReport, GridOfPowerAboveAndHarmonyBelow) {
  DynesGrid grid{};
  const auto set = [&](int i, int j, float v) {
    grid[static_cast<size_t>(i)][static_cast<size_t>(j)] = v;
  };
  set(kSun, kJupiter, 8);
  set(kJupiter, kSun, 4);
  set(kSun, kMercury, 0.004f);   // shows as 0.00
  set(kMercury, kSun, -0.004f);  // shows as -0.00
  set(kSun, kVenus, 123.456f);   // wider than its column, as ever
  set(kSaturn, kMars, -10.5f);
  set(kAscendant, kMidheaven, 30);
  set(kMidheaven, kAscendant, -2.25f);
  const std::vector<std::string> lines = DynesGridLines(grid);
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[2], "                         Power is listed in upper right section.");
  EXPECT_EQ(lines[3], "                         Harmony is listed in lower left section.");
  EXPECT_EQ(
      lines[5],
      "          Sun    Mer    Ven    Mar    Jup    Sat    Ura    Nep    Plu    Moo    Asc    "
      "MC");
  EXPECT_EQ(lines[6], "  SUN    ****   ----  123.46   ----   8.00 " + Dashes(7));
  EXPECT_EQ(lines[7], "  MER    ----   **** " + Dashes(10));
  EXPECT_EQ(lines[10], "  JUP    4.00 " + Dashes(3) + "  **** " + Dashes(7));
  EXPECT_EQ(lines[11], "  SAT  " + Dashes(3) + "-10.50   ----   **** " + Dashes(6));
  EXPECT_EQ(lines[15], "  MOO  " + Dashes(9) + "  **** " + Dashes(2));
  EXPECT_EQ(lines[16], "  ASC  " + Dashes(10) + "  ****  30.00 ");
  EXPECT_EQ(lines[17], "  MC   " + Dashes(10) + " -2.25   **** ");
}

// A chart with every object placed, houses from the labels and cusps 30 apart.
ChartState SpreadChart() {
  ChartState chart;
  for (int w = 1; w <= 12; ++w) {
    chart.CuspComputed[static_cast<size_t>(w)] = 17.0 + 30 * w;
    chart.CuspWheel[static_cast<size_t>(w)] = 17.0 + 30 * w;
  }
  for (int i = 1; i <= ObjectCount; ++i) {
    chart.ObjectLon[i] = std::fmod(29.0 * i + 3, 360.0);
    chart.ObjectDecl[i] = 23.0 - 3.1 * i;
    const size_t wheel = static_cast<size_t>(i % 12);
    chart.HousePosText.replace(static_cast<size_t>(i - 1) * 10, 4,
                               std::string(kHouseLabels).substr(wheel * 4, 4));
  }
  return chart;
}

TEST(CosmodynesReport, WholeReportAppendsItsLinesOnly) {
  for (const ChartState& chart : {SpreadChart(), ChartState{}}) {
    test::RecordingMessages messages;
    ReportBuffer buffer(messages);
    OptionsTable options;
    ReportContext context{chart, options, buffer};
    CosmodynesReport(context);
    ASSERT_EQ(buffer.report_line_count(), 119);
    const std::vector<std::string>& lines = buffer.report_lines();
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], kPlanetHeading);
    EXPECT_EQ(lines[118].substr(0, 5), "  MC ");
    for (int n = 0; n < 119; ++n) {
      for (const char* absent : {"NODE", "P. OF F.", "CHIRON", "nan", "inf"}) {
        EXPECT_EQ(lines[static_cast<size_t>(n)].find(absent), std::string::npos)
            << absent << " in line " << n;
      }
    }
    EXPECT_TRUE(messages.all.empty());
  }
}

}  // namespace
}  // namespace kairotex
