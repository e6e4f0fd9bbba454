// The heliocentric chart: the Earth in the Sun's place, no Moon, nodes, Part
// of Fortune or angles, no retrograde marks.
#include <gtest/gtest.h>

#include "wheel_test_chart.h"

namespace kairotex::test {
namespace {

ChartState HelioChart() {
  ChartSettings settings = ChartSettings::ForHouseSystem('P');
  settings.HelioChart = true;
  return CastChart(2024, 3, 14, 15, 30, settings);
}

TEST(HeliocentricChart, EarthStandsInTheSunsPlaceAndTheMoonNodesPartAndAnglesAreLeftOut) {
  ChartState chart = HelioChart();
  // Retrograde as seen from the Earth: seen from the Sun no planet turns back.
  chart.RetroFlags[kMars - 1] = 'R';
  ASSERT_TRUE(chart.ChartHeading[1].ends_with(" - heliocentric"));
  for (int16_t style : {kAmericanStyle, kEuropeanStyle}) {
    WheelCase wheel{chart};
    wheel.style = style;
    const RecordingSurface surface = wheel.Paint();
    EXPECT_TRUE(ObjectGlyphs(surface, kSun).empty()) << style;
    EXPECT_EQ(surface.TextsOfCode(236).size(), 1u) << "the Earth, style " << style;
    for (int object : {kMoon, kNorthNode, kSouthNode, kAscendant, kMidheaven}) {
      EXPECT_TRUE(ObjectGlyphs(surface, object).empty()) << object << " style " << style;
    }
    for (int object = kMercury; object <= kPluto; ++object) {
      EXPECT_EQ(ObjectGlyphs(surface, object).size(), 1u) << object << " style " << style;
    }
    EXPECT_EQ(ObjectGlyphs(surface, kChiron).size(), 1u) << style;
    EXPECT_TRUE(surface.TextsOfCode(156).empty()) << "no retrograde mark, style " << style;
  }
}

TEST(HeliocentricChart, TheMoonDrawsNoAspectLines) {
  // Every object at one place; the Moon squares the Earth, Mars too.
  ChartState chart = HandChart(0);
  chart.ChartHeading[1] = "Test - heliocentric";
  for (int object = 1; object <= ObjectCount; ++object) chart.ObjectPos[object] = 10;
  chart.ObjectPos[kMoon] = 100;
  FindHousePositions(chart);
  WheelCase wheel{chart};
  wheel.options[47] = 1;
  wheel.options[102] = 8;
  auto aspect_lines = [](const RecordingSurface& surface) {
    int count = 0;
    for (const DrawnLine& line : surface.lines) count += line.colour != QBColor(8);
    return count;
  };
  EXPECT_EQ(aspect_lines(wheel.Paint()), 0);
  wheel.chart.ObjectPos[kMars] = 100;
  FindHousePositions(wheel.chart);
  EXPECT_GT(aspect_lines(wheel.Paint()), 0);
}

}  // namespace
}  // namespace kairotex::test
