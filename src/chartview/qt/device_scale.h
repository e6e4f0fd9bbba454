// How the window's drawing sits on a device: the drawing units of an area of
// pixels, and how big a typographic point and a drawn line are, in device
// pixels. The wheel's font sizes are points; the drawing decides only how
// large the wheel is, so the surface is told how large a point is.
#pragma once

namespace kairotex {

// The main window's pixels are not square in drawing units: its 4:3 drawing
// (1024 x 768 units for the large screen class) fills a client area about
// 929 x 720 pixels, which the wheel's vertical factor 0.9675 makes up for in
// its spokes. An area of the window's shape is so many units wide as it has
// pixels across and 0.9675 times as many high; circles and spokes then meet.
inline constexpr double kWindowVerticalFactor = 0.9675;

struct DrawingSize {
  double width = 0, height = 0;  // drawing units
};
DrawingSize WindowDrawingSize(double width_pixels, double height_pixels);

// Text on the window: a point is 4/3 pixel at 96 dots per inch on the large
// screen class's window, whose wheel has 929/600 pixels per unit across.
// Elsewhere the text grows and shrinks with the wheel (by the window's
// StartScale rule, the wheel follows the height of a wide area and the width
// of a tall one), so it keeps its place among the labels and glyphs.
double WindowPixelsPerPoint(double width_pixels, double height_pixels);

// Lines are 3/4 point wide, one pixel on the 96-dpi window, rounded to whole
// device pixels and never thinner than one: whole pixels draw crisp, and
// one-pixel lines take the painter's fast path.
double LineWidthPixels(double pixels_per_point);

}  // namespace kairotex
