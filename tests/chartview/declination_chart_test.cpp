// The declination chart: what it leaves out, the declinations it writes and
// where glyphs and values stand.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "wheel_test_chart.h"

namespace kairotex::test {
namespace {

// Values in size 9.5, nothing else of the declination wheel uses it.
WheelCase DeclinationCase(ChartState chart) {
  return WheelCase{std::move(chart)}.Set({{73, 9.5f}, {93, 4}});
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

TEST(PutPlanetsInChartwheelDeclination, WritesTheDeclinationBesideTheGlyph) {
  ChartSettings settings = ChartSettings::ForHouseSystem('P');
  settings.DeclinationChart = true;
  ChartState retrograde = DeclinationChart({{kMars, 200}});
  retrograde.RetroFlags = std::string(ObjectCount, ' ');
  retrograde.RetroFlags[kMars - 1] = 'R';
  struct Case {
    const char* label;
    ChartState chart;
    int object;
    const char* value;
    double sector_from;  // where the glyph is drawn
  };
  // Six degrees of wheel angle per degree: 0 at 180, 23.44 north at 320.64,
  // 23.44 south at 140.64; the northern half is drawn in the upper half.
  const Case cases[] = {
      {"0", DeclinationChart({{kVenus, 180}}), kVenus, "0.0", 2},
      {"23.44 north", DeclinationChart({{kVenus, 320.64}}), kVenus, "23.4", 122},
      {"23.44 south", DeclinationChart({{kVenus, 140.64}}), kVenus, "23.4", 302},
      {"4.95 south", DeclinationChart({{kVenus, 29.7}}), kVenus, "5.0", 182},
      {"June 2024 solstice", CastChart(2024, 6, 20, 20, 51, settings), kSun, "23.4", 122},
      {"December 2024 solstice", CastChart(2024, 12, 21, 9, 20, settings), kSun, "23.4", 302},
      {"retrograde mark leads", retrograde, kMars, "R3.3", 2}};
  for (const Case& c : cases) {
    const RecordingSurface surface = DeclinationCase(c.chart).Paint();
    const DrawnText value = ValueOf(surface, c.object);
    EXPECT_EQ(value.text, c.value) << c.label;
    EXPECT_EQ(value.font.size_points, 9.5);
    EXPECT_EQ(value.colour, QBColor(4));
    const DrawnText glyph = ObjectGlyphs(surface, c.object).at(0);
    EXPECT_GE(AngleOf(glyph.x, glyph.y), c.sector_from - 1e-9) << c.label;
    EXPECT_LT(AngleOf(glyph.x, glyph.y), c.sector_from + 30) << c.label;
  }
}

TEST(PutPlanetsInChartwheelDeclination, NodesAndPartOfFortuneAreLeftOutAndNoCuspIsLabelled) {
  WheelCase wheel = DeclinationCase(DeclinationChart({}));
  const RecordingSurface surface = wheel.Set({{69, 10.5f}}).Paint();
  for (int object = 1; object <= ObjectCount; ++object) {
    const auto glyphs = ObjectGlyphs(surface, object);
    const bool shown = object < kNorthNode || object > kPartOfFortune;
    ASSERT_EQ(glyphs.size(), shown ? 1u : 0u) << object;
    if (shown) {
      EXPECT_EQ(glyphs[0].colour, QBColor(9)) << "light blue, object " << object;
    }
  }
  EXPECT_TRUE(surface.TextsOfSize(10.5).empty());
}

// Ring and spokes are round on the device: y is shortened by this factor.
constexpr double kSpokeFactor = 0.9675;

struct TextBox {
  double left, bottom, right, top;
};

// The box a text fills on the recording surface. A value's digits fill the
// upper four fifths of its line; the descent below them stays empty.
TextBox BoxOf(const DrawnText& text, double filled = 1.0) {
  const double width = kCharWidthFactor * text.font.size_points * text.text.size();
  const double height = kLineHeightFactor * text.font.size_points;
  return {text.x, text.y - filled * height, text.x + width, text.y};
}

double Separation(const TextBox& a, const TextBox& b, bool across) {
  return across ? std::max(a.left - b.right, b.left - a.right)
                : std::max(a.bottom - b.top, b.bottom - a.top);
}

bool Apart(const TextBox& a, const TextBox& b) {
  return std::max(Separation(a, b, true), Separation(a, b, false)) > 0;
}

double Gap(const TextBox& a, const TextBox& b) {
  return std::hypot(std::max(0.0, Separation(a, b, true)), std::max(0.0, Separation(a, b, false)));
}

// How far the ring passes from the box, measured where the ring is round.
double RingGap(const TextBox& box) {
  const double x = std::clamp(0.0, box.left, box.right);
  const double y = std::clamp(0.0, box.bottom, box.top);
  return std::hypot(x, y / kSpokeFactor) - 200;
}

// How far the drawn spoke at this angle (radius 200 to 230) passes from the
// box, walked along the spoke.
double SpokeGap(const TextBox& box, double angle) {
  double nearest = std::numeric_limits<double>::max();
  for (int k = 0; k <= 300; ++k) {
    const double x = (200 + 0.1 * k) * CosDeg(angle),
                 y = kSpokeFactor * (200 + 0.1 * k) * SinDeg(angle);
    nearest = std::min(nearest, Gap(box, {x, y, x, y}));
  }
  return nearest;
}

struct Shown {
  int object;
  DrawnText glyph, value;
};

std::vector<Shown> ShownObjects(const RecordingSurface& surface) {
  std::vector<Shown> shown;
  for (int object = 1; object <= ObjectCount; ++object) {
    if (object >= kNorthNode && object <= kPartOfFortune) continue;
    shown.push_back({object, ObjectGlyphs(surface, object).at(0), ValueOf(surface, object)});
  }
  return shown;
}

// Every glyph clear of the ring, every glyph and value clear of the spokes,
// of each other and of the drawing's edges, and each value nearer its own
// glyph than any other.
void ExpectReadable(const RecordingSurface& surface, const std::string& label) {
  const UserScale area = surface.scales.at(0);
  const std::vector<Shown> shown = ShownObjects(surface);
  std::vector<TextBox> boxes;
  for (const Shown& s : shown) {
    const TextBox glyph = BoxOf(s.glyph);
    const TextBox value = BoxOf(s.value, 0.8);
    EXPECT_GT(RingGap(glyph), 0.5) << label << " object " << s.object;
    for (int k = 0; k < 12; ++k) {
      EXPECT_GT(SpokeGap(glyph, 30.0 * k), 1) << label << " glyph " << s.object << " spoke " << k;
      EXPECT_GT(SpokeGap(value, 30.0 * k), 1) << label << " value " << s.object << " spoke " << k;
    }
    for (const TextBox& line : {glyph, BoxOf(s.value)}) {
      EXPECT_GE(line.left, area.left + 1) << label << " object " << s.object;
      EXPECT_LE(line.right, area.right - 1) << label << " object " << s.object;
      EXPECT_GE(line.bottom, area.bottom + 1) << label << " object " << s.object;
      EXPECT_LE(line.top, area.top - 1) << label << " object " << s.object;
    }
    for (const Shown& other : shown) {
      if (other.object == s.object) continue;
      EXPECT_LT(Gap(value, glyph), Gap(value, BoxOf(other.glyph)))
          << label << " value of " << s.object << " beside " << other.object;
    }
    boxes.push_back(glyph);
    boxes.push_back(value);
  }
  for (size_t i = 0; i < boxes.size(); ++i) {
    for (size_t j = i + 1; j < boxes.size(); ++j) {
      EXPECT_TRUE(Apart(boxes[i], boxes[j])) << label << " boxes " << i << " and " << j;
    }
  }
}

// A chart whose first objects crowd the sector of the wheel angles from
// `from` on, `step` apart; the rest stand one to a sector elsewhere.
ChartState Crowded(double from, double step, int crowd) {
  ChartState chart = DeclinationChart({});
  int elsewhere = 0;
  for (int object = 1; object <= ObjectCount; ++object) {
    if (object <= crowd) {
      chart.ObjectPos[object] = from + step * (object - 1);
    } else {
      double angle = 15.0 + 30.0 * elsewhere++;
      while (angle >= from - 30 && angle < from + 30) angle = 15.0 + 30.0 * elsewhere++;
      chart.ObjectPos[object] = angle;
    }
  }
  FindHousePositions(chart);
  return chart;
}

TEST(PutPlanetsInChartwheelDeclination, CrowdedSectorsKeepGlyphsAndValuesApartAndInside) {
  ChartSettings settings = ChartSettings::ForHouseSystem('P');
  settings.DeclinationChart = true;
  ChartState retrograde = Crowded(1, 7, 4);
  for (int object = 1; object <= 4; ++object) retrograde.RetroFlags[object - 1] = 'R';
  struct Case {
    const char* label;
    ChartState chart;
  };
  // The winter solstice puts seven objects into the lower right; the sectors
  // next to the bottom and the top are the tightest, there is little room
  // above and below them.
  const Case cases[] = {{"solstice", CastChart(2020, 12, 21, 13, 20, settings)},
                        {"lower right", Crowded(121, 4, 7)},
                        {"bottom", Crowded(91, 6, 5)},
                        {"top", Crowded(271, 6, 5)},
                        {"retrograde on the left", retrograde}};
  for (const Case& c : cases) {
    const WheelCase wheel{c.chart};
    ExpectReadable(wheel.Paint(), std::string(c.label) + " (window)");
    RecordingMessages messages;
    ExpectReadable(wheel.Print(messages), std::string(c.label) + " (page)");
  }
}

TEST(PutPlanetsInChartwheelDeclination, ALoneValueStandsLevelWithItsGlyphOnTheOuterSide) {
  // 3.3 south at 20 degrees, drawn on the left; 3.3 north at 200, on the right.
  for (const double angle : {20.0, 200.0}) {
    const RecordingSurface surface = WheelCase{Crowded(angle, 0, 1)}.Paint();
    const TextBox glyph = BoxOf(ObjectGlyphs(surface, kSun).at(0));
    const TextBox value = BoxOf(ValueOf(surface, kSun), 0.8);
    EXPECT_NEAR((value.top + value.bottom) / 2, (glyph.top + glyph.bottom) / 2, 1e-6) << angle;
    const bool right = glyph.left > 0;
    EXPECT_EQ(right, angle > 180) << angle;
    const double beyond = right ? value.left - glyph.right : glyph.left - value.right;
    EXPECT_GT(beyond, 0) << angle;
    EXPECT_LT(beyond, 3) << angle;
  }
}

TEST(PutPlanetsInChartwheelDeclination, ADrawingTooSmallForTheWheelStillShowsEveryObjectOnce) {
  const WheelCase wheel{Crowded(91, 6, 5)};
  RecordingSurface surface;
  PaintChartwheel(surface, wheel.Inputs(), 1024, 60, 300);
  for (const Shown& s : ShownObjects(surface)) {
    EXPECT_EQ(ObjectGlyphs(surface, s.object).size(), 1u) << s.object;
    EXPECT_EQ(s.value.text, ValueOf(WheelCase{wheel.chart}.Paint(), s.object).text) << s.object;
  }
}

}  // namespace
}  // namespace kairotex::test
