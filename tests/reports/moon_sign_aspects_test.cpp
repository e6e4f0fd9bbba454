// The Moon's aspects by sign and the modern void-of-course verdict.
#include "reports/moon_sign_aspects.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "moon_test_chart.h"
#include "reports/moon_sign_aspects_text.h"

namespace kairotex {
namespace {

// 5 Virgo: quincunx to Aries, so objects parked there make no entry.
constexpr double kQuincunxToAries = 155.0;

std::vector<std::string> Lines(const test::MoonTestChart& t) {
  return MoonSignAspectLines(ComputeMoonSignAspects(t.chart));
}

TEST(MoonSignAspects, WordBySignsApartOnBothSidesOfTheMoon) {
  // The Moon at 20 Aries; the Sun in each sign, after it or before it.
  const char* words[] = {"CONJUNCT ", "", "SEXTILE ", "SQUARE ", "TRINE ",   "",
                         "OPPOSITE ", "", "TRINE ",   "SQUARE ", "SEXTILE ", ""};
  for (int sign = 1; sign <= 12; ++sign) {
    const std::string word = words[sign - 1];
    const std::string entry = word.empty() ? "" : word + "SUN  ";
    test::MoonTestChart ahead(kQuincunxToAries), behind(kQuincunxToAries);
    ahead.Put(kMoon, 20).Put(kSun, 30.0 * (sign - 1) + 25);
    behind.Put(kMoon, 20).Put(kSun, 30.0 * (sign - 1) + 10);
    EXPECT_EQ(Lines(ahead)[3], "  To   - " + (entry.empty() ? "VOID OF COURSE (modern)" : entry))
        << sign;
    EXPECT_EQ(Lines(behind)[2], "  From - " + entry) << sign;
  }
}

TEST(MoonSignAspects, MoonAtTheHighestDegreeIsVoidOfCourse) {
  test::MoonTestChart t(kQuincunxToAries);
  t.Put(kMoon, 29.9).Put(kSun, 130).Put(kMars, 28);
  EXPECT_TRUE(ComputeMoonSignAspects(t.chart).void_of_course);
  const std::vector<std::string> expected = {"", "  Moon's Aspects - ",
                                             "  From - TRINE SUN  CONJUNCT MARS  ",
                                             "  To   - VOID OF COURSE (modern)"};
  EXPECT_EQ(Lines(t), expected);
}

TEST(MoonSignAspects, NodesAndAnglesAreSkippedButFortuneAndChironCount) {
  test::MoonTestChart skipped(kQuincunxToAries), counted(kQuincunxToAries);
  skipped.Put(kMoon, 10).Put(kNorthNode, 12).Put(kSouthNode, 14).Put(kAscendant, 16);
  skipped.Put(kMidheaven, 18);
  EXPECT_TRUE(ComputeMoonSignAspects(skipped.chart).void_of_course);
  counted.Put(kMoon, 10).Put(kPartOfFortune, 12).Put(kChiron, 14);
  EXPECT_EQ(Lines(counted)[3], "  To   - CONJUNCT PART F.  CONJUNCT CHIRON   ");
}

TEST(MoonSignAspects, EntriesFollowTheDegreeOrderWhateverTheSign) {
  // The Moon at 15 Gemini; the others parked at 5 Scorpio, a quincunx.
  test::MoonTestChart t(215);
  t.Put(kMoon, 75).Put(kSun, 123).Put(kVenus, 340).Put(kMars, 260).Put(kJupiter, 205);
  t.Put(kSaturn, 118);  // one sign from the Moon's: no entry
  const MoonSignAspects a = ComputeMoonSignAspects(t.chart);
  ASSERT_EQ(a.from.size(), 2u);
  EXPECT_EQ(a.from[1].object, kVenus);
  EXPECT_EQ(a.from[1].signs_apart, 9);
  EXPECT_EQ(Lines(t)[2], "  From - SEXTILE SUN  SQUARE VENUS  ");
  EXPECT_EQ(Lines(t)[3], "  To   - OPPOSITE MARS  TRINE JUPITER  ");
}

}  // namespace
}  // namespace kairotex
