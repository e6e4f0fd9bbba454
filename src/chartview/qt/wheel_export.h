// The chartwheel as files: a raster image (PNG), an SVG drawing and a PDF
// page. The application (gui_application.h) must exist; glyph_family is the
// family LoadHoraryFont gave, or empty for the default font.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSize>
#include <QString>
#include <string>

#include "chart/platform.h"
#include "chartview/chartwheel.h"

namespace kairotex {

// The drawing width of the large screen class: the default image width, and
// the screen drawing width the printed page is laid out for.
inline constexpr int kWindowDrawingWidth = 1024;
inline constexpr int kWindowDrawingHeight = 768;

// Paints the wheel over the whole image as a window with a client area of
// the image's size shows it (device_scale.h: the drawing units of an area,
// the text size), StartScale by the window's rule.
void PaintWheelImage(QImage& image, const WheelInputs& inputs, const QString& glyph_family);

// A new image of the given size with the wheel painted on it.
QImage RenderWheelImage(QSize size, const WheelInputs& inputs, const QString& glyph_family);

// The writers return false with the reason, naming the file, in *error.

// A PNG of the window's wheel.
bool WriteWheelImage(const std::string& path, QSize size, const WheelInputs& inputs,
                     const QString& glyph_family, std::string* error);

// An SVG of the window's wheel; its text is drawn as outlines, so that the
// file shows the glyphs where the glyph font is not installed.
bool WriteWheelSvg(const std::string& path, QSize size, const WheelInputs& inputs,
                   const QString& glyph_family, std::string* error);

enum class PdfPage {
  kFull,  // the printer's page: wheel, heading and aspect grid
  kHalf,  // the window's wheel in the top half, with the print background
};

// One printed page on a painter that has begun on a printer or PDF writer;
// `printable` is the painter's printable rectangle in device pixels. The
// full page is laid out for the screen class's drawing width.
void PaintWheelPage(QPainter& painter, const QRectF& printable, PdfPage page,
                    const WheelInputs& inputs, const QString& glyph_family,
                    double screen_drawing_width, MessageSink& messages);

// The window's wheel drawn into `area` of a painter (device pixels), as the
// main window shows it: drawing units and text size from the area's pixels,
// StartScale by the window's rule.
void PaintWindowWheel(QPainter& painter, const QRectF& area, const WheelInputs& inputs,
                      const QString& glyph_family);

// One A4 portrait page. The full page reads the orb file for its aspect grid
// and reports trouble with it through `messages`.
bool WriteWheelPdf(const std::string& path, PdfPage page, const WheelInputs& inputs,
                   const QString& glyph_family, MessageSink& messages, std::string* error);

}  // namespace kairotex
