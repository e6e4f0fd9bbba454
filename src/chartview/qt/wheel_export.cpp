#include "chartview/qt/wheel_export.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "chartview/qt/device_scale.h"
#include "chartview/qt/page_layout.h"
#include "chartview/qt/qt_surface.h"

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

// The file is written under a temporary name and takes its own name only
// when complete, so a failed write leaves no half file behind.
bool OpenForWriting(QSaveFile& file, const std::string& path, std::string* error) {
  file.setFileName(QString::fromStdString(path));
  if (file.open(QIODevice::WriteOnly)) return true;
  return Fail(error, path, file.errorString());
}

bool Commit(QSaveFile& file, const std::string& path, std::string* error) {
  if (file.commit()) return true;
  return Fail(error, path, file.errorString());
}

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
  QSaveFile file;
  if (!OpenForWriting(file, path, error)) return false;
  if (!image.save(&file, "PNG")) {
    file.cancelWriting();
    return Fail(error, path, QStringLiteral("the PNG could not be encoded"));
  }
  return Commit(file, path, error);
}

bool WriteWheelSvg(const std::string& path, QSize size, const WheelInputs& inputs,
                   const QString& glyph_family, std::string* error) {
  QSaveFile file;
  if (!OpenForWriting(file, path, error)) return false;
  QSvgGenerator generator;
  generator.setOutputDevice(&file);
  generator.setSize(size);
  generator.setViewBox(QRect(QPoint(0, 0), size));
  generator.setResolution(kSvgDotsPerInch);
  generator.setTitle(QStringLiteral("Chartwheel"));
  {
    QPainter painter;
    if (!painter.begin(&generator)) {
      file.cancelWriting();
      return Fail(error, path, QStringLiteral("the SVG could not be started"));
    }
    QtSurfaceOptions options = WindowOptions(size, glyph_family);
    options.text_as_outlines = true;
    QtSurface surface(painter, QRectF(QPointF(0, 0), size), options);
    PaintWindowWheelOn(surface, size, inputs);
  }
  return Commit(file, path, error);
}

bool WriteWheelPdf(const std::string& path, PdfPage page, const WheelInputs& inputs,
                   const QString& glyph_family, MessageSink& messages, std::string* error) {
  QSaveFile file;
  if (!OpenForWriting(file, path, error)) return false;
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
      file.cancelWriting();
      return Fail(error, path, QStringLiteral("the PDF could not be started"));
    }
    const QRectF printable(0, 0, writer.width(), writer.height());
    PaintWheelPage(painter, printable, page, inputs, glyph_family, kWindowDrawingWidth, messages);
    painter.end();
  }
  return Commit(file, path, error);
}

}  // namespace kairotex
