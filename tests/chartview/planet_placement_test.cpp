// Where the glyphs go (American slots, full houses, European crowding, cast charts,
// crowded declination sectors): whatever the crowd, every text readable and inside.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "wheel_test_chart.h"

namespace kairotex::test {
namespace {

struct TextBox {
  double left, bottom, right, top;
};

// The box a text fills; a value's digits fill the upper four fifths of its line.
TextBox BoxOf(const DrawnText& text, double filled = 1.0) {
  const double width = kCharWidthFactor * text.font.size_points * text.text.size();
  return {text.x, text.y - filled * kLineHeightFactor * text.font.size_points, text.x + width,
          text.y};
}

// Distance of two boxes; negative (how deep) when they overlap.
double Gap(const TextBox& a, const TextBox& b) {
  const double across = std::max(a.left - b.right, b.left - a.right);
  const double up = std::max(a.bottom - b.top, b.bottom - a.top);
  if (across <= 0 && up <= 0) return std::max(across, up);
  return std::hypot(std::max(0.0, across), std::max(0.0, up));
}

// How far the nearest spoke (a line reaching out past radius 201) passes from the box.
double SpokeGap(const RecordingSurface& surface, const TextBox& box) {
  double nearest = 1e9;
  for (const DrawnLine& l : surface.lines) {
    if (std::max(std::hypot(l.x1, l.y1), std::hypot(l.x2, l.y2)) < 201) continue;
    for (int k = 0; k <= 300; ++k) {
      const double x = l.x1 + (l.x2 - l.x1) * k / 300, y = l.y1 + (l.y2 - l.y1) * k / 300;
      nearest = std::min(nearest, Gap(box, {x, y, x, y}));
    }
  }
  return nearest;
}

// The glyph of an object and the text written after it (the declination's value).
std::pair<DrawnText, DrawnText> GlyphOf(const RecordingSurface& surface, int object) {
  for (size_t i = 0; i + 1 < surface.texts.size(); ++i) {
    if (surface.texts[i].text == std::string(1, static_cast<char>(223 + object))) {
      return {surface.texts[i], surface.texts[i + 1]};
    }
  }
  ADD_FAILURE() << "no glyph of object " << object;
  return {};
}
double AngleOfGlyph(const RecordingSurface& surface, int object) {
  const DrawnText glyph = GlyphOf(surface, object).first;
  return AngleOf(glyph.x, glyph.y);
}

enum class Kind { kAmerican, kEuropean, kDeclination };

// Every glyph (and declination value) inside the drawing, each glyph inside
// its ring and apart from the others; European and declination texts across
// no spoke; declination texts overlapping nothing, each value nearest its glyph.
void ExpectReadable(const RecordingSurface& surface, Kind kind, const std::string& label) {
  const bool declination = kind == Kind::kDeclination;
  const UserScale area = surface.scales.at(0);
  std::vector<TextBox> glyphs, values;
  for (int object = 1; object <= ObjectCount; ++object) {
    if (declination && object >= kNorthNode && object <= kPartOfFortune) continue;
    const auto [glyph, value] = GlyphOf(surface, object);
    glyphs.push_back(BoxOf(glyph));
    values.push_back(BoxOf(value, 0.8));
  }
  for (size_t i = 0; i < glyphs.size(); ++i) {
    const TextBox& g = glyphs[i];
    const std::string at = label + " glyph " + std::to_string(i);
    for (const TextBox& box : {g, declination ? values[i] : g}) {
      EXPECT_TRUE(box.left >= area.left + 1 && box.right <= area.right - 1) << at;
      EXPECT_TRUE(box.bottom >= area.bottom + 1 && box.top <= area.top - 1) << at;
      if (kind == Kind::kAmerican) continue;
      EXPECT_GT(SpokeGap(surface, box), declination ? 1 : -0.5) << at;
    }
    const double x = std::clamp(0.0, g.left, g.right), y = std::clamp(0.0, g.bottom, g.top);
    const double r = std::hypot(g.left, g.top);  // of the corner; the declination ring is round
    EXPECT_TRUE(declination ? std::hypot(x, y / kSpokeFactor) > 200.5 : r > 120 && r < 217) << at;
    for (size_t j = 0; j < glyphs.size(); ++j) {
      if (j == i) continue;
      if (!declination) {
        EXPECT_GT(std::hypot(g.left - glyphs[j].left, g.top - glyphs[j].top), 9) << at << " " << j;
        continue;
      }
      EXPECT_LT(Gap(values[i], g), Gap(values[i], glyphs[j])) << at << " value beside " << j;
      EXPECT_TRUE(Gap(g, glyphs[j]) > 0 && Gap(g, values[j]) > 0 && Gap(values[i], values[j]) > 0)
          << at << " overlaps " << j;
    }
    EXPECT_TRUE(!declination || Gap(g, values[i]) > 0) << at << " overlaps its value";
  }
}

TEST(PutPlanetsInChartwheel, SingleObjectTakesTheSlotOfItsPlaceInItsHouse) {
  // Equal houses from 10 Aries; Mars on a cusp (or a hair before it) takes the
  // first slot of the house it opens; slots of 4 degrees, 22 into a house is slot 5.
  const std::pair<double, double> cases[] = {{10, 180}, {100, 272},        {190, 4},
                                             {280, 95}, {100 - 1e-6, 272}, {122, 272 + 5 * 4}};
  for (const auto& [position, angle] : cases) {
    const DrawnText mars =
        GlyphOf(WheelCase{HandChart(10, {{kMars, position}})}.Paint(), kMars).first;
    EXPECT_NEAR(AngleOf(mars.x, mars.y), angle, 1e-6) << position;
  }
}

TEST(PutPlanetsInChartwheel, AFullHouseSendsItsEighthObjectOnAndNeverStacksGlyphs) {
  // Objects 1.. moved into the 1st house (spokes not checked: a European
  // house this full pushes glyphs onto them).
  for (const int crowded : {7, 8, 16}) {
    WheelCase wheel{HandChart(10)};
    for (int object = 1; object <= crowded; ++object)
      wheel.chart.ObjectPos[object] = 12 + 0.5 * object;
    FindHousePositions(wheel.chart);
    const RecordingSurface american = wheel.Paint();
    ExpectReadable(american, Kind::kAmerican, std::to_string(crowded) + " objects");
    wheel.style = kEuropeanStyle;
    ExpectReadable(wheel.Paint(), Kind::kAmerican, std::to_string(crowded) + " European");
    int first = 0;  // in the 1st house's sector, from 180 to 204
    for (int object = 1; object <= crowded; ++object) {
      const double angle = AngleOfGlyph(american, object);
      first += angle >= 180 - 1e-6 && angle <= 204 + 1e-6;
    }
    EXPECT_EQ(first, 7) << crowded;
  }
}

TEST(PutPlanetsInChartwheel, EuropeanGlyphFollowsThePreviousOneWhenCrowdedAndClearsTheSpokes) {
  // Equal houses from 0 Aries: longitude 220 has the wheel angle 40. The
  // objects not named stand far off.
  constexpr double kFar = 100;
  const std::array<double, 5> cases[] = {
      // Mercury, Venus, Sun; the lowest and the highest angle of the Sun
      {220, kFar, 222, 44, 44},         // just ahead: one slot past Mercury
      {220, 220.5, 221, 48, 48},        // behind Venus, pushed on by Mercury: one slot past Venus
      {220, kFar, 225, 45, 45},         // a slot ahead: its own place
      {40, kFar, 20, 202, 202},         // lower left: a little further on
      {178, kFar, 181, 2.01, 10},       // one slot past Mercury is on the Descendant's spoke
      {40, kFar, 300.5, 122.01, 130}};  // just past the 9th cusp: on past its spoke
  for (const auto& [mercury, venus, sun, low, high] : cases) {
    WheelCase wheel{HandChart(0, {{kMercury, mercury}, {kVenus, venus}, {kSun, sun}})};
    for (int object = kMars; object <= ObjectCount; ++object)
      wheel.chart.ObjectPos[object] = 60.0 + 5.3 * object;
    FindHousePositions(wheel.chart);
    wheel.style = kEuropeanStyle;
    const RecordingSurface surface = wheel.Paint();
    const double angle = AngleOfGlyph(surface, kSun);
    EXPECT_TRUE(angle >= low - 1e-6 && angle <= high + 1e-6) << "Sun " << sun << " at " << angle;
    ExpectReadable(surface, Kind::kEuropean, "Sun " + std::to_string(sun));
  }
}

TEST(PutPlanetsInChartwheel, GlyphsOfAHouseKeepTheZodiacalOrderInCastCharts) {
  // Charts every 11 days and 7 hours through a year at London, both styles:
  // within a house the object further in stands further on counter-clockwise.
  for (int step = 0; step < 33; ++step) {
    const int day = 1 + (step * 11) % 28, month = 1 + step % 12, hour = (step * 7) % 24;
    WheelCase wheel{CastChart(2021, month, day, hour, 0, ChartSettings{})};
    const ChartState& chart = wheel.chart;
    // Degrees into its house; a hair before the cusp (by rounding) is on it.
    const auto into = [&](int object) {
      const int cusp = (HouseOfObject(chart, object) + 2) % 12 + 1;
      const double d = Normalize360(chart.ObjectPos[object] - chart.CuspWheel[cusp]);
      return d > 360 - 1.0 / 36000 ? 0.0 : d;
    };
    for (const Kind kind : {Kind::kAmerican, Kind::kEuropean}) {
      wheel.style = kind == Kind::kAmerican ? kAmericanStyle : kEuropeanStyle;
      const RecordingSurface surface = wheel.Paint();
      const std::string label =
          "step " + std::to_string(step) + " style " + std::to_string(wheel.style);
      ExpectReadable(surface, kind, label);
      for (int a = 1; a <= ObjectCount; ++a) {
        for (int b = 1; b <= ObjectCount; ++b) {
          if (HouseOfObject(chart, a) != HouseOfObject(chart, b) || into(a) >= into(b)) continue;
          const double on = Normalize360(AngleOfGlyph(surface, b) - AngleOfGlyph(surface, a));
          EXPECT_TRUE(on > 0 && on < 180) << label << ": " << a << " before " << b;
        }
      }
    }
  }
}

// The first objects crowd the sector of the wheel angles from `from` on,
// `step` apart; the rest stand one to a sector elsewhere.
ChartState Crowded(double from, double step, int crowd) {
  ChartState chart = DeclinationChart({});
  int elsewhere = 0;
  for (int object = 1; object <= ObjectCount; ++object) {
    double angle = from + step * (object - 1);
    if (object > crowd) {
      do angle = 15.0 + 30.0 * elsewhere++;
      while (angle >= from - 30 && angle < from + 30);
    }
    chart.ObjectPos[object] = angle;
  }
  FindHousePositions(chart);
  return chart;
}

TEST(PutPlanetsInChartwheelDeclination, CrowdedSectorsKeepGlyphsAndValuesApartAndInside) {
  ChartSettings settings = ChartSettings::ForHouseSystem('P');
  settings.DeclinationChart = true;
  ChartState retrograde = Crowded(1, 7, 4);
  for (int object = 1; object <= 4; ++object) retrograde.RetroFlags[object - 1] = 'R';
  // The winter solstice puts seven objects into the lower right, the Sun at
  // 23.4 south (drawn from 302 degrees); the sectors next to the bottom and
  // the top are the tightest.
  const std::pair<const char*, ChartState> cases[] = {
      {"solstice", CastChart(2020, 12, 21, 13, 20, settings)},
      {"lower right", Crowded(121, 4, 7)},
      {"bottom", Crowded(91, 6, 5)},
      {"top", Crowded(271, 6, 5)},
      {"retrograde on the left", retrograde}};
  for (const auto& [label, chart] : cases) {
    const WheelCase wheel{chart};
    ExpectReadable(wheel.Paint(), Kind::kDeclination, std::string(label) + " (window)");
    RecordingMessages messages;
    ExpectReadable(wheel.Print(messages), Kind::kDeclination, std::string(label) + " (page)");
  }
  const RecordingSurface solstice = WheelCase{cases[0].second}.Paint();
  EXPECT_EQ(GlyphOf(solstice, kSun).second.text, "23.4");
  EXPECT_NEAR(AngleOfGlyph(solstice, kSun), 302 + 15, 15);
  // Too small for the wheel, the drawing still shows each object's value once.
  RecordingSurface small;
  PaintChartwheel(small, WheelCase{cases[2].second}.Inputs(), 1024, 60, 300);
  const RecordingSurface full = WheelCase{cases[2].second}.Paint();
  for (int object = 1; object <= ObjectCount; ++object) {
    if (object >= kNorthNode && object <= kPartOfFortune) continue;
    EXPECT_EQ(small.TextsOfCode(223 + object).size(), 1u) << object;
    EXPECT_EQ(GlyphOf(small, object).second.text, GlyphOf(full, object).second.text) << object;
  }
}

}  // namespace
}  // namespace kairotex::test
