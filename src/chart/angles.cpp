#include "chart/angles.h"

#include <cmath>
#include <cstdio>

namespace kairotex {

double DegMinToDecimal(double degrees_minutes) {
  const double whole = std::floor(degrees_minutes);
  return whole + (degrees_minutes - whole) * 100.0 / 60.0;
}

double ArcSin(double x) {
  return std::atan(x / std::sqrt(1.0 - x * x));
}
double ArcCos(double x) {
  return std::atan(std::sqrt(1.0 - x * x) / x);
}

RectXY PolarToRect(double angle_rad, double radius) {
  if (angle_rad == 0.0) angle_rad = kTinyAngle;
  return {radius * std::cos(angle_rad), radius * std::sin(angle_rad)};
}

Polar RectToPolar(double x, double y) {
  if (y == 0.0) y = kTinyAngle;
  Polar p;
  p.radius = std::sqrt(x * x + y * y);
  p.angle = std::atan(y / x);
  if (p.angle < 0) p.angle += kProgramPi;
  if (y < 0) p.angle += kProgramPi;
  return p;
}

namespace {

// The latitude of a direction whose distance from the polar axis is rho.
double LatitudeOf(double rho, double z) {
  if (rho == 0.0) return z > 0 ? 90.0 : (z < 0 ? -90.0 : 0.0);
  return RadToDeg(std::atan(z / rho));
}

}  // namespace

Spherical RectToSpherical(double x, double y, double z) {
  Spherical s;
  const double rho = std::sqrt(x * x + y * y);
  s.radius = std::sqrt(rho * rho + z * z);
  s.lat = LatitudeOf(rho, z);
  if (x == 0.0 && y == 0.0) {
    s.lon = 0.0;
  } else {
    const double a = RadToDeg(std::atan(y / std::fabs(x)));
    if (x >= 0) {
      s.lon = y >= 0 ? a : a + 360.0;
    } else {
      s.lon = 180.0 - a;
    }
  }
  return s;
}

double QuadrantAngle(double n, double d) {
  double c = std::atan(n / d);
  if (c < 0) c += kProgramPi;
  if (n < 0) c += kProgramPi;
  return Normalize360(RadToDeg(c));
}

double EclipticToDeclination(double lon, double lat, double obliquity_deg) {
  const double l = DegToRad(lon), b = DegToRad(lat), e = DegToRad(obliquity_deg);
  const double x = std::cos(b) * std::cos(l);
  const double y = std::cos(b) * std::sin(l) * std::cos(e) - std::sin(b) * std::sin(e);
  const double z = std::cos(b) * std::sin(l) * std::sin(e) + std::sin(b) * std::cos(e);
  // The latitude alone: a chart asks for many declinations, and the
  // longitude's arctangent would be thrown away.
  return LatitudeOf(std::sqrt(x * x + y * y), z);
}

double RoundTo2(double x) {
  return std::floor(100.0 * x + 0.5) / 100.0;
}

SplitLon SplitLongitude(double lon) {
  const double w = std::floor(lon);
  SplitLon s;
  s.sign = static_cast<int>(std::floor(w / 30.0)) + 1;
  s.degree = static_cast<int>(std::floor(RoundTo2((w / 30.0 - std::floor(w / 30.0)) * 30.0)));
  s.minute = static_cast<int>(std::floor((lon - w) * 60.0 + 0.5));
  if (s.minute == 60) s.minute = 59;
  return s;
}

std::string SignAbbreviation(int sign) {
  static constexpr std::string_view kSigns = "ARITAUGEMCANLEOVIRLIBSCOSAGCPRAQUPIS";
  if (sign < 1 || sign > 12) return "???";
  return std::string(kSigns.substr(3 * (sign - 1), 3));
}

}  // namespace kairotex
