// Cosmodynes: house power, orbs by house class, aspect and parallel dynes,
// receptions, sign dignities, and the sign, house and group totals.
#include "aspects/cosmodynes.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string_view>
#include <utility>
#include <vector>

#include "aspects/cosmodynes_orbs.h"

namespace kairotex {
namespace {

using A = DynesAspect;

size_t WheelIndex(int house) {
  return static_cast<size_t>((house + 2) % 12 + 1);
}

// Equal houses from 0 Aries, so house h is sign h. Every object is parked at
// one longitude in the 3rd house (cadent, the smallest orbs), each with a
// declination of its own; a test places the objects it looks at where the
// parked ones make no aspect to them.
struct DynesChart {
  ChartState chart;

  explicit DynesChart(double park) {
    for (int h = 1; h <= 12; ++h) Cusp(h, 30.0 * (h - 1));
    for (int i = 1; i <= ObjectCount; ++i) Put(i, park, 3).Decl(i, 30 + 2 * i);
  }
  DynesChart& Put(int object, double lon, int house) {
    chart.ObjectLon[object] = lon;
    return House(object, house);
  }
  DynesChart& House(int object, int house) {
    const std::string_view labels(kHouseLabels);
    chart.HousePosText.replace(static_cast<size_t>(object - 1) * 10, 4,
                               labels.substr((WheelIndex(house) - 1) * 4, 4));
    return *this;
  }
  DynesChart& Decl(int object, double decl) {
    chart.ObjectDecl[object] = decl;
    return *this;
  }
  // Both the computed and the drawn cusp of house h.
  DynesChart& Cusp(int house, double lon) {
    chart.CuspComputed[WheelIndex(house)] = chart.CuspWheel[WheelIndex(house)] = lon;
    return *this;
  }
  // The facts after the given steps, starting from f.
  template <typename... Steps>
  CosmodynesFacts Run(CosmodynesFacts f, Steps... steps) const {
    (steps(chart, f), ...);
    return f;
  }
};

float Cell(const CosmodynesFacts& f, int i, int j) {
  return f.grid[static_cast<size_t>(i)][static_cast<size_t>(j)];
}

TEST(CosmodynesOrbs, GradesByObjectAndHouseClass) {
  const struct {
    int object, house;
    double detect_g1, strength_g1, strength_g5;
  } cases[] = {{kMars, 3, 1, 1, 8},       {kMars, 2, 2, 2, 10},      {kMars, 10, 3, 3, 12},
               {kSun, 7, 4, 4, 15},       {kMercury, 9, 1, 2, 11},   {kMercury, 4, 3, 4, 15},
               {kAscendant, 3, 3, 3, 12}, {kMidheaven, 0, 3, 3, 12}, {kPluto, 0, 0, 0, 0}};
  for (const auto& c : cases) {
    const DynesOrbs orbs = ObjectDynesOrbs(c.object, c.house);
    EXPECT_EQ(orbs.detection[1], c.detect_g1) << c.object << " in " << c.house;
    EXPECT_EQ(orbs.strength[1], c.strength_g1) << c.object << " in " << c.house;
    EXPECT_EQ(DynesParallelOrb(orbs), c.strength_g5) << c.object << " in " << c.house;
  }
}

// Mercury detects with the planets' 1; at 130 two cadent planets have a trine
// orb of 6 and the sesquisquare is not tried; the conjunction comes before the
// semisextile.
TEST(CosmodynesOrbs, AspectFoundByPairDetectionOrbs) {
  const struct {
    int a, house_a, b, house_b;
    double separation;
    DynesAspect aspect;
  } cases[] = {
      {kMars, 3, kSaturn, 3, 28.5, A::kNone},       {kMars, 3, kSaturn, 3, 29, A::kSemisextile},
      {kMars, 3, kSaturn, 3, 130, A::kNone},        {kMars, 3, kSaturn, 3, 8, A::kConjunction},
      {kMars, 3, kSaturn, 3, 8.01, A::kNone},       {kMars, 3, kSaturn, 3, 172, A::kOpposition},
      {kMars, 3, kSaturn, 3, 151, A::kQuincunx},    {kMars, 2, kSaturn, 3, 28.5, A::kSemisextile},
      {kMercury, 3, kMars, 3, 28.5, A::kNone},      {kSun, 1, kMoon, 1, 130, A::kTrine},
      {kSun, 1, kMoon, 1, 130.5, A::kSesquisquare}, {kSun, 1, kMoon, 1, 15, A::kConjunction}};
  for (const auto& c : cases) {
    const DynesOrbs pair =
        PairDynesOrbs(ObjectDynesOrbs(c.a, c.house_a), ObjectDynesOrbs(c.b, c.house_b));
    const auto rule = FindDynesAspect(c.separation, pair.detection);
    EXPECT_EQ(rule ? rule->aspect : A::kNone, c.aspect)
        << c.a << " and " << c.b << " at " << c.separation;
  }
}

// a stands at 0, b in the 3rd; Mars and Saturn 29 apart are found but have no
// strength left.
TEST(CosmodynesAspects, SemisextileStrengthWithMercurysMixedOrbs) {
  const struct {
    int a, house_a, b;
    double lon_b, power;
  } cases[] = {{kMars, 3, kSaturn, 28.5, 0}, {kMars, 2, kSaturn, 28.5, 0.5},
               {kMars, 3, kSaturn, 29, 0},   {kMercury, 3, kMars, 28.5, 0},
               {kMercury, 3, kMars, 29, 1},  {kMercury, 2, kMars, 28.5, 1.5}};
  for (const auto& c : cases) {
    DynesChart t(104);
    t.Put(c.a, 0, c.house_a).Put(c.b, c.lon_b, 3);
    const CosmodynesFacts f = t.Run({}, ComputeAspectDynes);
    EXPECT_DOUBLE_EQ(f.aspect_power[c.a], c.power) << c.a << " and " << c.b << " at " << c.lon_b;
    EXPECT_DOUBLE_EQ(f.aspect_power[c.b], c.power) << c.a << " and " << c.b << " at " << c.lon_b;
  }
}

// The Sun conjunct Jupiter (strength orb 11, 3 off) adds half its power as
// harmony; Mars square Saturn adds discord three ways, 6 + 3 + 1.5.
TEST(CosmodynesAspects, HarmonyAndDiscordByAspectAndPlanets) {
  const struct {
    int a;
    double lon_a;
    int b;
    double lon_b, park, power, harmony, discord;
    float below;  // the grid's net harmony cell
  } cases[] = {{kSun, 119, kJupiter, 122, 195, 8, 4, 0, 4},
               {kMars, 10, kSaturn, 100, 205, 6, 0, 10.5, -10.5f}};
  for (const auto& c : cases) {
    DynesChart t(c.park);
    t.Put(c.a, c.lon_a, 3).Put(c.b, c.lon_b, 3);
    const CosmodynesFacts f = t.Run({}, ComputeAspectDynes);
    for (int planet : {c.a, c.b}) {
      EXPECT_DOUBLE_EQ(f.aspect_power[planet], c.power) << planet;
      EXPECT_DOUBLE_EQ(f.harmony[planet], c.harmony) << planet;
      EXPECT_DOUBLE_EQ(f.discord[planet], c.discord) << planet;
    }
    EXPECT_FLOAT_EQ(Cell(f, c.a, c.b), c.power);
    EXPECT_FLOAT_EQ(Cell(f, c.b, c.a), c.below);
    // The Ascendant starts at 15 and meets the nine other parked objects exactly.
    EXPECT_DOUBLE_EQ(f.aspect_power[kAscendant], 15 + 9 * 12);
  }
}

// a at +10. Uranus and Pluto 1.2 apart are too far; the Sun and Jupiter show
// the planets' rules tinting a parallel.
TEST(CosmodynesAspects, ParallelStrengthFromThePairsLargerOrb) {
  const struct {
    int a, house_a, b, house_b;
    double decl_b, strength, harmony;
  } cases[] = {{kSun, 3, kMoon, 11, -10.4, 0.6 * 13, 0},
               {kSun, 1, kMoon, 3, -10.4, 0.6 * 15, 0},
               {kMercury, 9, kUranus, 3, -10.4, 0.6 * 11, 0},
               {kMercury, 9, kAscendant, 12, 10.4, 0.6 * 12, 0},
               {kUranus, 2, kNeptune, 3, 9.6, 0.6 * 10, 0},
               {kUranus, 5, kPluto, 12, 11.2, 0, 0},
               {kUranus, 5, kPluto, 12, -10, 10, 0},
               {kSun, 3, kJupiter, 3, -10, 11, 5.5}};
  for (const auto& c : cases) {
    DynesChart t(163);
    t.Put(c.a, 0, c.house_a).Put(c.b, 20, c.house_b).Decl(c.a, 10).Decl(c.b, c.decl_b);
    const CosmodynesFacts f = t.Run({}, ComputeAspectDynes);
    EXPECT_NEAR(f.aspect_power[c.a], c.strength, 1e-9) << c.a << " and " << c.b;
    EXPECT_NEAR(Cell(f, c.a, c.b), c.strength, 1e-5) << c.a << " and " << c.b;
    EXPECT_DOUBLE_EQ(f.harmony[c.a], c.harmony) << c.a << " and " << c.b;
    EXPECT_DOUBLE_EQ(f.harmony[c.b], c.harmony) << c.a << " and " << c.b;
    EXPECT_EQ(f.discord[c.a], 0) << c.a << " and " << c.b;
    EXPECT_FLOAT_EQ(Cell(f, c.b, c.a), c.harmony) << c.a << " and " << c.b;
  }
}

TEST(CosmodynesHouses, PowerFallsOffAcrossTheHouse) {
  const struct {
    int house;
    double lon, power;
  } cases[] = {{1, 0, 15},    {1, 29.99, 15 - 2 * 29.99 / 30},     {2, 45, 8.25}, {8, 210, 10.9f},
               {10, 285, 14}, {12, 359.5, 9.3f - 0.7f * 29.5 / 30}};
  for (const auto& c : cases) {
    DynesChart t(0);
    t.Put(kMars, c.lon, c.house);
    const CosmodynesFacts f = t.Run({}, ComputeDynesHouseSizes, ComputeHousePower);
    EXPECT_NEAR(f.house_power[kMars], c.power, 1e-6) << c.house << " at " << c.lon;
  }
}

TEST(CosmodynesHouses, HouseAcrossAriesPointAndHouseOfNoSize) {
  DynesChart t(0);
  t.Cusp(12, 350).Cusp(1, 20).Put(kVenus, 5, 12);  // 15 into a house of 30
  t.Cusp(4, 100).Cusp(5, 100).Put(kMars, 100, 4);
  t.Put(kAscendant, 5, 12);  // the angles draw no power from a house
  const CosmodynesFacts f = t.Run({}, ComputeDynesHouseSizes, ComputeHousePower);
  EXPECT_DOUBLE_EQ(f.house_size[12], 30);
  EXPECT_NEAR(f.house_power[kVenus], 9.3f - 0.35f, 1e-6);
  EXPECT_DOUBLE_EQ(f.house_size[4], 0);
  EXPECT_DOUBLE_EQ(f.house_power[kMars], 14);
  EXPECT_EQ(f.house_power[kAscendant], 0);
}

// Cancer and Leo; the Moon in Gemini receives nothing back; Aries and Libra;
// each in its own sign; Gemini and Capricorn.
TEST(CosmodynesSigns, MutualReceptionsAddFiveToBoth) {
  const struct {
    int a;
    double lon_a;
    int b;
    double lon_b, harmony;
  } cases[] = {{kSun, 100, kMoon, 130, 5},
               {kSun, 100, kMoon, 70, 0},
               {kVenus, 10, kMars, 190, 5},
               {kSun, 130, kMoon, 100, 0},
               {kSaturn, 80, kUranus, 290, 5}};
  for (const auto& c : cases) {
    DynesChart t(165);  // Virgo: only Mercury's, and Mercury stays there
    t.Put(c.a, c.lon_a, 3).Put(c.b, c.lon_b, 3);
    const CosmodynesFacts f = t.Run({}, AddMutualReceptions);
    EXPECT_EQ(f.harmony[c.a], c.harmony) << c.a << " and " << c.b;
    EXPECT_EQ(f.harmony[c.b], c.harmony) << c.a << " and " << c.b;
  }
}

TEST(CosmodynesSigns, DignityOfTheSignAPlanetIsIn) {
  const struct {
    int planet;
    double lon, harmony, discord;
  } cases[] = {
      {kSun, 130, 2, 0},     {kSun, 310, 0, 2},   {kSun, 10, 3, 0},   {kSun, 190, 0, 3},
      {kSun, 250, 1, 0},     {kSun, 70, 0, 1},    {kSun, 100, 0, 0},  {kMercury, 170, 2, 0},
      {kMercury, 340, 0, 2}, {kVenus, 350, 3, 0}, {kMoon, 220, 0, 3}, {kPluto, 200, 0, 1},
      {kNeptune, 100, 1, 0}, {kSaturn, 5, 0, 3},
  };
  for (const auto& c : cases) {
    DynesChart t(0);
    t.Put(c.planet, c.lon, 3);
    const CosmodynesFacts f = t.Run({}, AddSignDignities);
    EXPECT_EQ(f.harmony[c.planet], c.harmony) << c.planet << " at " << c.lon;
    EXPECT_EQ(f.discord[c.planet], c.discord) << c.planet << " at " << c.lon;
  }
}

TEST(CosmodynesSigns, RulerShareByTheCuspsInTheSign) {
  // The power of Aries from Mars' 20 by the number of cusps in it.
  const double powers[] = {5, 10, 20, 40, 0};
  for (int cusps = 0; cusps <= 4; ++cusps) {
    DynesChart t(165);
    for (int h = 1; h <= 12; ++h) t.Cusp(h, h <= cusps ? 5.0 * h : 150);
    CosmodynesFacts mars;
    mars.total_power[kMars] = 20;
    mars.harmony[kMars] = 8;
    mars.discord[kMars] = 4;
    const CosmodynesFacts f = t.Run(mars, CountCuspsPerSign, ComputeSignTotals);
    EXPECT_EQ(f.cusps_per_sign[dynes::kAries], cusps);
    EXPECT_DOUBLE_EQ(f.signs[dynes::kAries].power, powers[cusps]) << cusps;
    EXPECT_DOUBLE_EQ(f.signs[dynes::kAries].harmony, powers[cusps] * 0.4) << cusps;
    EXPECT_DOUBLE_EQ(f.signs[dynes::kAries].discord, powers[cusps] * 0.2) << cusps;
  }
}

TEST(CosmodynesSigns, ObjectsAddToTheirSignAndTwoRulersShare) {
  DynesChart t(165);  // every cusp in Virgo
  for (int h = 1; h <= 12; ++h) t.Cusp(h, 150);
  t.Put(kMars, 10, 3).Put(kAscendant, 280, 10).Put(kNorthNode, 250, 3).Put(kChiron, 250, 3);
  CosmodynesFacts powers;
  powers.total_power = {0, 0, 0, 0, 20, 0, 6, 0, 0, 10, 0, 99, 0, 0, 30, 0, 99};
  const CosmodynesFacts f = t.Run(powers, CountCuspsPerSign, ComputeSignTotals);
  EXPECT_DOUBLE_EQ(f.signs[dynes::kAries].power, 25);      // a quarter of Mars, and Mars
  EXPECT_DOUBLE_EQ(f.signs[dynes::kScorpio].power, 3.75);  // a quarter of Pluto and Mars' mean
  EXPECT_DOUBLE_EQ(f.signs[dynes::kCapricorn].power, 31.5);
  EXPECT_DOUBLE_EQ(f.signs[dynes::kSagittarius].power, 0);  // the node and Chiron add nothing
  EXPECT_EQ(f.cusps_per_sign[dynes::kVirgo], 12);
  // Twelve cusps leave no ruler's share; Saturn and Pluto stand there.
  EXPECT_DOUBLE_EQ(f.signs[dynes::kVirgo].power, 16);
}

TEST(CosmodynesHouses, TotalsFromCuspSignInterceptedSignsAndPlanets) {
  DynesChart t(165);
  t.Cusp(1, 0).Cusp(2, 65).Cusp(3, 90).Cusp(12, 330);
  t.House(kSun, 1).House(kAscendant, 1);
  CosmodynesFacts powers;
  powers.total_power[kMars] = 20;
  powers.total_power[kVenus] = 8;
  powers.total_power[kJupiter] = 6;
  powers.total_power[kSun] = 3;
  powers.harmony[kSun] = 2;
  powers.total_power[kAscendant] = 40;
  const CosmodynesFacts f = t.Run(powers, ComputeDynesHouseSizes, ComputeHouseTotals);
  EXPECT_DOUBLE_EQ(f.houses[1].power, 10 + 2 + 3);  // half Mars, a quarter of Venus, the Sun
  EXPECT_DOUBLE_EQ(f.houses[1].harmony, 2);
  EXPECT_DOUBLE_EQ(f.houses[2].power, 0);     // Gemini's Mercury has nothing
  EXPECT_DOUBLE_EQ(f.houses[12].power, 1.5);  // half the mean of Neptune and Jupiter
}

TEST(CosmodynesGroups, ElementsModesAndHemispheres) {
  CosmodynesFacts f;
  for (int n = 1; n <= 12; ++n) {
    f.signs[n] = {static_cast<double>(n), 1, 0};
    f.houses[n] = {static_cast<double>(n), 0, 2};
  }
  ComputeGroupTotals(f);
  const double powers[] = {15, 18, 21, 24, 22, 26, 30};
  for (int g = kDynesFire; g <= kDynesCommon; ++g) {
    EXPECT_DOUBLE_EQ(f.groups[g].power, powers[g]) << g;
    EXPECT_DOUBLE_EQ(f.groups[g].net_harmony, g <= kDynesWater ? 3 : 4) << g;
  }
  EXPECT_EQ((std::array{f.south.power, f.north.power, f.east.power, f.west.power}),
            (std::array{57.0, 21.0, 39.0, 39.0}));
  EXPECT_DOUBLE_EQ(f.east.net_harmony, -12);
}

TEST(Cosmodynes, NodesFortuneAndChironTakeNoPart) {
  DynesChart t(163);
  t.Put(kSun, 0, 1).Put(kMoon, 20, 3).Decl(kSun, 10);
  const CosmodynesFacts apart = ComputeCosmodynes(t.chart);
  for (int i : {kNorthNode, kSouthNode, kPartOfFortune, kChiron}) t.Put(i, 0, 1).Decl(i, 10);
  const CosmodynesFacts on_the_sun = ComputeCosmodynes(t.chart);
  EXPECT_EQ(on_the_sun.aspect_power, apart.aspect_power);
  EXPECT_EQ(on_the_sun.harmony, apart.harmony);
  EXPECT_EQ(on_the_sun.grid, apart.grid);
  for (int s = 1; s <= 12; ++s) EXPECT_EQ(on_the_sun.signs[s].power, apart.signs[s].power) << s;
  for (int i : {kNorthNode, kSouthNode, kPartOfFortune, kChiron}) {
    EXPECT_EQ(on_the_sun.total_power[i], 0) << i;
    EXPECT_EQ(on_the_sun.NetHarmony(i), 0) << i;
  }
}

TEST(Cosmodynes, AnEmptyChartGivesOnlyFiniteValues) {
  const CosmodynesFacts f = ComputeCosmodynes(ChartState{});
  for (int i = 1; i <= ObjectCount; ++i) {
    EXPECT_TRUE(std::isfinite(f.total_power[i] + f.harmony[i] + f.discord[i])) << i;
  }
  for (int n = 1; n <= 12; ++n) {
    EXPECT_TRUE(std::isfinite(f.signs[n].power + f.houses[n].power)) << n;
  }
  // Every planet lacks a house and so an orb; the Ascendant's own 12 makes a
  // conjunction and a parallel with each of the eleven others.
  EXPECT_DOUBLE_EQ(f.total_power[kAscendant], 15 + 11 * 12 + 11 * 12);
}

}  // namespace
}  // namespace kairotex
