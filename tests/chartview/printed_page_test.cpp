// The printed full page: its scale, the printer's options, the heading with
// "Sidereal", and the aspect grid with the orbs of the orb file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <vector>

#include "wheel_test_chart.h"

namespace kairotex::test {
namespace {

TEST(PrintChartwheelPage, PageScalePutsTheWheelInTheUpperPartOfThePage) {
  struct Case {
    int16_t style;
    bool chart_exists;
    double left, top, right, bottom;
  };
  for (const Case& c : {Case{kAmericanStyle, true, -249, 263.25, 250, -371.25},
                        Case{kEuropeanStyle, true, -256, 272, 257, -380},
                        Case{kEuropeanStyle, false, -249, 263.25, 250, -371.25}}) {
    WheelCase wheel{HandChart(10)};
    wheel.style = c.style;
    wheel.chart_exists = c.chart_exists;
    RecordingMessages messages;
    const RecordingSurface surface = wheel.Print(messages);
    ASSERT_EQ(surface.scales.size(), 1u);
    EXPECT_DOUBLE_EQ(surface.scales[0].left, c.left);
    EXPECT_DOUBLE_EQ(surface.scales[0].top, c.top);
    EXPECT_DOUBLE_EQ(surface.scales[0].right, c.right);
    EXPECT_DOUBLE_EQ(surface.scales[0].bottom, c.bottom);
  }
}

TEST(PrintChartwheelPage, DrawsWithThePrintersOptions) {
  WheelCase wheel{HandChart(10)};
  wheel.options[122] = 0;
  wheel.options[101] = 1;  // window circles
  wheel.options[102] = 2;  // window spokes
  wheel.options[115] = 3;  // printed circles
  wheel.options[116] = 5;  // printed spokes
  wheel.options[72] = 12;
  wheel.options[82] = 13.5;
  wheel.options[107] = 6;
  RecordingMessages messages;
  const RecordingSurface surface = wheel.Print(messages);
  for (const DrawnCircle& c : surface.circles) EXPECT_EQ(c.colour, QBColor(3));
  int spokes = 0;
  for (const DrawnLine& l : surface.lines) spokes += l.colour == QBColor(5);
  EXPECT_EQ(spokes, 12);
  for (int object = 1; object <= ObjectCount; ++object) {
    const auto glyphs = ObjectGlyphs(surface, object);
    ASSERT_EQ(glyphs.size(), 1u) << object;
    EXPECT_EQ(glyphs[0].font.size_points, 13.5);
    EXPECT_EQ(glyphs[0].colour, QBColor(6));
  }
}

TEST(PrintChartHeader, HeadingStartsAtTheLeftEdgeBelowTheTopAndNamesASiderealZodiac) {
  struct Case {
    float zodiac;
    bool sidereal;
  };
  for (const Case& c : {Case{0, false}, Case{1, true}, Case{2, true}}) {
    WheelCase wheel{HandChart(10)};
    wheel.options[122] = 0;
    wheel.options[123] = c.zodiac;
    wheel.options[55] = 10;
    wheel.options[78] = 9.5;
    wheel.options[103] = 4;
    RecordingMessages messages;
    const RecordingSurface surface = wheel.Print(messages);
    std::vector<DrawnText> heading;
    for (const DrawnText& t : surface.TextsOfSize(9.5)) heading.push_back(t);
    ASSERT_EQ(heading.size(), c.sidereal ? 8u : 7u) << c.zodiac;
    EXPECT_EQ(heading[0].text, "heading line 1");
    EXPECT_DOUBLE_EQ(heading[0].x, -249);
    EXPECT_DOUBLE_EQ(heading[0].y, 263.25 - 10);
    EXPECT_EQ(heading[0].colour, QBColor(4));
    EXPECT_EQ(heading[6].text, "heading line 7");
    if (c.sidereal) {
      EXPECT_EQ(heading[7].text, "Sidereal");
      EXPECT_DOUBLE_EQ(heading[7].x, -249);
      EXPECT_LT(heading[7].y, heading[6].y);
    }
  }
}

TEST(PrintChartwheelPage, DeclinationPageHasTheDeclinationFrameAndNoCuspLabels) {
  WheelCase wheel{DeclinationChart({})};
  wheel.options[122] = 0;
  wheel.options[79] = 10.5;
  RecordingMessages messages;
  const RecordingSurface surface = wheel.Print(messages);
  ASSERT_EQ(surface.circles.size(), 1u);
  EXPECT_EQ(surface.circles[0].radius, 200);
  EXPECT_TRUE(surface.TextsOfSize(10.5).empty());
}

// The aspect grid, written in size 6.5, which nothing else of the page uses.
constexpr double kGridSize = 6.5;

// Orbs of the temporary orb file: line n is the orb of aspect code n + 1.
void WriteOrbFile(const std::string& path, double conjunction) {
  std::ofstream out(path, std::ios::binary);
  const double orbs[17] = {conjunction, 1, 1, 1, 1, 0, 1, 1, 1, 1, 0.5, 0.5, 1, 0.5, 1, 0.5, 0};
  for (double orb : orbs) out << orb << "      orb\r\n";
}

// Against the Sun at 100: each object makes one aspect (or none).
ChartState GridChart(const std::string& orb_file) {
  ChartState chart = HandChart(10, {{kSun, 100},
                                    {kMoon, 100.3},
                                    {kMercury, 160.2},
                                    {kVenus, 190.2},
                                    {kMars, 220.2},
                                    {kJupiter, 280.2},
                                    {kSaturn, 250.2},
                                    {kUranus, 145.2},
                                    {kNeptune, 235.2},
                                    {kPluto, 172.2},
                                    {kNorthNode, 244.2},
                                    {kSouthNode, 130.2},
                                    {kPartOfFortune, 151.6},
                                    {kAscendant, 105},
                                    {kMidheaven, 120},
                                    {kChiron, 87}});
  chart.CurrentOrbFile = orb_file;
  return chart;
}

WheelCase GridCase(const std::string& orb_file) {
  WheelCase wheel{GridChart(orb_file)};
  wheel.options[122] = 1;
  wheel.options[119] = 1;
  wheel.options[120] = kGridSize;
  wheel.options[121] = 270;
  for (int option = 124; option <= 130; ++option) wheel.options[option] = option - 123;
  return wheel;
}

constexpr int kGridOrder[] = {
    kSun,     kMoon,  kMercury,   kVenus,     kMars,          kJupiter,   kSaturn,    kUranus,
    kNeptune, kPluto, kNorthNode, kSouthNode, kPartOfFortune, kAscendant, kMidheaven, kChiron};

int GridPosition(int object) {
  for (int i = 0; i < ObjectCount; ++i) {
    if (kGridOrder[i] == object) return i;
  }
  return -1;
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
  std::string orb_file;
};

TEST_F(AspectGrid, EachPairOnceInTheLowerTriangleColouredByItsAspect) {
  WriteOrbFile(orb_file, 1);
  RecordingMessages messages;
  const RecordingSurface surface = GridCase(orb_file).Print(messages);
  EXPECT_TRUE(messages.texts.empty());
  const auto cells = GridCells(surface);
  ASSERT_FALSE(cells.empty());

  // Colour option of each aspect code (124 + ...), set to QBColor 1..7.
  const std::map<int, int> colour_by_code = {{2, 1},  {3, 2},  {5, 2},  {4, 3},  {6, 3},
                                             {11, 4}, {9, 5},  {10, 5}, {14, 6}, {16, 6},
                                             {8, 7},  {17, 7}, {12, 7}, {13, 7}, {15, 7}};
  std::map<std::pair<int, int>, int> seen;
  for (const GridCell& cell : cells) {
    ASSERT_NE(cell.row_object, 0);
    ASSERT_NE(cell.column_object, 0);
    EXPECT_LT(GridPosition(cell.column_object), GridPosition(cell.row_object))
        << cell.row_object << "/" << cell.column_object;
    EXPECT_EQ(cell.colour, QBColor(colour_by_code.at(cell.code))) << "code " << cell.code;
    ++seen[{cell.row_object, cell.column_object}];
  }
  for (const auto& [pair, count] : seen) EXPECT_EQ(count, 1) << pair.first << "/" << pair.second;

  // The Sun's column.
  const std::map<int, int> with_sun = {{kMoon, 2},       {kMercury, 3},   {kVenus, 4},
                                       {kMars, 5},       {kJupiter, 6},   {kSaturn, 11},
                                       {kUranus, 9},     {kNeptune, 10},  {kPluto, 14},
                                       {kNorthNode, 16}, {kSouthNode, 8}, {kPartOfFortune, 17}};
  std::map<int, int> found;
  for (const GridCell& cell : cells) {
    if (cell.column_object == kSun) found[cell.row_object] = cell.code;
  }
  EXPECT_EQ(found, with_sun);
}

TEST_F(AspectGrid, OrbFileIsReadAgainForEveryPrint) {
  const auto sun_moon_conjunct = [&] {
    RecordingMessages messages;
    const RecordingSurface surface = GridCase(orb_file).Print(messages);
    for (const GridCell& cell : GridCells(surface)) {
      if (cell.row_object == kMoon && cell.column_object == kSun) return cell.code == 2;
    }
    return false;
  };
  WriteOrbFile(orb_file, 1);
  EXPECT_TRUE(sun_moon_conjunct());
  WriteOrbFile(orb_file, 0.1);
  EXPECT_FALSE(sun_moon_conjunct());
}

TEST_F(AspectGrid, MissingOrbFileIsReportedAndTheGridHasNoAspects) {
  RecordingMessages messages;
  const RecordingSurface surface = GridCase(orb_file + ".missing").Print(messages);
  EXPECT_EQ(messages.titles, std::vector<std::string>{"Warning!"});
  EXPECT_TRUE(GridCells(surface).empty());
  EXPECT_FALSE(surface.TextsOfSize(kGridSize).empty()) << "the labels are printed";
}

TEST_F(AspectGrid, NoGridWhenOption122IsZero) {
  WriteOrbFile(orb_file, 1);
  WheelCase wheel = GridCase(orb_file + ".missing");
  wheel.options[122] = 0;
  RecordingMessages messages;
  const RecordingSurface surface = wheel.Print(messages);
  EXPECT_TRUE(messages.texts.empty()) << "the orb file is not read";
  EXPECT_TRUE(surface.TextsOfSize(kGridSize).empty());
}

}  // namespace
}  // namespace kairotex::test
