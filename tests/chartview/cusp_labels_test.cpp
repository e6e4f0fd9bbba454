// Cusp labels and intercepted signs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "wheel_test_chart.h"

namespace kairotex::test {
namespace {

constexpr double kPi = 3.14159265358979323846;

// Cusp degrees and cusp signs in size 10.5, minutes in 7.5: nothing else of
// the wheel uses these sizes.
WheelCase LabelCase(ChartState chart, int16_t style) {
  WheelCase wheel{std::move(chart)};
  wheel.style = style;
  wheel.options[69] = 10.5;
  wheel.options[70] = 10.5;
  wheel.options[71] = 7.5;
  wheel.options[89] = 1;
  wheel.options[90] = 4;
  wheel.options[91] = 2;
  return wheel;
}

TEST(DrawCuspLabels, AmericanLabelsStandAtTheLabelTablePlaces) {
  // Wheel position 1 is the 10th cusp, 4 the Ascendant.
  struct Case {
    int wheel_index;
    double cusp;
    std::vector<std::string> items;  // degree tens, units, sign, minute tens, units
  };
  const std::vector<Case> cases = {
      {1, 275.5, {"0", "5", std::string(1, char(191 + 10)), "3", "0"}},
      {4, 17.25, {"1", "7", std::string(1, char(191 + 1)), "1", "5"}},
      {9, 238.9833333, {"2", "8", std::string(1, char(191 + 8)), "5", "9"}},
  };
  ChartState chart = HandChart(0);
  for (const Case& c : cases) chart.CuspWheel[c.wheel_index] = c.cusp;
  const RecordingSurface surface = LabelCase(chart, kAmericanStyle).Paint();
  const auto& table = DeliveredProgram().tables.HcData;
  const std::vector<double> sizes = {10.5, 10.5, 10.5, 7.5, 7.5};
  const std::vector<Rgb> colours = {QBColor(1), QBColor(1), QBColor(4), QBColor(2), QBColor(2)};
  for (const Case& c : cases) {
    for (int k = 0; k < 5; ++k) {
      const double x = table[10 * c.wheel_index - 10 + 2 * k];
      const double y = table[10 * c.wheel_index - 9 + 2 * k];
      const auto found = std::find_if(surface.texts.begin(), surface.texts.end(),
                                      [&](const DrawnText& t) { return t.x == x && t.y == y; });
      ASSERT_NE(found, surface.texts.end()) << c.wheel_index << " item " << k;
      EXPECT_EQ(found->text, c.items[k]) << c.wheel_index << " item " << k;
      EXPECT_EQ(found->font.size_points, sizes[k]);
      EXPECT_EQ(found->font.bold, k < 2) << "the degree is bold";
      EXPECT_EQ(found->colour, colours[k]);
    }
  }
}

// A European label row's box: its items found by the sign glyph's line.
struct RowBox {
  double left = 1e9, right = -1e9, top = -1e9, bottom = 1e9;
};

RowBox RowOfSign(const RecordingSurface& surface, int sign_code, double degree_size) {
  const auto signs = surface.TextsOfCode(sign_code);
  const auto sign = std::find_if(signs.begin(), signs.end(), [&](const DrawnText& t) {
    return t.font.size_points == degree_size;
  });
  RowBox row;
  if (sign == signs.end()) return row;
  for (const DrawnText& t : surface.texts) {
    const bool label_font = t.font.size_points <= degree_size;
    if (!label_font || std::fabs(t.y - sign->y) > 3 || std::fabs(t.x - sign->x) > 40) continue;
    const double size = t.font.size_points;
    row.left = std::min(row.left, t.x);
    row.right = std::max(row.right, t.x + kCharWidthFactor * size * t.text.size());
    row.top = std::max(row.top, t.y);
    row.bottom = std::min(row.bottom, t.y - kLineHeightFactor * size);
  }
  return row;
}

int SignCodeOfLongitude(double longitude) {
  return 191 + static_cast<int>(std::fmod(longitude, 360) / 30) + 1;
}

TEST(DrawCuspLabels, EuropeanRowsEndAtTheAnchorOnTheLeftAndCentreOnItNearTheVertical) {
  // Equal houses from 5 Aries: the cusps stand at every 30 degrees from the
  // Descendant, each in its own sign. Small label fonts, so that no row comes
  // near the outer circle or the window's edge except at the top and bottom.
  WheelCase wheel = LabelCase(HandChart(5), kEuropeanStyle);
  wheel.options[69] = 6;
  wheel.options[70] = 6;
  wheel.options[71] = 5;
  const RecordingSurface surface = wheel.Paint();
  struct Case {
    double angle;  // from the Descendant
    double shift;  // of the row's left end from the anchor
  };
  const std::vector<Case> cases = {{0, 0},     {30, 0},    {60, 0},    {120, -49}, {150, -49},
                                   {180, -49}, {210, -49}, {240, -49}, {300, 0},   {330, 0}};
  for (const Case& c : cases) {
    const double a = c.angle * kPi / 180;
    const RowBox row = RowOfSign(surface, SignCodeOfLongitude(185 + c.angle), 6);
    EXPECT_NEAR(row.top, 0.91984662 * 236 * std::sin(a), 1e-6) << c.angle;
    EXPECT_NEAR(row.left, 236 * std::cos(a) + c.shift, 1e-6) << c.angle;
  }
  // At the top the row, hanging from its anchor, would cross the outer
  // circle: it moves up just so far that it clears it.
  const RowBox top = RowOfSign(surface, SignCodeOfLongitude(185 + 90), 6);
  EXPECT_NEAR(top.left, -23, 1e-6);
  EXPECT_GE(top.bottom, 217 * 0.9675);
  EXPECT_LT(top.bottom, 217 * 0.9675 + 4);
}

TEST(DrawCuspLabels, EuropeanRowsStayOnThePageAndOffTheCircle) {
  // The Ascendant and Descendant rows stand beside the wheel, where the
  // printed page is narrowest, and the Midheaven and IC rows above and below
  // it, where the window is lowest.
  const std::vector<double> angles = {0, 90, 180, 270};
  WheelCase wheel = LabelCase(HandChart(5), kEuropeanStyle);
  wheel.options[69] = 8;
  wheel.options[70] = 8;
  wheel.options[71] = 7;
  RecordingMessages messages;
  const RecordingSurface page = wheel.Print(messages);
  const RecordingSurface window = wheel.Paint();
  for (const RecordingSurface* surface : {&page, &window}) {
    const UserScale& area = surface->scales.back();
    for (const double angle : angles) {
      const RowBox row = RowOfSign(*surface, SignCodeOfLongitude(185 + angle), 8);
      EXPECT_GE(row.left, area.left) << angle;
      EXPECT_LE(row.right, area.right) << angle;
      EXPECT_LE(row.top, area.top) << angle;
      EXPECT_GE(row.bottom, area.bottom) << angle;
      // Clear of the outer circle, which is flattened in user units.
      const double x = std::clamp(0.0, row.left, row.right) / 217;
      const double y = std::clamp(0.0, row.bottom, row.top) / (217 * 0.9675);
      EXPECT_GE(x * x + y * y, 1.0) << angle;
    }
  }
}

struct InterceptCase {
  int16_t style;
  int sign;
  double angle;
};

TEST(DrawInterceptedSigns, SignBetweenTwoCuspsStandsOutsideTheWheelInTheMiddleOfItsHouse) {
  // Taurus lies wholly in the 1st house (25 Aries to 5 Gemini), Scorpio in the 7th.
  ChartState chart = HandChart(0);
  SetCusps(chart, {25, 65, 95, 125, 150, 178, 205, 245, 275, 305, 330, 358});
  for (const InterceptCase& c :
       {InterceptCase{kAmericanStyle, 2, 195}, InterceptCase{kAmericanStyle, 8, 15},
        InterceptCase{kEuropeanStyle, 2, 200}, InterceptCase{kEuropeanStyle, 8, 20}}) {
    const RecordingSurface surface = LabelCase(chart, c.style).Paint();
    std::vector<DrawnText> outside;
    for (const DrawnText& t : surface.TextsOfSize(10.5)) {
      if (std::fabs(RadiusOf(t.x, t.y) - 236) < 1e-6 && t.Code() >= 192 && t.Code() <= 203) {
        outside.push_back(t);
      }
    }
    EXPECT_EQ(outside.size(), 2u) << "style " << c.style;
    const auto found = std::find_if(outside.begin(), outside.end(),
                                    [&](const DrawnText& t) { return t.Code() == 191 + c.sign; });
    ASSERT_NE(found, outside.end()) << "style " << c.style << " sign " << c.sign;
    EXPECT_NEAR(AngleOf(found->x, found->y), c.angle, 1e-6);
    EXPECT_EQ(found->colour, QBColor(4));
  }
}

TEST(DrawInterceptedSigns, NoneWhenEveryHouseBeginsInTheSignAfterTheLast) {
  const RecordingSurface surface = LabelCase(HandChart(5), kAmericanStyle).Paint();
  for (const DrawnText& t : surface.TextsOfSize(10.5)) {
    EXPECT_GT(std::fabs(RadiusOf(t.x, t.y) - 236), 1e-6) << t.Code();
  }
}

}  // namespace
}  // namespace kairotex::test
