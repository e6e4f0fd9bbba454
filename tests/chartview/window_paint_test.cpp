// The window paint: its scale, background and heading.
#include <gtest/gtest.h>

#include "chartview/chartwheel.h"
#include "wheel_test_chart.h"

namespace kairotex::test {
namespace {

struct ScaleCase {
  double width, height;
  int16_t start_scale;
};

TEST(StartScaleForWindow, WideWindowShows225UnitsAboveAndBelowTheCentre) {
  for (const ScaleCase& c :
       {ScaleCase{1024, 768, 300}, ScaleCase{640, 480, 300}, ScaleCase{1000, 700, 321},
        ScaleCase{1280, 720, 400}, ScaleCase{500, 500, 225}, ScaleCase{-1024, 768, 300}}) {
    EXPECT_EQ(StartScaleForWindow(c.width, c.height), c.start_scale) << c.width << "x" << c.height;
  }
}

TEST(StartScaleForWindow, TallWindowGets244) {
  for (const ScaleCase& c : {ScaleCase{768, 1024, 244}, ScaleCase{100, 101, 244}}) {
    EXPECT_EQ(StartScaleForWindow(c.width, c.height), c.start_scale) << c.width << "x" << c.height;
  }
}

TEST(PaintChartwheel, ScaleRunsFromMinusToPlusStartScaleWithTheDrawingsProportions) {
  WheelCase wheel{HandChart(10)};
  RecordingSurface surface;
  PaintChartwheel(surface, wheel.Inputs(), 800, 600, 280);
  ASSERT_EQ(surface.scales.size(), 1u);
  EXPECT_DOUBLE_EQ(surface.scales[0].left, -280);
  EXPECT_DOUBLE_EQ(surface.scales[0].top, 210);
  EXPECT_DOUBLE_EQ(surface.scales[0].right, 280);
  EXPECT_DOUBLE_EQ(surface.scales[0].bottom, -210);
}

TEST(PaintChartwheel, BackgroundIsTheOptionColourOrWhiteForTheHalfPagePrint) {
  struct Case {
    float option100;
    bool print_background;
    Rgb expected;
  };
  for (const Case& c :
       {Case{15, false, QBColor(15)}, Case{1, false, QBColor(1)}, Case{1, true, QBColor(15)}}) {
    WheelCase wheel{HandChart(10)};
    wheel.options[100] = c.option100;
    wheel.print_background = c.print_background;
    const RecordingSurface surface = wheel.Paint();
    ASSERT_EQ(surface.clears.size(), 1u);
    EXPECT_EQ(surface.clears[0], c.expected) << c.option100 << " " << c.print_background;
  }
}

TEST(PaintChartwheel, HeadingLinesStandInTheUpperLeftCornerOneUnderTheOther) {
  WheelCase wheel{HandChart(10)};
  wheel.options[68] = 9.5;
  wheel.options[88] = 4;
  const RecordingSurface surface = wheel.Paint();
  double expected_y = 225;  // top of the 1024 x 768 drawing at StartScale 300
  for (int line = 1; line <= 7; ++line) {
    const std::string text = "heading line " + std::to_string(line);
    const auto found = std::find_if(surface.texts.begin(), surface.texts.end(),
                                    [&](const DrawnText& t) { return t.text == text; });
    ASSERT_NE(found, surface.texts.end()) << text;
    EXPECT_DOUBLE_EQ(found->x, -290);
    EXPECT_NEAR(found->y, expected_y, 1e-9);
    EXPECT_EQ(found->font.size_points, 9.5);
    EXPECT_EQ(found->colour, QBColor(4));
    expected_y -= kLineHeightFactor * 9.5;
  }
}

TEST(PaintChartwheel, BeforeTheFirstChartLabelsStandAtTheTablePlacesAndNoObjectIsDrawn) {
  for (int16_t style : {kAmericanStyle, kEuropeanStyle}) {
    WheelCase wheel{ChartState{}};
    wheel.chart_exists = false;
    wheel.style = style;
    const RecordingSurface surface = wheel.Paint();
    const auto& table = DeliveredProgram().tables.HcData;
    // The first item of each label is its degree's tens digit.
    for (int wheel_index = 1; wheel_index <= 12; ++wheel_index) {
      const double x = table[10 * wheel_index - 10], y = table[10 * wheel_index - 9];
      const bool found = std::any_of(
          surface.texts.begin(), surface.texts.end(),
          [&](const DrawnText& t) { return t.x == x && t.y == y && t.text == "0" && t.font.bold; });
      EXPECT_TRUE(found) << "style " << style << " label " << wheel_index;
    }
    for (int object = 1; object <= ObjectCount; ++object) {
      EXPECT_TRUE(ObjectGlyphs(surface, object).empty()) << object;
    }
  }
}

}  // namespace
}  // namespace kairotex::test
