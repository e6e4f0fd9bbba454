// The degree strip: objects by whole degree within the sign, stacked into
// further blocks when their cell is taken.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "moon_test_chart.h"
#include "reports/degree_strip_cells.h"
#include "reports/degree_strip_text.h"

namespace kairotex {
namespace {

// Object i at 10 + i degrees and 15 minutes of sign i (counted round).
test::MoonTestChart OneObjectPerDegree() {
  test::MoonTestChart t;
  t.Spread(11.25, 31.0);
  return t;
}

TEST(DegreeStrip, EachObjectInTheCellOfItsDegreeButTheSouthNode) {
  test::MoonTestChart t = OneObjectPerDegree();
  t.Retrograde(kSaturn);
  const DegreeStripFacts strip = ComputeDegreeStrip(t.chart);
  ASSERT_EQ(strip.blocks.size(), 1u);
  const char* labels[] = {"SU", "ME", "VE", "MA", "JU", "SA", "UR", "NE",
                          "PL", "MO", "NN", "",   "PF", "AS", "MC", "CH"};
  for (int object = 1; object <= ObjectCount; ++object) {
    const StripCell& cell = strip.blocks[0][10 + object];
    EXPECT_EQ(cell.label, labels[object - 1]) << object;
    if (object == kSouthNode) continue;
    EXPECT_EQ(cell.sign, (object - 1) % 12 + 1) << object;
    EXPECT_EQ(cell.minute, 15) << object;
    EXPECT_EQ(cell.retrograde, object == kSaturn) << object;
  }
}

TEST(DegreeStrip, ATakenCellSendsTheLaterObjectToTheNextBlock) {
  test::MoonTestChart t = OneObjectPerDegree();
  // Degree 5: the Sun at 5.5 Aries, the Moon at 5.8 Taurus, Venus at 5.9 Sagittarius.
  t.Put(kMoon, 35.8).Put(kSun, 5.5).Put(kVenus, 245.9);
  const DegreeStripFacts strip = ComputeDegreeStrip(t.chart);
  ASSERT_EQ(strip.blocks.size(), 3u);
  EXPECT_EQ(strip.blocks[0][5].object, kSun);
  EXPECT_EQ(strip.blocks[1][5].object, kMoon);
  EXPECT_EQ(strip.blocks[2][5].object, kVenus);
  EXPECT_EQ(strip.blocks[1][5].minute, 48);
  EXPECT_EQ(strip.blocks[0][20].object, 0);  // the Moon's degree before it moved
}

TEST(DegreeStrip, NineBlocksAtMostAndTheRestLeftOff) {
  test::MoonTestChart t(100.5);  // every object at 10 Cancer
  const DegreeStripFacts strip = ComputeDegreeStrip(t.chart);
  ASSERT_EQ(strip.blocks.size(), 9u);
  EXPECT_EQ(strip.blocks[8][10].object, kPluto);
  const std::vector<int> left_off = {kMoon,      kNorthNode, kPartOfFortune,
                                     kAscendant, kMidheaven, kChiron};
  EXPECT_EQ(strip.left_off, left_off);
}

TEST(DegreeStrip, BlockLinesPutLabelSignMinutesAndMarkUnderOneAnother) {
  StripBlock block;
  block[0] = {kSun, "SU", 1, 5, true};
  block[29] = {kMoon, "MO", 2, 48, false};
  const std::vector<std::string> expected = {
      "SU" + std::string(85, ' ') + "MO ",
      "ARI" + std::string(84, ' ') + "TAU",
      "05" + std::string(85, ' ') + "48 ",
      "R" + std::string(89, ' '),
      std::string(90, ' '),
  };
  EXPECT_EQ(StripBlockLines(block), expected);
}

}  // namespace
}  // namespace kairotex
