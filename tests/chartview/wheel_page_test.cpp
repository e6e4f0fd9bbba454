// The window paint and the printed full page: scales, background, headings
// (with "Sidereal"), the printer's options and the aspect grid with the orbs
// of the orb file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <vector>

#include "chartview/chartwheel.h"
#include "wheel_test_chart.h"

namespace kairotex::test {
namespace {

void ExpectScale(const RecordingSurface& surface, double left, double top, double right,
                 double bottom) {
  ASSERT_EQ(surface.scales.size(), 1u);
  EXPECT_DOUBLE_EQ(surface.scales[0].left, left);
  EXPECT_DOUBLE_EQ(surface.scales[0].top, top);
  EXPECT_DOUBLE_EQ(surface.scales[0].right, right);
  EXPECT_DOUBLE_EQ(surface.scales[0].bottom, bottom);
}

TEST(StartScaleForWindow, WideWindowsShow225UnitsAboveAndBelowTheCentreTallOnesGet244) {
  struct Case {
    double width, height;
    int16_t start_scale;
  };
  const Case cases[] = {{1024, 768, 300}, {640, 480, 300},   {1000, 700, 321}, {1280, 720, 400},
                        {500, 500, 225},  {-1024, 768, 300}, {768, 1024, 244}, {100, 101, 244}};
  for (const Case& c : cases) {
    EXPECT_EQ(StartScaleForWindow(c.width, c.height), c.start_scale) << c.width << "x" << c.height;
  }
}

TEST(PaintChartwheel, ScaleRunsFromMinusToPlusStartScaleWithTheDrawingsProportions) {
  RecordingSurface surface;
  PaintChartwheel(surface, WheelCase{HandChart(10)}.Inputs(), 800, 600, 280);
  ExpectScale(surface, -280, 210, 280, -210);
}

TEST(PrintChartwheelPage, PageScalePutsTheWheelInTheUpperPartOfThePage) {
  struct Case {
    int16_t style;
    bool chart_exists;
    double left, top, right, bottom;
  };
  for (const Case& c : {Case{kAmericanStyle, true, -249, 263.25, 250, -371.25},
                        Case{kEuropeanStyle, true, -256, 272, 257, -380},
                        Case{kEuropeanStyle, false, -249, 263.25, 250, -371.25}}) {
    WheelCase wheel = WheelCase{HandChart(10)}.Style(c.style);
    wheel.chart_exists = c.chart_exists;
    RecordingMessages messages;
    SCOPED_TRACE(testing::Message() << "style " << c.style << " chart " << c.chart_exists);
    ExpectScale(wheel.Print(messages), c.left, c.top, c.right, c.bottom);
  }
}

TEST(PaintChartwheel, BackgroundIsTheOptionColourOrWhiteForTheHalfPagePrint) {
  struct Case {
    float option100;
    bool print_background;
    int expected;
  };
  for (const Case& c : {Case{15, false, 15}, Case{1, false, 1}, Case{1, true, 15}}) {
    WheelCase wheel = WheelCase{HandChart(10)}.Set({{100, c.option100}});
    wheel.print_background = c.print_background;
    EXPECT_EQ(wheel.Paint().clears, std::vector<Rgb>{QBColor(c.expected)})
        << c.option100 << " " << c.print_background;
  }
}

TEST(PaintChartwheel, HeadingLinesStandInTheUpperLeftCornerOneUnderTheOther) {
  const RecordingSurface surface = WheelCase{HandChart(10)}.Set({{68, 9.5f}, {88, 4}}).Paint();
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

TEST(PrintChartHeader, HeadingStartsAtTheLeftEdgeBelowTheTopAndNamesASiderealZodiac) {
  for (const float zodiac : {0, 1, 2}) {
    WheelCase wheel =
        WheelCase{HandChart(10)}.Set({{122, 0}, {123, zodiac}, {55, 10}, {78, 9.5f}, {103, 4}});
    RecordingMessages messages;
    const std::vector<DrawnText> heading = wheel.Print(messages).TextsOfSize(9.5);
    const bool sidereal = zodiac != 0;
    ASSERT_EQ(heading.size(), sidereal ? 8u : 7u) << zodiac;
    EXPECT_EQ(heading[0].text, "heading line 1");
    EXPECT_DOUBLE_EQ(heading[0].x, -249);
    EXPECT_DOUBLE_EQ(heading[0].y, 263.25 - 10);
    EXPECT_EQ(heading[0].colour, QBColor(4));
    EXPECT_EQ(heading[6].text, "heading line 7");
    if (sidereal) {
      EXPECT_EQ(heading[7].text, "Sidereal");
      EXPECT_DOUBLE_EQ(heading[7].x, -249);
      EXPECT_LT(heading[7].y, heading[6].y);
    }
  }
}

TEST(PrintChartwheelPage, DrawsWithThePrintersOptions) {
  // Window circles 1 and spokes 2, printed circles 3 and spokes 5.
  WheelCase wheel = WheelCase{HandChart(10)}.Set(
      {{122, 0}, {101, 1}, {102, 2}, {115, 3}, {116, 5}, {72, 12}, {82, 13.5f}, {107, 6}});
  RecordingMessages messages;
  const RecordingSurface surface = wheel.Print(messages);
  for (const DrawnCircle& c : surface.circles) EXPECT_EQ(c.colour, QBColor(3));
  EXPECT_EQ(surface.LinesOfColour(QBColor(5)).size(), 12u);
  for (int object = 1; object <= ObjectCount; ++object) {
    const auto glyphs = ObjectGlyphs(surface, object);
    ASSERT_EQ(glyphs.size(), 1u) << object;
    EXPECT_EQ(glyphs[0].font.size_points, 13.5);
    EXPECT_EQ(glyphs[0].colour, QBColor(6));
  }
}

TEST(PrintChartwheelPage, DeclinationPageHasTheDeclinationFrameAndNoCuspLabels) {
  RecordingMessages messages;
  const RecordingSurface surface =
      WheelCase{DeclinationChart({})}.Set({{122, 0}, {79, 10.5f}}).Print(messages);
  ASSERT_EQ(surface.circles.size(), 1u);
  EXPECT_EQ(surface.circles[0].radius, 200);
  EXPECT_TRUE(surface.TextsOfSize(10.5).empty());
}

TEST(PaintChartwheel, BeforeTheFirstChartLabelsStandAtTheTablePlacesAndNoObjectIsDrawn) {
  const auto& table = DeliveredProgram().tables.HcData;
  for (int16_t style : {kAmericanStyle, kEuropeanStyle}) {
    WheelCase wheel{ChartState{}};
    wheel.chart_exists = false;
    wheel.style = style;
    const RecordingSurface surface = wheel.Paint();
    // The first item of each label is its degree's tens digit.
    for (int wheel_index = 1; wheel_index <= 12; ++wheel_index) {
      const DrawnText* tens =
          surface.TextAt(table[10 * wheel_index - 10], table[10 * wheel_index - 9]);
      ASSERT_NE(tens, nullptr) << "style " << style << " label " << wheel_index;
      EXPECT_EQ(tens->text, "0");
      EXPECT_TRUE(tens->font.bold);
    }
    for (int object = 1; object <= ObjectCount; ++object) {
      EXPECT_TRUE(ObjectGlyphs(surface, object).empty()) << object;
    }
  }
}

// The aspect grid, written in size 6.5, which nothing else of the page uses.
constexpr double kGridSize = 6.5;

// Orbs of the temporary orb file: line n is the orb of aspect code n + 1.
void WriteOrbFile(const std::string& path, double conjunction) {
  std::ofstream out(path, std::ios::binary);
  const double orbs[17] = {conjunction, 1, 1, 1, 1, 0, 1, 1, 1, 1, 0.5, 0.5, 1, 0.5, 1, 0.5, 0};
  for (double orb : orbs) out << orb << "      orb\r\n";
}

// Against the Sun at 100 each object makes one aspect (or none); colour
// options 124..130 are QBColor 1..7.
WheelCase GridCase(const std::string& orb_file) {
  // clang-format off
  WheelCase wheel{HandChart(10, {
      {kSun, 100}, {kMoon, 100.3}, {kMercury, 160.2}, {kVenus, 190.2}, {kMars, 220.2},
      {kJupiter, 280.2}, {kSaturn, 250.2}, {kUranus, 145.2}, {kNeptune, 235.2}, {kPluto, 172.2},
      {kNorthNode, 244.2}, {kSouthNode, 130.2}, {kPartOfFortune, 151.6}, {kAscendant, 105},
      {kMidheaven, 120}, {kChiron, 87}})};
  // clang-format on
  wheel.chart.CurrentOrbFile = orb_file;
  wheel.Set({{122, 1}, {119, 1}, {120, kGridSize}, {121, 270}});
  for (int option = 124; option <= 130; ++option) wheel.options[option] = option - 123;
  return wheel;
}

constexpr int kGridOrder[] = {
    kSun,     kMoon,  kMercury,   kVenus,     kMars,          kJupiter,   kSaturn,    kUranus,
    kNeptune, kPluto, kNorthNode, kSouthNode, kPartOfFortune, kAscendant, kMidheaven, kChiron};

int GridPosition(int object) {
  return static_cast<int>(std::find(std::begin(kGridOrder), std::end(kGridOrder), object) -
                          std::begin(kGridOrder));
}

struct GridCell {
  int row_object = 0, column_object = 0, code = 0;
  Rgb colour;
};

// The aspect glyphs of the grid with the objects that label their row (the
// glyph on their left on the same line) and column (the glyph below them).
std::vector<GridCell> GridCells(const RecordingSurface& surface) {
  std::vector<DrawnText> labels, aspects;
  for (const DrawnText& t : surface.TextsOfSize(kGridSize)) {
    (t.Code() >= 224 ? labels : aspects).push_back(t);
  }
  std::vector<GridCell> cells;
  for (const DrawnText& a : aspects) {
    GridCell cell{0, 0, a.Code() - 159, a.colour};
    for (const DrawnText& l : labels) {
      if (std::fabs(l.y - a.y) < 1e-9 && l.x < a.x) cell.row_object = l.Code() - 223;
      if (std::fabs(l.x - a.x) < 1e-9 && l.y < a.y) cell.column_object = l.Code() - 223;
    }
    cells.push_back(cell);
  }
  return cells;
}

class AspectGrid : public ::testing::Test {
 protected:
  void SetUp() override { orb_file = MakeTempDir("wheel-grid") + "/TEST.ORB"; }
  void TearDown() override {
    std::filesystem::remove_all(std::filesystem::path(orb_file).parent_path());
  }
  std::vector<GridCell> Print(const std::string& file, RecordingMessages& messages) {
    return GridCells(GridCase(file).Print(messages));
  }
  std::string orb_file;
};

TEST_F(AspectGrid, EachPairOnceInTheLowerTriangleColouredByItsAspect) {
  WriteOrbFile(orb_file, 1);
  RecordingMessages messages;
  const auto cells = Print(orb_file, messages);
  EXPECT_TRUE(messages.texts.empty());
  ASSERT_FALSE(cells.empty());
  // Colour option of each aspect code (124 + ...), set to QBColor 1..7.
  const std::map<int, int> colour_by_code = {{2, 1},  {3, 2},  {5, 2},  {4, 3},  {6, 3},
                                             {11, 4}, {9, 5},  {10, 5}, {14, 6}, {16, 6},
                                             {8, 7},  {17, 7}, {12, 7}, {13, 7}, {15, 7}};
  std::map<std::pair<int, int>, int> seen;
  std::map<int, int> with_sun;
  for (const GridCell& cell : cells) {
    ASSERT_NE(cell.row_object, 0);
    ASSERT_NE(cell.column_object, 0);
    EXPECT_LT(GridPosition(cell.column_object), GridPosition(cell.row_object))
        << cell.row_object << "/" << cell.column_object;
    EXPECT_EQ(cell.colour, QBColor(colour_by_code.at(cell.code))) << "code " << cell.code;
    ++seen[{cell.row_object, cell.column_object}];
    if (cell.column_object == kSun) with_sun[cell.row_object] = cell.code;
  }
  for (const auto& [pair, count] : seen) EXPECT_EQ(count, 1) << pair.first << "/" << pair.second;
  const std::map<int, int> expected = {{kMoon, 2},       {kMercury, 3},   {kVenus, 4},
                                       {kMars, 5},       {kJupiter, 6},   {kSaturn, 11},
                                       {kUranus, 9},     {kNeptune, 10},  {kPluto, 14},
                                       {kNorthNode, 16}, {kSouthNode, 8}, {kPartOfFortune, 17}};
  EXPECT_EQ(with_sun, expected);
}

TEST_F(AspectGrid, OrbFileIsReadAgainForEveryPrint) {
  const auto sun_moon_conjunct = [&] {
    RecordingMessages messages;
    for (const GridCell& cell : Print(orb_file, messages)) {
      if (cell.row_object == kMoon && cell.column_object == kSun) return cell.code == 2;
    }
    return false;
  };
  WriteOrbFile(orb_file, 1);
  EXPECT_TRUE(sun_moon_conjunct());
  WriteOrbFile(orb_file, 0.1);
  EXPECT_FALSE(sun_moon_conjunct());
}

TEST_F(AspectGrid, MissingOrbFileIsReportedAndTheGridHasNoAspectsAndNoGridReadsNoFile) {
  RecordingMessages messages;
  const RecordingSurface surface = GridCase(orb_file + ".missing").Print(messages);
  EXPECT_EQ(messages.titles, std::vector<std::string>{"Warning!"});
  EXPECT_TRUE(GridCells(surface).empty());
  EXPECT_FALSE(surface.TextsOfSize(kGridSize).empty()) << "the labels are printed";

  RecordingMessages no_grid;
  WheelCase wheel = GridCase(orb_file + ".missing");
  EXPECT_TRUE(wheel.Set({{122, 0}}).Print(no_grid).TextsOfSize(kGridSize).empty());
  EXPECT_TRUE(no_grid.texts.empty()) << "the orb file is not read";
}

}  // namespace
}  // namespace kairotex::test
