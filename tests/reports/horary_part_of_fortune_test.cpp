// The Part of Fortune's own score: term, sign, house, Algol, the
// separations from the Sun, the nodes, the malefics and the benefics, and
// the royal stars.
#include "reports/horary_part_of_fortune.h"

#include <gtest/gtest.h>

#include <cmath>

#include "horary_test_chart.h"

namespace kairotex {
namespace {

using test::HoraryTestChart;

// The Part of Fortune at `fortune` with nothing near it: the Sun 12 degrees
// on (neither combust nor free of its beams), the others 30 degrees on.
HoraryTestChart FortuneChart(double fortune) {
  HoraryTestChart t(0.0);
  t.Put(kPartOfFortune, fortune).Put(kSun, std::fmod(fortune + 12.0, 360.0));
  for (int object : {kMars, kSaturn, kVenus, kJupiter, kNorthNode, kSouthNode}) {
    t.Put(object, std::fmod(fortune + 30.0, 360.0));
  }
  return t;
}

int PointsFor(const PartOfFortuneScore& score, FortuneCondition condition) {
  int points = 0;
  for (const FortuneContribution& c : score.contributions) {
    if (c.condition == condition) points += c.points;
  }
  return points;
}

TEST(HoraryPartOfFortune, BaselineIsTermSignAndHouse) {
  const HoraryTestChart t = FortuneChart(100.0);  // Cancer, Jupiter's term, 4th house
  const PartOfFortuneScore score = ScorePartOfFortune(t.chart, t.options);
  EXPECT_EQ(score.score, 4 + 4);
  EXPECT_EQ(score.house, 4);
  ASSERT_EQ(score.contributions.size(), 2u);
  EXPECT_EQ(score.contributions[0].condition, FortuneCondition::kSign);
  EXPECT_EQ(score.contributions[1].condition, FortuneCondition::kHouse);
}

// The Sun 0.2 on is in its heart: no points either way.
TEST(HoraryPartOfFortune, SeparationsFromOtherObjects) {
  using enum FortuneCondition;
  const struct {
    int object;
    double ahead;  // degrees past the Part of Fortune at 100
    FortuneCondition condition;
    int points;
  } cases[] = {{kSun, 8.0, kCombust, -5},
               {kSun, 0.3, kCombust, -5},
               {kSun, 0.2, kCombust, 0},
               {kSun, 17.01, kFreeOfSunBeams, 5},
               {kSun, 17.0, kFreeOfSunBeams, 0},
               {kSouthNode, 1.0, kSouthNodeConjunct, -3},
               {kSouthNode, 1.02, kSouthNodeConjunct, 0},
               {kNorthNode, 359.5, kNorthNodeConjunct, 3},
               {kMars, 3.7, kMarsConjunct, -5},
               {kMars, 3.8, kMarsConjunct, 0},
               {kSaturn, 4.9, kSaturnConjunct, -5},
               {kMars, 177.0, kMarsOpposite, -4},
               {kSaturn, 175.5, kSaturnOpposite, -4},
               {kMars, 270.0, kMarsSquare, -3},
               {kSaturn, 94.0, kSaturnSquare, -3},
               {kVenus, 3.9, kVenusConjunct, 5},
               {kJupiter, 5.9, kJupiterConjunct, 5},
               {kJupiter, 6.1, kJupiterConjunct, 0},
               {kVenus, 120.0, kVenusTrine, 4},
               {kJupiter, 245.0, kJupiterTrine, 4},
               {kVenus, 60.0, kVenusSextile, 2},
               {kJupiter, 54.5, kJupiterSextile, 2}};

  const double baseline = ScorePartOfFortune(FortuneChart(100.0).chart, {}).score;
  for (const auto& c : cases) {
    HoraryTestChart t = FortuneChart(100.0);
    t.Put(c.object, std::fmod(100.0 + c.ahead, 360.0));
    const PartOfFortuneScore score = ScorePartOfFortune(t.chart, t.options);
    EXPECT_EQ(PointsFor(score, c.condition), c.points) << c.object << " " << c.ahead;
    EXPECT_EQ(score.score - baseline, c.points) << c.object << " " << c.ahead;
  }
}

TEST(HoraryPartOfFortune, SignPoints) {
  const struct {
    double fortune;
    int points;
  } cases[] = {
      {35.0, 5},  {345.0, 5},  {100.0, 4},  {130.0, 4},  {190.0, 4}, {245.0, 4},
      {65.0, 3},  {160.0, 2},  {157.0, 2},  {167.99, 2}, {168.0, 0}, {150.5, 0},
      {15.0, -5}, {215.0, -5}, {275.0, -5}, {305.0, -5},
  };
  for (const auto& c : cases) {
    const HoraryTestChart t = FortuneChart(c.fortune);
    EXPECT_EQ(PointsFor(ScorePartOfFortune(t.chart, t.options), FortuneCondition::kSign), c.points)
        << c.fortune;
  }
}

TEST(HoraryPartOfFortune, TermsOfMarsOrSaturn) {
  const struct {
    double fortune;
    int points;
  } cases[] = {{22.0, -2}, {27.0, -2}, {20.99, 0}, {56.0, -2}, {55.99, -2}, {45.0, 0}};
  for (const auto& c : cases) {
    const HoraryTestChart t = FortuneChart(c.fortune);
    const PartOfFortuneScore score = ScorePartOfFortune(t.chart, t.options);
    EXPECT_EQ(PointsFor(score, FortuneCondition::kMaleficTerm), c.points) << c.fortune;
    if (c.points != 0) {
      // The term column comes before the rest of the score.
      EXPECT_EQ(score.contributions[0].condition, FortuneCondition::kMaleficTerm);
    }
  }
}

// 27 Aries is 3 degrees before the 2nd cusp of equal houses from 0 Aries; only
// option 33, not the planets' option 46, moves it there.
TEST(HoraryPartOfFortune, HousePointsWithItsOwnFiveDegreeRule) {
  const struct {
    int house;
    float option33;
    float option46;
    double fortune;
    int points;
  } cases[] = {{6, 0, 0, 100.0, -4}, {8, 0, 0, 100.0, -4}, {12, 0, 0, 100.0, -5},
               {3, 0, 0, 100.0, 1},  {9, 0, 0, 100.0, 2},  {5, 0, 0, 100.0, 3},
               {10, 0, 0, 100.0, 5}, {11, 0, 0, 100.0, 4}, {1, 1, 0, 27.0, 3},
               {1, 0, 0, 27.0, 5},   {1, 0, 1, 27.0, 5}};

  for (const auto& c : cases) {
    HoraryTestChart t = FortuneChart(c.fortune);
    t.House(kPartOfFortune, c.house).Option(33, c.option33).Option(46, c.option46);
    EXPECT_EQ(PointsFor(ScorePartOfFortune(t.chart, t.options), FortuneCondition::kHouse), c.points)
        << c.house << " " << c.fortune << " " << c.option33;
  }
}

TEST(HoraryPartOfFortune, AlgolRegulusAndSpica) {
  const struct {
    double fortune;
    float algol_orb;
    FortuneCondition condition;
    int points;
  } cases[] = {
      {57.5, 1.5, FortuneCondition::kAlgol, -4},  {57.6, 1.5, FortuneCondition::kAlgol, 0},
      {54.6, 1.5, FortuneCondition::kAlgol, -4},  {54.6, 1.0, FortuneCondition::kAlgol, 0},
      {149.0, 0, FortuneCondition::kRegulus, 6},  {150.7, 0, FortuneCondition::kRegulus, 6},
      {150.71, 0, FortuneCondition::kRegulus, 0}, {203.0, 0, FortuneCondition::kSpica, 5},
  };
  for (const auto& c : cases) {
    HoraryTestChart t = FortuneChart(c.fortune);
    t.Option(44, c.algol_orb);
    EXPECT_EQ(PointsFor(ScorePartOfFortune(t.chart, t.options), c.condition), c.points)
        << c.fortune;
  }
}

TEST(HoraryPartOfFortune, WholeScoreAddsEveryCondition) {
  // 29.5 Leo: Mars's term -2, Leo +4, 5th house +3, Regulus +6.
  HoraryTestChart t = FortuneChart(149.5);
  EXPECT_EQ(ScorePartOfFortune(t.chart, t.options).score, 11);
  // Half a degree before the 6th cusp: the 5 degree rule moves it there (-4).
  t.Option(33, 1);
  EXPECT_EQ(ScorePartOfFortune(t.chart, t.options).score, 4);
  // Venus trine and Saturn conjunct on top.
  t.Put(kVenus, 29.5).Put(kSaturn, 152.0);
  EXPECT_EQ(ScorePartOfFortune(t.chart, t.options).score, 4 + 4 - 5);
}

}  // namespace
}  // namespace kairotex
