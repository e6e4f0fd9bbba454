// Aspect lines in the centre of the wheel.
#include <gtest/gtest.h>

#include <vector>

#include "wheel_test_chart.h"

namespace kairotex::test {
namespace {

// Every object but the two of the case stands at one place that aspects
// neither of them, so the only line possible is theirs. Spokes are drawn in
// a colour no aspect line uses.
ChartState PairChart(int a, double a_position, int b, double b_position) {
  ChartState chart = HandChart(10);
  for (int object = 1; object <= ObjectCount; ++object) chart.ObjectPos[object] = 27;
  chart.ObjectPos[a] = a_position;
  chart.ObjectPos[b] = b_position;
  FindHousePositions(chart);
  return chart;
}

WheelCase LineCase(ChartState chart) {
  WheelCase wheel{std::move(chart)};
  for (int i : {2, 3, 4, 5, 10}) wheel.options[i] = 1;  // orbs
  wheel.options[6] = 1;
  wheel.options[47] = 1;
  wheel.options[97] = 1;
  wheel.options[98] = 4;
  wheel.options[99] = 2;
  wheel.options[102] = 8;
  return wheel;
}

std::vector<DrawnLine> AspectLines(const RecordingSurface& surface) {
  std::vector<DrawnLine> found;
  for (const DrawnLine& line : surface.lines) {
    if (line.colour != QBColor(8)) found.push_back(line);
  }
  return found;
}

struct LineCaseRow {
  double separation;
  bool line;
  int colour;
};

TEST(DrawAspectLines, PairsInAspectAreJoinedInTheColourOfTheirAspect) {
  const std::vector<LineCaseRow> rows = {
      {60.5, true, 1}, {89.2, true, 4}, {120, true, 1},  {179.5, true, 4}, {150.9, true, 2},
      {45, false, 0},  {30, false, 0},  {0.5, false, 0}, {61.5, false, 0}, {178.5, false, 0}};
  for (const LineCaseRow& row : rows) {
    const RecordingSurface surface =
        LineCase(PairChart(kSun, 10, kMoon, 10 + row.separation)).Paint();
    const auto lines = AspectLines(surface);
    ASSERT_EQ(lines.size(), row.line ? 1u : 0u) << row.separation;
    if (!row.line) continue;
    EXPECT_EQ(lines[0].colour, QBColor(row.colour)) << row.separation;
    // From one glyph's angle to the other's, on the inner circle drawn with
    // the spokes' vertical factor.
    const DrawnText sun = ObjectGlyphs(surface, kSun).at(0);
    const DrawnText moon = ObjectGlyphs(surface, kMoon).at(0);
    const double f = 0.9675;
    EXPECT_NEAR(RadiusOf(lines[0].x1, lines[0].y1 / f), 120, 1e-9);
    EXPECT_NEAR(RadiusOf(lines[0].x2, lines[0].y2 / f), 120, 1e-9);
    EXPECT_NEAR(AngleOf(lines[0].x1, lines[0].y1 / f), AngleOf(sun.x, sun.y), 1e-9);
    EXPECT_NEAR(AngleOf(lines[0].x2, lines[0].y2 / f), AngleOf(moon.x, moon.y), 1e-9);
  }
}

TEST(DrawAspectLines, NoLinesUnlessOption47IsOne) {
  for (float option47 : {0.0f, 2.0f, 0.5f}) {
    WheelCase wheel = LineCase(PairChart(kSun, 10, kMoon, 100));
    wheel.options[47] = option47;
    EXPECT_TRUE(AspectLines(wheel.Paint()).empty()) << option47;
  }
}

TEST(DrawAspectLines, OnlyTheSunPlanetsMoonAndChironTakePart) {
  struct Case {
    int object;
    bool line;
  };
  for (const Case& c :
       {Case{kChiron, true}, Case{kPluto, true}, Case{kNorthNode, false}, Case{kSouthNode, false},
        Case{kPartOfFortune, false}, Case{kAscendant, false}, Case{kMidheaven, false}}) {
    const RecordingSurface surface = LineCase(PairChart(kSun, 10, c.object, 100)).Paint();
    EXPECT_EQ(AspectLines(surface).size(), c.line ? 1u : 0u) << c.object;
  }
}

TEST(DrawAspectLines, HalfPagePrintDrawsSextilesAndTrinesInBlack) {
  struct Case {
    double separation;
    int colour;
  };
  for (const Case& c : {Case{60, 0}, Case{120, 0}, Case{90, 4}, Case{150, 2}}) {
    WheelCase wheel = LineCase(PairChart(kSun, 10, kMoon, 10 + c.separation));
    wheel.print_background = true;
    const auto lines = AspectLines(wheel.Paint());
    // The half-page spokes are black too; the aspect line is the one inside the ring.
    std::vector<DrawnLine> inside;
    for (const DrawnLine& l : lines) {
      if (RadiusOf(l.x2, l.y2) < 121) inside.push_back(l);
    }
    ASSERT_EQ(inside.size(), 1u) << c.separation;
    EXPECT_EQ(inside[0].colour, QBColor(c.colour)) << c.separation;
  }
}

TEST(DrawAspectLines, DeclinationChartJoinsOnItsRingAndCountsFarPairsAsOpposed) {
  // Wheel angles 175 degrees apart: opposed in the declination chart (at
  // least 180 - 6 x option 6) but not by the opposition orb of option 5.
  ChartState declination = DeclinationChart({{kSun, 5}, {kMoon, 180}});
  for (int object = kMercury; object <= ObjectCount; ++object) {
    if (object != kMoon) declination.ObjectPos[object] = 40;
  }
  FindHousePositions(declination);
  const auto lines = AspectLines(LineCase(declination).Paint());
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].colour, QBColor(4));
  EXPECT_NEAR(RadiusOf(lines[0].x1, lines[0].y1 / 0.9675), 200, 1e-9);

  EXPECT_TRUE(AspectLines(LineCase(PairChart(kSun, 5, kMoon, 180)).Paint()).empty())
      << "not in the geocentric chart";
}

}  // namespace
}  // namespace kairotex::test
