#include "chartview/qt/page_layout.h"

#include <algorithm>

#include "chartview/qt/device_scale.h"

namespace kairotex {
namespace {

constexpr double kFullPageWidthInches = 8.0;
constexpr double kFullPageHeightInches = 10.5;
constexpr double kPointsPerInch = 72.0;
// Width over height of the window's client area in pixels.
constexpr double kWindowAspect = 1024.0 / 768.0 * kWindowVerticalFactor;

// The largest rectangle of the given width-to-height ratio inside `within`,
// at its top and centred across.
QRectF TopCentred(const QRectF& within, double aspect) {
  const double width = std::min(within.width(), within.height() * aspect);
  const double height = width / aspect;
  return {within.left() + (within.width() - width) / 2, within.top(), width, height};
}

}  // namespace

QRectF FullPageArea(const QRectF& printable) {
  return TopCentred(printable, kFullPageWidthInches / kFullPageHeightInches);
}

double FullPagePixelsPerPoint(const QRectF& area) {
  return area.width() / (kFullPageWidthInches * kPointsPerInch);
}

QRectF HalfPageArea(const QRectF& printable) {
  QRectF top_half = printable;
  top_half.setHeight(printable.height() / 2);
  return TopCentred(top_half, kWindowAspect);
}

}  // namespace kairotex
