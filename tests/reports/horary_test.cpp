// The horary basics report: strictures, the dignity table and its points, the
// accidental conditions, the Part of Fortune's score, the fixed stars, the
// aspect points, and the whole text of a hand-built chart.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "aspects/aspect_codes.h"
#include "report_test_chart.h"
#include "reports/fixed_stars.h"
#include "reports/fixed_stars_table.h"
#include "reports/horary_aspect_points.h"
#include "reports/horary_basics.h"
#include "reports/horary_basics_text.h"
#include "reports/horary_conditions.h"
#include "reports/horary_debilities.h"
#include "reports/horary_dignity_table.h"
#include "reports/horary_part_of_fortune.h"
#include "reports/horary_placements.h"
#include "reports/horary_receptions.h"
#include "reports/horary_strictures.h"
#include "reports/horary_sun_distance.h"

namespace kairotex {
namespace {

using test::Horary;
using test::TestChart;
using Objects = std::vector<int>;
template <typename In, typename Out>
using Cases = std::vector<std::pair<In, Out>>;

// Where: the Ascendant (0), the 7th cusp (-1) or an object, with equal houses
// from 15 Aries but for the Ascendant's own cases. The Ascendant's Via
// Combusta is read from its object, not the cusp.
TEST(HoraryStrictures, EachRuleAtItsBounds) {
  using enum Stricture;
  const std::tuple<Stricture, int, Cases<double, bool>> rules[] = {
      {kAscendantEarly, 0, {{2.99, true}, {3.0, false}}},
      {kAscendantLate, 0, {{26.99, false}, {27.0, true}, {359.99, true}}},
      {kSaturnRulesSeventh, -1, {{269.99, false}, {270.0, true}, {329.99, true}, {330.0, false}}},
      {kSaturnInFirst, kSaturn, {{20, true}, {350, false}}},
      {kSaturnInSeventh, kSaturn, {{200, true}}},
      {kMoonLate, kMoon, {{56.99, false}, {57.0, true}}},
      {kMoonInViaCombusta, kMoon, {{194.99, false}, {195.0, true}, {224.99, true}, {225.0, false}}},
      {kAscendantInViaCombusta, kAscendant, {{200, true}, {225, false}}}};
  for (const auto& [stricture, where, cases] : rules) {
    for (const auto& [lon, holds] : cases) {
      TestChart t = Horary(where == 0 ? lon : 15.0);
      if (where > 0) t.Put(where, lon);
      if (where < 0) t.Cusp(10, lon);
      const auto found = ComputeStrictures(t.chart);
      EXPECT_EQ(std::find(found.begin(), found.end(), stricture) != found.end(), holds)
          << static_cast<int>(stricture) << " " << lon;
    }
  }
}

// The points the row gives from one source.
int PointsOf(const DignityRow& row, StrengthSource source) {
  StrengthLedger ledger;
  AddDignityRowPoints(row, ledger);
  int points = 0;
  for (const StrengthEntry& e : ledger.EntriesOf(row.object))
    points += e.source == source ? e.points : 0;
  return points;
}

DignityRow RowOf(const TestChart& t, int object) {
  return ComputeDignityRow(t.chart, t.options, object, IsNightChart(t.chart));
}

// The Sun in the 7th house makes a day chart, in the 6th a night chart.
TestChart WithSunInHouse(int house) {
  TestChart t = Horary();
  t.Put(kSun, 100.0).House(kSun, house);
  return t;
}

// Rulers of sign, exaltation, triplicity (day), term and face; own: 1.
TEST(HoraryDignityTable, ColumnRulersAtTermAndFaceBounds) {
  const std::tuple<double, std::array<int, 5>, const char*> cases[] = {
      {21.0, {kMars, kSun, kSun, kMars, kVenus}, "10010"},
      {20.99, {kMars, kSun, kSun, kMercury, kVenus}, "10000"},
      {0.0, {kMars, kSun, kSun, kJupiter, kMars}, "10001"},
      {65.0, {kMercury, 0, kSaturn, kMercury, kJupiter}, "00000"}};
  for (const auto& [mars, rulers, own] : cases) {
    TestChart t = WithSunInHouse(7);
    const DignityRow row = RowOf(t.Put(kMars, mars), kMars);
    EXPECT_EQ(row.rulers, rulers) << mars;
    for (int j = 0; j < 5; ++j) EXPECT_EQ(row.own[j], own[j] == '1') << mars << " column " << j;
  }
  // Day and night change at the 6th and 12th cusps.
  for (const auto& [house, night] : {std::pair{7, false}, {12, false}, {6, true}, {1, true}}) {
    TestChart n = WithSunInHouse(house);
    EXPECT_EQ(ComputeDignityRows(n.Put(kMars, 5.0).chart, n.options)[3].rulers[kTriplicityColumn],
              night ? kJupiter : kSun)
        << house;
  }
}

TEST(HoraryDignityTable, SpeedWordAndRate) {
  using enum SpeedWord;
  const std::tuple<int, double, SpeedWord, std::pair<int, int>> cases[] = {
      {kMars, 0.008, kStationary, {0, 0}}, {kMars, -0.008, kStationary, {0, 0}},
      {kMars, 0.0084, kSlow, {0, 1}},      {kMars, 0.524344, kAverage, {0, 31}},
      {kMercury, -1.25, kFast, {1, 15}},   {kMoon, 12.0, kSlow, {12, 0}},
      {kMoon, 13.5, kFast, {13, 30}},      {kSun, 0.9999, kFast, {1, 0}}};
  for (const auto& [object, motion, word, rate] : cases) {
    EXPECT_EQ(SpeedOf(object, motion), word) << object << " " << motion;
    EXPECT_EQ(std::pair(RateOf(motion).degrees, RateOf(motion).minutes), rate) << motion;
  }
}

// The five degree rule (option 46) at its bound, and the points of some houses.
TEST(HoraryDignityTable, HouseWithTheFiveDegreeRule) {
  const std::tuple<double, float, int, int> cases[] = {
      {24.99, 1, 1, 5},  {25.0, 1, 2, 3},   {26.0, 0, 1, 5},    {80.0, 0, 3, 1},
      {160.0, 0, 6, -2}, {148.0, 2, 6, -2}, {357.0, 0, 12, -5}, {357.0, 1, 1, 5}};
  for (const auto& [mars, rule, house, points] : cases) {
    TestChart t = Horary();
    const DignityRow row = RowOf(t.Put(kMars, mars).Option(46, rule), kMars);
    EXPECT_EQ(row.motion->house, house) << mars << " rule " << rule;
    EXPECT_EQ(PointsOf(row, StrengthSource::kHouse), points) << mars << " rule " << rule;
  }
}

// d: in detriment, f: in fall, b: both; the others where none of them is
// debilitated (Leo; Saturn in Scorpio).
TEST(HoraryConditions, DetrimentAndFallBySign) {
  const std::tuple<int, double, char> cases[] = {
      {kSun, 299.99, '-'},   {kSun, 300.0, 'd'},     {kSun, 329.99, 'd'},  {kSun, 330.0, '-'},
      {kSun, 180.0, 'f'},    {kMoon, 270.0, 'd'},    {kMoon, 210.0, 'f'},  {kMercury, 330.0, 'b'},
      {kVenus, 0.0, 'd'},    {kVenus, 150.0, 'f'},   {kMars, 180.0, 'd'},  {kMars, 90.0, 'f'},
      {kJupiter, 60.0, 'd'}, {kJupiter, 270.0, 'f'}, {kSaturn, 90.0, 'd'}, {kSaturn, 0.0, 'f'}};
  for (const auto& [planet, lon, debility] : cases) {
    TestChart t = Horary();
    for (int p : {kSun, kMercury, kVenus, kMars, kJupiter, kSaturn, kMoon})
      t.Put(p, p == kSaturn ? 235.0 : 135.0);
    t.Put(planet, lon);
    const Objects one{planet}, none;
    EXPECT_EQ(FindInDetriment(t.chart), debility == 'd' || debility == 'b' ? one : none) << lon;
    EXPECT_EQ(FindInFall(t.chart), debility == 'f' || debility == 'b' ? one : none) << lon;
  }
}

// Against a chart where no two planets receive each other: the Sun in Leo,
// the Moon in Cancer, the others in their own signs. Mercury in Virgo is in
// its own exaltation: no pair.
TEST(HoraryConditions, ReceptionsBySignExaltationAndMixed) {
  using Pairs = std::vector<ReceptionPair>;
  const std::tuple<Cases<int, double>, Pairs, Pairs, Pairs> cases[] = {
      {{{kSun, 10.0}, {kMars, 130.0}}, {{kSun, kMars}}, {}, {}},
      {{{kSun, 190.0}, {kSaturn, 10.0}}, {}, {{kSun, kSaturn}}, {}},
      {{{kVenus, 280.0}, {kMars, 190.0}, {kSaturn, 310.0}}, {}, {}, {{kVenus, kMars}}},
      {{{kMercury, 160.0}}, {}, {}, {}}};
  for (const auto& [placements, by_sign, by_exaltation, mixed] : cases) {
    TestChart t = Horary();
    t.Put(kSun, 130.0).Put(kMoon, 100.0).Put(kMercury, 70.0).Put(kVenus, 40.0);
    t.Put(kMars, 10.0).Put(kJupiter, 250.0).Put(kSaturn, 280.0);
    for (const auto& [planet, lon] : placements) t.Put(planet, lon);
    const Receptions found = FindReceptions(t.chart);
    EXPECT_EQ(found.by_sign, by_sign);
    EXPECT_EQ(found.by_exaltation, by_exaltation);
    EXPECT_EQ(found.mixed, mixed);
  }
}

// Where Mercury is listed: z cazimi, c combust, u under the Sun's beams, f free
// of them; options 32 (the combustion orb) and 30 (in any sign). 4 degrees
// apart across the cusp of Leo is never combust; 359.5 and 0.5 are one degree
// apart, not 359.
TEST(HoraryConditions, CazimiCombustAndUnderTheBeams) {
  const Cases<std::tuple<double, double, float, float>, std::string> cases = {
      {{100, 100.2, 8.5, 0}, "z"},  {{100, 100.3, 8.5, 0}, "c"}, {{100, 99.7, 8.5, 0}, "c"},
      {{100, 108.4, 8.5, 0}, "c"},  {{100, 108.5, 8.5, 0}, "u"}, {{100, 117.0, 8.5, 0}, "u"},
      {{100, 117.01, 8.5, 0}, "f"}, {{118, 122.0, 8.5, 0}, ""},  {{118, 122.0, 3.0, 1}, "u"},
      {{0.5, 359.5, 0.9, 0}, ""},   {{0.5, 359.5, 0.9, 1}, "u"}, {{0.5, 359.5, 1.1, 1}, ""}};
  for (const auto& [chart, listed] : cases) {
    const auto& [sun, mercury, orb, any_sign] = chart;
    TestChart t = Horary();
    for (int planet : {kVenus, kMars, kJupiter, kSaturn, kMoon})
      t.Put(planet, std::fmod(sun + 90.0, 360.0));
    t.Put(kSun, sun).Put(kMercury, mercury).Option(32, orb).Option(30, any_sign);
    const SunDistanceConditions found = FindSunDistanceConditions(t.chart, t.options);
    std::string in;
    for (const auto& [list, letter] : {std::pair{&found.cazimi, 'z'},
                                       {&found.combust, 'c'},
                                       {&found.under_sun_beams, 'u'},
                                       {&found.free_of_sun_beams, 'f'}})
      if (std::find(list->begin(), list->end(), kMercury) != list->end()) in += letter;
    EXPECT_EQ(in, listed) << mercury << " " << orb << " " << any_sign;
  }
}

TEST(HoraryConditions, BesiegedAndHouseOfJoy) {
  // Venus at 15, the Sun at 10, the Part of Fortune at 19.9, Jupiter at 25;
  // Mars and Saturn either way round, in one sign only.
  const Cases<std::pair<double, double>, Objects> sieges = {
      {{10.0, 20.0}, {kVenus, kPartOfFortune}},
      {{9.0, 29.0}, {kSun, kVenus, kJupiter, kPartOfFortune}},
      {{10.0, 40.0}, {}}};
  for (const auto& [malefics, besieged] : sieges) {
    TestChart b = Horary();
    b.Put(kVenus, 15.0).Put(kSun, 10.0).Put(kPartOfFortune, 19.9).Put(kJupiter, 25.0);
    b.Put(kMercury, 100.0).Put(kMoon, 200.0).Put(kMars, malefics.first);
    EXPECT_EQ(FindBesieged(b.Put(kSaturn, malefics.second).chart), besieged) << malefics.first;
  }

  // Every planet in its house of joy; then Mercury 3 degrees before the 2nd
  // cusp and Saturn 2 before the 12th, which count there only with the rule.
  TestChart t = Horary();
  t.Put(kMercury, 10.0).Put(kMoon, 70.0).Put(kVenus, 130.0).Put(kMars, 160.0);
  t.Put(kSun, 250.0).Put(kJupiter, 310.0).Put(kSaturn, 340.0);
  const Objects all = {kMercury, kMoon, kVenus, kMars, kSun, kJupiter, kSaturn};
  EXPECT_EQ(FindInHouseOfJoy(t.chart, t.options), all);
  t.Put(kMercury, 27.0).Put(kSaturn, 328.0);
  EXPECT_EQ(FindInHouseOfJoy(t.chart, t.options), Objects(all.begin(), all.end() - 1));
  EXPECT_EQ(FindInHouseOfJoy(t.chart, t.Option(46, 1).options),
            Objects(all.begin() + 1, all.end()));
}

// The Part of Fortune at `fortune` with nothing near it: the Sun 12 degrees
// on (neither combust nor free of its beams), the others 30 degrees on.
TestChart FortuneChart(double fortune) {
  TestChart t = Horary();
  t.Put(kPartOfFortune, fortune).Put(kSun, std::fmod(fortune + 12.0, 360.0));
  for (int object : {kMars, kSaturn, kVenus, kJupiter, kNorthNode, kSouthNode})
    t.Put(object, std::fmod(fortune + 30.0, 360.0));
  return t;
}

int FortunePoints(const TestChart& t, FortuneCondition condition) {
  int points = 0;
  for (const FortuneContribution& c : ScorePartOfFortune(t.chart, t.options).contributions)
    points += c.condition == condition ? c.points : 0;
  return points;
}

// The score with each object some degrees past the Part of Fortune at 100
// (Cancer, 4th house: 4 + 4), at the bounds of each rule. The Sun 0.2 on is in
// its heart: no points either way; from 17 on it is free of its beams.
TEST(HoraryPartOfFortune, SeparationsFromOtherObjects) {
  const Cases<int, Cases<double, int>> objects = {
      {kSun, {{8.0, -5}, {0.3, -5}, {0.2, 0}, {17.01, 5}, {17.0, 0}}},
      {kSouthNode, {{1.0, -3}, {1.02, 0}}},
      {kNorthNode, {{359.5, 3}}},
      {kMars, {{3.7, -5}, {3.8, 0}, {177.0, -4}, {270.0, -3}}},
      {kSaturn, {{4.9, -5}, {175.5, -4}, {94.0, -3}}},
      {kVenus, {{3.9, 5}, {120.0, 4}, {60.0, 2}}},
      {kJupiter, {{5.9, 5}, {6.1, 0}, {245.0, 4}, {54.5, 2}}}};
  EXPECT_EQ(ScorePartOfFortune(FortuneChart(100.0).chart, {}).score, 4 + 4);
  for (const auto& [object, cases] : objects) {
    for (const auto& [ahead, points] : cases) {
      TestChart t = FortuneChart(100.0);
      EXPECT_EQ(
          ScorePartOfFortune(t.Put(object, std::fmod(100.0 + ahead, 360)).chart, t.options).score,
          8 + points)
          << object << " " << ahead;
    }
  }
}

// Sign, term of Mars or Saturn, Algol with the orb of option 44, Regulus, Spica.
TEST(HoraryPartOfFortune, ByItsLongitude) {
  using enum FortuneCondition;
  const std::tuple<FortuneCondition, float, Cases<double, int>> conditions[] = {
      {kSign,
       0,
       {{35, 5}, {65, 3}, {100, 4}, {167.99, 2}, {168, 0}, {150.5, 0}, {15, -5}, {305, -5}}},
      {kMaleficTerm, 0, {{22.0, -2}, {20.99, 0}, {55.99, -2}, {45.0, 0}}},
      {kAlgol, 1.5, {{57.5, -4}, {57.6, 0}, {54.6, -4}}},
      {kAlgol, 1.0, {{54.6, 0}}},
      {kRegulus, 0, {{149.0, 6}, {150.7, 6}, {150.71, 0}}},
      {kSpica, 0, {{203.0, 5}}}};
  for (const auto& [condition, algol_orb, cases] : conditions) {
    for (const auto& [fortune, points] : cases) {
      TestChart t = FortuneChart(fortune);
      EXPECT_EQ(FortunePoints(t.Option(44, algol_orb), condition), points) << fortune;
    }
  }
}

// The house's points; 27 Aries is 3 degrees before the 2nd cusp, and only
// option 33, not the planets' option 46, moves it there.
TEST(HoraryPartOfFortune, HousePointsWithItsOwnFiveDegreeRule) {
  const Cases<int, int> houses = {{6, -4}, {12, -5}, {3, 1}, {10, 5}};
  for (const auto& [house, points] : houses) {
    TestChart t = FortuneChart(100.0);
    EXPECT_EQ(FortunePoints(t.House(kPartOfFortune, house), FortuneCondition::kHouse), points);
  }
  const Cases<std::pair<float, float>, int> rules = {{{1, 0}, 3}, {{0, 0}, 5}, {{0, 1}, 5}};
  for (const auto& [options, points] : rules) {
    TestChart t = FortuneChart(27.0);
    t.Option(33, options.first).Option(46, options.second);
    EXPECT_EQ(FortunePoints(t, FortuneCondition::kHouse), points) << options.first;
  }
}

// The stars the Moon is listed for, every other object where no star is;
// Scheat's band runs across 0 Aries, Algol's is option 44.
TEST(HoraryFixedStars, BandsIncludeBothEnds) {
  const std::tuple<std::string, float, std::vector<double>> cases[] = {
      {" - ALCYONE   ", 1.5, {58.85, 60.85}},
      {" - N. ASELLI    - S. ASELLI   ", 1.5, {128.0}},
      {" - SCHEAT   ", 1.5, {358.233, 0.233}},
      {"", 1.5, {60.86, 358.2, 0.24}},
      {" - ALGOL   ", 2.0, {54.5, 58.0}},
      {" - ALGOL   ", 0.0, {56.03}},
      {"", 2.0, {53.9}}};
  for (const auto& [stars, algol_orb, lons] : cases) {
    for (double lon : lons) {
      TestChart t(20.0);
      t.Put(kNorthNode, 149.0).Put(kSouthNode, 149.0);  // the nodes are left out
      std::string found;
      for (const FixedStarHit& hit :
           FindFixedStarHits(t.Put(kMoon, lon).chart, t.Option(44, algol_orb).options))
        found += std::string(kFixedStars[hit.star].text) + (hit.object == kMoon ? "" : "?");
      EXPECT_EQ(found, stars) << lon;
    }
  }
}

// Object, caster, aspect and points of each point found, with objects 1..16
// at distinct whole degrees of their signs (none at 10) and orbs of 5.
using AspectPoints = std::vector<std::array<int, 4>>;
AspectPoints FoundAspectPoints(Cases<int, double> moved, Cases<int, float> orbs = {}) {
  TestChart t = Horary();
  for (int i = 1; i <= ObjectCount; ++i) t.Put(i, std::fmod(i * 23.0 + 0.5, 360.0));
  for (int planet = kSun; planet <= kMoon; ++planet) t.Orb(planet, 5.0f);
  for (const auto& [object, lon] : moved) t.Put(object, lon);
  for (const auto& [planet, orb] : orbs) t.Orb(planet, orb);
  AspectPoints found;
  for (const AspectPoint& p : FindAspectPoints(t.chart, t.options))
    found.push_back({p.object, p.caster, p.aspect, p.points});
  return found;
}

// What the caster does to Mercury at 10.5 Aries: aspect and points, or none.
// A square from a benefic, a trine from a malefic, the nodes other than by
// conjunction and a conjunction in another whole degree count for nothing.
TEST(HoraryAspectPoints, WhatTheCasterDoesToMercury) {
  const Cases<int, Cases<double, std::pair<int, int>>> casters = {
      {kVenus, {{10.2, {kConjunction, 5}}, {11.2, {}}}},
      {kJupiter, {{70.2, {kSextile, 3}}, {130.5, {kTrine, 4}}, {100.5, {}}}},
      {kMars, {{100.5, {kSquare, -3}}}},
      {kSaturn, {{190.5, {kOpposition, -4}}, {130.5, {}}}},
      {kNorthNode, {{10.2, {kConjunction, 4}}, {70.2, {}}}},
      {kSouthNode, {{10.2, {kConjunction, -4}}}}};
  for (const auto& [caster, cases] : casters) {
    for (const auto& [lon, point] : cases) {
      const AspectPoints expected = {{kMercury, caster, point.first, point.second}};
      EXPECT_EQ(FoundAspectPoints({{kMercury, 10.5}, {caster, lon}}),
                point.first == 0 ? AspectPoints{} : expected)
          << caster << " at " << lon;
    }
  }
  EXPECT_EQ(FoundAspectPoints({{kVenus, 10.5}, {kMars, 10.2}}),
            (AspectPoints{{kMars, kVenus, kConjunction, 5}, {kVenus, kMars, kConjunction, -5}}));
  // The Part of Fortune has no orb of its own; Jupiter's carries it.
  EXPECT_EQ(FoundAspectPoints({{kPartOfFortune, 10.5}, {kJupiter, 10.2}}),
            (AspectPoints{{kPartOfFortune, kJupiter, kConjunction, 5}}));
  EXPECT_TRUE(
      FoundAspectPoints({{kPartOfFortune, 10.5}, {kJupiter, 10.2}}, {{kJupiter, 0}}).empty());
}

// The dignity rows the whole report does not show, the condition lines of
// every kind and of none, and the whole report of a hand-built chart.
TEST(HoraryBasicsText, WholeTextsAgainstGoldenFiles) {
  test::Lines rows;
  for (const auto& [object, lon, motion, score] : {std::tuple{kMars, 65.0, -0.008, 0},
                                                   {kSaturn, 300.0, 0.033697, 0},
                                                   {kPartOfFortune, 35.0, 0.0, -3}}) {
    TestChart t = Horary();  // a day chart
    t.Put(kSun, 190.0).Put(object, lon, motion).Retrograde(kMars);
    rows.push_back(DignityRowText(RowOf(t, object), t.chart, score));
  }
  test::ExpectGolden(rows, "horary_dignity_rows.txt");
  HoraryConditions c;
  c.peregrine = {kMercury, kMoon};
  c.receptions = {{{kSun, kMars}, {kVenus, kMoon}}, {}, {{kVenus, kMars}}};
  c.sun_distance = {{kMercury}, {kMars}, {}, {}};  // free of the beams: scored, never listed
  c.besieged = {kPartOfFortune};
  c.fateful_degree = {kMidheaven, kChiron};
  c.fixed_stars = {{kMoon, 1}, {kAscendant, kSpicaIndex}};
  test::ExpectGolden(ConditionLines(c), "horary_conditions.txt");
  test::ExpectGolden(ConditionLines({}), "horary_no_conditions.txt");

  // Equal houses from 15 Aries; a day chart with the Sun in the 8th house.
  TestChart t = Horary(15.0);
  t.Put(kSun, 250.0, 1.01).Put(kMercury, 262.0, -0.5).Retrograde(kMercury);
  t.Put(kVenus, 280.0, 1.2).Put(kMars, 10.0, 0.6).Put(kJupiter, 95.0, 0.2);
  t.Put(kSaturn, 300.5, 0.03).Put(kUranus, 30.0).Put(kNeptune, 300.0).Put(kPluto, 240.0);
  t.Put(kMoon, 130.0, 13.5).Put(kNorthNode, 70.3).Put(kSouthNode, 250.3);
  t.Put(kPartOfFortune, 255.0).Put(kAscendant, 15.0).Put(kMidheaven, 285.0).Put(kChiron, 200.0);
  t.Option(32, 8.5f).Option(44, 1.5f);
  for (int planet : {kSun, kMercury, kVenus, kMars, kJupiter, kSaturn, kMoon}) t.Orb(planet, 5.0f);
  test::ExpectGolden(t.Write(WriteHoraryBasics), "horary_basics.txt");
}

}  // namespace
}  // namespace kairotex
