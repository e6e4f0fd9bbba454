// The drawing surface over Qt's painter: images, SVG and PDF files, and the
// printer and the window, which all draw with a QPainter.
#pragma once

#include <QFont>
#include <QPaintDevice>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <optional>

#include "chartview/drawing_surface.h"

namespace kairotex {

struct QtSurfaceOptions {
  // Device pixels per point of font size (device_scale.h has the rules).
  double pixels_per_point = 4.0 / 3.0;
  // The family loaded for the HORARY face; empty draws with the default font.
  QString glyph_family;
  // Text as filled outlines rather than font glyphs, so that an SVG file
  // shows the glyphs without the font installed.
  bool text_as_outlines = false;
  bool antialias = true;
};

class QtSurface : public DrawingSurface {
 public:
  // Draws into `area` (the painter's coordinates, in device pixels) with a
  // painter the caller owns; the painter's state is restored afterwards.
  QtSurface(QPainter& painter, const QRectF& area, QtSurfaceOptions options);
  // Draws over the whole device with a painter of its own, ended with the
  // surface. active() tells whether the painter could begin.
  QtSurface(QPaintDevice& device, QtSurfaceOptions options);
  ~QtSurface() override;
  QtSurface(const QtSurface&) = delete;
  QtSurface& operator=(const QtSurface&) = delete;

  bool active() const { return painter_.isActive(); }

  void SetUserScale(double left, double top, double right, double bottom) override;
  void Clear(Rgb background) override;
  void Line(double x1, double y1, double x2, double y2, Rgb colour) override;
  void Circle(double cx, double cy, double radius, Rgb colour) override;
  void SetFont(const FontSpec& font) override;
  TextExtent MeasureText(std::string_view latin1) override;
  void Text(double x, double y, std::string_view latin1, Rgb colour) override;

  // The painter point of a user point under the current user scale.
  QPointF ToDevice(double x, double y) const;
  // The font in use, resolved for the device.
  const QFont& font() const { return font_; }

 private:
  void Begin();

  std::optional<QPainter> own_painter_;
  QPainter& painter_;
  QRectF area_;
  QtSurfaceOptions options_;
  // Device = area corner + (user - origin) * scale; before any user scale
  // the user units are the area's pixels.
  double origin_x_ = 0, origin_y_ = 0;
  double scale_x_ = 1, scale_y_ = 1;
  QFont font_;
};

}  // namespace kairotex
