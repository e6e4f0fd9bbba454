// The facts of the dignity table: column rulers, day and night, speed, rate,
// orientation, house, and the points each gives to the planet strength.
#include "reports/horary_dignity_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <vector>

#include "horary_test_chart.h"

namespace kairotex {
namespace {

using test::HoraryTestChart;

StrengthLedger LedgerOf(const DignityRow& row) {
  StrengthLedger ledger;
  AddDignityRowPoints(row, ledger);
  return ledger;
}

// The points the row gives from the sources named, or from all of them.
int PointsOf(const DignityRow& row, std::initializer_list<StrengthSource> sources = {}) {
  int points = 0;
  for (const StrengthEntry& e : LedgerOf(row).EntriesOf(row.object)) {
    if (sources.size() == 0 || std::find(sources.begin(), sources.end(), e.source) != sources.end())
      points += e.points;
  }
  return points;
}

// The Sun in the 7th house makes a day chart, in the 6th a night chart.
HoraryTestChart WithSunInHouse(int house) {
  HoraryTestChart t(0.0);
  t.Put(kSun, 100.0).House(kSun, house);
  return t;
}

TEST(HoraryDignityTable, ColumnRulersAtTermAndFaceBounds) {
  const struct {
    double mars;
    std::array<int, 5> rulers;  // sign, exaltation, triplicity (day), term, face
    std::array<bool, 5> own;
  } cases[] = {
      {21.0, {kMars, kSun, kSun, kMars, kVenus}, {true, false, false, true, false}},
      {20.99, {kMars, kSun, kSun, kMercury, kVenus}, {true, false, false, false, false}},
      {0.0, {kMars, kSun, kSun, kJupiter, kMars}, {true, false, false, false, true}},
      {65.0, {kMercury, 0, kSaturn, kMercury, kJupiter}, {false, false, false, false, false}},
  };
  const HoraryTestChart day = WithSunInHouse(7);
  for (const auto& c : cases) {
    HoraryTestChart t = day;
    t.Put(kMars, c.mars);
    const DignityRow row = ComputeDignityRow(t.chart, t.options, kMars, IsNightChart(t.chart));
    EXPECT_EQ(row.rulers, c.rulers) << c.mars;
    EXPECT_EQ(row.own, c.own) << c.mars;
  }
}

TEST(HoraryDignityTable, OwnColumnsScoreFiveToOne) {
  HoraryTestChart t = WithSunInHouse(7);
  t.Put(kMars, 0.0, 0.6).House(kMars, 3);  // +5 sign, +1 face; direct +4, fast +2; house +1
  const DignityRow row = ComputeDignityRow(t.chart, t.options, kMars, false);
  std::vector<StrengthSource> sources;
  for (const StrengthEntry& e : LedgerOf(row).EntriesOf(kMars)) sources.push_back(e.source);
  const std::vector<StrengthSource> expected = {
      StrengthSource::kOwnSign, StrengthSource::kOwnFace,     StrengthSource::kDirect,
      StrengthSource::kFast,    StrengthSource::kOrientation, StrengthSource::kHouse};
  EXPECT_EQ(sources, expected);
  // Sun at 100 is 100 degrees ahead: Mars is oriental, +2.
  EXPECT_EQ(PointsOf(row), 5 + 1 + 4 + 2 + 2 + 1);
}

TEST(HoraryDignityTable, TriplicityByDayOrNightFromTheSunsHouse) {
  const struct {
    int sun_house;
    bool night;
    int aries_triplicity;
  } cases[] = {{7, false, kSun}, {12, false, kSun}, {6, true, kJupiter}, {1, true, kJupiter}};
  for (const auto& c : cases) {
    HoraryTestChart t = WithSunInHouse(c.sun_house);
    t.Put(kMars, 5.0);
    EXPECT_EQ(IsNightChart(t.chart), c.night) << c.sun_house;
    const auto rows = ComputeDignityRows(t.chart, t.options);
    EXPECT_EQ(rows[3].object, kMars);
    EXPECT_EQ(rows[3].rulers[kTriplicityColumn], c.aries_triplicity) << c.sun_house;
  }
}

TEST(HoraryDignityTable, SpeedWordAgainstTheMeanMotion) {
  const struct {
    int object;
    double motion;
    SpeedWord word;
  } cases[] = {
      {kMars, 0.008, SpeedWord::kStationary}, {kMars, -0.008, SpeedWord::kStationary},
      {kMars, 0.0084, SpeedWord::kSlow},      {kMars, 0.6, SpeedWord::kFast},
      {kMars, 0.524344, SpeedWord::kAverage}, {kSun, 1.01, SpeedWord::kFast},
      {kMercury, -1.2, SpeedWord::kFast},     {kJupiter, -0.05, SpeedWord::kSlow},
      {kSaturn, 0.05, SpeedWord::kFast},      {kMoon, 12.0, SpeedWord::kSlow},
      {kMoon, 14.2, SpeedWord::kFast},        {kVenus, 0.9856103, SpeedWord::kAverage},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SpeedOf(c.object, c.motion), c.word) << c.object << " " << c.motion;
  }
}

TEST(HoraryDignityTable, RateInDegreesAndRoundedMinutes) {
  const struct {
    double motion;
    int degrees;
    int minutes;
  } cases[] = {{13.5, 13, 30}, {-1.25, 1, 15}, {0.0082, 0, 0}, {0.9999, 1, 0}, {0.6, 0, 36}};
  for (const auto& c : cases) {
    const MotionRate rate = RateOf(c.motion);
    EXPECT_EQ(rate.degrees, c.degrees) << c.motion;
    EXPECT_EQ(rate.minutes, c.minutes) << c.motion;
  }
}

// Retrograde (even when stationary) gives no direct or speed points; the
// lights get no direct points.
TEST(HoraryDignityTable, MotionPoints) {
  const struct {
    int object;
    double motion;
    bool retrograde;
    int points;
  } cases[] = {{kMars, -0.6, true, -5},     {kMars, -0.001, true, -5},
               {kMars, 0.6, false, 4 + 2},  {kMercury, 0.005, false, 4 - 2},
               {kMars, 0.524344, false, 4}, {kSun, 1.01, false, 2},
               {kMoon, 12.0, false, -2}};
  for (const auto& c : cases) {
    HoraryTestChart t(0.0);
    t.Put(c.object, 0.0, c.motion).House(c.object, 3);
    if (c.retrograde) t.Retrograde(c.object);
    const DignityRow row = ComputeDignityRow(t.chart, t.options, c.object, false);
    ASSERT_TRUE(row.motion);
    EXPECT_EQ(row.motion->retrograde, c.retrograde);
    EXPECT_EQ(PointsOf(row, {StrengthSource::kRetrograde, StrengthSource::kDirect,
                             StrengthSource::kFast, StrengthSource::kSlowOrStationary}),
              c.points)
        << c.object << " " << c.motion;
  }
}

TEST(HoraryDignityTable, OrientationToTheSun) {
  using O = Orientation;
  const struct {
    int object;
    double lon;  // the Sun at 100
    Orientation orientation;
    int points;
  } cases[] = {{kMercury, 90.0, O::kOriental, -2},   {kMercury, 110.0, O::kOccidental, 2},
               {kVenus, 200.0, O::kOccidental, 2},   {kMars, 90.0, O::kOriental, 2},
               {kSaturn, 110.0, O::kOccidental, -2}, {kJupiter, 280.0, O::kOriental, 2},
               {kMoon, 110.0, O::kOccidental, 2},    {kMoon, 90.0, O::kOriental, -2},
               {kSun, 100.0, O::kOriental, 0}};
  for (const auto& c : cases) {
    HoraryTestChart t(0.0);
    t.Put(kSun, 100.0).Put(c.object, c.lon);
    const DignityRow row = ComputeDignityRow(t.chart, t.options, c.object, false);
    EXPECT_EQ(row.motion->orientation, c.orientation) << c.object << " " << c.lon;
    EXPECT_EQ(OrientationPoints(c.object, c.orientation), c.points) << c.object;
  }
}

TEST(HoraryDignityTable, HouseWithTheFiveDegreeRule) {
  // Equal houses from 0 Aries.
  const struct {
    double mars;
    float rule;
    int house;
    int points;
  } cases[] = {
      {26.0, 0, 1, 5},    {26.0, 1, 2, 3},   {25.0, 1, 2, 3},   {24.99, 1, 1, 5},
      {357.0, 0, 12, -5}, {357.0, 1, 1, 5},  {160.0, 0, 6, -2}, {215.0, 0, 8, -2},
      {250.0, 0, 9, 2},   {80.0, 0, 3, 1},   {100.0, 0, 4, 4},  {190.0, 0, 7, 4},
      {310.0, 0, 11, 4},  {275.0, 0, 10, 5}, {130.0, 0, 5, 3},  {148.0, 2, 6, -2},
  };
  for (const auto& c : cases) {
    HoraryTestChart t(0.0);
    t.Put(kMars, c.mars).Option(46, c.rule);
    const DignityRow row = ComputeDignityRow(t.chart, t.options, kMars, false);
    EXPECT_EQ(row.motion->house, c.house) << c.mars << " rule " << c.rule;
    EXPECT_EQ(PointsOf(row, {StrengthSource::kHouse}), c.points) << c.mars << " rule " << c.rule;
  }
}

TEST(HoraryDignityTable, PartOfFortuneRowHasNoMotionAndScoresNothing) {
  HoraryTestChart t(0.0);
  t.Put(kPartOfFortune, 35.0, 1.0).House(kPartOfFortune, 1);
  const auto rows = ComputeDignityRows(t.chart, t.options);
  ASSERT_EQ(rows.size(), 8u);
  EXPECT_EQ(rows[6].object, kMoon);
  EXPECT_EQ(rows[7].object, kPartOfFortune);
  EXPECT_FALSE(rows[7].motion);
  EXPECT_EQ(PointsOf(rows[7]), 0);
}

TEST(HoraryDignityTable, OwnDignityFlagsFromAnyColumn) {
  HoraryTestChart t = WithSunInHouse(7);
  t.Put(kMars, 21.0)         // own sign and term
      .Put(kVenus, 50.0)     // Taurus: own sign
      .Put(kSaturn, 40.0)    // Taurus, Mercury's term, Moon's face: nothing of its own
      .Put(kJupiter, 95.0);  // Cancer, Mars's term: own exaltation
  const OwnDignityFlags flags = OwnDignityFlagsOf(ComputeDignityRows(t.chart, t.options));
  EXPECT_EQ((std::array{flags[kMars], flags[kVenus], flags[kSaturn], flags[kJupiter]}),
            (std::array{true, true, false, true}));
}

}  // namespace
}  // namespace kairotex
