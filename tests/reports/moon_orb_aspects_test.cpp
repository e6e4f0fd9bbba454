// The aspects within orb: pairs by speed, the planet-orb rule, applying,
// separating and partile, sinister and dexter, and the distance from exact.
#include "reports/moon_orb_aspects.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "moon_test_chart.h"
#include "reports/moon_orb_aspects_text.h"

namespace kairotex {
namespace {

// The Moon fast at 0 Aries with a 5 degree orb; the others parked 45 degrees
// away (no aspect: a parked object brings no orb of its own).
test::MoonTestChart MoonAtZero() {
  test::MoonTestChart t(45);
  t.Put(kMoon, 0, 13).Orb(kMoon, 5);
  return t;
}

TEST(MoonOrbAspects, MotionAtThePartileBounds) {
  const struct {
    bool ahead;
    double deviation;
    AspectMotion motion;
  } cases[] = {
      {true, 0.0166666, AspectMotion::kPartile},     {false, -0.0166666, AspectMotion::kPartile},
      {true, 0.0166667, AspectMotion::kApplying},    {true, -0.0166667, AspectMotion::kSeparating},
      {false, 0.0166667, AspectMotion::kSeparating}, {false, -0.0166667, AspectMotion::kApplying},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MotionOf(c.ahead, c.deviation), c.motion) << c.ahead << " " << c.deviation;
  }
}

TEST(MoonOrbAspects, CodeAndQualifierAgainstTheMoon) {
  const struct {
    int object;  // orb 1 when a planet
    double lon;
    int code;  // 1: not within orb
    const char* qualifier;
  } cases[] = {
      {kSun, 62, 3, "APP, sin "},  // ahead and wide: the Moon closes in
      {kSun, 58, 3, "sep, sin "},  {kSun, 298, 3, "sep, dex "},   {kSun, 302, 3, "APP, dex "},
      {kSun, 183, 6, "APP, dex "},                                 // over half a circle ahead
      {kSun, 3, 2, "APP"},         {kSun, 357, 2, "sep"},          // no side to a conjunction
      {kSun, 60.01, 3, "partile"}, {kSun, 114.0, 5, "sep, sin "},  // orb 5 + 1
      {kSun, 113.9, 1, ""},        {kNorthNode, 2, 2, ""},         // no motion for the points
      {kNorthNode, 60, 1, ""},     {kAscendant, 91, 4, ""},       {kChiron, 178, 6, ""},
  };
  for (const auto& c : cases) {
    test::MoonTestChart t = MoonAtZero();
    t.Put(c.object, c.lon, 1);
    if (c.object <= kMoon) t.Orb(c.object, 1);
    const std::vector<OrbAspect> aspects = ComputeAspectsWithinOrb(t.chart, t.options);
    ASSERT_EQ(aspects.size(), c.code == 1 ? 0u : 1u) << c.object << " at " << c.lon;
    if (aspects.empty()) continue;
    EXPECT_EQ(aspects[0].faster, kMoon);
    EXPECT_EQ(aspects[0].code, c.code) << c.object << " at " << c.lon;
    EXPECT_EQ(QualifierText(aspects[0]), c.qualifier) << c.object << " at " << c.lon;
  }
}

TEST(MoonOrbAspects, ObjectsBySpeedFastestFirstThenThePoints) {
  test::MoonTestChart t;
  t.Put(kSun, 0, 0.98).Put(kMercury, 0, -1.4).Put(kMars, 0, 0.5).Put(kMoon, 0, 12.5);
  t.Put(kJupiter, 0, 0.5).Put(kNorthNode, 0, -20);  // the node's motion is not looked at
  const std::vector<int> expected = {
      kMoon,    kMercury, kSun,       kMars,      kJupiter,       kVenus,     kSaturn,    kUranus,
      kNeptune, kPluto,   kNorthNode, kSouthNode, kPartOfFortune, kAscendant, kMidheaven, kChiron};
  EXPECT_EQ(ObjectsBySpeed(t.chart), expected);
}

TEST(MoonOrbAspects, LinesWithNamesQualifierAndDistance) {
  test::MoonTestChart t = MoonAtZero();
  t.Put(kSun, 298, 1).Orb(kSun, 1).Put(kNorthNode, 1.04).Put(kSaturn, 192, 0.1).Orb(kSaturn, 10);
  const std::vector<std::string> expected = {
      "",
      "  Moon's Aspects Within Orb",
      "  -------------------------",
      "  MOON      Sextile     sep, dex     SUN        2.0 degree",
      "  MOON      Opposite    APP, dex     SATURN    12.0 degree",
      "  MOON      Conjunct                 N. NODE    1.0 degree",
  };
  EXPECT_EQ(AspectsWithinOrbLines(ComputeAspectsWithinOrb(t.chart, t.options)), expected);
}

}  // namespace
}  // namespace kairotex
