// A planet's column: its glyph, degree, sign and minutes towards the centre,
// the side that reads degrees first, the applying Moon and retrograde marks;
// and the glyph boxes the column steps by.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "chartview/wheel_paint.h"
#include "chartview/wheel_steps.h"
#include "wheel_test_chart.h"

namespace kairotex::test {
namespace {

// Planet glyphs 12.5, degrees 9.5, sign glyphs 10.5, minutes 7.5 and
// retrograde marks 6.5: sizes that nothing else of the wheel uses.
WheelCase ColumnCase(ChartState chart) {
  WheelCase wheel{std::move(chart)};
  wheel.options[72] = 12.5;
  wheel.options[73] = 9.5;
  wheel.options[74] = 10.5;
  wheel.options[75] = 7.5;
  wheel.options[76] = 6.5;
  wheel.options[69] = 10;
  wheel.options[70] = 10;
  wheel.options[71] = 8;
  wheel.options[117] = 14;
  wheel.options[92] = 1;
  wheel.options[93] = 0;
  wheel.options[94] = 4;
  wheel.options[95] = 8;
  wheel.options[96] = 5;
  wheel.options[118] = 2;
  return wheel;
}

// The three texts that follow an object's glyph.
std::vector<DrawnText> ColumnOf(const RecordingSurface& surface, int object) {
  for (size_t i = 0; i + 3 < surface.texts.size(); ++i) {
    if (surface.texts[i].text == std::string(1, static_cast<char>(223 + object))) {
      return {surface.texts.begin() + static_cast<long>(i),
              surface.texts.begin() + static_cast<long>(i) + 4};
    }
  }
  ADD_FAILURE() << "no glyph of object " << object;
  return {};
}

TEST(DrawPlanetColumn, DegreeSignAndMinutesRunFromTheGlyphTowardsTheCentre) {
  // Mars at 5 Taurus 30 in the 2nd house: degrees first.
  const RecordingSurface surface = ColumnCase(HandChart(10, {{kMars, 35.5}})).Paint();
  const auto column = ColumnOf(surface, kMars);
  ASSERT_EQ(column.size(), 4u);
  EXPECT_EQ(column[0].font.size_points, 12.5);
  EXPECT_EQ(column[0].colour, QBColor(1));
  EXPECT_EQ(column[1].text, "05");
  EXPECT_TRUE(column[1].font.bold);
  EXPECT_EQ(column[1].font.size_points, 9.5);
  EXPECT_EQ(column[2].text, std::string(1, static_cast<char>(191 + 2)));
  EXPECT_EQ(column[2].font.size_points, 10.5);
  EXPECT_EQ(column[2].colour, QBColor(4));
  EXPECT_EQ(column[3].text, "30");
  EXPECT_FALSE(column[3].font.bold);
  EXPECT_EQ(column[3].colour, QBColor(8));
  for (size_t k = 1; k < column.size(); ++k) {
    EXPECT_LT(RadiusOf(column[k].x, column[k].y), RadiusOf(column[k - 1].x, column[k - 1].y))
        << "item " << k;
  }
}

TEST(DrawPlanetColumn, SideOfTheWheelDecidesWhetherDegreesOrMinutesComeFirst) {
  // Equal houses from 10 Aries; Mars moved to 15 degrees into a house.
  struct Case {
    int house;
    float option28;
    int16_t style;
    bool degrees_first;
  };
  const std::vector<Case> cases = {
      {1, 0, kAmericanStyle, true},  {3, 0, kAmericanStyle, true},
      {4, 0, kAmericanStyle, false}, {9, 0, kAmericanStyle, false},
      {10, 0, kAmericanStyle, true}, {12, 0, kAmericanStyle, true},
      {3, 1, kAmericanStyle, false}, {9, 1, kAmericanStyle, true},
      {4, 1, kEuropeanStyle, false},  // wheel angle 285
      {11, 0, kEuropeanStyle, true},  // wheel angle 105
      {8, 0, kEuropeanStyle, false},  // wheel angle 45
  };
  for (const Case& c : cases) {
    WheelCase wheel = ColumnCase(HandChart(10, {{kMars, 10 + 30.0 * (c.house - 1) + 15}}));
    wheel.options[28] = c.option28;
    wheel.style = c.style;
    const auto column = ColumnOf(wheel.Paint(), kMars);
    ASSERT_EQ(column.size(), 4u);
    EXPECT_EQ(column[1].font.size_points, c.degrees_first ? 9.5 : 7.5)
        << "house " << c.house << " option 28 " << c.option28 << " style " << c.style;
  }
}

TEST(DrawPlanetColumn, ApplyingMoonIsBoldInItsOwnSizeAndColour) {
  for (int16_t applies : {0, 1}) {
    ChartState chart = HandChart(10);
    chart.MoonAppliesFlag = applies;
    const RecordingSurface surface = ColumnCase(chart).Paint();
    const auto moon = ObjectGlyphs(surface, kMoon);
    ASSERT_EQ(moon.size(), 1u);
    EXPECT_EQ(moon[0].font.bold, applies == 1);
    EXPECT_EQ(moon[0].font.size_points, applies == 1 ? 14 : 12.5);
    EXPECT_EQ(moon[0].colour, applies == 1 ? QBColor(2) : QBColor(1));
  }
}

TEST(DrawPlanetColumn, RetrogradeMarkFollowsTheColumnOfPlanetsOnly) {
  ChartState chart = HandChart(10);
  chart.RetroFlags = std::string(ObjectCount, ' ');
  chart.RetroFlags[kMars - 1] = 'R';
  chart.RetroFlags[kNorthNode - 1] = 'R';
  const RecordingSurface surface = ColumnCase(chart).Paint();
  const auto marks = surface.TextsOfCode(156);
  ASSERT_EQ(marks.size(), 1u);
  EXPECT_EQ(marks[0].font.size_points, 6.5);
  EXPECT_EQ(marks[0].colour, QBColor(5));
  const auto mars = ColumnOf(surface, kMars);
  ASSERT_EQ(mars.size(), 4u);
  EXPECT_LT(RadiusOf(marks[0].x, marks[0].y), RadiusOf(mars[3].x, mars[3].y));
}

TEST(ComputeGlyphBoxes, LargeMinuteFontsShrinkTheDigitBoxByThree) {
  // Measured in a 12 point planet font: glyph and digit 7.2 wide, 14.4 high.
  struct Case {
    float minute_size;
    int digit_height;
  };
  for (const wheel::WheelProfile* profile : {&wheel::kScreenProfile, &wheel::kPrinterProfile}) {
    for (const Case& c : {Case{8, 14}, Case{8.9f, 14}, Case{9, 11}, Case{12, 11}}) {
      WheelCase wheel_case{HandChart(10)};
      OptionsTable& o = wheel_case.options;
      o[profile->planet_minute_size] = c.minute_size;
      o[profile->planet_box_width_margin] = 2;
      o[profile->digit_box_width_margin] = 1;
      o[profile->planet_box_height_margin] = 3;
      o[profile->digit_box_height_margin] = 0;
      RecordingSurface surface;
      surface.SetFont(FontSpec{"HORARY", 12, false});
      const wheel::WheelPaint paint =
          wheel::MakeWheelPaint(surface, wheel_case.Inputs(), *profile, {}, false);
      const wheel::GlyphBoxes boxes = wheel::ComputeGlyphBoxes(paint);
      EXPECT_EQ(boxes.planet_width, 9);
      EXPECT_EQ(boxes.planet_height, 17);
      EXPECT_EQ(boxes.digit_width, 8);
      EXPECT_EQ(boxes.digit_height, c.digit_height) << c.minute_size;
    }
  }
}

}  // namespace
}  // namespace kairotex::test
