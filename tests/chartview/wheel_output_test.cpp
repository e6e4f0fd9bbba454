// The whole drawing of the window and of the printed pages against golden
// files (golden/, checked by eye once; KAIROTEX_UPDATE_REFERENCE=1 rewrites
// them) with every text inside the drawing, the window's scale, the orb file
// of the aspect grid and the orbs of the aspect lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <tuple>

#include "wheel_test_chart.h"

namespace kairotex::test {
namespace {

// Each object makes one aspect (or none) with the Sun at 100; Mars is
// retrograde and the Moon applies.
ChartState GoldenChart(double ascendant) {
  // clang-format off
  ChartState chart = HandChart(ascendant, {
      {kSun, 100}, {kMoon, 100.3}, {kMercury, 160.2}, {kVenus, 190.2}, {kMars, 220.2},
      {kJupiter, 280.2}, {kSaturn, 250.2}, {kUranus, 145.2}, {kNeptune, 235.2}, {kPluto, 172.2},
      {kNorthNode, 244.2}, {kSouthNode, 130.2}, {kPartOfFortune, 151.6}, {kAscendant, 105},
      {kMidheaven, 120}, {kChiron, 87}});
  // clang-format on
  chart.RetroFlags[kMars - 1] = 'R';
  chart.MoonAppliesFlag = 1;
  chart.CurrentOrbFile = DataDir() + "/NATAL.ORB";
  return chart;
}

TEST(WheelGolden, WindowPaintsAndPrintedPagesOfEachKindOfChart) {
  // Leo and Aquarius intercepted, in the middle of the 4th and 10th houses:
  // near the vertical, where radius 236 runs past the window's edge (225).
  ChartState unequal = GoldenChart(0);
  const double cusps[] = {5, 35, 65, 95, 155, 170, 185, 215, 245, 275, 335, 350};  // houses 1..12
  for (int house = 1; house <= 12; ++house)
    unequal.CuspWheel[(house + 2) % 12 + 1] = cusps[house - 1];
  FindHousePositions(unequal);
  const ChartState equal = GoldenChart(17.3);
  ChartState helio = equal;
  helio.ChartHeading[1] = "Test - heliocentric";
  ChartState declination =
      DeclinationChart({{kSun, 180}, {kMoon, 320.64}, {kVenus, 140.64}, {kMars, 29.7}});
  declination.CurrentOrbFile = equal.CurrentOrbFile;
  declination.RetroFlags = equal.RetroFlags;
  const ChartState none{};
  struct Case {
    const char* golden;
    const ChartState& chart;
    int16_t style = kAmericanStyle;
    bool print = false, half_page = false, chart_exists = true;
  };
  const Case cases[] = {{"american-window.txt", unequal},
                        {"european-window.txt", unequal, kEuropeanStyle},
                        {"heliocentric-window.txt", helio},
                        {"declination-window.txt", declination},
                        {"half-page.txt", equal, kAmericanStyle, false, true},
                        {"before-first-chart.txt", none, kEuropeanStyle, false, false, false},
                        {"american-page.txt", unequal, kAmericanStyle, true},
                        {"european-page.txt", unequal, kEuropeanStyle, true},
                        {"declination-page.txt", declination, kAmericanStyle, true}};
  for (const Case& c : cases) {
    // Window circles 1 and spokes 2, printed circles 3, spokes 5 and glyphs
    // 6 in 13.5 points; a sidereal zodiac and the aspect grid on the page.
    WheelCase wheel = WheelCase{c.chart, DeliveredProgram().options, c.style}.Set(
        {{47, 1}, {101, 1}, {102, 2}, {115, 3}, {116, 5}, {72, 12}, {82, 13.5f}, {107, 6}});
    // The half page also swaps the sides of the planet columns (option 28).
    wheel.Set({{122, 1}, {123, 1}, {28, c.half_page ? 1.0f : 0.0f}});
    wheel.print_background = c.half_page;
    wheel.chart_exists = c.chart_exists;
    RecordingMessages messages;
    const RecordingSurface drawing = c.print ? wheel.Print(messages) : wheel.Paint();
    const std::string golden = SourceDir() + "/chartview/golden/" + c.golden;
    if (const char* update = std::getenv("KAIROTEX_UPDATE_REFERENCE"); update && *update == '1')
      WriteText(golden, drawing.log);
    EXPECT_EQ(drawing.log, ReadText(golden)) << golden;
    EXPECT_TRUE(messages.texts.empty()) << c.golden;
    const UserScale& area = drawing.scales.back();  // every text inside the drawing
    for (const DrawnText& t : drawing.texts) {
      const double right = t.x + kCharWidthFactor * t.font.size_points * t.text.size();
      EXPECT_TRUE(t.x >= area.left && right <= area.right && t.y <= area.top &&
                  t.y - kLineHeightFactor * t.font.size_points >= area.bottom)
          << c.golden << ": " << t.text << " at " << t.x << ", " << t.y;
    }
  }
}

TEST(StartScaleForWindow, WideWindowsShow225UnitsAboveAndBelowTheCentreTallOnesGet244) {
  const std::tuple<double, double, int> cases[] = {{1024, 768, 300}, {1000, 700, 321},
                                                   {500, 500, 225},  {100, 101, 244},
                                                   {768, 1024, 244}, {-1024, 768, 300}};
  for (const auto& [width, height, start_scale] : cases)
    EXPECT_EQ(StartScaleForWindow(width, height), start_scale) << width << "x" << height;
}

// Aspect glyphs of the grid, in size 6.5, which nothing else of the page uses.
int GridAspects(const std::string& orb_file, RecordingMessages& messages, float grid = 1) {
  WheelCase wheel{GoldenChart(10)};
  wheel.chart.CurrentOrbFile = orb_file;
  const RecordingSurface page =
      wheel.Set({{122, grid}, {119, 1}, {120, 6.5f}, {121, 270}}).Print(messages);
  int labels = 0, aspects = 0;
  for (const DrawnText& t : page.texts)
    (t.Code() < 224 ? aspects : labels) += t.font.size_points == 6.5;
  return labels == 0 ? -1 : aspects;  // -1: no grid at all
}

TEST(AspectGrid, OrbFileIsReadForEveryPrintAndAMissingOneIsReported) {
  // The delivered orbs with a conjunction orb of 1, then 0.1: the Sun and
  // the Moon, 0.3 apart, lose their aspect.
  const std::string dir = MakeTempDir("wheel-grid"), orb_file = dir + "/TEST.ORB";
  const std::string other_orbs = ReadText(DataDir() + "/NATAL.ORB").substr(1);
  RecordingMessages messages;
  WriteText(orb_file, "1" + other_orbs);
  const int with_conjunction = GridAspects(orb_file, messages);
  WriteText(orb_file, "0.1" + other_orbs);
  EXPECT_EQ(GridAspects(orb_file, messages), with_conjunction - 1);
  EXPECT_TRUE(messages.texts.empty());
  // Labels but no aspects, and a warning; no grid reads no file.
  EXPECT_EQ(GridAspects(orb_file + ".missing", messages), 0);
  EXPECT_EQ(GridAspects(orb_file + ".missing", messages, 0), -1);
  EXPECT_EQ(messages.titles, std::vector<std::string>{"Warning!"});
  std::filesystem::remove_all(dir);
}

TEST(DrawAspectLines, PairsWithinTheOrbAreJoinedInTheColourOfTheirAspect) {
  struct Case {
    int object;  // with the Sun at 5, every other object at 27 (40 in declinations)
    double separation;
    int colour;  // -1: no line
    float option47 = 1;
    bool half_page = false, declination = false;
  };
  // Orbs of 1 degree. Only the Sun, the planets, the Moon and Chiron take
  // part; the half-page print draws sextiles and trines in black; the
  // declination chart counts pairs at least 180 - 6 x option 6 apart as opposed.
  // clang-format off
  const Case cases[] = {
      {kMoon, 60.5, 1}, {kMoon, 61.5, -1}, {kMoon, 89.2, 4}, {kMoon, 120, 1}, {kMoon, 150.9, 2},
      {kMoon, 179.5, 4}, {kMoon, 178.5, -1}, {kMoon, 45, -1}, {kMoon, 0.5, -1},
      {kChiron, 90, 4}, {kPluto, 90, 4}, {kNorthNode, 90, -1}, {kPartOfFortune, 90, -1},
      {kAscendant, 90, -1}, {kMoon, 90, -1, 0}, {kMoon, 90, -1, 2},
      {kMoon, 60, 0, 1, true}, {kMoon, 120, 0, 1, true}, {kMoon, 150, 2, 1, true},
      {kMoon, 175, 4, 1, false, true}, {kMoon, 175, -1}};
  // clang-format on
  for (const Case& c : cases) {
    WheelCase wheel{c.declination ? DeclinationChart({}) : HandChart(10)};
    for (int object = 1; object <= ObjectCount; ++object)
      wheel.chart.ObjectPos[object] = c.declination ? 40 : 27;
    wheel.chart.ObjectPos[kSun] = 5;
    wheel.chart.ObjectPos[c.object] = 5 + c.separation;
    FindHousePositions(wheel.chart);
    wheel.Set({{2, 1}, {3, 1}, {4, 1}, {5, 1}, {10, 1}, {6, 1}, {47, c.option47}});
    wheel.Set({{97, 1}, {98, 4}, {99, 2}});
    wheel.print_background = c.half_page;
    std::vector<DrawnLine> lines;  // inside the ring, where the spokes do not reach
    for (const DrawnLine& l : wheel.Paint().lines)
      if (std::max(std::hypot(l.x1, l.y1), std::hypot(l.x2, l.y2)) < 201) lines.push_back(l);
    SCOPED_TRACE(testing::Message() << "object " << c.object << " at " << c.separation);
    ASSERT_EQ(lines.size(), c.colour >= 0 ? 1u : 0u);
    if (c.colour < 0) continue;
    EXPECT_EQ(lines[0].colour, QBColor(c.colour));
  }
}

}  // namespace
}  // namespace kairotex::test
