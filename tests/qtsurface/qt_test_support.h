// What the Qt surface tests share: the application, the glyph font, pixels.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

#include "chartview/drawing_surface.h"

namespace kairotex::test {

// The application (offscreen without a display) and the delivered glyph
// font; returns the font's family, empty when it cannot be loaded.
QString StartQtWithGlyphFont();

// True when the pixel has the colour within `tolerance` in every channel.
bool PixelIs(const QImage& image, int x, int y, Rgb colour, int tolerance = 0);

// Pixels inside `area` that differ from `background` by more than 64 in
// some channel.
int InkIn(const QImage& image, const QRect& area, Rgb background);

}  // namespace kairotex::test
