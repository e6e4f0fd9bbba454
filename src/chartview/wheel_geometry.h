// Small geometry of the wheel: points at an angle and radius, and the two
// numberings of the houses (by house, and in wheel order from the 10th).
#pragma once

#include <cmath>
#include <string>

#include "chart/angles.h"

namespace kairotex::wheel {

struct Point {
  double x = 0;
  double y = 0;
};

// Angle in degrees counter-clockwise from the positive x axis.
inline Point PointAt(double angle, double radius, double y_factor = 1.0) {
  return {radius * CosDeg(angle), y_factor * radius * SinDeg(angle)};
}

// Wheel order: index 1 is the 10th house, 4 the 1st, 12 the 9th.
inline constexpr int WheelIndexOfHouse(int house) {
  return (house + 2) % 12 + 1;
}
inline constexpr int HouseOfWheelIndex(int wheel_index) {
  return (wheel_index + 8) % 12 + 1;
}
inline constexpr int NextWheelIndex(int wheel_index) {
  return wheel_index % 12 + 1;
}
inline constexpr int NextHouse(int house) {
  return house % 12 + 1;
}

// The American wheel's equal sectors: house 1 begins at 180 degrees (the
// Ascendant on the left) and the houses follow counter-clockwise.
inline double AmericanCuspAngle(int house) {
  return Normalize360(180.0 + 30.0 * (house - 1));
}

// A one-character text of the glyph font.
inline std::string Glyph(int code) {
  return std::string(1, static_cast<char>(code));
}

}  // namespace kairotex::wheel
