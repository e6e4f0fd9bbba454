// The window's drawing on a device area, the text and line size rules and the page layout.
#include "chartview/qt/device_scale.h"

#include <gtest/gtest.h>

#include "chartview/qt/page_layout.h"

namespace kairotex {
namespace {

TEST(WindowScale, DrawingTextAndLinesFollowTheWheel) {
  // As wide as the pixels, shortened by the vertical factor: 4:3 in 929 x 720.
  const DrawingSize drawing = WindowDrawingSize(929, 720);
  EXPECT_TRUE(drawing.width == 929 && drawing.height == 720 * 0.9675);
  EXPECT_NEAR(WindowPixelsPerPoint(929, 720), 4.0 / 3.0, 0.002);
  const double base = WindowPixelsPerPoint(1024, 768);
  EXPECT_NEAR(base, 1.42, 0.01);  // 10 points are about 14 pixels
  EXPECT_NEAR(WindowPixelsPerPoint(2048, 1536), 2 * base, 1e-12);
  EXPECT_NEAR(WindowPixelsPerPoint(3000, 768), base, 1e-12);  // a wider area: the same wheel
  EXPECT_NEAR(WindowPixelsPerPoint(488, 2000), 4.0 / 3.0 * 600.0 / 929.0, 1e-12);  // by its width
  // Lines three quarters of a point in whole pixels, at least one.
  const std::pair<double, double> widths[] = {{0.5, 1}, {base, 1}, {2 * base, 2}, {600.0 / 72, 6}};
  for (const auto& [pixels_per_point, width] : widths) {
    EXPECT_DOUBLE_EQ(LineWidthPixels(pixels_per_point), width) << pixels_per_point;
  }
}

TEST(PageLayout, FullPageIsAnEightByTenAndAHalfInchAreaHalfPageTheWindowInTheTopHalf) {
  // A4 at 1200 dots per inch inside quarter-inch margins: narrower than 8 x 10.5.
  const QRectF a4(0, 0, (210.0 - 12.7) / 25.4 * 1200, (297.0 - 12.7) / 25.4 * 1200);
  const QRectF full = FullPageArea(a4);
  EXPECT_NEAR(full.width() / full.height(), 8.0 / 10.5, 1e-12);
  EXPECT_DOUBLE_EQ(full.width(), a4.width());
  EXPECT_DOUBLE_EQ(full.top(), 0);
  EXPECT_LE(full.bottom(), a4.bottom());
  EXPECT_NEAR(FullPagePixelsPerPoint(full) * 576, full.width(), 1e-9);  // 576 points across
  const QRectF wide = FullPageArea(QRectF(0, 0, 2000, 1000));
  EXPECT_DOUBLE_EQ(wide.height(), 1000);
  EXPECT_NEAR(wide.center().x(), 1000, 1e-9);
  const QRectF half = HalfPageArea(a4);
  EXPECT_NEAR(half.width() / half.height(), 1024.0 / 768.0 * kWindowVerticalFactor, 1e-12);
  EXPECT_DOUBLE_EQ(half.top(), 0);
  EXPECT_LE(half.bottom(), a4.height() / 2 + 1e-9);
  EXPECT_NEAR(half.center().x(), a4.center().x(), 1e-9);
}

}  // namespace
}  // namespace kairotex
