// The one-character texts the wheel is written with: digits of a degree or a
// minute, and sign glyphs.
#pragma once

#include <cmath>
#include <string>

#include "chartview/wheel_constants.h"
#include "chartview/wheel_geometry.h"

namespace kairotex::wheel {

// The tens digit of a value 0..99.
inline std::string TensDigit(int value) {
  return std::string(1, static_cast<char>(kDigitZero + (value / 10) % 10));
}
// The units digit of a value 0..99.
inline std::string UnitsDigit(int value) {
  return std::string(1, static_cast<char>(kDigitZero + value % 10));
}
inline std::string TwoDigits(int value) {
  return TensDigit(value) + UnitsDigit(value);
}
inline std::string SignGlyph(int sign) {
  return Glyph(kSignGlyphBase + sign);
}
// The sign (1..12) a longitude falls in.
inline int SignOf(double longitude) {
  return static_cast<int>(std::floor(longitude / 30.0)) % 12 + 1;
}

}  // namespace kairotex::wheel
