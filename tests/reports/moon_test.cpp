// The Moon's aspects within orb and by sign, the nodes and Arabic parts, the
// critical degrees and the degree strip, and their written sections.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "report_test_chart.h"
#include "reports/arabic_parts.h"
#include "reports/arabic_parts_text.h"
#include "reports/critical_degrees.h"
#include "reports/degree_strip.h"
#include "reports/degree_strip_cells.h"
#include "reports/moon_aspects.h"
#include "reports/moon_orb_aspects.h"
#include "reports/moon_orb_aspects_text.h"
#include "reports/moon_sign_aspects.h"
#include "reports/moon_sign_aspects_text.h"

namespace kairotex {
namespace {

using test::TestChart;

TEST(MoonOrbAspects, MotionAtThePartileBounds) {
  using enum AspectMotion;
  const std::tuple<bool, double, AspectMotion> cases[] = {
      {true, 0.0166666, kPartile},     {false, -0.0166666, kPartile},
      {true, 0.0166667, kApplying},    {true, -0.0166667, kSeparating},
      {false, 0.0166667, kSeparating}, {false, -0.0166667, kApplying}};
  for (const auto& [ahead, deviation, motion] : cases)
    EXPECT_EQ(MotionOf(ahead, deviation), motion) << ahead << " " << deviation;
}

// The Moon fast at 0 Aries with a 5 degree orb, the other object with orb 1
// when a planet; the rest parked 45 degrees away bring no orb of their own.
// Code 1: not within orb.
TEST(MoonOrbAspects, CodeAndQualifierAgainstTheMoon) {
  const std::tuple<int, double, int, const char*> cases[] = {
      {kSun, 62, 3, "APP, sin "},  // ahead and wide: the Moon closes in
      {kSun, 58, 3, "sep, sin "},  {kSun, 298, 3, "sep, dex "},   {kSun, 302, 3, "APP, dex "},
      {kSun, 183, 6, "APP, dex "},                                 // over half a circle ahead
      {kSun, 3, 2, "APP"},         {kSun, 357, 2, "sep"},          // no side to a conjunction
      {kSun, 60.01, 3, "partile"}, {kSun, 114.0, 5, "sep, sin "},  // orb 5 + 1
      {kSun, 113.9, 1, ""},        {kNorthNode, 2, 2, ""},         // no motion for the points
      {kNorthNode, 60, 1, ""},     {kAscendant, 91, 4, ""},       {kChiron, 178, 6, ""}};
  for (const auto& [object, lon, code, qualifier] : cases) {
    TestChart t(45);
    t.Put(kMoon, 0, 13).Orb(kMoon, 5).Put(object, lon, 1);
    if (object <= kMoon) t.Orb(object, 1);
    const std::vector<OrbAspect> a = ComputeAspectsWithinOrb(t.chart, t.options);
    EXPECT_EQ(a.empty() ? "1 " : std::to_string(a[0].code) + " " + QualifierText(a[0]),
              std::to_string(code) + " " + qualifier)
        << object << " at " << lon;
    EXPECT_TRUE(a.size() < 2 && (a.empty() || a[0].faster == kMoon)) << object << " at " << lon;
  }
  // The planets fastest first whatever the direction, then the points.
  TestChart t;
  t.Put(kSun, 0, 0.98).Put(kMercury, 0, -1.4).Put(kMars, 0, 0.5).Put(kMoon, 0, 12.5);
  t.Put(kJupiter, 0, 0.5).Put(kNorthNode, 0, -20);  // the node's motion is not looked at
  EXPECT_EQ(ObjectsBySpeed(t.chart),
            (std::vector<int>{kMoon, kMercury, kSun, kMars, kJupiter, kVenus, kSaturn, kUranus,
                              kNeptune, kPluto, kNorthNode, kSouthNode, kPartOfFortune, kAscendant,
                              kMidheaven, kChiron}));
}

// The Moon at 20 Aries, the Sun in each sign after it or before it; the
// others at 5 Virgo, a quincunx, make no entry.
TEST(MoonSignAspects, WordBySignsApartOnBothSidesOfTheMoon) {
  const char* words[] = {"CONJUNCT ", "", "SEXTILE ", "SQUARE ", "TRINE ",   "",
                         "OPPOSITE ", "", "TRINE ",   "SQUARE ", "SEXTILE ", ""};
  for (int sign = 1; sign <= 12; ++sign) {
    const std::string word = words[sign - 1], entry = word.empty() ? "" : word + "SUN  ";
    TestChart ahead(155), behind(155);
    ahead.Put(kMoon, 20).Put(kSun, 30.0 * (sign - 1) + 25);
    behind.Put(kMoon, 20).Put(kSun, 30.0 * (sign - 1) + 10);
    EXPECT_EQ(MoonSignAspectLines(ComputeMoonSignAspects(ahead.chart))[3],
              "  To   - " + (entry.empty() ? "VOID OF COURSE (modern)" : entry))
        << sign;
    EXPECT_EQ(MoonSignAspectLines(ComputeMoonSignAspects(behind.chart))[2], "  From - " + entry)
        << sign;
  }
}

TEST(MoonSignAspects, WhichObjectsCountAndInWhatOrder) {
  TestChart late(155), skipped(155), counted(155);
  EXPECT_TRUE(ComputeMoonSignAspects(late.Put(kMoon, 29.9).Put(kMars, 28).chart).void_of_course);
  skipped.Put(kMoon, 10).Put(kNorthNode, 12).Put(kSouthNode, 14).Put(kAscendant, 16);
  EXPECT_TRUE(ComputeMoonSignAspects(skipped.Put(kMidheaven, 18).chart).void_of_course);
  counted.Put(kMoon, 10).Put(kPartOfFortune, 12).Put(kChiron, 14);
  EXPECT_EQ(MoonSignAspectLines(ComputeMoonSignAspects(counted.chart))[3],
            "  To   - CONJUNCT PART F.  CONJUNCT CHIRON   ");
  // The Moon at 15 Gemini; entries by degree whatever the sign.
  TestChart t(215);
  t.Put(kMoon, 75).Put(kSun, 123).Put(kVenus, 340).Put(kMars, 260).Put(kJupiter, 205);
  const auto lines = MoonSignAspectLines(ComputeMoonSignAspects(t.Put(kSaturn, 118).chart));
  EXPECT_EQ(lines[2], "  From - SEXTILE SUN  SQUARE VENUS  ");
  EXPECT_EQ(lines[3], "  To   - OPPOSITE MARS  TRINE JUPITER  ");
}

TEST(MoonParts, EachPartFromItsObjectsAndCuspsAndHowItIsPrinted) {
  TestChart t;
  t.Put(kSun, 5).Put(kVenus, 15).Put(kMars, 50).Put(kSaturn, 20).Put(kMoon, 70);
  t.Cusp(1, 300).Cusp(4, 100).Cusp(10, 280).Cusp(11, 200);
  t.chart.MeanNode = 123.5;
  t.chart.TrueNode = 301.25;
  // Neither the wheel's cusps nor the Ascendant object are read.
  t.chart.CuspWheel[4] = 0;
  t.chart.ObjectLon[kAscendant] = 0;
  const NodesAndParts p = ComputeNodesAndParts(t.chart);
  const std::pair<double, double> cases[] = {{p.mean_north_node, 123.5},
                                             {p.true_north_node, 301.25},
                                             {p.illness, 130},            // 100 + 50 - 20
                                             {p.death_traditional, 230},  // 100 + 200 - 70
                                             {p.marriage, 5},          // 100 + 280 - 15, past 360
                                             {p.fatality, 115},        // 100 + 20 - 5
                                             {p.point_of_death, 130},  // 50 + 20 - 300, below 0
                                             {p.fortune_night, 35}};   // 5 + 100 - 70
  for (const auto& [lon, expected] : cases) EXPECT_DOUBLE_EQ(lon, expected);
  // Sixty minutes are held at 59.
  const std::pair<double, const char*> printed[] = {
      {0.0, "00 ARI 00"},     {45.2833333, "15 TAU 17"}, {45.999, "15 TAU 59"},
      {29.9999, "29 ARI 59"}, {359.9999, "29 PIS 59"},   {95.0083, "05 CAN 00"}};
  for (const auto& [lon, text] : printed) EXPECT_EQ(PrintedPosition(lon), text) << lon;
}

// The bands repeat in every quarter (12.4 Cancer is cardinal, 12.4 Taurus a
// fixed sign); only the ten planets count.
TEST(DegreeCritical, BandsAtTheirBounds) {
  const std::pair<double, bool> cases[] = {
      {12.4, true},      {102.4, true},     {282.4, true},    {42.4, false},   {0.5, true},
      {0.51, false},     {89.49, false},    {89.5, true},     {359.9, true},   {12.357, true},
      {12.356, false},   {13.357, true},    {13.358, false},  {25.214, true},  {26.215, false},
      {38.071, true},    {50.92857, true},  {50.9285, false}, {64.7857, true}, {64.7858, false},
      {76.642857, true}, {77.642857, true}, {77.643, false}};
  for (const auto& [lon, critical] : cases) EXPECT_EQ(IsCriticalDegree(lon), critical) << lon;
  TestChart t(45);
  t.Put(kSun, 12.4).Put(kMoon, 90.2).Put(kPartOfFortune, 0.0).Put(kAscendant, 12.4);
  EXPECT_EQ(CriticalObjects(t.chart), (std::vector<int>{kSun, kMoon}));
}

// A taken cell sends the later object to the next block (nine blocks at most:
// the golden degree_strip.txt).
TEST(DegreeStrip, BlocksOfTakenCells) {
  TestChart t;
  t.Spread(11.25, 31.0);  // object i at 10 + i degrees of sign i
  // Degree 5: the Sun at 5.5 Aries, the Moon at 5.8 Taurus, Venus at 5.9 Sagittarius.
  const DegreeStripFacts strip =
      ComputeDegreeStrip(t.Put(kMoon, 35.8).Put(kSun, 5.5).Put(kVenus, 245.9).chart);
  ASSERT_EQ(strip.blocks.size(), 3u);
  EXPECT_EQ(
      (std::vector{strip.blocks[0][5].object, strip.blocks[1][5].object, strip.blocks[2][5].object,
                   strip.blocks[1][5].minute, strip.blocks[0][20].object}),
      (std::vector<int>{kSun, kMoon, kVenus, 48, 0}));
}

// The Moon last in its sign, square the Sun by sign but sextile by orb;
// everything else at 5 Virgo, a quincunx to the Moon.
TEST(MoonReport, WrittenSectionsAgainstGoldenFiles) {
  TestChart moon(155);
  moon.Put(kMoon, 29.9, 13).Orb(kMoon, 5).Put(kSun, 91.9, 1).Orb(kSun, 1);
  moon.chart.MeanNode = moon.chart.TrueNode = 155;
  test::ExpectGolden(moon.Cusp(4, 350).Write(WriteMoonAspectsAndParts),
                     "moon_aspects_and_parts.txt");
  TestChart orb(45);  // dexter, opposite, and a node without a qualifier
  orb.Put(kMoon, 0, 13).Orb(kMoon, 5).Put(kSun, 298, 1).Orb(kSun, 1).Put(kNorthNode, 1.04);
  test::ExpectGolden(orb.Put(kSaturn, 192, 0.1).Orb(kSaturn, 10).Write(WriteMoonAspectsWithinOrb),
                     "moon_within_orb.txt");
  // Every object at 15.5 Taurus but the Sun, critical at 12.4 Cancer: nine
  // blocks, the rest left off.
  test::ExpectGolden(TestChart(45.5).Put(kSun, 102.4).Write(WriteDegreeStrip), "degree_strip.txt");
  // One object per degree; the zodiac's retrograde flag, not the wheel's.
  TestChart spread;
  spread.Spread(11.25, 31.0).Retrograde(kMars).chart.RetroFlagsSaved[kSaturn - 1] = 'R';
  test::ExpectGolden(spread.Write(WriteDegreeStrip), "degree_strip_spread.txt");
}

}  // namespace
}  // namespace kairotex
