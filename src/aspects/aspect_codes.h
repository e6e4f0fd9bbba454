// Aspect codes and the glyph codes of the "HORARY" font.
#pragma once

#include <array>

namespace kairotex {

// Aspect codes 1 (no aspect) to 17 (septile); the orb on line n of an orb file
// belongs to code n + 1.
enum AspectCode : int {
  kNoAspect = 1,
  kConjunction = 2,
  kSextile = 3,
  kSquare = 4,
  kTrine = 5,
  kOpposition = 6,
  kParallel = 7,
  kSemisextile = 8,
  kSemisquare = 9,
  kSesquisquare = 10,
  kQuincunx = 11,
  kSemiquintile = 12,
  kNonagen = 13,
  kQuintile = 14,
  kTredecile = 15,
  kBiquintile = 16,
  kSeptile = 17,
};

inline constexpr int kOrbCount = 17;
// Orbs in degrees, index 1..17 (index 0 unused); entry n is the orb of code n + 1.
using OrbTable = std::array<float, kOrbCount + 1>;

// Glyph characters of the HORARY font (Latin-1 codes).
inline constexpr int ObjectGlyph(int object) {
  return 223 + object;
}
inline constexpr int AspectGlyph(int code) {
  return 159 + code;
}
inline constexpr int kEarthGlyph = 236;
inline constexpr int kParallelGlyph = 166;
inline constexpr int kContraparallelGlyph = 177;

}  // namespace kairotex
