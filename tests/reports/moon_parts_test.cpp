// The lunar nodes and the Arabic parts, and how a position is printed.
#include <gtest/gtest.h>

#include "moon_test_chart.h"
#include "reports/arabic_parts.h"
#include "reports/arabic_parts_text.h"

namespace kairotex {
namespace {

TEST(MoonParts, NightFortuneIsSunPlusAscendantMinusMoon) {
  test::MoonTestChart t;
  t.Put(kSun, 10).Put(kMoon, 20).Cusp(4, 350);
  const NodesAndParts parts = ComputeNodesAndParts(t.chart);
  EXPECT_DOUBLE_EQ(parts.fortune_night, 340.0);
  EXPECT_EQ(PrintedPosition(parts.fortune_night), "10 PIS 00");
}

TEST(MoonParts, EachPartFromItsObjectsAndCusps) {
  test::MoonTestChart t;
  t.Put(kSun, 5).Put(kVenus, 15).Put(kMars, 50).Put(kSaturn, 20).Put(kMoon, 70);
  t.Cusp(1, 300).Cusp(4, 100).Cusp(10, 280).Cusp(11, 200).Nodes(123.5, 301.25);
  // Neither the wheel's cusps nor the Ascendant object are read.
  t.chart.CuspWheel[4] = 0;
  t.chart.ObjectLon[kAscendant] = 0;
  const NodesAndParts p = ComputeNodesAndParts(t.chart);
  const struct {
    const char* part;
    double lon, expected;
  } cases[] = {
      {"mean node", p.mean_north_node, 123.5},
      {"true node", p.true_north_node, 301.25},
      {"illness: 100 + 50 - 20", p.illness, 130},
      {"death: 100 + 200 - 70", p.death_traditional, 230},
      {"marriage: 100 + 280 - 15, past 360", p.marriage, 5},
      {"fatality: 100 + 20 - 5", p.fatality, 115},
      {"point of death: 50 + 20 - 300, below 0", p.point_of_death, 130},
      {"night fortune: 5 + 100 - 70", p.fortune_night, 35},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(c.lon, c.expected) << c.part;
}

TEST(MoonParts, PrintedPositionHoldsSixtyMinutesAtFiftyNine) {
  const struct {
    double lon;
    const char* text;
  } cases[] = {
      {0.0, "00 ARI 00"},     {45.2833333, "15 TAU 17"}, {45.999, "15 TAU 59"},
      {29.9999, "29 ARI 59"}, {359.9999, "29 PIS 59"},   {95.0083, "05 CAN 00"},
  };
  for (const auto& c : cases) EXPECT_EQ(PrintedPosition(c.lon), c.text) << c.lon;
}

}  // namespace
}  // namespace kairotex
