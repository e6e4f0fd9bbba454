// Facts of the Magi Society aspects report: windows, labels, parallels, Chiron.
#include "aspects/magi_aspects.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "aspects/magi_linkages.h"

namespace kairotex {
namespace {

// Magi objects parked at 5, 12 ... 75 with declinations 1.5, 3 ... 16.5: no
// aspect and no parallel until a test moves one. k = 11 sets Chiron.
ChartState MagiChart(std::initializer_list<std::array<double, 3>> moved = {}) {
  ChartState chart;
  auto put = [&chart](int k, double lon, double decl) {
    chart.ObjectLon[k == kMagiChiron ? kChiron : k] = lon;
    chart.ObjectDecl[k == kMagiChiron ? kChiron : k] = decl;
  };
  for (int k = 1; k <= kMagiObjectCount; ++k) put(k, 5.0 + 7.0 * (k - 1), 1.5 * k);
  for (const auto& [k, lon, decl] : moved) put(static_cast<int>(k), lon, decl);
  return chart;
}

template <typename Fact>
const Fact* Find(const std::vector<Fact>& facts, int a, int b) {
  for (const Fact& f : facts)
    if (f.first == std::min(a, b) && f.second == std::max(a, b)) return &f;
  return nullptr;
}

TEST(MagiAspects, WindowsAndLabelsBySeparation) {
  struct Case {
    int a, b;
    double lon_a, lon_b;
    AspectCode code;  // kNoAspect: not listed
    double deviation;
    const char* labels;
  };
  // The windows, by the Sun against the Moon; a sextile is never listed.
  const std::vector<Case> windows = {
      {kSun, kMoon, 200, 287, kSquare, -3, ""},     {kSun, kMoon, 200, 293, kSquare, 3, ""},
      {kSun, kMoon, 200, 293.01, kNoAspect, 0, ""}, {kSun, kMoon, 350, 83, kSquare, 3, ""},
      {kSun, kMoon, 200, 317, kTrine, -3, ""},      {kSun, kMoon, 200, 347, kQuincunx, -3, ""},
      {kSun, kMoon, 200, 17, kOpposition, -3, ""},  {kSun, kMoon, 200, 20, kOpposition, 0, ""},
      {kSun, kMoon, 358, 1, kConjunction, 3, ""},   {kSun, kMoon, 200, 203.01, kNoAspect, 0, ""},
      {kVenus, kMars, 200, 260, kNoAspect, 0, ""}};
  const std::vector<Case> labelled = {
      {kSun, kJupiter, 200, 320, kTrine, 0, "   fidelity AND SUPER"},
      {kSun, kJupiter, 200, 350, kQuincunx, 0, "   fidelity"},
      {kSun, kJupiter, 200, 290, kSquare, 0, ""},
      {kSun, kUranus, 200, 320, kTrine, 0, "   SUPER"},
      {kSun, kUranus, 200, 50, kQuincunx, 0, ""},
      {kVenus, kMagiChiron, 200, 200, kConjunction, 0,
       "   MAGIcal AND Cinderella AND Golden linkage AND SUPER"},
      {kVenus, kMagiChiron, 200, 50, kQuincunx, 0, "   MAGIcal AND Cinderella AND Golden linkage"},
      {kSaturn, kVenus, 200, 350, kQuincunx, 0, "   SATURN CLASH"},
      {kSaturn, kVenus, 200, 320, kTrine, 0, ""},
      {kSaturn, kMars, 200, 110, kSquare, 0, "   SATURN CLASH"}};
  std::vector<Case> cases = windows;
  cases.insert(cases.end(), labelled.begin(), labelled.end());
  for (const auto& c : cases) {
    const MagiFacts facts = ComputeMagiAspects(
        MagiChart({{double(c.a), c.lon_a, 1.5 * c.a}, {double(c.b), c.lon_b, 1.5 * c.b}}));
    const MagiAspect* found = Find(facts.aspects, c.a, c.b);
    const std::string where = std::to_string(c.lon_a) + " " + std::to_string(c.lon_b);
    for (const MagiAspect& a : facts.aspects) EXPECT_NE(a.code, kSextile) << where;
    ASSERT_EQ(found != nullptr, c.code != kNoAspect) << where;
    if (found == nullptr) continue;
    EXPECT_EQ(found->code, c.code) << where;
    EXPECT_NEAR(found->deviation, c.deviation, 1e-9) << where;
    EXPECT_EQ(found->labels, c.labels) << where;
  }
}

TEST(MagiAspects, ParallelsWithinOneDegreeTwelveAndTheirLabels) {
  const struct {
    int a, b;
    double decl_a, decl_b;
    bool listed, contraparallel;
    const char* labels;
  } cases[] = {{kMars, kNeptune, 20, -19, true, true, ""},
               {kMars, kNeptune, 20, 21.2, true, false, ""},
               {kMars, kNeptune, 20, 21.3, false, false, ""},
               {kMars, kNeptune, 0, -0.5, true, true, ""},
               {kSun, kJupiter, 22, 22, true, false, "   fidelity AND SUPER"},
               {kSun, kNeptune, 22, -22, true, true, "   SUPER"},
               {kVenus, kJupiter, 22, 22, true, false, "   Silver linkage AND fidelity AND SUPER"},
               {kPluto, kMagiChiron, 22, 22, true, false, "   Golden linkage AND SUPER"},
               {kSaturn, kVenus, 22, 22, true, false, "   SATURN CLASH"}};
  for (const auto& c : cases) {
    const MagiFacts facts =
        ComputeMagiAspects(MagiChart({{double(c.a), 5.0 + 7 * (c.a - 1), c.decl_a},
                                      {double(c.b), 5.0 + 7 * (c.b - 1), c.decl_b}}));
    const MagiParallel* found = Find(facts.parallels, c.a, c.b);
    ASSERT_EQ(found != nullptr, c.listed) << c.decl_a << " " << c.decl_b;
    if (found == nullptr) continue;
    EXPECT_EQ(found->contraparallel, c.contraparallel) << c.decl_a << " " << c.decl_b;
    EXPECT_EQ(found->labels, c.labels) << c.a << " " << c.b;
  }
}

TEST(MagiAspects, ChironReplacesTheNodeUnlessOutsideItsTables) {
  struct Case {
    double lon, decl;
    int count;
  };
  for (const Case& c : {Case{0, 0, 10}, Case{0, 0.5, 11}, Case{0.5, 0, 11}}) {
    // The Sun on Chiron; the North Node trine and parallel to the Sun.
    ChartState chart = MagiChart({{11, c.lon, c.decl}, {double(kSun), c.lon, c.decl}});
    chart.ObjectLon[kNorthNode] = c.lon + 120;
    chart.ObjectDecl[kNorthNode] = c.decl;
    chart.ChironAvailable = c.count == 11;  // the date outside the tables has Chiron at 0, 0
    const MagiFacts facts = ComputeMagiAspects(chart);
    EXPECT_EQ(facts.object_count, c.count);
    const MagiAspect* aspect = Find(facts.aspects, kSun, kMagiChiron);
    ASSERT_EQ(aspect != nullptr, c.count == 11) << c.lon << " " << c.decl;
    if (aspect != nullptr) {
      EXPECT_EQ(aspect->code, kConjunction);
    }
    EXPECT_EQ(Find(facts.parallels, kSun, kMagiChiron) != nullptr, c.count == 11);
  }
}

}  // namespace
}  // namespace kairotex
