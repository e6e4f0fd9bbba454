// What the Qt surface tests share: the application, the glyph font, pixels.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <cstdlib>

#include "chartview/drawing_surface.h"
#include "chartview/qt/gui_application.h"
#include "chartview/qt/horary_font.h"
#include "test_paths.h"

namespace kairotex::test {

// The application (offscreen without a display) and the delivered glyph
// font; returns the font's family, empty when it cannot be loaded.
inline QString StartQtWithGlyphFont() {
  EnsureGuiApplication();
  return LoadHoraryFont(DataDir()).family;
}

// True when the pixel has the colour within `tolerance` in every channel.
inline bool PixelIs(const QImage& image, int x, int y, Rgb colour, int tolerance = 0) {
  const QColor pixel = image.pixelColor(x, y);
  return std::abs(pixel.red() - colour.r) <= tolerance &&
         std::abs(pixel.green() - colour.g) <= tolerance &&
         std::abs(pixel.blue() - colour.b) <= tolerance;
}

// Pixels inside `area` that differ from `background` by more than 64 in
// some channel.
inline int InkIn(const QImage& image, const QRect& area, Rgb background) {
  const QRect inside = area.intersected(image.rect());
  int count = 0;
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x)
      count += !PixelIs(image, x, y, background, 64);
  }
  return count;
}

}  // namespace kairotex::test
