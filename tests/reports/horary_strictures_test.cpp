// The strictures and warnings at the head of the horary basics report.
#include "reports/horary_strictures.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "horary_test_chart.h"

namespace kairotex {
namespace {

using test::HoraryTestChart;

bool Holds(const ChartState& chart, Stricture stricture) {
  const auto holding = ComputeStrictures(chart);
  return std::find(holding.begin(), holding.end(), stricture) != holding.end();
}

TEST(HoraryStrictures, AscendantEarlyAndLateByDegreeOfItsSign) {
  // 2 deg 59 min, and 2.5 Taurus, are early.
  const struct {
    double ascendant;
    bool early;
    bool late;
  } cases[] = {{2.0 + 59.0 / 60.0, true, false},
               {27.0, false, true},
               {3.0, false, false},
               {26.99, false, false},
               {30.0 + 2.5, true, false},
               {359.99, false, true},
               {0.0, true, false}};
  for (const auto& c : cases) {
    const HoraryTestChart t(c.ascendant);
    EXPECT_EQ(Holds(t.chart, Stricture::kAscendantEarly), c.early) << c.ascendant;
    EXPECT_EQ(Holds(t.chart, Stricture::kAscendantLate), c.late) << c.ascendant;
  }
}

TEST(HoraryStrictures, SaturnRulesTheSeventhFromCapricornToAquarius) {
  const struct {
    double seventh_cusp;
    bool rules;
  } cases[] = {{270.0, true}, {329.99, true}, {330.0, false}, {269.99, false}};
  for (const auto& c : cases) {
    HoraryTestChart t(15.0);
    t.Cusp(10, c.seventh_cusp);
    EXPECT_EQ(Holds(t.chart, Stricture::kSaturnRulesSeventh), c.rules) << c.seventh_cusp;
  }
}

TEST(HoraryStrictures, SaturnInTheFirstOrSeventhHouse) {
  const struct {
    int house;
    bool first;
    bool seventh;
  } cases[] = {{1, true, false}, {7, false, true}, {10, false, false}, {12, false, false}};
  for (const auto& c : cases) {
    HoraryTestChart t(15.0);
    t.House(kSaturn, c.house);
    EXPECT_EQ(Holds(t.chart, Stricture::kSaturnInFirst), c.first) << c.house;
    EXPECT_EQ(Holds(t.chart, Stricture::kSaturnInSeventh), c.seventh) << c.house;
  }
}

TEST(HoraryStrictures, MoonLateAndInViaCombusta) {
  const struct {
    double moon;
    bool late;
    bool via_combusta;
  } cases[] = {{195.0, false, true},   {225.0, false, false}, {224.99, false, true},
               {194.99, false, false}, {57.0, true, false},   {56.99, false, false}};
  for (const auto& c : cases) {
    HoraryTestChart t(15.0);
    t.Put(kMoon, c.moon);
    EXPECT_EQ(Holds(t.chart, Stricture::kMoonLate), c.late) << c.moon;
    EXPECT_EQ(Holds(t.chart, Stricture::kMoonInViaCombusta), c.via_combusta) << c.moon;
  }
}

TEST(HoraryStrictures, AscendantInViaCombustaIsReadFromTheAscendantObject) {
  HoraryTestChart t(15.0);
  t.Put(kAscendant, 200.0);
  EXPECT_TRUE(Holds(t.chart, Stricture::kAscendantInViaCombusta));
  t.Put(kAscendant, 225.0);
  EXPECT_FALSE(Holds(t.chart, Stricture::kAscendantInViaCombusta));
}

TEST(HoraryStrictures, ListedInReportOrderWithTheirTexts) {
  HoraryTestChart t(28.0);  // late Ascendant, 7th cusp at 208
  t.Put(kMoon, 200.0).House(kSaturn, 7);
  const auto holding = ComputeStrictures(t.chart);
  ASSERT_EQ(holding.size(), 3u);
  EXPECT_EQ(StrictureText(holding[0]), "ASCENDANT is late.");
  EXPECT_EQ(StrictureText(holding[1]), "SATURN is in the 7th house.");
  EXPECT_EQ(StrictureText(holding[2]), "MOON is in Via Combusta.");
}

}  // namespace
}  // namespace kairotex
