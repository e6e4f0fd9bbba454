#include "chartview/qt/device_scale.h"

#include <algorithm>
#include <cmath>

namespace kairotex {
namespace {

constexpr double kWindowDotsPerInch = 96.0;
constexpr double kPointsPerInch = 72.0;
constexpr double kLineWidthPoints = 0.75;

// The large screen class's window: 929 pixels across 600 units (StartScale 300).
constexpr double kWindowPixelsPerUnit = 929.0 / 600.0;

// The window's StartScale rule in pixels per unit across: a wide area shows
// 450 units from top to bottom, a tall one 488 across.
constexpr double kWideAreaUnitsHigh = 450.0;
constexpr double kTallAreaUnitsWide = 488.0;

}  // namespace

DrawingSize WindowDrawingSize(double width_pixels, double height_pixels) {
  return {width_pixels, height_pixels * kWindowVerticalFactor};
}

double WindowPixelsPerPoint(double width_pixels, double height_pixels) {
  const DrawingSize drawing = WindowDrawingSize(width_pixels, height_pixels);
  const double pixels_per_unit = drawing.width >= drawing.height
                                     ? drawing.height / kWideAreaUnitsHigh
                                     : width_pixels / kTallAreaUnitsWide;
  return kWindowDotsPerInch / kPointsPerInch * pixels_per_unit / kWindowPixelsPerUnit;
}

double LineWidthPixels(double pixels_per_point) {
  return std::max(1.0, std::round(kLineWidthPoints * pixels_per_point));
}

}  // namespace kairotex
