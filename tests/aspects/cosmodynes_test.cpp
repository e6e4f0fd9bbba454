// Cosmodynes: house power, orbs by house class, aspect and parallel dynes,
// receptions, sign dignities, and the sign, house and group totals.
#include "aspects/cosmodynes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string_view>

#include "aspects/cosmodynes_orbs.h"

namespace kairotex {
namespace {

size_t WheelIndex(int house) {
  return static_cast<size_t>((house + 2) % 12 + 1);
}

// A chart with the fields Cosmodynes reads, set by hand. Equal houses from
// 0 Aries, so house h is sign h. Every object is parked at one longitude in
// the 3rd house (cadent, the smallest orbs), each with a declination of its
// own, apart from the others' and from those a test sets; a test places the
// objects it looks at where the parked ones make no aspect to them.
struct DynesChart {
  ChartState chart;

  explicit DynesChart(double park) {
    for (int h = 1; h <= 12; ++h) Cusp(h, 30.0 * (h - 1));
    for (int i = 1; i <= ObjectCount; ++i) {
      chart.ObjectLon[i] = park;
      chart.ObjectDecl[i] = 30 + 2 * i;
      House(i, 3);
    }
  }
  DynesChart& Put(int object, double lon, int house) {
    chart.ObjectLon[object] = lon;
    return House(object, house);
  }
  DynesChart& House(int object, int house) {
    const std::string_view label =
        std::string_view(kHouseLabels).substr((WheelIndex(house) - 1) * 4, 4);
    chart.HousePosText.replace(static_cast<size_t>(object - 1) * 10, 4, label);
    return *this;
  }
  DynesChart& Decl(int object, double decl) {
    chart.ObjectDecl[object] = decl;
    return *this;
  }
  // Both the computed and the drawn cusp of house h.
  DynesChart& Cusp(int house, double lon) {
    chart.CuspComputed[WheelIndex(house)] = lon;
    chart.CuspWheel[WheelIndex(house)] = lon;
    return *this;
  }
  CosmodynesFacts Aspects() const {
    CosmodynesFacts f;
    ComputeAspectDynes(chart, f);
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
  } cases[] = {
      {kMars, 3, 1, 1, 8},       {kMars, 2, 2, 2, 10},      {kMars, 10, 3, 3, 12},
      {kSun, 6, 2, 2, 11},       {kMoon, 11, 3, 3, 13},     {kSun, 7, 4, 4, 15},
      {kMercury, 9, 1, 2, 11},   {kMercury, 8, 2, 3, 13},   {kMercury, 4, 3, 4, 15},
      {kAscendant, 3, 3, 3, 12}, {kMidheaven, 0, 3, 3, 12}, {kPluto, 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    const DynesOrbs orbs = ObjectDynesOrbs(c.object, c.house);
    EXPECT_EQ(orbs.detection[1], c.detect_g1) << c.object << " in " << c.house;
    EXPECT_EQ(orbs.strength[1], c.strength_g1) << c.object << " in " << c.house;
    EXPECT_EQ(DynesParallelOrb(orbs), c.strength_g5) << c.object << " in " << c.house;
  }
}

TEST(CosmodynesOrbs, AspectFoundByPairDetectionOrbs) {
  const struct {
    int a, house_a, b, house_b;
    double separation;
    DynesAspect aspect;
  } cases[] = {
      {kMars, 3, kSaturn, 3, 28.5, DynesAspect::kNone},         // g1 = 1
      {kMars, 2, kSaturn, 3, 28.5, DynesAspect::kSemisextile},  // g1 = 2
      {kMars, 3, kSaturn, 3, 29, DynesAspect::kSemisextile},
      {kMercury, 3, kMars, 3, 28.5, DynesAspect::kNone},  // detects with the planets' 1
      {kSun, 1, kMoon, 1, 130, DynesAspect::kTrine},
      {kSun, 1, kMoon, 1, 130.5, DynesAspect::kSesquisquare},
      {kMars, 3, kSaturn, 3, 130, DynesAspect::kNone},  // trine orb 6, sesquisquare not tried
      {kMars, 3, kSaturn, 3, 8, DynesAspect::kConjunction},
      {kMars, 3, kSaturn, 3, 8.01, DynesAspect::kNone},
      {kMars, 3, kSaturn, 3, 172, DynesAspect::kOpposition},
      {kMars, 3, kSaturn, 3, 151, DynesAspect::kQuincunx},
      {kSun, 1, kMoon, 1, 15, DynesAspect::kConjunction},  // before the semisextile
  };
  for (const auto& c : cases) {
    const DynesOrbs pair =
        PairDynesOrbs(ObjectDynesOrbs(c.a, c.house_a), ObjectDynesOrbs(c.b, c.house_b));
    const auto rule = FindDynesAspect(c.separation, pair.detection);
    EXPECT_EQ(rule ? rule->aspect : DynesAspect::kNone, c.aspect) << c.separation;
  }
}

TEST(CosmodynesAspects, SemisextileStrengthWithMercurysMixedOrbs) {
  const struct {
    int a, house_a, b, house_b;
    double lon_b, power;  // a stands at 0
  } cases[] = {
      {kMars, 3, kSaturn, 3, 28.5, 0},    {kMars, 2, kSaturn, 3, 28.5, 0.5},
      {kMars, 3, kSaturn, 3, 29, 0},  // found, but with no strength left
      {kMercury, 3, kMars, 3, 28.5, 0},   {kMercury, 3, kMars, 3, 29, 1},
      {kMercury, 2, kMars, 3, 28.5, 1.5},
  };
  for (const auto& c : cases) {
    DynesChart t(104);
    t.Put(c.a, 0, c.house_a).Put(c.b, c.lon_b, c.house_b);
    const CosmodynesFacts f = t.Aspects();
    EXPECT_DOUBLE_EQ(f.aspect_power[c.a], c.power) << c.a << " and " << c.b << " at " << c.lon_b;
    EXPECT_DOUBLE_EQ(f.aspect_power[c.b], c.power) << c.a << " and " << c.b << " at " << c.lon_b;
  }
}

TEST(CosmodynesAspects, SunConjunctJupiterAddsPowerAndHalfAsHarmony) {
  DynesChart t(195);
  t.Put(kSun, 119, 3).Put(kJupiter, 122, 3);  // strength orb 11, 3 off
  const CosmodynesFacts f = t.Aspects();
  for (int planet : {kSun, kJupiter}) {
    EXPECT_DOUBLE_EQ(f.aspect_power[planet], 8) << planet;
    EXPECT_DOUBLE_EQ(f.harmony[planet], 4) << planet;
    EXPECT_DOUBLE_EQ(f.discord[planet], 0) << planet;
  }
  EXPECT_FLOAT_EQ(Cell(f, kSun, kJupiter), 8);
  EXPECT_FLOAT_EQ(Cell(f, kJupiter, kSun), 4);
  // The Ascendant starts at 15 and meets the nine other parked objects exactly.
  EXPECT_DOUBLE_EQ(f.aspect_power[kAscendant], 15 + 9 * 12);
}

TEST(CosmodynesAspects, MarsSquareSaturnAddsDiscordThreeWays) {
  DynesChart t(205);
  t.Put(kMars, 10, 3).Put(kSaturn, 100, 3);
  const CosmodynesFacts f = t.Aspects();
  for (int planet : {kMars, kSaturn}) {
    EXPECT_DOUBLE_EQ(f.aspect_power[planet], 6) << planet;
    EXPECT_DOUBLE_EQ(f.discord[planet], 6 + 3 + 1.5) << planet;
    EXPECT_DOUBLE_EQ(f.harmony[planet], 0) << planet;
  }
  EXPECT_FLOAT_EQ(Cell(f, kMars, kSaturn), 6);
  EXPECT_FLOAT_EQ(Cell(f, kSaturn, kMars), -10.5f);
}

TEST(CosmodynesAspects, ParallelStrengthFromThePairsLargerOrb) {
  const struct {
    int a, house_a, b, house_b;
    double decl_b, strength;  // a at +10
  } cases[] = {
      {kSun, 3, kMoon, 11, -10.4, 0.6 * 13},
      {kSun, 1, kMoon, 3, -10.4, 0.6 * 15},
      {kMercury, 9, kUranus, 3, -10.4, 0.6 * 11},
      {kMercury, 9, kAscendant, 12, 10.4, 0.6 * 12},
      {kUranus, 2, kNeptune, 3, 9.6, 0.6 * 10},
      {kUranus, 5, kPluto, 12, 11.2, 0},  // too far apart
      {kUranus, 5, kPluto, 12, -10, 10},
  };
  for (const auto& c : cases) {
    DynesChart t(163);
    t.Put(c.a, 0, c.house_a).Put(c.b, 20, c.house_b).Decl(c.a, 10).Decl(c.b, c.decl_b);
    const CosmodynesFacts f = t.Aspects();
    EXPECT_NEAR(f.aspect_power[c.a], c.strength, 1e-9) << c.a << " and " << c.b;
    EXPECT_NEAR(Cell(f, c.a, c.b), c.strength, 1e-5) << c.a << " and " << c.b;
    EXPECT_EQ(f.harmony[c.a] + f.discord[c.a], 0) << c.a << " and " << c.b;
  }
}

TEST(CosmodynesAspects, PlanetRulesTintAParallel) {
  DynesChart jupiter(163);
  jupiter.Put(kSun, 0, 3).Put(kJupiter, 20, 3).Decl(kSun, 10).Decl(kJupiter, -10);  // q = 11
  const CosmodynesFacts f = jupiter.Aspects();
  EXPECT_DOUBLE_EQ(f.harmony[kSun], 5.5);
  EXPECT_DOUBLE_EQ(f.harmony[kJupiter], 5.5);
  EXPECT_FLOAT_EQ(Cell(f, kJupiter, kSun), 5.5f);
}

TEST(CosmodynesHouses, PowerFallsOffAcrossTheHouse) {
  const struct {
    int house;
    double lon, power;
  } cases[] = {
      {1, 0, 15},    {1, 29.99, 15 - 2 * 29.99 / 30},      {2, 45, 8.25}, {8, 210, 10.9f},
      {10, 285, 14}, {12, 359.5, 9.3f - 0.7f * 29.5 / 30},
  };
  for (const auto& c : cases) {
    DynesChart t(0);
    t.Put(kMars, c.lon, c.house);
    CosmodynesFacts f;
    ComputeDynesHouseSizes(t.chart, f);
    ComputeHousePower(t.chart, f);
    EXPECT_NEAR(f.house_power[kMars], c.power, 1e-6) << c.house << " at " << c.lon;
  }
}

TEST(CosmodynesHouses, HouseAcrossAriesPointAndHouseOfNoSize) {
  DynesChart t(0);
  t.Cusp(12, 350).Cusp(1, 20).Put(kVenus, 5, 12);  // 15 into a house of 30
  t.Cusp(4, 100).Cusp(5, 100).Put(kMars, 100, 4);
  t.Put(kAscendant, 5, 12);  // the angles draw no power from a house
  CosmodynesFacts f;
  ComputeDynesHouseSizes(t.chart, f);
  ComputeHousePower(t.chart, f);
  EXPECT_DOUBLE_EQ(f.house_size[12], 30);
  EXPECT_NEAR(f.house_power[kVenus], 9.3f - 0.35f, 1e-6);
  EXPECT_DOUBLE_EQ(f.house_size[4], 0);
  EXPECT_DOUBLE_EQ(f.house_power[kMars], 14);
  EXPECT_EQ(f.house_power[kAscendant], 0);
}

TEST(CosmodynesSigns, MutualReceptionsAddFiveToBoth) {
  const struct {
    int a;
    double lon_a;
    int b;
    double lon_b, harmony;
  } cases[] = {
      {kSun, 100, kMoon, 130, 5},      // Cancer and Leo
      {kSun, 100, kMoon, 70, 0},       // the Moon in Gemini receives nothing back
      {kVenus, 10, kMars, 190, 5},     // Aries and Libra
      {kSun, 130, kMoon, 100, 0},      // each in its own sign
      {kSaturn, 80, kUranus, 290, 5},  // Gemini and Capricorn
  };
  for (const auto& c : cases) {
    DynesChart t(165);  // Virgo: only Mercury's, and Mercury stays there
    t.Put(c.a, c.lon_a, 3).Put(c.b, c.lon_b, 3);
    CosmodynesFacts f;
    AddMutualReceptions(t.chart, f);
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
    CosmodynesFacts f;
    AddSignDignities(t.chart, f);
    EXPECT_EQ(f.harmony[c.planet], c.harmony) << c.planet << " at " << c.lon;
    EXPECT_EQ(f.discord[c.planet], c.discord) << c.planet << " at " << c.lon;
  }
}

TEST(CosmodynesSigns, RulerShareByTheCuspsInTheSign) {
  const struct {
    int cusps_in_aries;
    double power;  // of Aries, from Mars' 20
  } cases[] = {{0, 5}, {1, 10}, {2, 20}, {3, 40}, {4, 0}};
  for (const auto& c : cases) {
    DynesChart t(165);
    for (int h = 1; h <= 12; ++h) t.Cusp(h, h <= c.cusps_in_aries ? 5.0 * h : 150);
    CosmodynesFacts f;
    f.total_power[kMars] = 20;
    f.harmony[kMars] = 8;
    f.discord[kMars] = 4;
    CountCuspsPerSign(t.chart, f);
    ComputeSignTotals(t.chart, f);
    EXPECT_EQ(f.cusps_per_sign[dynes::kAries], c.cusps_in_aries);
    EXPECT_DOUBLE_EQ(f.signs[dynes::kAries].power, c.power) << c.cusps_in_aries;
    EXPECT_DOUBLE_EQ(f.signs[dynes::kAries].harmony, c.power * 0.4) << c.cusps_in_aries;
    EXPECT_DOUBLE_EQ(f.signs[dynes::kAries].discord, c.power * 0.2) << c.cusps_in_aries;
  }
}

TEST(CosmodynesSigns, ObjectsAddToTheirSignAndTwoRulersShare) {
  DynesChart t(165);  // every cusp in Virgo
  for (int h = 1; h <= 12; ++h) t.Cusp(h, 150);
  t.Put(kMars, 10, 3).Put(kAscendant, 280, 10).Put(kNorthNode, 250, 3).Put(kChiron, 250, 3);
  CosmodynesFacts f;
  f.total_power = {0, 0, 0, 0, 20, 0, 6, 0, 0, 10, 0, 99, 0, 0, 30, 0, 99};
  CountCuspsPerSign(t.chart, f);
  ComputeSignTotals(t.chart, f);
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
  CosmodynesFacts f;
  f.total_power[kMars] = 20;
  f.total_power[kVenus] = 8;
  f.total_power[kJupiter] = 6;
  f.total_power[kSun] = 3;
  f.harmony[kSun] = 2;
  f.total_power[kAscendant] = 40;
  ComputeDynesHouseSizes(t.chart, f);
  ComputeHouseTotals(t.chart, f);
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
  EXPECT_DOUBLE_EQ(f.south.power, 57);
  EXPECT_DOUBLE_EQ(f.north.power, 21);
  EXPECT_DOUBLE_EQ(f.east.power, 39);
  EXPECT_DOUBLE_EQ(f.west.power, 39);
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
