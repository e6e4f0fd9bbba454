// Conjunctions with the fixed stars: the bands, their ends, Algol's orb and
// the band across 0 Aries.
#include <gtest/gtest.h>

#include <string_view>
#include <utility>
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

// Scheat's band runs across 0 Aries.
TEST(HoraryFixedStars, BandsIncludeBothEnds) {
  const Stars none, alcyone = {" - ALCYONE   "}, aselli = {" - N. ASELLI   ", " - S. ASELLI   "},
                    regulus = {" - REGULUS   "}, spica = {" - SPICA   "}, vega = {" - VEGA   "},
                    scheat = {" - SCHEAT   "};
  const std::pair<double, Stars> cases[] = {
      {60.0, alcyone},  {58.85, alcyone}, {60.85, alcyone}, {60.86, none}, {128.0, aselli},
      {149.0, regulus}, {203.0, spica},   {285.0, vega},    {100.0, none}, {358.233, scheat},
      {359.99, scheat}, {0.0, scheat},    {0.233, scheat},  {0.24, none},  {358.2, none}};
  for (const auto& [lon, stars] : cases) EXPECT_EQ(MoonStars(lon), stars) << lon;
}

TEST(HoraryFixedStars, AlgolBandIsTheOptionOrb) {
  const struct {
    double lon;
    float orb;
    bool hit;
  } cases[] = {{54.5, 2.0f, true}, {53.9, 2.0f, false}, {58.0, 2.0f, true},
               {55.6, 0.5f, true}, {55.0, 0.5f, false}, {56.03, 0.0f, true}};
  for (const auto& c : cases) {
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
  std::vector<int> objects;
  for (const FixedStarHit& hit : hits) objects.push_back(hit.object);
  EXPECT_EQ(objects, (std::vector<int>{kSun, kPartOfFortune, kChiron}));
}

}  // namespace
}  // namespace kairotex
