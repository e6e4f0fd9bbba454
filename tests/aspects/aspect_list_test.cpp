// The aspect window's list: its order and sections, and its two text forms.
#include "aspects/aspect_list.h"

#include <gtest/gtest.h>

#include "aspects/aspect_list_glyphs.h"
#include "aspects/aspect_list_words.h"

namespace kairotex {
namespace {

// Objects spread so that no two form an exact aspect or an exact parallel.
ChartState SpreadChart() {
  ChartState chart;
  for (int object = 1; object <= ObjectCount; ++object) {
    chart.ObjectPos[object] = 0.5 + 17.3 * (object - 1);
    chart.ObjectDecl[object] = 1.1 * object;
  }
  return chart;
}

TEST(AspectList, BlocksFollowTheListOrderAndEachPairComesTwice) {
  const OrbTable zero{};
  const AspectList none = BuildAspectList(SpreadChart(), zero, false);
  EXPECT_TRUE(none.aspects.empty() && none.parallels.empty());

  ChartState chart = SpreadChart();
  chart.ObjectPos[kSun] = chart.ObjectPos[kMoon] = 10;
  chart.ObjectPos[kMercury] = 70;
  chart.ObjectDecl[kSun] = 10;
  chart.ObjectDecl[kMars] = -10;
  const AspectList list = BuildAspectList(chart, zero, false);
  const std::vector<AspectListEntry> aspects = {
      {kSun, kConjunction, false, kMoon}, {kSun, kSextile, false, kMercury},
      {kMoon, kConjunction, false, kSun}, {kMoon, kSextile, false, kMercury},
      {kMercury, kSextile, false, kSun},  {kMercury, kSextile, false, kMoon},
  };
  const std::vector<AspectListEntry> parallels = {
      {kSun, kParallel, true, kMars},
      {kMars, kParallel, true, kSun},
  };
  EXPECT_EQ(list.aspects, aspects);
  EXPECT_EQ(list.parallels, parallels);
}

TEST(AspectList, WhichObjectsEachSectionAdmits) {
  // Every object conjunct and parallel with every other.
  ChartState chart;
  chart.ObjectDecl.fill(5);
  OrbTable orbs{};
  orbs[1] = 1;
  const std::vector<int> not_helio = {kMoon,          kNorthNode, kSouthNode,
                                      kPartOfFortune, kAscendant, kMidheaven};
  const struct {
    bool heliocentric;
    std::size_t aspects, parallels;
    std::vector<int> aspect_absent, parallel_absent;
  } cases[] = {
      {false, 16 * 15, 13 * 12, {}, {kNorthNode, kSouthNode, kPartOfFortune}},
      {true, 10 * 9, 10 * 9, not_helio, not_helio},
  };
  for (const auto& c : cases) {
    const AspectList list = BuildAspectList(chart, orbs, c.heliocentric);
    EXPECT_EQ(list.aspects.size(), c.aspects) << c.heliocentric;
    EXPECT_EQ(list.parallels.size(), c.parallels) << c.heliocentric;
    auto expect_absent = [](const std::vector<AspectListEntry>& entries,
                            const std::vector<int>& absent) {
      for (const AspectListEntry& e : entries) {
        for (int object : absent) {
          EXPECT_NE(e.row_object, object);
          EXPECT_NE(e.column_object, object);
        }
      }
    };
    expect_absent(list.aspects, c.aspect_absent);
    expect_absent(list.parallels, c.parallel_absent);
  }
}

const AspectList kSample = {
    {{kSun, kTrine, false, kJupiter}, {kMidheaven, kSeptile, false, kPartOfFortune}},
    {{kSun, kParallel, true, kMars}, {kChiron, kParallel, false, kMercury}},
};

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = 0; (at = text.find(from, at)) != text.npos; at += to.size())
    text.replace(at, from.size(), to);
  return text;
}

// The Earth takes the Sun's place in the heliocentric chart.
TEST(AspectListText, GlyphsAndWordsAsTheWindowShowsThem) {
  EXPECT_EQ(AspectListGlyphText({}, false), "\r\n\r\n");
  const std::string glyphs =
      "\r\n  \xE0 \xA4 \xE4\r\n  \xEE \xB0 \xEC\r\n\r\n  \xE0 \xB1 \xE3\r\n  \xEF \xA6 \xE1\r\n";
  EXPECT_EQ(AspectListGlyphText(kSample, false), glyphs);
  EXPECT_EQ(AspectListGlyphText(kSample, true), Replaced(glyphs, "\xE0", "\xEC"));
  const std::string words =
      "SUN        Trine          JUPITER\n"
      "MC         Septile        PART F.\n"
      "\n"
      "SUN        Contraparallel MARS\n"
      "CHIRON     Parallel       MERCURY\n";
  EXPECT_EQ(AspectListWords(kSample, false, "\n"), words);
  EXPECT_EQ(AspectListWords(kSample, true, "\r\n"),
            Replaced(Replaced(words, "SUN  ", "EARTH"), "\n", "\r\n"));
}

}  // namespace
}  // namespace kairotex
