// Angle and coordinate routines shared by the whole chart engine.
// All are pure functions. Degrees unless the name says radians.
#pragma once

#include <cmath>
#include <string>
#include <string_view>

namespace kairotex {

// The program's own value of pi (ten decimals), kept deliberately so that
// every position matches the program's published figures.
inline constexpr double kProgramPi = 3.1415926535;

// Stand-in for an exact zero angle or ordinate in the polar conversions.
inline constexpr double kTinyAngle = 1.74533e-09;

// whole part + (fraction * 100 / 60): 40.45 (40 deg 45 min) -> 40.75.
double DegMinToDecimal(double degrees_minutes);
// Inline: the theories call these hundreds of times a chart, and a sine and
// cosine of the same angle side by side become one sincos.
inline double DegToRad(double degrees) {
  return degrees * kProgramPi / 180.0;
}
inline double RadToDeg(double radians) {
  return radians * 180.0 / kProgramPi;
}
inline double SinDeg(double degrees) {
  return std::sin(DegToRad(degrees));
}
inline double CosDeg(double degrees) {
  return std::cos(DegToRad(degrees));
}
// x - 360 floor(x / 360), in [0, 360).
inline double Normalize360(double degrees) {
  return degrees - 360.0 * std::floor(degrees / 360.0);
}
// An angle taken into (-180, 180]: a change of longitude the short way round.
inline double Wrap180(double degrees) {
  double d = std::fmod(degrees, 360.0);
  if (d <= -180.0) d += 360.0;
  if (d > 180.0) d -= 360.0;
  return d;
}
// The shorter arc between two longitudes, 0..180 degrees.
inline double ShorterArc(double a, double b) {
  double d = std::fabs(a - b);
  if (d > 180.0) d = 360.0 - d;
  return d;
}

// atan(x / sqrt(1 - x^2)), radians.
double ArcSin(double x);
// atan(sqrt(1 - x^2) / x), radians; negative for negative x (callers correct it).
double ArcCos(double x);

struct RectXY {
  double x = 0;
  double y = 0;
};
struct Polar {
  double radius = 0;
  double angle = 0;  // radians, [0, 2 pi)
};
struct Spherical {
  double radius = 0;
  double lon = 0;  // degrees, [0, 360)
  double lat = 0;  // degrees
};

RectXY PolarToRect(double angle_rad, double radius);
Polar RectToPolar(double x, double y);
Spherical RectToSpherical(double x, double y, double z);

// atan2(n, d) in [0, 360) degrees, by the quadrant rule of the house routines.
double QuadrantAngle(double n, double d);

// Declination of an ecliptic point (lon, lat in degrees) for obliquity eps (degrees).
double EclipticToDeclination(double lon, double lat, double obliquity_deg);

struct SplitLon {
  int sign = 1;    // 1 Aries .. 12 Pisces
  int degree = 0;  // 0..29
  int minute = 0;  // 0..59, never carried into the degree
};
SplitLon SplitLongitude(double lon);
// floor(100 x + 0.5) / 100
double RoundTo2(double x);
// "ARI" .. "PIS"
std::string SignAbbreviation(int sign);

// 73.59 with "WEST" -> "73w59".
std::string FormatCoordinate(double degrees_minutes, std::string_view direction_word);

}  // namespace kairotex
