// Cosmodynes: orbs by house class, aspect and parallel dynes. (House power,
// receptions, dignities and the totals of a real chart: the Cosmodynes golden
// file of the command-line tests.)
#include "aspects/cosmodynes.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>

#include "aspects/cosmodynes_orbs.h"

namespace kairotex {
namespace {

using A = DynesAspect;

size_t WheelIndex(int house) {
  return static_cast<size_t>((house + 2) % 12 + 1);
}

// Every object is parked at one longitude in the 3rd house (cadent, the
// smallest orbs), each with a declination of its own (30 + 2i) that makes no
// parallel.
struct DynesChart {
  ChartState chart;
  explicit DynesChart(double park) {
    for (int i = 1; i <= ObjectCount; ++i) Put(i, park, 3).Decl(i, 30 + 2 * i);
  }
  DynesChart& Put(int object, double lon, int house) {
    chart.ObjectLon[object] = lon;
    return House(object, house);
  }
  DynesChart& House(int object, int house) {
    chart.HousePosText.replace(
        static_cast<size_t>(object - 1) * 10, 4,
        std::string_view(kHouseLabels).substr((WheelIndex(house) - 1) * 4, 4));
    return *this;
  }
  DynesChart& Decl(int object, double decl) {
    chart.ObjectDecl[object] = decl;
    return *this;
  }
  template <typename... Steps>
  CosmodynesFacts Run(CosmodynesFacts f, Steps... steps) const {
    (steps(chart, f), ...);
    return f;
  }
};

// Mercury detects with the planets' 1; two cadent planets have a trine orb of
// 6, so at 130 the sesquisquare is not tried.
TEST(CosmodynesOrbs, GradesByHouseClassAndAspectsByPairOrbs) {
  const struct {
    int object, house;
    double detect_g1, strength_g1, strength_g5;
  } grades[] = {{kMars, 3, 1, 1, 8},     {kMars, 10, 3, 3, 12},     {kSun, 7, 4, 4, 15},
                {kMercury, 9, 1, 2, 11}, {kMidheaven, 0, 3, 3, 12}, {kPluto, 0, 0, 0, 0}};
  for (const auto& c : grades) {
    const DynesOrbs orbs = ObjectDynesOrbs(c.object, c.house);
    EXPECT_EQ(orbs.detection[1], c.detect_g1) << c.object << " in " << c.house;
    EXPECT_EQ(orbs.strength[1], c.strength_g1) << c.object << " in " << c.house;
    EXPECT_EQ(DynesParallelOrb(orbs), c.strength_g5) << c.object << " in " << c.house;
  }
  const struct {
    int a, house_a, b;
    double separation;
    DynesAspect aspect;
  } pairs[] = {{kMars, 3, kSaturn, 8, A::kConjunction},    {kMars, 3, kSaturn, 8.01, A::kNone},
               {kMars, 3, kSaturn, 28.5, A::kNone},        {kMars, 3, kSaturn, 29, A::kSemisextile},
               {kMars, 2, kSaturn, 28.5, A::kSemisextile}, {kMercury, 3, kMars, 28.5, A::kNone},
               {kMars, 3, kSaturn, 130, A::kNone},         {kSun, 1, kMoon, 130, A::kTrine},
               {kSun, 1, kMoon, 130.5, A::kSesquisquare}};
  for (const auto& c : pairs) {
    const int house_b = c.a == kSun ? 1 : 3;
    const auto rule = FindDynesAspect(
        c.separation,
        PairDynesOrbs(ObjectDynesOrbs(c.a, c.house_a), ObjectDynesOrbs(c.b, house_b)).detection);
    EXPECT_EQ(rule ? rule->aspect : A::kNone, c.aspect) << c.a << " at " << c.separation;
  }
}

// The Sun conjunct Jupiter (strength orb 11, 3 off) adds half its power as
// harmony; Mars square Saturn adds discord three ways, 6 + 3 + 1.5. Parallels
// take the pair's larger orb, 0.6 off here; Uranus and Pluto 1.2 apart are too
// far; the Sun and Jupiter tint a parallel too. The grid holds the power
// above and the net harmony below.
TEST(CosmodynesAspects, PowerHarmonyAndDiscordOfAspectsAndParallels) {
  const struct {
    int a, house_a;
    double lon_a, decl_a;
    int b, house_b;
    double lon_b, decl_b, park, power, harmony, discord;
  } cases[] = {{kSun, 3, 119, 32, kJupiter, 3, 122, 40, 195, 8, 4, 0},
               {kMars, 3, 10, 38, kSaturn, 3, 100, 42, 205, 6, 0, 10.5},
               {kSun, 3, 0, 10, kMoon, 11, 20, -10.4, 163, 0.6 * 13, 0, 0},
               {kMercury, 9, 0, 10, kAscendant, 12, 20, 10.4, 163, 0.6 * 12, 0, 0},
               {kUranus, 5, 0, 10, kPluto, 12, 20, 11.2, 163, 0, 0, 0},
               {kUranus, 5, 0, 10, kPluto, 12, 20, -10, 163, 10, 0, 0},
               {kSun, 3, 0, 10, kJupiter, 3, 20, -10, 163, 11, 5.5, 0}};
  for (const auto& c : cases) {
    DynesChart t(c.park);
    t.Put(c.a, c.lon_a, c.house_a).Put(c.b, c.lon_b, c.house_b).Decl(c.a, c.decl_a);
    const CosmodynesFacts f = t.Decl(c.b, c.decl_b).Run({}, ComputeAspectDynes);
    EXPECT_NEAR(f.aspect_power[c.a], c.power, 1e-9) << c.a << " and " << c.b;
    EXPECT_DOUBLE_EQ(f.harmony[c.a], c.harmony) << c.a << " and " << c.b;
    EXPECT_DOUBLE_EQ(f.harmony[c.b], c.harmony) << c.a << " and " << c.b;
    EXPECT_DOUBLE_EQ(f.discord[c.a], c.discord) << c.a << " and " << c.b;
    EXPECT_NEAR(f.grid[size_t(c.a)][size_t(c.b)], c.power, 1e-5) << c.a << " and " << c.b;
    EXPECT_FLOAT_EQ(f.grid[size_t(c.b)][size_t(c.a)], c.harmony - c.discord) << c.a;
  }
}

}  // namespace
}  // namespace kairotex
