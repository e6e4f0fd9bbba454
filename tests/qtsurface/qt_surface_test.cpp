// The Qt drawing surface on part of a painter (the printed page) and text
// sizes in user units at other resolutions; the window's whole drawing is
// compared pixel by pixel in the reference images.
#include "chartview/qt/qt_surface.h"

#include <gtest/gtest.h>

#include "qt_test_support.h"

namespace kairotex {
namespace {

constexpr Rgb kWhite{255, 255, 255}, kRed{255, 0, 0};

// A white image and an aliased surface, so that a line's pixels have exactly its colour.
struct Canvas {
  explicit Canvas(int width, int height, double pixels_per_point = 1)
      : image(width, height, QImage::Format_RGB32) {
    image.fill(Qt::white);
    options.antialias = false;
    options.glyph_family = test::StartQtWithGlyphFont();
    options.pixels_per_point = pixels_per_point;
  }
  QImage image;
  QtSurfaceOptions options;
};

TEST(QtSurface, SurfaceOnPartOfAPainterKeepsInsideItsArea) {
  Canvas canvas(200, 200);
  {
    QPainter painter(&canvas.image);
    QtSurface surface(painter, QRectF(100, 100, 100, 100), canvas.options);
    surface.SetUserScale(-1, 1, 1, -1);  // y up
    EXPECT_EQ(surface.ToDevice(-1, 1), QPointF(100, 100));
    EXPECT_EQ(surface.ToDevice(0.5, -1), QPointF(175, 200));
    surface.Clear(QBColor(14));
    surface.Line(-10, 0, 10, 0, kRed);  // reaches far outside the area
  }
  EXPECT_TRUE(test::PixelIs(canvas.image, 150, 150, kRed));
  EXPECT_TRUE(test::PixelIs(canvas.image, 120, 120, Rgb{255, 255, 0}));  // palette colour 14
  EXPECT_TRUE(test::PixelIs(canvas.image, 50, 150, kWhite));
  EXPECT_TRUE(test::PixelIs(canvas.image, 99, 99, kWhite));
}

TEST(QtSurface, TextMeasuresInUserUnitsAndGrowsWithThePixelsPerPoint) {
  Canvas canvas(400, 300, 2.0);
  QtSurface surface(canvas.image, canvas.options);
  surface.SetFont({"HORARY", 12, false});
  // Qt takes the size in points at the device's resolution.
  EXPECT_NEAR(surface.font().pointSizeF() * canvas.image.logicalDpiY() / 72.0, 24.0, 1e-9);
  const TextExtent pixels = surface.MeasureText("0");
  EXPECT_GT(pixels.height, pixels.width);
  // Two units a pixel across and three up and down.
  surface.SetUserScale(-400, 450, 400, -450);
  const TextExtent units = surface.MeasureText("0");
  EXPECT_NEAR(units.width, 2 * pixels.width, 1e-9);
  EXPECT_NEAR(units.height, 3 * pixels.height, 1e-9);
  EXPECT_GT(surface.MeasureText("00").width, units.width);
  surface.SetFont({"HORARY", 24, false});
  EXPECT_NEAR(surface.MeasureText("0").width, 2 * units.width, 1);
}

}  // namespace
}  // namespace kairotex
