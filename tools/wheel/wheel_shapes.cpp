#include "wheel/wheel_shapes.h"

#include <algorithm>
#include <cmath>

#include "wheel/wheel_geometry.h"

namespace kairotex::tools::wheel {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Squared "elliptic radius" of a point: 1 on the circle's outline.
double Level(double x, double y, const WheelCircle& c) {
  const double u = x / c.semi_x();
  const double v = y / c.semi_y();
  return u * u + v * v;
}

// Coordinate of an interval nearest to 0.
double NearestToZero(double low, double high) {
  return std::clamp(0.0, low, high);
}

}  // namespace

double CosDeg(double deg) {
  return std::cos(deg * kPi / 180.0);
}
double SinDeg(double deg) {
  return std::sin(deg * kPi / 180.0);
}

Box TextCell(Point anchor, double width, double height) {
  return {anchor.x, anchor.x + width, anchor.y - height, anchor.y};
}

Box Grow(const Box& b, double m) {
  return {b.left - m, b.right + m, b.bottom - m, b.top + m};
}

Box Union(const Box& a, const Box& b) {
  return {std::min(a.left, b.left), std::max(a.right, b.right), std::min(a.bottom, b.bottom),
          std::max(a.top, b.top)};
}

bool Overlaps(const Box& a, const Box& b) {
  return a.left < b.right && b.left < a.right && a.bottom < b.top && b.bottom < a.top;
}

double WheelCircle::semi_x() const {
  return radius;
}
double WheelCircle::semi_y() const {
  return radius * kVerticalFactor;
}

bool InsideCircle(const Box& b, const WheelCircle& c) {
  // An ellipse is convex: the box is inside when its four corners are.
  for (double x : {b.left, b.right}) {
    for (double y : {b.bottom, b.top}) {
      if (Level(x, y, c) > 1.0) return false;
    }
  }
  return true;
}

bool OutsideCircle(const Box& b, const WheelCircle& c) {
  // The level is separable in x and y, so its minimum over the box is at the
  // box point nearest to the axes.
  return Level(NearestToZero(b.left, b.right), NearestToZero(b.bottom, b.top), c) >= 1.0;
}

Point OnCircle(double angle_deg, double radius) {
  return {radius * CosDeg(angle_deg), radius * kVerticalFactor * SinDeg(angle_deg)};
}

}  // namespace kairotex::tools::wheel
