// The window's drawing on a device area, the text size rule and the page layout.
#include "chartview/qt/device_scale.h"

#include <gtest/gtest.h>

#include "chartview/qt/page_layout.h"

namespace kairotex {
namespace {

TEST(WindowDrawing, IsAsWideAsThePixelsAndShortenedByTheVerticalFactor) {
  const DrawingSize drawing = WindowDrawingSize(929, 720);
  EXPECT_DOUBLE_EQ(drawing.width, 929);
  EXPECT_DOUBLE_EQ(drawing.height, 720 * 0.9675);
  // The window's client area holds the 4:3 drawing.
  EXPECT_NEAR(drawing.height / drawing.width, 0.75, 0.001);
}

TEST(WindowText, APointIsFourThirdsOfAPixelOnTheLargeWindow) {
  EXPECT_NEAR(WindowPixelsPerPoint(929, 720), 4.0 / 3.0, 0.002);
}

TEST(WindowText, GrowsWithTheWheel) {
  const double base = WindowPixelsPerPoint(1024, 768);
  EXPECT_NEAR(base, 1.42, 0.01);  // 10 points are about 14 pixels
  EXPECT_NEAR(WindowPixelsPerPoint(2048, 1536), 2 * base, 1e-12);
  // A wider area shows the same wheel: the height decides.
  EXPECT_NEAR(WindowPixelsPerPoint(3000, 768), base, 1e-12);
  // A tall area's wheel follows its width (StartScale 244).
  EXPECT_NEAR(WindowPixelsPerPoint(488, 2000), 4.0 / 3.0 * 600.0 / 929.0, 1e-12);
}

TEST(LineWidth, ThreeQuartersOfAPointInWholePixelsButAtLeastOne) {
  EXPECT_DOUBLE_EQ(LineWidthPixels(4.0 / 3.0), 1.0);
  EXPECT_DOUBLE_EQ(LineWidthPixels(WindowPixelsPerPoint(1024, 768)), 1.0);
  EXPECT_DOUBLE_EQ(LineWidthPixels(WindowPixelsPerPoint(2048, 1536)), 2.0);
  EXPECT_DOUBLE_EQ(LineWidthPixels(600.0 / 72.0), 6.0);  // 6.25
  EXPECT_DOUBLE_EQ(LineWidthPixels(0.5), 1.0);
}

// A4 at 1200 dots per inch inside quarter-inch margins.
const QRectF kA4Printable(0, 0, (210.0 - 12.7) / 25.4 * 1200, (297.0 - 12.7) / 25.4 * 1200);

TEST(PageLayout, FullPageHasTheShapeOfAnEightByTenAndAHalfInchArea) {
  const QRectF area = FullPageArea(kA4Printable);
  EXPECT_NEAR(area.width() / area.height(), 8.0 / 10.5, 1e-12);
  EXPECT_DOUBLE_EQ(area.width(), kA4Printable.width());  // A4 is the narrower
  EXPECT_DOUBLE_EQ(area.top(), 0);
  EXPECT_LE(area.bottom(), kA4Printable.bottom());
  // Points keep their proportion to the area: 576 across.
  EXPECT_NEAR(FullPagePixelsPerPoint(area) * 576, area.width(), 1e-9);
}

TEST(PageLayout, FullPageOnAWidePrintableAreaIsCentredAcross) {
  const QRectF area = FullPageArea(QRectF(0, 0, 2000, 1000));
  EXPECT_DOUBLE_EQ(area.height(), 1000);
  EXPECT_NEAR(area.center().x(), 1000, 1e-9);
}

TEST(PageLayout, HalfPageIsTheWindowInTheTopHalf) {
  const QRectF area = HalfPageArea(kA4Printable);
  EXPECT_NEAR(area.width() / area.height(), 1024.0 / 768.0 * kWindowVerticalFactor, 1e-12);
  EXPECT_DOUBLE_EQ(area.top(), 0);
  EXPECT_LE(area.bottom(), kA4Printable.height() / 2 + 1e-9);
  EXPECT_NEAR(area.center().x(), kA4Printable.center().x(), 1e-9);
}

}  // namespace
}  // namespace kairotex
