// The declination chart: what it leaves out and the declinations it writes.
#include <gtest/gtest.h>

#include <vector>

#include "wheel_test_chart.h"

namespace kairotex::test {
namespace {

// Values in size 9.5, nothing else of the declination wheel uses it.
WheelCase DeclinationCase(ChartState chart) {
  WheelCase wheel{std::move(chart)};
  wheel.options[73] = 9.5;
  wheel.options[93] = 4;
  return wheel;
}

// The value written after an object's glyph.
DrawnText ValueOf(const RecordingSurface& surface, int object) {
  const std::string glyph(1, static_cast<char>(223 + object));
  for (size_t i = 0; i + 1 < surface.texts.size(); ++i) {
    if (surface.texts[i].text == glyph) return surface.texts[i + 1];
  }
  ADD_FAILURE() << "no glyph of object " << object;
  return {};
}

struct ValueCase {
  double wheel_angle;  // six degrees per degree of declination
  const char* value;
  double sector_from;  // where the glyph is drawn
};

TEST(PutPlanetsInChartwheelDeclination, WritesTheDeclinationBesideTheGlyph) {
  // 0 degrees at 180, 23.44 north at 320.64, 23.44 south at 140.64; the
  // northern half is drawn in the upper half of the wheel.
  for (const ValueCase& c : {ValueCase{180, "0.0", 2}, ValueCase{320.64, "23.4", 122},
                             ValueCase{140.64, "23.4", 302}, ValueCase{29.7, "5.0", 182}}) {
    const RecordingSurface surface =
        DeclinationCase(DeclinationChart({{kVenus, c.wheel_angle}})).Paint();
    const DrawnText value = ValueOf(surface, kVenus);
    EXPECT_EQ(value.text, c.value) << c.wheel_angle;
    EXPECT_EQ(value.font.size_points, 9.5);
    EXPECT_EQ(value.colour, QBColor(4));
    const DrawnText glyph = ObjectGlyphs(surface, kVenus).at(0);
    const double angle = AngleOf(glyph.x, glyph.y);
    EXPECT_GE(angle, c.sector_from - 1e-9) << c.wheel_angle;
    EXPECT_LT(angle, c.sector_from + 30) << c.wheel_angle;
  }
}

TEST(PutPlanetsInChartwheelDeclination, SolsticeSunsStandAtTheirDeclinations) {
  struct Case {
    int month, day, hour, minute;
    double sector_from;
  };
  // June 2024: 23.44 north, drawn in the upper left; December: 23.44 south.
  for (const Case& c : {Case{6, 20, 20, 51, 122}, Case{12, 21, 9, 20, 302}}) {
    ChartSettings settings = ChartSettings::ForHouseSystem('P');
    settings.DeclinationChart = true;
    const ChartState chart = CastChart(2024, c.month, c.day, c.hour, c.minute, settings);
    const RecordingSurface surface = DeclinationCase(chart).Paint();
    EXPECT_EQ(ValueOf(surface, kSun).text, "23.4") << c.month;
    const DrawnText sun = ObjectGlyphs(surface, kSun).at(0);
    EXPECT_GE(AngleOf(sun.x, sun.y), c.sector_from - 1e-9) << c.month;
    EXPECT_LT(AngleOf(sun.x, sun.y), c.sector_from + 30) << c.month;
  }
}

TEST(PutPlanetsInChartwheelDeclination, NodesAndPartOfFortuneAreLeftOutAndNoCuspIsLabelled) {
  WheelCase wheel = DeclinationCase(DeclinationChart({}));
  wheel.options[69] = 10.5;
  const RecordingSurface surface = wheel.Paint();
  for (int object = 1; object <= ObjectCount; ++object) {
    const bool shown = object < kNorthNode || object > kPartOfFortune;
    EXPECT_EQ(ObjectGlyphs(surface, object).size(), shown ? 1u : 0u) << object;
  }
  EXPECT_TRUE(surface.TextsOfSize(10.5).empty());
}

TEST(PutPlanetsInChartwheelDeclination, MarkOfTheRetrogradeTextLeadsTheValue) {
  ChartState chart = DeclinationChart({{kMars, 200}});
  chart.RetroFlags = std::string(ObjectCount, ' ');
  chart.RetroFlags[kMars - 1] = 'R';
  EXPECT_EQ(ValueOf(DeclinationCase(chart).Paint(), kMars).text, "R3.3");
}

}  // namespace
}  // namespace kairotex::test
