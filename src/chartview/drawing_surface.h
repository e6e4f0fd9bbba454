// The drawing surface the chartwheel is drawn on: the screen, an image, a PDF
// page or the printer. The wheel logic is written against this interface and
// knows nothing of the platform.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kairotex {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

// The 16-colour palette of the colour options: 0 black, 1 blue, 2 green,
// 3 cyan, 4 red, 5 magenta, 6 yellow/brown, 7 white/light grey, 8 grey,
// 9 light blue, 10 light green, 11 light cyan, 12 light red, 13 light magenta,
// 14 light yellow, 15 bright white. The index is rounded; others wrap into 0..15.
Rgb QBColor(double index);

struct FontSpec {
  std::string face = "HORARY";  // the glyph font; plain text also comes from it
  double size_points = 10.0;
  bool bold = false;
  bool operator==(const FontSpec&) const = default;
};

struct TextExtent {
  double width = 0;   // user units
  double height = 0;  // user units, always positive
};

class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;

  // The user coordinate system: the user coordinates of the left, top, right
  // and bottom edges of the drawing area (top > bottom: y grows upwards).
  virtual void SetUserScale(double left, double top, double right, double bottom) = 0;
  // Fills the whole area with the background colour.
  virtual void Clear(Rgb background) = 0;
  virtual void Line(double x1, double y1, double x2, double y2, Rgb colour) = 0;
  // A circle of the given radius in user units of the x axis.
  virtual void Circle(double cx, double cy, double radius, Rgb colour) = 0;
  virtual void SetFont(const FontSpec& font) = 0;
  // Extent of a text in the current font; characters are single Latin-1 bytes
  // (the glyph codes 156, 160..177, 192..203, 224..239 and plain ASCII).
  virtual TextExtent MeasureText(std::string_view latin1) = 0;
  // Text in the current font with its top-left corner at (x, y), on a
  // transparent background.
  virtual void Text(double x, double y, std::string_view latin1, Rgb colour) = 0;
};

}  // namespace kairotex
