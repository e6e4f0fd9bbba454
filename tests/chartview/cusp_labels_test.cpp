// Cusp labels and intercepted signs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "wheel_test_chart.h"

namespace kairotex::test {
namespace {

// Cusp degrees and cusp signs in size 10.5, minutes in 7.5: nothing else of
// the wheel uses these sizes.
WheelCase LabelCase(ChartState chart, int16_t style) {
  WheelCase wheel = WheelCase{std::move(chart)}
                        .Set({{69, 10.5f}, {70, 10.5f}, {71, 7.5f}, {89, 1}, {90, 4}, {91, 2}})
                        .Style(style);
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
      {9, 238.9833333, {"2", "8", std::string(1, char(191 + 8)), "5", "9"}}};
  ChartState chart = HandChart(0);
  for (const Case& c : cases) chart.CuspWheel[c.wheel_index] = c.cusp;
  const RecordingSurface surface = LabelCase(chart, kAmericanStyle).Paint();
  const auto& table = DeliveredProgram().tables.HcData;
  const double sizes[] = {10.5, 10.5, 10.5, 7.5, 7.5};
  const int colours[] = {1, 1, 4, 2, 2};
  for (const Case& c : cases) {
    for (int k = 0; k < 5; ++k) {
      const int at = 10 * c.wheel_index - 10 + 2 * k;
      const DrawnText* found = surface.TextAt(table[at], table[at + 1]);
      ASSERT_NE(found, nullptr) << c.wheel_index << " item " << k;
      EXPECT_EQ(found->text, c.items[k]) << c.wheel_index << " item " << k;
      EXPECT_EQ(found->font.size_points, sizes[k]);
      EXPECT_EQ(found->font.bold, k < 2) << "the degree is bold";
      EXPECT_EQ(found->colour, QBColor(colours[k]));
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
  const RecordingSurface surface =
      LabelCase(HandChart(5), kEuropeanStyle).Set({{69, 6}, {70, 6}, {71, 5}}).Paint();
  struct Case {
    double angle;  // from the Descendant
    double shift;  // of the row's left end from the anchor
  };
  const Case cases[] = {{0, 0},     {30, 0},    {60, 0},    {120, -49}, {150, -49},
                        {180, -49}, {210, -49}, {240, -49}, {300, 0},   {330, 0}};
  for (const Case& c : cases) {
    const RowBox row = RowOfSign(surface, SignCodeOfLongitude(185 + c.angle), 6);
    EXPECT_NEAR(row.top, 0.91984662 * 236 * SinDeg(c.angle), 1e-6) << c.angle;
    EXPECT_NEAR(row.left, 236 * CosDeg(c.angle) + c.shift, 1e-6) << c.angle;
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
  WheelCase wheel = LabelCase(HandChart(5), kEuropeanStyle).Set({{69, 8}, {70, 8}, {71, 7}});
  RecordingMessages messages;
  const RecordingSurface page = wheel.Print(messages);
  const RecordingSurface window = wheel.Paint();
  for (const RecordingSurface* surface : {&page, &window}) {
    const UserScale& area = surface->scales.back();
    for (const double angle : {0, 90, 180, 270}) {
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

// Sign glyphs drawn outside the wheel, where intercepted signs stand.
std::vector<DrawnText> OutsideSigns(const RecordingSurface& surface) {
  std::vector<DrawnText> outside;
  for (const DrawnText& t : surface.TextsOfSize(10.5)) {
    const bool sign = t.Code() >= 192 && t.Code() <= 203;
    if (sign && std::fabs(RadiusOf(t.x, t.y) - 236) < 1e-6) outside.push_back(t);
  }
  return outside;
}

TEST(DrawInterceptedSigns, SignBetweenTwoCuspsStandsOutsideTheWheelInTheMiddleOfItsHouse) {
  // Taurus lies wholly in the 1st house (25 Aries to 5 Gemini), Scorpio in the 7th.
  ChartState chart = HandChart(0);
  SetCusps(chart, {25, 65, 95, 125, 150, 178, 205, 245, 275, 305, 330, 358});
  struct Case {
    int16_t style;
    int sign;
    double angle;
  };
  for (const Case& c : {Case{kAmericanStyle, 2, 195}, Case{kAmericanStyle, 8, 15},
                        Case{kEuropeanStyle, 2, 200}, Case{kEuropeanStyle, 8, 20}}) {
    const auto outside = OutsideSigns(LabelCase(chart, c.style).Paint());
    EXPECT_EQ(outside.size(), 2u) << "style " << c.style;
    const auto found = std::find_if(outside.begin(), outside.end(),
                                    [&](const DrawnText& t) { return t.Code() == 191 + c.sign; });
    ASSERT_NE(found, outside.end()) << "style " << c.style << " sign " << c.sign;
    EXPECT_NEAR(AngleOf(found->x, found->y), c.angle, 1e-6);
    EXPECT_EQ(found->colour, QBColor(4));
  }
  // None when every house begins in the sign after the last.
  EXPECT_TRUE(OutsideSigns(LabelCase(HandChart(5), kAmericanStyle).Paint()).empty());
}

}  // namespace
}  // namespace kairotex::test
