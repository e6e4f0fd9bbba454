// Boxes and the wheel's (elliptical, see wheel_geometry.h) circles.
#pragma once

namespace kairotex::tools::wheel {

struct Point {
  double x = 0;
  double y = 0;
};

// Axis-aligned box, left <= right, bottom <= top.
struct Box {
  double left = 0;
  double right = 0;
  double bottom = 0;
  double top = 0;
};

// The cell of a text item placed by its top-left corner.
Box TextCell(Point anchor, double width, double height);
Box Grow(const Box& box, double margin);
Box Union(const Box& a, const Box& b);
bool Overlaps(const Box& a, const Box& b);

// A wheel circle of the given radius as it appears in drawing units.
struct WheelCircle {
  double radius = 0;
  double semi_x() const;
  double semi_y() const;
};

// True when the whole box lies inside (on-screen) the circle.
bool InsideCircle(const Box& box, const WheelCircle& circle);
// True when no point of the box lies inside the circle.
bool OutsideCircle(const Box& box, const WheelCircle& circle);

// Point at an angle (degrees) on the circle as the spokes draw it.
Point OnCircle(double angle_deg, double radius);

double CosDeg(double deg);
double SinDeg(double deg);

}  // namespace kairotex::tools::wheel
