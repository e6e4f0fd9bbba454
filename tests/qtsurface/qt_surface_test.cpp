// The Qt drawing surface: user coordinates to pixels, circles, text and colours.
#include "chartview/qt/qt_surface.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QImage>

#include "qt_test_support.h"

namespace kairotex {
namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kRed{255, 0, 0};

class QtSurfaceTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { glyph_family_ = test::StartQtWithGlyphFont(); }

  static QImage WhiteImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
  }
  // Aliased, so that a line's pixels have exactly its colour.
  static QtSurfaceOptions Crisp() {
    QtSurfaceOptions options;
    options.antialias = false;
    options.glyph_family = glyph_family_;
    return options;
  }

  static inline QString glyph_family_;
};

TEST_F(QtSurfaceTest, UserScaleWithYUpPutsTheTopLeftCornerAtPixelZeroInPaletteColours) {
  QImage image = WhiteImage(400, 300);
  {
    QtSurface surface(image, Crisp());
    const double s = 200, top = s * 300.0 / 400.0;
    surface.SetUserScale(-s, top, s, -top);
    EXPECT_EQ(surface.ToDevice(-s, top), QPointF(0, 0));
    EXPECT_EQ(surface.ToDevice(0, 0), QPointF(200, 150));
    EXPECT_EQ(surface.ToDevice(s, -top), QPointF(400, 300));
    // y grows upwards: a point above the centre is higher in the image.
    EXPECT_LT(surface.ToDevice(0, 50).y(), 150);
    surface.Clear(QBColor(3));
    surface.Line(-s, top, 0, 0, QBColor(12));
  }
  EXPECT_TRUE(test::PixelIs(image, 0, 0, kRed));
  EXPECT_TRUE(test::PixelIs(image, 100, 75, kRed));
  EXPECT_TRUE(test::PixelIs(image, 399, 0, Rgb{0, 128, 128}));
  EXPECT_TRUE(test::PixelIs(image, 0, 299, Rgb{0, 128, 128}));
}

TEST_F(QtSurfaceTest, SurfaceOnPartOfAPainterKeepsInsideItsArea) {
  QImage image = WhiteImage(200, 200);
  {
    QPainter painter(&image);
    QtSurface surface(painter, QRectF(100, 100, 100, 100), Crisp());
    surface.SetUserScale(-1, 1, 1, -1);
    EXPECT_EQ(surface.ToDevice(-1, 1), QPointF(100, 100));
    surface.Clear(QBColor(14));
    surface.Line(-10, 0, 10, 0, kRed);  // reaches far outside the area
  }
  EXPECT_TRUE(test::PixelIs(image, 150, 150, kRed));
  EXPECT_TRUE(test::PixelIs(image, 120, 120, Rgb{255, 255, 0}));
  EXPECT_TRUE(test::PixelIs(image, 50, 150, kWhite));
  EXPECT_TRUE(test::PixelIs(image, 99, 99, kWhite));
}

TEST_F(QtSurfaceTest, CircleRadiusIsMeasuredOnTheXAxisAndRoundOnTheDevice) {
  // 1 pixel per unit across, 2 pixels per unit up and down; centre (100, 150).
  QImage image = WhiteImage(200, 300);
  {
    QtSurface surface(image, Crisp());
    surface.SetUserScale(-100, 75, 100, -75);
    surface.Circle(0, 0, 40, kRed);
  }
  // Ink around (140, 150) and (100, 110), 40 pixels up, none at (100, 70),
  // where 40 units up would be.
  EXPECT_GT(test::InkIn(image, QRect(137, 147, 6, 6), kWhite), 0);
  EXPECT_GT(test::InkIn(image, QRect(97, 107, 6, 6), kWhite), 0);
  EXPECT_EQ(test::InkIn(image, QRect(97, 67, 6, 6), kWhite), 0);
  EXPECT_EQ(test::InkIn(image, QRect(90, 140, 20, 20), kWhite), 0);  // not filled
}

TEST_F(QtSurfaceTest, TextMeasuresPositiveInUserUnits) {
  QImage image = WhiteImage(400, 300);
  QtSurface surface(image, Crisp());
  surface.SetFont({"HORARY", 10, false});
  const TextExtent pixels = surface.MeasureText("0");
  EXPECT_GT(pixels.width, 0);
  EXPECT_GT(pixels.height, pixels.width);
  // Two units a pixel across and three up and down: the extent in units grows.
  surface.SetUserScale(-400, 450, 400, -450);
  const TextExtent units = surface.MeasureText("0");
  EXPECT_NEAR(units.width, 2 * pixels.width, 1e-9);
  EXPECT_NEAR(units.height, 3 * pixels.height, 1e-9);
  // Longer text is wider; bold and larger sizes are wider still.
  EXPECT_GT(surface.MeasureText("00").width, units.width);
  surface.SetFont({"HORARY", 20, true});
  EXPECT_GT(surface.MeasureText("0").width, units.width);
}

TEST_F(QtSurfaceTest, GlyphCodesOfTheWheelHaveWidthAndInk) {
  ASSERT_FALSE(glyph_family_.isEmpty()) << "data/horary.ttf did not load";
  std::string codes = "\x9c";                                      // the retrograde mark
  for (int c = 161; c <= 177; ++c) codes += static_cast<char>(c);  // aspects
  for (int c = 192; c <= 203; ++c) codes += static_cast<char>(c);  // signs
  for (int c = 224; c <= 239; ++c) codes += static_cast<char>(c);  // objects
  for (char code : codes) {
    const std::string text(1, code);
    QImage image = WhiteImage(60, 60);
    {
      QtSurface surface(image, Crisp());
      surface.SetFont({"HORARY", 12, false});
      EXPECT_GT(surface.MeasureText(text).width, 0) << "code " << (code & 0xff);
      surface.Text(10, 10, text, QBColor(0));
    }
    EXPECT_GT(test::InkIn(image, image.rect(), kWhite), 0) << "code " << (code & 0xff);
  }
}

TEST_F(QtSurfaceTest, TextHangsBelowAndRightOfItsTopLeftCornerOnATransparentBackground) {
  QImage image = WhiteImage(200, 200);
  {
    QtSurface surface(image, Crisp());
    surface.SetUserScale(0, 200, 200, 0);  // y up
    surface.Clear(QBColor(14));
    surface.SetFont({"HORARY", 14, false});
    surface.Text(50, 150, "MMM", QBColor(0));
  }
  const Rgb yellow{255, 255, 0};
  // The corner at pixel (50, 50); ink only below and to the right of it.
  EXPECT_GT(test::InkIn(image, QRect(50, 50, 100, 40), yellow), 0);
  EXPECT_EQ(test::InkIn(image, QRect(0, 0, 200, 50), yellow), 0);
  EXPECT_EQ(test::InkIn(image, QRect(0, 0, 50, 200), yellow), 0);
  // The text's cell keeps the background between the strokes.
  EXPECT_TRUE(test::PixelIs(image, 50, 50, yellow));
}

TEST_F(QtSurfaceTest, MissingGlyphFontFallsBackToTheDefaultFont) {
  QtSurfaceOptions options = Crisp();
  options.glyph_family.clear();
  QImage image = WhiteImage(100, 60);
  {
    QtSurface surface(image, options);
    surface.SetFont({"HORARY", 12, true});
    EXPECT_TRUE(surface.font().bold());
    EXPECT_GT(surface.MeasureText("\xe0").width, 0);
    surface.Text(5, 5, "\xe0\xc0 Sun", QBColor(0));
  }
  EXPECT_GT(test::InkIn(image, image.rect(), kWhite), 0);
}

TEST_F(QtSurfaceTest, FontSizeFollowsThePixelsPerPoint) {
  QImage image = WhiteImage(100, 100);
  QtSurfaceOptions options = Crisp();
  options.pixels_per_point = 2.0;
  QtSurface surface(image, options);
  surface.SetFont({"HORARY", 12, false});
  // Qt takes the size in points at the device's resolution.
  EXPECT_NEAR(surface.font().pointSizeF() * image.logicalDpiY() / 72.0, 24.0, 1e-9);
  const double small = surface.MeasureText("0").width;
  surface.SetFont({"HORARY", 24, false});
  EXPECT_NEAR(surface.MeasureText("0").width, 2 * small, 0.5);
}

}  // namespace
}  // namespace kairotex
