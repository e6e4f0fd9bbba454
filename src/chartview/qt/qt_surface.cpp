#include "chartview/qt/qt_surface.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <utility>

#include "chartview/qt/device_scale.h"
#include "chartview/qt/horary_font.h"

namespace kairotex {
namespace {

QColor ToQColor(Rgb colour) {
  return QColor(colour.r, colour.g, colour.b);
}

// Two codes of the glyph font are characters that Qt lays out as nothing:
// 156, the retrograde mark, is the C1 control U+009C, and 173, the quintile,
// the soft hyphen U+00AD. The font carries those glyphs at a second place
// too; the text uses it when the font in use has it.
struct InvisibleCode {
  char16_t latin1;
  char32_t alias;
};
constexpr InvisibleCode kInvisibleCodes[] = {{0x9C, 0x211E}, {0xAD, 0xE0AD}};

// Latin-1 bytes as text for Qt, the invisible codes at their visible places.
QString GlyphText(std::string_view latin1, const QFontMetricsF& metrics) {
  QString text = QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size()));
  for (const InvisibleCode& code : kInvisibleCodes) {
    if (text.contains(QChar(code.latin1)) && metrics.inFontUcs4(code.alias)) {
      text.replace(QChar(code.latin1), QChar(static_cast<char16_t>(code.alias)));
    }
  }
  return text;
}

// The family for a face: the loaded glyph font for HORARY (empty, so the
// default font, when it is missing), any other face by its own name.
QString FamilyFor(const std::string& face, const QString& glyph_family) {
  const QString name = QString::fromStdString(face);
  return name.compare(kHoraryFaceName, Qt::CaseInsensitive) == 0 ? glyph_family : name;
}

}  // namespace

QtSurface::QtSurface(QPainter& painter, const QRectF& area, QtSurfaceOptions options)
    : painter_(painter), area_(area), options_(std::move(options)) {
  Begin();
}

QtSurface::QtSurface(QPaintDevice& device, QtSurfaceOptions options)
    : own_painter_(std::in_place, &device),
      painter_(*own_painter_),
      area_(0, 0, device.width(), device.height()),
      options_(std::move(options)) {
  Begin();
}

QtSurface::~QtSurface() {
  if (!painter_.isActive()) return;
  if (own_painter_) {
    painter_.end();
  } else {
    painter_.restore();
  }
}

void QtSurface::Begin() {
  if (!painter_.isActive()) return;
  if (!own_painter_) painter_.save();
  painter_.setRenderHint(QPainter::Antialiasing, options_.antialias);
  painter_.setRenderHint(QPainter::TextAntialiasing, options_.antialias);
  painter_.setClipRect(area_);
  painter_.setBackgroundMode(Qt::TransparentMode);
  painter_.setBrush(Qt::NoBrush);
  SetFont(FontSpec{});
}

void QtSurface::SetUserScale(double left, double top, double right, double bottom) {
  // An empty extent has no scale; the previous one stays.
  if (right == left || top == bottom) return;
  origin_x_ = left;
  origin_y_ = top;
  scale_x_ = area_.width() / (right - left);
  scale_y_ = area_.height() / (bottom - top);
}

QPointF QtSurface::ToDevice(double x, double y) const {
  return {area_.left() + (x - origin_x_) * scale_x_, area_.top() + (y - origin_y_) * scale_y_};
}

void QtSurface::Clear(Rgb background) {
  painter_.fillRect(area_, ToQColor(background));
}

void QtSurface::Line(double x1, double y1, double x2, double y2, Rgb colour) {
  painter_.setPen(QPen(ToQColor(colour), LineWidthPixels(options_.pixels_per_point), Qt::SolidLine,
                       Qt::RoundCap, Qt::RoundJoin));
  painter_.drawLine(ToDevice(x1, y1), ToDevice(x2, y2));
}

void QtSurface::Circle(double cx, double cy, double radius, Rgb colour) {
  // The radius is measured on the x axis and the circle is round on the
  // device, whatever the y scale.
  const double pixels = std::abs(radius * scale_x_);
  painter_.setPen(QPen(ToQColor(colour), LineWidthPixels(options_.pixels_per_point)));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawEllipse(ToDevice(cx, cy), pixels, pixels);
}

void QtSurface::SetFont(const FontSpec& font) {
  QFont base;  // the application's default font
  const QString family = FamilyFor(font.face, options_.glyph_family);
  if (!family.isEmpty()) base.setFamily(family);
  // Unhinted glyphs scale exactly with the size, so the wheel is laid out
  // alike on every device.
  base.setHintingPreference(QFont::PreferNoHinting);
  base.setBold(font.bold);
  // A size in points becomes device pixels by the surface's rule; the point
  // size handed to Qt is expressed at the device's own resolution.
  const double pixels = std::max(font.size_points, 1.0) * options_.pixels_per_point;
  const QPaintDevice* device = painter_.device();
  const double device_dpi =
      device != nullptr && device->logicalDpiY() > 0 ? device->logicalDpiY() : 96.0;
  base.setPointSizeF(pixels * 72.0 / device_dpi);
  font_ = device != nullptr ? QFont(base, device) : base;
  painter_.setFont(font_);
}

TextExtent QtSurface::MeasureText(std::string_view latin1) {
  const QFontMetricsF metrics(font_);
  return {metrics.horizontalAdvance(GlyphText(latin1, metrics)) / std::abs(scale_x_),
          metrics.height() / std::abs(scale_y_)};
}

void QtSurface::Text(double x, double y, std::string_view latin1, Rgb colour) {
  if (latin1.empty()) return;
  const QFontMetricsF metrics(font_);
  const QPointF top_left = ToDevice(x, y);
  const QPointF baseline(top_left.x(), top_left.y() + metrics.ascent());
  const QString text = GlyphText(latin1, metrics);
  if (options_.text_as_outlines) {
    QPainterPath path;
    path.addText(baseline, font_, text);
    painter_.fillPath(path, ToQColor(colour));
  } else {
    painter_.setPen(ToQColor(colour));
    painter_.drawText(baseline, text);
  }
}

}  // namespace kairotex
