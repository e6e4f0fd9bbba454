// The frame of the wheel (spokes and circles) and the aspect lines inside it.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "wheel_test_chart.h"

namespace kairotex::test {
namespace {

constexpr double kSpokeFactor = 0.9675;  // y is shortened so the ring is round on the device

TEST(DrawChartFrame, SpokesAndCirclesOfBothStylesTheDeclinationChartAndTheHalfPagePrint) {
  ChartState european = HandChart(0);
  SetCusps(european, {100, 125, 160, 195, 230, 260, 280, 305, 340, 15, 50, 80});
  const std::vector<double> every30 = {0, 30, 60, 90, 120, 150, 180, 210, 240, 270, 300, 330};
  struct Case {
    const char* label;
    ChartState chart;
    int16_t style;
    bool half_page;
    std::vector<double> angles;  // sorted
    double inner, outer;         // spoke ends
    std::vector<double> circles;
  };
  // clang-format off
  const Case cases[] = {
      {"american", HandChart(17.3), kAmericanStyle, false, every30, 120, 217, {120, 217}},
      {"half page", HandChart(10), kAmericanStyle, true, every30, 120, 217, {120, 217}},
      {"european", european, kEuropeanStyle, false,
       {0, 25, 60, 95, 130, 160, 180, 205, 240, 275, 310, 340}, 120, 217, {120, 217}},
      {"declination", DeclinationChart({}), kAmericanStyle, false, every30, 200, 230, {200}}};
  // clang-format on
  for (const Case& c : cases) {
    // Grey spokes (colour 8): nothing else of these wheels is grey.
    WheelCase wheel = WheelCase{c.chart}.Set({{47, 0}, {102, 8}, {101, 5}}).Style(c.style);
    wheel.print_background = c.half_page;
    const RecordingSurface surface = wheel.Paint();
    const auto spokes = surface.LinesOfColour(QBColor(c.half_page ? 0 : 8));
    ASSERT_EQ(spokes.size(), 12u) << c.label;
    EXPECT_TRUE(!c.half_page || surface.LinesOfColour(QBColor(8)).empty()) << "black spokes";
    std::vector<double> angles;
    for (const DrawnLine& s : spokes) {
      const double a = AngleOf(s.x1, s.y1, kSpokeFactor);
      angles.push_back(a);
      const double cos = CosDeg(a), sin = SinDeg(a);
      EXPECT_NEAR(s.x1, c.inner * cos, 1e-6) << c.label;
      EXPECT_NEAR(s.y1, kSpokeFactor * c.inner * sin, 1e-6) << c.label;
      EXPECT_NEAR(s.x2, c.outer * cos, 1e-6) << c.label;
      EXPECT_NEAR(s.y2, kSpokeFactor * c.outer * sin, 1e-6) << c.label;
    }
    EXPECT_TRUE(c.style != kEuropeanStyle || std::fabs(angles[0] - 180) < 1e-6)
        << "Ascendant first";
    std::sort(angles.begin(), angles.end());
    for (int k = 0; k < 12; ++k) EXPECT_NEAR(angles[k], c.angles[k], 1e-6) << c.label << " " << k;
    std::vector<double> radii;
    for (const DrawnCircle& circle : surface.circles) {
      EXPECT_EQ(circle.colour, QBColor(5)) << c.label;
      EXPECT_TRUE(circle.cx == 0 && circle.cy == 0) << c.label;
      radii.push_back(circle.radius);
    }
    std::sort(radii.begin(), radii.end());
    EXPECT_EQ(radii, c.circles) << c.label;
  }
}

// Every object but the two of the case stands at one place that aspects
// neither of them, so the only line possible is theirs.
WheelCase LineCase(ChartState chart) {
  WheelCase wheel{std::move(chart)};
  for (int orb : {2, 3, 4, 5, 10}) wheel.options[orb] = 1;
  return wheel.Set({{6, 1}, {47, 1}, {97, 1}, {98, 4}, {99, 2}, {102, 8}});
}
WheelCase PairCase(int a, double a_position, int b, double b_position) {
  ChartState chart = HandChart(10);
  for (int object = 1; object <= ObjectCount; ++object) chart.ObjectPos[object] = 27;
  chart.ObjectPos[a] = a_position;
  chart.ObjectPos[b] = b_position;
  FindHousePositions(chart);
  return LineCase(chart);
}
// Lines inside the ring and not grey: the spokes reach out to the outer circle.
std::vector<DrawnLine> AspectLines(const RecordingSurface& surface) {
  std::vector<DrawnLine> inside;
  for (const DrawnLine& l : surface.LinesOfColour(QBColor(8), false)) {
    if (RadiusOf(l.x2, l.y2) < 121) inside.push_back(l);
  }
  return inside;
}

TEST(DrawAspectLines, PairsInAspectAreJoinedInTheColourOfTheirAspect) {
  struct Case {
    int object;  // with the Sun at 10
    double separation;
    int colour;  // -1: no line
    bool half_page = false;
  };
  // Only the Sun, the planets, the Moon and Chiron take part; the half-page
  // print draws sextiles and trines in black.
  // clang-format off
  const Case cases[] = {
      {kMoon, 60.5, 1}, {kMoon, 89.2, 4}, {kMoon, 120, 1}, {kMoon, 179.5, 4}, {kMoon, 150.9, 2},
      {kMoon, 45, -1}, {kMoon, 30, -1}, {kMoon, 0.5, -1}, {kMoon, 61.5, -1}, {kMoon, 178.5, -1},
      {kChiron, 90, 4}, {kPluto, 90, 4}, {kNorthNode, 90, -1}, {kSouthNode, 90, -1},
      {kPartOfFortune, 90, -1}, {kAscendant, 90, -1}, {kMidheaven, 90, -1},
      {kMoon, 60, 0, true}, {kMoon, 120, 0, true}, {kMoon, 90, 4, true}, {kMoon, 150, 2, true}};
  // clang-format on
  for (const Case& c : cases) {
    WheelCase wheel = PairCase(kSun, 10, c.object, 10 + c.separation);
    wheel.print_background = c.half_page;
    const RecordingSurface surface = wheel.Paint();
    const auto lines = AspectLines(surface);
    SCOPED_TRACE(testing::Message() << "object " << c.object << " at " << c.separation
                                    << (c.half_page ? " half page" : ""));
    ASSERT_EQ(lines.size(), c.colour >= 0 ? 1u : 0u);
    if (c.colour < 0) continue;
    EXPECT_EQ(lines[0].colour, QBColor(c.colour));
    // From one glyph's angle to the other's, on the inner circle.
    const DrawnText sun = ObjectGlyphs(surface, kSun).at(0);
    const DrawnText other = ObjectGlyphs(surface, c.object).at(0);
    EXPECT_NEAR(RadiusOf(lines[0].x1, lines[0].y1 / kSpokeFactor), 120, 1e-9);
    EXPECT_NEAR(RadiusOf(lines[0].x2, lines[0].y2 / kSpokeFactor), 120, 1e-9);
    EXPECT_NEAR(AngleOf(lines[0].x1, lines[0].y1 / kSpokeFactor), AngleOf(sun.x, sun.y), 1e-9);
    EXPECT_NEAR(AngleOf(lines[0].x2, lines[0].y2 / kSpokeFactor), AngleOf(other.x, other.y), 1e-9);
  }
}

TEST(DrawAspectLines, NoLinesUnlessOption47IsOne) {
  for (float option47 : {0.0f, 2.0f, 0.5f}) {
    WheelCase wheel = PairCase(kSun, 10, kMoon, 100);
    EXPECT_TRUE(AspectLines(wheel.Set({{47, option47}}).Paint()).empty()) << option47;
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
  const auto lines = LineCase(declination).Paint().LinesOfColour(QBColor(8), false);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].colour, QBColor(4));
  EXPECT_NEAR(RadiusOf(lines[0].x1, lines[0].y1 / kSpokeFactor), 200, 1e-9);
  EXPECT_TRUE(AspectLines(PairCase(kSun, 5, kMoon, 180).Paint()).empty())
      << "not in the geocentric chart";
}

TEST(HeliocentricChart, TheMoonDrawsNoAspectLines) {
  // Every object at one place; the Moon squares the Earth, then Mars too.
  ChartState chart = HandChart(0);
  chart.ChartHeading[1] = "Test - heliocentric";
  for (int object = 1; object <= ObjectCount; ++object) chart.ObjectPos[object] = 10;
  chart.ObjectPos[kMoon] = 100;
  FindHousePositions(chart);
  WheelCase wheel = WheelCase{chart}.Set({{47, 1}, {102, 8}});
  EXPECT_TRUE(wheel.Paint().LinesOfColour(QBColor(8), false).empty());
  wheel.chart.ObjectPos[kMars] = 100;
  FindHousePositions(wheel.chart);
  EXPECT_FALSE(wheel.Paint().LinesOfColour(QBColor(8), false).empty());
}

}  // namespace
}  // namespace kairotex::test
