// The Cosmodynes report: exchange-sort order, percentages, and the whole text
// of the ranked tables, the grid of pairs and the report.
#include "reports/cosmodynes_report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "aspects/cosmodynes_tables.h"
#include "report_test_chart.h"
#include "reports/cosmodynes_ranking.h"

namespace kairotex {
namespace {

TEST(CosmodynesRanking, ExchangeSortAndPercentages) {
  const std::pair<std::vector<double>, std::vector<size_t>> orders[] = {
      {{}, {}},
      {{3, -1, 7}, {2, 0, 1}},
      {{5, 5, 5}, {0, 1, 2}},
      {{1, 2, 2, 3}, {3, 2, 1, 0}},     // the two 2s change order on the way
      {{0, -2, -2, 4}, {3, 0, 2, 1}}};  // and here the two -2s
  for (const auto& [values, order] : orders) EXPECT_EQ(ExchangeSortOrder(values), order);
  // The share of all harmony or of all discord (PercentOf); nothing to share gives 0.
  const std::pair<std::vector<double>, std::vector<double>> shares[] = {
      {{3, 1, 0, -2, -6}, {75, 25, 0, -25, -75}}, {{0, -4}, {0, -100}}, {{0, 0}, {0, 0}}};
  for (const auto& [nets, percents] : shares) {
    std::vector<DynesRow> rows;
    for (double net : nets) rows.push_back({"", 1, net});
    EXPECT_EQ(NetHarmonyPercents(rows), percents);
  }
}

TEST(CosmodynesReport, WholeTextsAgainstGoldenFiles) {
  // Ties, negative harmony and zero power in the ranked table.
  test::ExpectGolden(DynesRankingLines("  Planet             Power    %         Har/Disc",
                                       {{"  SUN              ", 30, 4.5},
                                        {"  MOON             ", 10, -1.25},
                                        {"  ASC              ", 60, 0},
                                        {"  ARI              ", 0, 0},
                                        {"  TAU              ", 0, -2}}),
                     "cosmodynes_ranking.txt");
  // Values below a hundredth either way show as empty cells; one is wider than its column.
  DynesGrid grid{};
  for (const auto& [i, j, v] : {std::tuple{kSun, kJupiter, 8.0f},
                                {kJupiter, kSun, 4.0f},
                                {kSun, kMercury, 0.004f},
                                {kMercury, kSun, -0.004f},
                                {kSun, kVenus, 123.456f},
                                {kSaturn, kMars, -10.5f},
                                {kAscendant, kMidheaven, 30.0f},
                                {kMidheaven, kAscendant, -2.25f}})
    grid[static_cast<size_t>(i)][static_cast<size_t>(j)] = v;
  test::ExpectGolden(DynesGridLines(grid), "cosmodynes_grid.txt");

  // Every object placed, houses from the labels and cusps 30 apart; and an
  // empty chart, which must print no nan or inf.
  test::TestChart spread;
  for (int w = 1; w <= 12; ++w) spread.Cusp(w, 17.0 + 30 * w);
  for (int i = 1; i <= ObjectCount; ++i) {
    spread.Put(i, std::fmod(29.0 * i + 3, 360.0)).House(i, (i + 8) % 12 + 1);
    spread.chart.ObjectDecl[i] = 23.0 - 3.1 * i;
  }
  test::ExpectGolden(spread.Write(CosmodynesReport), "cosmodynes_spread.txt");
  test::ExpectGolden(test::WrittenLines(CosmodynesReport, ChartState{}), "cosmodynes_empty.txt");
}

}  // namespace
}  // namespace kairotex
