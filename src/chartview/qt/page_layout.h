// Where the wheel stands on a printed page, in the page's device pixels.
#pragma once

#include <QRectF>

namespace kairotex {

// The full page is laid out for a printable area 8 by 10.5 inches: there the
// printer's user scale (2S - 31 units wide, 2.5S - 28 units high) makes the
// spokes, whose y is shortened by 0.9675, meet the circles. The area is that
// shape, as large as the page's printable rectangle allows, at its top and
// centred across.
QRectF FullPageArea(const QRectF& printable);

// Device pixels per point on the full page: the 8-inch width's points spread
// over the area's width, so the page keeps its proportions when it is scaled.
double FullPagePixelsPerPoint(const QRectF& area);

// The half page is the window's picture, its drawing area in the window's
// shape (device_scale.h), scaled into the top half of the printable rectangle
// and centred across.
QRectF HalfPageArea(const QRectF& printable);

}  // namespace kairotex
