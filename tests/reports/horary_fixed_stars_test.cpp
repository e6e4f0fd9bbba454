// Conjunctions with the fixed stars: the bands, their ends, Algol's orb and
// the band across 0 Aries.
#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "horary_test_chart.h"
#include "reports/fixed_stars.h"
#include "reports/fixed_stars_table.h"

namespace kairotex {
namespace {

using test::HoraryTestChart;
using Stars = std::vector<std::string_view>;

// The stars the Moon at lon is listed for, with every other object parked
// where no star is.
Stars MoonStars(double lon, float algol_orb = 1.5f) {
  HoraryTestChart t;
  for (int i = 1; i <= ObjectCount; ++i) t.Put(i, 20.0);
  t.Put(kMoon, lon).Option(44, algol_orb);
  Stars stars;
  for (const FixedStarHit& hit : FindFixedStarHits(t.chart, t.options)) {
    EXPECT_EQ(hit.object, kMoon);
    stars.push_back(kFixedStars[hit.star].text);
  }
  return stars;
}

TEST(HoraryFixedStars, BandsIncludeBothEnds) {
  struct Case {
    double lon;
    Stars stars;
  };
  const Case cases[] = {
      {60.0, {" - ALCYONE   "}},
      {128.0, {" - N. ASELLI   ", " - S. ASELLI   "}},
      {58.85, {" - ALCYONE   "}},
      {60.85, {" - ALCYONE   "}},
      {60.86, {}},
      {149.0, {" - REGULUS   "}},
      {203.0, {" - SPICA   "}},
      {285.0, {" - VEGA   "}},
      {100.0, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(MoonStars(c.lon), c.stars) << c.lon;
}

TEST(HoraryFixedStars, ScheatAcrossZeroAries) {
  struct Case {
    double lon;
    bool hit;
  };
  const Case cases[] = {{358.233, true}, {359.99, true}, {0.0, true},
                        {0.233, true},   {0.24, false},  {358.2, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(MoonStars(c.lon), c.hit ? Stars{" - SCHEAT   "} : Stars{}) << c.lon;
  }
}

TEST(HoraryFixedStars, AlgolBandIsTheOptionOrb) {
  struct Case {
    double lon;
    float orb;
    bool hit;
  };
  const Case cases[] = {
      {54.5, 2.0f, true}, {53.9, 2.0f, false}, {58.0, 2.0f, true},
      {55.6, 0.5f, true}, {55.0, 0.5f, false}, {56.03, 0.0f, true},
  };
  for (const Case& c : cases) {
    const Stars stars = MoonStars(c.lon, c.orb);
    const bool algol = !stars.empty() && stars.front() == " - ALGOL   ";
    EXPECT_EQ(algol, c.hit) << c.lon << " orb " << c.orb;
  }
}

TEST(HoraryFixedStars, ObjectsInOrderNodesLeftOut) {
  HoraryTestChart t;
  for (int i = 1; i <= ObjectCount; ++i) t.Put(i, 20.0);
  t.Put(kNorthNode, 149.0).Put(kSouthNode, 149.0);
  t.Put(kChiron, 149.0).Put(kSun, 150.0).Put(kPartOfFortune, 203.0);
  const std::vector<FixedStarHit> hits = FindFixedStarHits(t.chart, t.options);
  ASSERT_EQ(hits.size(), 3u);
  EXPECT_EQ(hits[0].object, kSun);
  EXPECT_EQ(hits[1].object, kPartOfFortune);
  EXPECT_EQ(hits[2].object, kChiron);
}

}  // namespace
}  // namespace kairotex
