// The accidental conditions that follow the dignity table and their points.
#include "reports/horary_conditions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "horary_test_chart.h"
#include "reports/fixed_stars_table.h"
#include "reports/horary_debilities.h"
#include "reports/horary_placements.h"
#include "reports/horary_receptions.h"
#include "reports/horary_sun_distance.h"

namespace kairotex {
namespace {

using test::HoraryTestChart;
using Objects = std::vector<int>;

TEST(HoraryConditions, PeregrineArePlanetsWithoutOwnDignity) {
  OwnDignityFlags flags{};
  flags[kSun] = flags[kMars] = flags[kMoon] = true;
  EXPECT_EQ(FindPeregrine(flags), (Objects{kMercury, kVenus, kJupiter, kSaturn}));
}

// d: in detriment, f: in fall, b: both.
TEST(HoraryConditions, DetrimentAndFallBySign) {
  const struct {
    int planet;
    double lon;
    char debility;
  } cases[] = {
      {kSun, 300.0, 'd'},     {kSun, 299.99, '-'},    {kSun, 329.99, 'd'},  {kSun, 330.0, '-'},
      {kSun, 180.0, 'f'},     {kMoon, 270.0, 'd'},    {kMoon, 210.0, 'f'},  {kMercury, 240.0, 'd'},
      {kMercury, 330.0, 'b'}, {kVenus, 0.0, 'd'},     {kVenus, 210.0, 'd'}, {kVenus, 150.0, 'f'},
      {kMars, 30.0, 'd'},     {kMars, 180.0, 'd'},    {kMars, 90.0, 'f'},   {kJupiter, 60.0, 'd'},
      {kJupiter, 150.0, 'd'}, {kJupiter, 270.0, 'f'}, {kSaturn, 90.0, 'd'}, {kSaturn, 149.99, 'd'},
      {kSaturn, 150.0, '-'},  {kSaturn, 0.0, 'f'},    {kSaturn, 30.0, '-'}};
  for (const auto& c : cases) {
    HoraryTestChart t;
    // The others where none of them is debilitated: Leo is nobody's fall and
    // only Saturn's detriment, so Saturn waits in Scorpio.
    for (int planet : {kSun, kMercury, kVenus, kMars, kJupiter, kSaturn, kMoon}) {
      t.Put(planet, planet == kSaturn ? 235.0 : 135.0);
    }
    t.Put(c.planet, c.lon);
    const Objects one{c.planet}, none;
    EXPECT_EQ(FindInDetriment(t.chart), c.debility == 'd' || c.debility == 'b' ? one : none)
        << c.planet << " " << c.lon;
    EXPECT_EQ(FindInFall(t.chart), c.debility == 'f' || c.debility == 'b' ? one : none)
        << c.planet << " " << c.lon;
  }
}

// The planets spread where no two of them receive each other: the Sun in
// Leo, the Moon in Cancer, the others in their own signs.
HoraryTestChart NoReceptions() {
  HoraryTestChart t;
  t.Put(kSun, 130.0).Put(kMoon, 100.0).Put(kMercury, 70.0).Put(kVenus, 40.0);
  t.Put(kMars, 10.0).Put(kJupiter, 250.0).Put(kSaturn, 280.0);
  return t;
}

TEST(HoraryConditions, ReceptionsBySignExaltationAndMixed) {
  struct Placement {
    int planet;
    double lon;
  };
  const struct {
    std::vector<Placement> placements;
    std::vector<ReceptionPair> by_sign;
    std::vector<ReceptionPair> by_exaltation;
    std::vector<ReceptionPair> mixed;
  } cases[] = {
      {{}, {}, {}, {}},
      // Sun in Aries (Mars's), Mars in Leo (the Sun's).
      {{{kSun, 10.0}, {kMars, 130.0}}, {{kSun, kMars}}, {}, {}},
      // The Moon is last in planet order, so it is named second.
      {{{kSun, 100.0}, {kMoon, 130.0}}, {{kSun, kMoon}}, {}, {}},
      // Sun in Libra (Saturn's exaltation), Saturn in Aries (the Sun's).
      {{{kSun, 190.0}, {kSaturn, 10.0}}, {}, {{kSun, kSaturn}}, {}},
      // Venus in Capricorn (Mars's exaltation), Mars in Libra (Venus's sign).
      {{{kVenus, 280.0}, {kMars, 190.0}, {kSaturn, 310.0}}, {}, {}, {{kVenus, kMars}}},
      // Mars in Libra and Saturn in Capricorn exalt each other.
      {{{kMars, 190.0}}, {}, {{kMars, kSaturn}}, {}},
      // Mercury in Virgo is in its own exaltation: no pair.
      {{{kMercury, 160.0}}, {}, {}, {}},
  };
  for (const auto& c : cases) {
    HoraryTestChart t = NoReceptions();
    for (const Placement& p : c.placements) t.Put(p.planet, p.lon);
    const Receptions found = FindReceptions(t.chart);
    EXPECT_EQ(found.by_sign, c.by_sign);
    EXPECT_EQ(found.by_exaltation, c.by_exaltation);
    EXPECT_EQ(found.mixed, c.mixed);
  }
}

// Where Mercury is listed: z cazimi, c combust, u under the Sun's beams, f free
// of them. Options 32 (the combustion orb) and 30 (in any sign). 4 degrees
// apart across the cusp of Leo is never combust; 359.5 and 0.5 are one degree
// apart, not 359.
TEST(HoraryConditions, CazimiCombustAndUnderTheBeams) {
  const struct {
    double sun, mercury;
    float combustion_orb, any_sign;
    char listed;
  } cases[] = {
      {100.0, 100.2, 8.5, 0, 'z'},  {100.0, 100.3, 8.5, 0, 'c'}, {100.0, 99.7, 8.5, 0, 'c'},
      {100.0, 108.4, 8.5, 0, 'c'},  {100.0, 108.5, 8.5, 0, 'u'}, {100.0, 117.0, 8.5, 0, 'u'},
      {100.0, 117.01, 8.5, 0, 'f'}, {100.0, 125.0, 8.5, 1, 'f'}, {118.0, 122.0, 8.5, 0, '-'},
      {118.0, 122.0, 3.0, 0, '-'},  {118.0, 122.0, 3.0, 1, 'u'}, {0.5, 359.5, 0.9, 0, '-'},
      {0.5, 359.5, 0.9, 1, 'u'},    {0.5, 359.5, 1.1, 1, '-'}};
  for (const auto& c : cases) {
    HoraryTestChart t;
    // The others far from the Sun and from each other's concerns.
    for (int planet : {kVenus, kMars, kJupiter, kSaturn, kMoon}) {
      t.Put(planet, std::fmod(c.sun + 90.0, 360.0));
    }
    t.Put(kSun, c.sun).Put(kMercury, c.mercury).Option(32, c.combustion_orb).Option(30, c.any_sign);
    const SunDistanceConditions found = FindSunDistanceConditions(t.chart, t.options);
    const Objects& free = found.free_of_sun_beams;
    std::string listed;
    if (found.cazimi == Objects{kMercury}) listed += 'z';
    if (found.combust == Objects{kMercury}) listed += 'c';
    if (found.under_sun_beams == Objects{kMercury}) listed += 'u';
    if (std::find(free.begin(), free.end(), kMercury) != free.end()) listed += 'f';
    EXPECT_EQ(listed, c.listed == '-' ? "" : std::string(1, c.listed))
        << c.mercury << " " << c.combustion_orb << " " << c.any_sign;
  }
}

TEST(HoraryConditions, ViaCombustaFatefulDegreeAndHouseOfJoy) {
  HoraryTestChart t;
  t.Put(kNorthNode, 45.5).Put(kSouthNode, 225.5);  // the node at 15 Taurus
  t.Put(kSun, 15.9).Put(kMoon, 345.0).Put(kMidheaven, 195.2).Put(kVenus, 224.99);
  t.Put(kMercury, 10.0).Put(kMars, 5.0).Put(kJupiter, 5.0).Put(kSaturn, 5.0);
  t.Put(kPartOfFortune, 5.0).Put(kAscendant, 0.0).Put(kChiron, 5.0);
  EXPECT_EQ(FindInViaCombusta(t.chart), (Objects{kVenus}));
  EXPECT_EQ(FindAtFatefulDegree(t.chart), (Objects{kSun, kMoon, kMidheaven}));
}

TEST(HoraryConditions, HouseOfJoyByTheCusps) {
  // Equal houses from 0 Aries; every planet in its house of joy.
  HoraryTestChart t(0.0);
  t.Put(kMercury, 10.0).Put(kMoon, 70.0).Put(kVenus, 130.0).Put(kMars, 160.0);
  t.Put(kSun, 250.0).Put(kJupiter, 310.0).Put(kSaturn, 340.0);
  EXPECT_EQ(FindInHouseOfJoy(t.chart, t.options),
            (Objects{kMercury, kMoon, kVenus, kMars, kSun, kJupiter, kSaturn}));

  // 3 degrees before the 2nd cusp Mercury counts in the 2nd with the rule;
  // 2 degrees before the 12th cusp Saturn counts in the 12th.
  t.Put(kMercury, 27.0).Put(kSaturn, 328.0);
  EXPECT_EQ(FindInHouseOfJoy(t.chart, t.options),
            (Objects{kMercury, kMoon, kVenus, kMars, kSun, kJupiter}));
  t.Option(46, 1);
  EXPECT_EQ(FindInHouseOfJoy(t.chart, t.options),
            (Objects{kMoon, kVenus, kMars, kSun, kJupiter, kSaturn}));
}

TEST(HoraryConditions, BesiegedBetweenMarsAndSaturnInOneSign) {
  // Venus at 15, the Sun at 10, the Part of Fortune at 19.9, Jupiter at 25.
  const struct {
    double mars;
    double saturn;
    Objects besieged;
  } cases[] = {
      {10.0, 20.0, {kVenus, kPartOfFortune}},
      {20.0, 10.0, {kVenus, kPartOfFortune}},
      {9.0, 29.0, {kSun, kVenus, kJupiter, kPartOfFortune}},
      {10.0, 40.0, {}},  // different signs: nobody
      {40.0, 50.0, {}},
  };
  for (const auto& c : cases) {
    HoraryTestChart t;
    t.Put(kVenus, 15.0).Put(kSun, 10.0).Put(kPartOfFortune, 19.9).Put(kJupiter, 25.0);
    t.Put(kMercury, 100.0).Put(kMoon, 200.0);
    t.Put(kMars, c.mars).Put(kSaturn, c.saturn);
    EXPECT_EQ(FindBesieged(t.chart), c.besieged) << c.mars << " " << c.saturn;
  }
}

TEST(HoraryConditions, PointsOfEachList) {
  HoraryConditions c;
  c.peregrine = c.detriment = c.fall = c.besieged = {kSaturn};
  c.receptions.by_sign = {{kSun, kMars}};
  c.receptions.by_exaltation = {{kVenus, kMoon}};
  c.receptions.mixed = {{kMercury, kJupiter}};                      // listed only
  c.via_combusta = c.fateful_degree = c.house_of_joy = {kJupiter};  // listed only
  c.sun_distance.cazimi = {kMercury};
  c.sun_distance.free_of_sun_beams = {kMars};
  c.sun_distance.combust = {kVenus};
  c.sun_distance.under_sun_beams = {kMoon};
  c.fixed_stars = {{kSun, kRegulusIndex},
                   {kJupiter, kSpicaIndex},
                   {kPartOfFortune, kAlgolIndex},
                   {kChiron, 1}};  // Alcyone: listed only
  StrengthLedger strength;
  AddConditionPoints(c, strength);
  const std::pair<int, int> totals[] = {{kSaturn, -5 - 5 - 4 - 5},
                                        {kSun, 5 + 6},
                                        {kMars, 5 + 5},
                                        {kVenus, 4 - 5},
                                        {kMoon, 4 - 4},
                                        {kMercury, 5},
                                        {kJupiter, 5},
                                        {kPartOfFortune, -5},
                                        {kChiron, 0}};
  for (const auto& [object, total] : totals) EXPECT_EQ(strength.Total(object), total) << object;

  std::vector<StrengthSource> saturn;
  for (const StrengthEntry& e : strength.EntriesOf(kSaturn)) saturn.push_back(e.source);
  EXPECT_EQ(saturn,
            (std::vector<StrengthSource>{StrengthSource::kPeregrine, StrengthSource::kDetriment,
                                         StrengthSource::kFall, StrengthSource::kBesieged}));
}

}  // namespace
}  // namespace kairotex
