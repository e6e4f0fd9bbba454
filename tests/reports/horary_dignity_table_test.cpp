// The facts of the dignity table: column rulers, day and night, speed, rate,
// orientation, house, and the points each gives to the planet strength.
#include "reports/horary_dignity_table.h"

#include <gtest/gtest.h>

#include <vector>

#include "horary_test_chart.h"

namespace kairotex {
namespace {

using test::HoraryTestChart;

std::vector<StrengthSource> SourcesOf(const StrengthLedger& ledger, int object) {
  std::vector<StrengthSource> sources;
  for (const StrengthEntry& entry : ledger.EntriesOf(object)) sources.push_back(entry.source);
  return sources;
}

double RowPoints(const DignityRow& row) {
  StrengthLedger ledger;
  AddDignityRowPoints(row, ledger);
  return ledger.Total(row.object);
}

// The Sun in the 7th house makes a day chart, in the 6th a night chart.
HoraryTestChart WithSunInHouse(int house) {
  HoraryTestChart t(0.0);
  t.Put(kSun, 100.0).House(kSun, house);
  return t;
}

TEST(HoraryDignityTable, ColumnRulersAtTermAndFaceBounds) {
  struct Case {
    double mars;
    std::array<int, 5> rulers;  // sign, exaltation, triplicity (day), term, face
    std::array<bool, 5> own;
  };
  const Case cases[] = {
      {21.0, {kMars, kSun, kSun, kMars, kVenus}, {true, false, false, true, false}},
      {20.99, {kMars, kSun, kSun, kMercury, kVenus}, {true, false, false, false, false}},
      {0.0, {kMars, kSun, kSun, kJupiter, kMars}, {true, false, false, false, true}},
      {65.0, {kMercury, 0, kSaturn, kMercury, kJupiter}, {false, false, false, false, false}},
  };
  const HoraryTestChart day = WithSunInHouse(7);
  for (const Case& c : cases) {
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
  StrengthLedger ledger;
  AddDignityRowPoints(row, ledger);
  const std::vector<StrengthSource> expected = {
      StrengthSource::kOwnSign, StrengthSource::kOwnFace,     StrengthSource::kDirect,
      StrengthSource::kFast,    StrengthSource::kOrientation, StrengthSource::kHouse};
  EXPECT_EQ(SourcesOf(ledger, kMars), expected);
  // Sun at 100 is 100 degrees ahead: Mars is oriental, +2.
  EXPECT_EQ(ledger.Total(kMars), 5 + 1 + 4 + 2 + 2 + 1);
}

TEST(HoraryDignityTable, TriplicityByDayOrNightFromTheSunsHouse) {
  struct Case {
    int sun_house;
    bool night;
    int aries_triplicity;
  };
  const Case cases[] = {
      {7, false, kSun}, {12, false, kSun}, {6, true, kJupiter}, {1, true, kJupiter}};
  for (const Case& c : cases) {
    HoraryTestChart t = WithSunInHouse(c.sun_house);
    t.Put(kMars, 5.0);
    EXPECT_EQ(IsNightChart(t.chart), c.night) << c.sun_house;
    const auto rows = ComputeDignityRows(t.chart, t.options);
    EXPECT_EQ(rows[3].object, kMars);
    EXPECT_EQ(rows[3].rulers[kTriplicityColumn], c.aries_triplicity) << c.sun_house;
  }
}

TEST(HoraryDignityTable, SpeedWordAgainstTheMeanMotion) {
  struct Case {
    int object;
    double motion;
    SpeedWord word;
  };
  const Case cases[] = {
      {kMars, 0.008, SpeedWord::kStationary}, {kMars, -0.008, SpeedWord::kStationary},
      {kMars, 0.0084, SpeedWord::kSlow},      {kMars, 0.6, SpeedWord::kFast},
      {kMars, 0.524344, SpeedWord::kAverage}, {kSun, 1.01, SpeedWord::kFast},
      {kMercury, -1.2, SpeedWord::kFast},     {kJupiter, -0.05, SpeedWord::kSlow},
      {kSaturn, 0.05, SpeedWord::kFast},      {kMoon, 12.0, SpeedWord::kSlow},
      {kMoon, 14.2, SpeedWord::kFast},        {kVenus, 0.9856103, SpeedWord::kAverage},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SpeedOf(c.object, c.motion), c.word) << c.object << " " << c.motion;
  }
  EXPECT_EQ(SpeedWordText(SpeedWord::kStationary), "stat");
  EXPECT_EQ(SpeedWordText(SpeedWord::kAverage), "AVG.");
}

TEST(HoraryDignityTable, RateInDegreesAndRoundedMinutes) {
  struct Case {
    double motion;
    int degrees;
    int minutes;
  };
  const Case cases[] = {
      {13.5, 13, 30}, {-1.25, 1, 15}, {0.0082, 0, 0}, {0.9999, 1, 0}, {0.6, 0, 36}};
  for (const Case& c : cases) {
    const MotionRate rate = RateOf(c.motion);
    EXPECT_EQ(rate.degrees, c.degrees) << c.motion;
    EXPECT_EQ(rate.minutes, c.minutes) << c.motion;
  }
}

TEST(HoraryDignityTable, MotionPoints) {
  struct Case {
    int object;
    double motion;
    bool retrograde;
    int points;
  };
  const Case cases[] = {
      {kMars, -0.6, true, -5},     // retrograde: no direct or speed points
      {kMars, -0.001, true, -5},   // even when stationary
      {kMars, 0.6, false, 4 + 2},  // direct and fast
      {kMercury, 0.005, false, 4 - 2}, {kMars, 0.524344, false, 4},  // average speed
      {kSun, 1.01, false, 2},  // the lights get no direct points
      {kMoon, 12.0, false, -2},
  };
  for (const Case& c : cases) {
    HoraryTestChart t(0.0);
    // Only the motion's own points are summed below.
    t.Put(c.object, 0.0, c.motion).House(c.object, 3);
    if (c.retrograde) t.Retrograde(c.object);
    const DignityRow row = ComputeDignityRow(t.chart, t.options, c.object, false);
    ASSERT_TRUE(row.motion);
    EXPECT_EQ(row.motion->retrograde, c.retrograde);
    StrengthLedger ledger;
    AddDignityRowPoints(row, ledger);
    int motion_points = 0;
    for (const StrengthEntry& e : ledger.EntriesOf(c.object)) {
      if (e.source == StrengthSource::kRetrograde || e.source == StrengthSource::kDirect ||
          e.source == StrengthSource::kFast || e.source == StrengthSource::kSlowOrStationary) {
        motion_points += e.points;
      }
    }
    EXPECT_EQ(motion_points, c.points) << c.object << " " << c.motion;
  }
}

TEST(HoraryDignityTable, OrientationToTheSun) {
  struct Case {
    int object;
    double lon;
    Orientation orientation;
    int points;
  };
  // The Sun at 100.
  const Case cases[] = {
      {kMercury, 90.0, Orientation::kOriental, -2},
      {kMercury, 110.0, Orientation::kOccidental, 2},
      {kVenus, 200.0, Orientation::kOccidental, 2},
      {kMars, 90.0, Orientation::kOriental, 2},
      {kSaturn, 110.0, Orientation::kOccidental, -2},
      {kJupiter, 280.0, Orientation::kOriental, 2},
      {kMoon, 110.0, Orientation::kOccidental, 2},
      {kMoon, 90.0, Orientation::kOriental, -2},
      {kSun, 100.0, Orientation::kOriental, 0},
  };
  for (const Case& c : cases) {
    HoraryTestChart t(0.0);
    t.Put(kSun, 100.0).Put(c.object, c.lon);
    const DignityRow row = ComputeDignityRow(t.chart, t.options, c.object, false);
    EXPECT_EQ(row.motion->orientation, c.orientation) << c.object << " " << c.lon;
    EXPECT_EQ(OrientationPoints(c.object, c.orientation), c.points) << c.object;
  }
}

TEST(HoraryDignityTable, HouseWithTheFiveDegreeRule) {
  struct Case {
    double mars;
    float rule;
    int house;
    int points;
  };
  // Equal houses from 0 Aries.
  const Case cases[] = {
      {26.0, 0, 1, 5},    {26.0, 1, 2, 3},   {25.0, 1, 2, 3},   {24.99, 1, 1, 5},
      {357.0, 0, 12, -5}, {357.0, 1, 1, 5},  {160.0, 0, 6, -2}, {215.0, 0, 8, -2},
      {250.0, 0, 9, 2},   {80.0, 0, 3, 1},   {100.0, 0, 4, 4},  {190.0, 0, 7, 4},
      {310.0, 0, 11, 4},  {275.0, 0, 10, 5}, {130.0, 0, 5, 3},  {148.0, 2, 6, -2},
  };
  for (const Case& c : cases) {
    HoraryTestChart t(0.0);
    t.Put(kMars, c.mars).Option(46, c.rule);
    const DignityRow row = ComputeDignityRow(t.chart, t.options, kMars, false);
    EXPECT_EQ(row.motion->house, c.house) << c.mars << " rule " << c.rule;
    StrengthLedger ledger;
    AddDignityRowPoints(row, ledger);
    int house_points = 0;
    for (const StrengthEntry& e : ledger.EntriesOf(kMars)) {
      if (e.source == StrengthSource::kHouse) house_points += e.points;
    }
    EXPECT_EQ(house_points, c.points) << c.mars << " rule " << c.rule;
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
  EXPECT_EQ(RowPoints(rows[7]), 0);
}

TEST(HoraryDignityTable, OwnDignityFlagsFromAnyColumn) {
  HoraryTestChart t = WithSunInHouse(7);
  t.Put(kMars, 21.0)         // own sign and term
      .Put(kVenus, 50.0)     // Taurus: own sign
      .Put(kSaturn, 40.0)    // Taurus, Mercury's term, Moon's face: nothing of its own
      .Put(kJupiter, 95.0);  // Cancer, Mars's term: own exaltation
  const OwnDignityFlags flags = OwnDignityFlagsOf(ComputeDignityRows(t.chart, t.options));
  EXPECT_TRUE(flags[kMars]);
  EXPECT_TRUE(flags[kVenus]);
  EXPECT_FALSE(flags[kSaturn]);
  EXPECT_TRUE(flags[kJupiter]);
}

}  // namespace
}  // namespace kairotex
