#include "chartview/qt/wheel_export.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QBuffer>
#include <QSvgGenerator>

#include "chartview/qt/device_scale.h"
#include "chartview/qt/page_layout.h"
#include "chartview/qt/qt_surface.h"
#include "settings/safe_file_write.h"

namespace kairotex {
namespace {

// A quarter inch all round, what most printers cannot print on anyway.
constexpr double kPageMarginMillimetres = 6.35;
constexpr int kPdfDotsPerInch = 1200;
constexpr int kSvgDotsPerInch = 96;

QtSurfaceOptions WindowOptions(QSizeF pixels, const QString& glyph_family) {
  QtSurfaceOptions options;
  options.pixels_per_point = WindowPixelsPerPoint(pixels.width(), pixels.height());
  options.glyph_family = glyph_family;
  return options;
}

// The wheel as the window shows it on an area of the given pixels.
void PaintWindowWheelOn(QtSurface& surface, QSizeF pixels, const WheelInputs& inputs) {
  const DrawingSize drawing = WindowDrawingSize(pixels.width(), pixels.height());
  PaintChartwheel(surface, inputs, drawing.width, drawing.height,
                  StartScaleForWindow(drawing.width, drawing.height));
}

bool Fail(std::string* error, const std::string& path, const QString& why) {
  if (error != nullptr) *error = path + ": " + why.toStdString();
  return false;
}

// The picture is made in memory and handed to the safe writer, as every
// file the program writes is: a write-protected file is refused, a failed
// write leaves the old file whole and names the system's reason.
bool WriteBytes(const std::string& path, const QByteArray& bytes, std::string* error) {
  return WriteFileReplacing(path, std::string(bytes.constData(), bytes.size()), error);
}

void OpenBuffer(QBuffer& buffer) { buffer.open(QIODevice::WriteOnly); }

}  // namespace

void PaintWindowWheel(QPainter& painter, const QRectF& area, const WheelInputs& inputs,
                      const QString& glyph_family) {
  QtSurface surface(painter, area, WindowOptions(area.size(), glyph_family));
  PaintWindowWheelOn(surface, area.size(), inputs);
}

void PaintWheelPage(QPainter& painter, const QRectF& printable, PdfPage page,
                    const WheelInputs& inputs, const QString& glyph_family,
                    double screen_drawing_width, MessageSink& messages) {
  if (page == PdfPage::kFull) {
    const QRectF area = FullPageArea(printable);
    QtSurfaceOptions options;
    options.pixels_per_point = FullPagePixelsPerPoint(area);
    options.glyph_family = glyph_family;
    QtSurface surface(painter, area, options);
    PrintChartwheelPage(surface, inputs, screen_drawing_width, messages);
  } else {
    const QRectF area = HalfPageArea(printable);
    const WheelInputs snapshot{inputs.chart,      inputs.options,      inputs.tables,
                               inputs.type_chart, inputs.chart_exists, true};
    PaintWindowWheel(painter, area, snapshot, glyph_family);
  }
}

void PaintWheelImage(QImage& image, const WheelInputs& inputs, const QString& glyph_family) {
  QtSurface surface(image, WindowOptions(image.size(), glyph_family));
  PaintWindowWheelOn(surface, image.size(), inputs);
}

QImage RenderWheelImage(QSize size, const WheelInputs& inputs, const QString& glyph_family) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  PaintWheelImage(image, inputs, glyph_family);
  return image;
}

bool WriteWheelImage(const std::string& path, QSize size, const WheelInputs& inputs,
                     const QString& glyph_family, std::string* error) {
  const QImage image = RenderWheelImage(size, inputs, glyph_family);
  QBuffer file;
  OpenBuffer(file);
  if (!image.save(&file, "PNG")) {
    return Fail(error, path, QStringLiteral("the PNG could not be encoded"));
  }
  return WriteBytes(path, file.data(), error);
}

bool WriteWheelSvg(const std::string& path, QSize size, const WheelInputs& inputs,
                   const QString& glyph_family, std::string* error) {
  QBuffer file;
  OpenBuffer(file);
  QSvgGenerator generator;
  generator.setOutputDevice(&file);
  generator.setSize(size);
  generator.setViewBox(QRect(QPoint(0, 0), size));
  generator.setResolution(kSvgDotsPerInch);
  generator.setTitle(QStringLiteral("Chartwheel"));
  {
    QPainter painter;
    if (!painter.begin(&generator)) {
      return Fail(error, path, QStringLiteral("the SVG could not be started"));
    }
    QtSurfaceOptions options = WindowOptions(size, glyph_family);
    options.text_as_outlines = true;
    QtSurface surface(painter, QRectF(QPointF(0, 0), size), options);
    PaintWindowWheelOn(surface, size, inputs);
  }
  return WriteBytes(path, file.data(), error);
}

bool WriteWheelPdf(const std::string& path, PdfPage page, const WheelInputs& inputs,
                   const QString& glyph_family, MessageSink& messages, std::string* error) {
  QBuffer file;
  OpenBuffer(file);
  QPdfWriter writer(&file);
  writer.setCreator(QStringLiteral("KAIROTEX"));
  writer.setTitle(QStringLiteral("Chartwheel"));
  writer.setResolution(kPdfDotsPerInch);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(kPageMarginMillimetres, kPageMarginMillimetres,
                                             kPageMarginMillimetres, kPageMarginMillimetres),
                                   QPageLayout::Millimeter));
  {
    QPainter painter;
    if (!painter.begin(&writer)) {
      return Fail(error, path, QStringLiteral("the PDF could not be started"));
    }
    const QRectF printable(0, 0, writer.width(), writer.height());
    PaintWheelPage(painter, printable, page, inputs, glyph_family, kWindowDrawingWidth, messages);
    painter.end();
  }
  return WriteBytes(path, file.data(), error);
}

}  // namespace kairotex
