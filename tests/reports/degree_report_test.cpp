// The third section of the horary basics report, written into the buffer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "moon_test_chart.h"
#include "reports/degree_strip.h"

namespace kairotex {
namespace {

TEST(DegreeReport, CriticalLineThenRulerThenBlocks) {
  // Every object at 15.5 Taurus but the Sun, critical at 12.4 Cancer.
  test::MoonTestChart t(45.5);
  t.Put(kSun, 102.4);
  const std::vector<std::string> lines = t.Write(WriteDegreeStrip);
  // Fourteen objects share degree 15: nine blocks of five lines.
  ASSERT_EQ(lines.size(), 4u + 9 * 5);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], "  In Critical Degrees:  SUN       ");
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(lines[3].substr(0, 11), "  00 01 02 ");
  EXPECT_EQ(lines[4].substr(38, 2), "SU");
  EXPECT_EQ(lines[4].substr(47, 2), "ME");
  EXPECT_EQ(lines[5].substr(38, 3), "CAN");
  EXPECT_EQ(lines[6].substr(38, 2), "24");
  EXPECT_EQ(lines[9].substr(47, 2), "VE");
}

}  // namespace
}  // namespace kairotex
