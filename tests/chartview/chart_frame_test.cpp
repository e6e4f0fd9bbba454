// The frame of the wheel: spokes and circles in both styles and in the
// declination chart.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "wheel_test_chart.h"

namespace kairotex::test {
namespace {

constexpr double kSpokeFactor = 0.9675;

std::vector<DrawnLine> LinesOfColour(const RecordingSurface& surface, Rgb colour) {
  std::vector<DrawnLine> found;
  for (const DrawnLine& line : surface.lines) {
    if (line.colour == colour) found.push_back(line);
  }
  return found;
}

std::vector<double> SortedSpokeAngles(const std::vector<DrawnLine>& spokes) {
  std::vector<double> angles;
  for (const DrawnLine& s : spokes) angles.push_back(AngleOf(s.x1, s.y1, kSpokeFactor));
  std::sort(angles.begin(), angles.end());
  return angles;
}

// Spoke colour 8 (grey) is used by nothing else of these wheels.
WheelCase FrameCase(ChartState chart, int16_t style) {
  WheelCase wheel{std::move(chart)};
  wheel.style = style;
  wheel.options[47] = 0;
  wheel.options[102] = 8;
  wheel.options[101] = 0;
  return wheel;
}

TEST(DrawChartFrame, AmericanSpokesDivideTheWheelIntoTwelveEqualSectors) {
  const RecordingSurface surface = FrameCase(HandChart(17.3), kAmericanStyle).Paint();
  const auto spokes = LinesOfColour(surface, QBColor(8));
  ASSERT_EQ(spokes.size(), 12u);
  const auto angles = SortedSpokeAngles(spokes);
  for (int k = 0; k < 12; ++k) EXPECT_NEAR(angles[k], 30.0 * k, 1e-6) << k;
  for (const DrawnLine& s : spokes) {
    const double a = AngleOf(s.x1, s.y1, kSpokeFactor) * 3.14159265358979323846 / 180.0;
    EXPECT_NEAR(s.x1, 120 * std::cos(a), 1e-6);
    EXPECT_NEAR(s.y1, 116.1 * std::sin(a), 1e-6);
    EXPECT_NEAR(s.x2, 217 * std::cos(a), 1e-6);
    EXPECT_NEAR(s.y2, 209.9475 * std::sin(a), 1e-6);
  }
}

TEST(DrawChartFrame, EuropeanSpokesStandAtTheCuspsWithTheAscendantOnTheLeft) {
  ChartState chart = HandChart(0);
  SetCusps(chart, {100, 125, 160, 195, 230, 260, 280, 305, 340, 15, 50, 80});
  const RecordingSurface surface = FrameCase(chart, kEuropeanStyle).Paint();
  const auto spokes = LinesOfColour(surface, QBColor(8));
  ASSERT_EQ(spokes.size(), 12u);
  EXPECT_NEAR(AngleOf(spokes[0].x1, spokes[0].y1, kSpokeFactor), 180, 1e-6) << "Ascendant first";
  const std::vector<double> expected = {0, 25, 60, 95, 130, 160, 180, 205, 240, 275, 310, 340};
  const auto angles = SortedSpokeAngles(spokes);
  for (int k = 0; k < 12; ++k) EXPECT_NEAR(angles[k], expected[k], 1e-6) << k;
}

TEST(DrawChartFrame, TwoCirclesInTheCircleColour) {
  WheelCase wheel = FrameCase(HandChart(10), kAmericanStyle);
  wheel.options[101] = 5;
  const RecordingSurface surface = wheel.Paint();
  ASSERT_EQ(surface.circles.size(), 2u);
  std::vector<double> radii;
  for (const DrawnCircle& c : surface.circles) {
    EXPECT_EQ(c.colour, QBColor(5));
    EXPECT_EQ(c.cx, 0);
    EXPECT_EQ(c.cy, 0);
    radii.push_back(c.radius);
  }
  std::sort(radii.begin(), radii.end());
  EXPECT_EQ(radii, (std::vector<double>{120, 217}));
}

TEST(DrawChartFrame, HalfPagePrintDrawsBlackSpokes) {
  WheelCase wheel = FrameCase(HandChart(10), kAmericanStyle);
  wheel.options[101] = 5;
  wheel.print_background = true;
  const RecordingSurface surface = wheel.Paint();
  EXPECT_TRUE(LinesOfColour(surface, QBColor(8)).empty());
  EXPECT_EQ(LinesOfColour(surface, QBColor(0)).size(), 12u);
  for (const DrawnCircle& c : surface.circles) EXPECT_EQ(c.colour, QBColor(5));
}

TEST(DrawSingleChartwheelDeclinations, ShortSpokesOutsideOneRing) {
  WheelCase wheel = FrameCase(DeclinationChart({}), kAmericanStyle);
  const RecordingSurface surface = wheel.Paint();
  const auto spokes = LinesOfColour(surface, QBColor(8));
  ASSERT_EQ(spokes.size(), 12u);
  const auto angles = SortedSpokeAngles(spokes);
  for (int k = 0; k < 12; ++k) EXPECT_NEAR(angles[k], 30.0 * k, 1e-6) << k;
  for (const DrawnLine& s : spokes) {
    const double a = AngleOf(s.x1, s.y1, kSpokeFactor) * 3.14159265358979323846 / 180.0;
    EXPECT_NEAR(s.x1, 200 * std::cos(a), 1e-6);
    EXPECT_NEAR(s.x2, 230 * std::cos(a), 1e-6);
    EXPECT_NEAR(s.y2, kSpokeFactor * 230 * std::sin(a), 1e-6);
  }
  ASSERT_EQ(surface.circles.size(), 1u);
  EXPECT_EQ(surface.circles[0].radius, 200);
}

}  // namespace
}  // namespace kairotex::test
