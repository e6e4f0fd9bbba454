#include "qt_test_support.h"

#include <cstdlib>

#include "chartview/qt/gui_application.h"
#include "chartview/qt/horary_font.h"
#include "test_paths.h"

namespace kairotex::test {

QString StartQtWithGlyphFont() {
  EnsureGuiApplication();
  return LoadHoraryFont(DataDir()).family;
}

bool PixelIs(const QImage& image, int x, int y, Rgb colour, int tolerance) {
  const QColor pixel = image.pixelColor(x, y);
  return std::abs(pixel.red() - colour.r) <= tolerance &&
         std::abs(pixel.green() - colour.g) <= tolerance &&
         std::abs(pixel.blue() - colour.b) <= tolerance;
}

int InkIn(const QImage& image, const QRect& area, Rgb background) {
  const QRect inside = area.intersected(image.rect());
  int count = 0;
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) {
      if (!PixelIs(image, x, y, background, 64)) ++count;
    }
  }
  return count;
}

}  // namespace kairotex::test
