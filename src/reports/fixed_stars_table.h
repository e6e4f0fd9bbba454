// The fixed stars of the horary reports: each with its report text and the
// band of longitudes (both ends included) within which an object is
// conjunct it. The bands are the star's longitude plus or minus one degree,
// kept as written so that their ends compare exactly.
#pragma once

#include <array>
#include <string_view>

namespace kairotex {

struct FixedStar {
  std::string_view text;  // appended to the object's name in the report
  double lower;
  double upper;
  // A band that runs past 360 continues from 0 up to this; below 0: none.
  double wrap_upper;
  int points;  // added to the strength of a conjunct object
};

// Algol's band is its longitude plus or minus the Algol orb (option 44).
inline constexpr double kAlgolLongitude = 56.03;
inline constexpr int kAlgolOrbOption = 44;
inline constexpr int kAlgolIndex = 0;
inline constexpr int kRegulusIndex = 3;
inline constexpr int kSpicaIndex = 4;

inline constexpr double kNoWrap = -1.0;

// In report order. Algol's bounds here are placeholders for the option.
inline constexpr std::array<FixedStar, 18> kFixedStars = {{
    {" - ALGOL   ", kAlgolLongitude, kAlgolLongitude, kNoWrap, -5},
    {" - ALCYONE   ", 58.85, 60.85, kNoWrap, 0},
    {" - ALDEBARAN   ", 68.65, 70.65, kNoWrap, 0},
    {" - REGULUS   ", 148.7, 150.7, kNoWrap, 6},
    {" - SPICA   ", 202.7, 204.7, kNoWrap, 5},
    {" - UNUK   ", 230.9167, 232.9167, kNoWrap, 0},
    {" - ANTARES   ", 248.633, 250.633, kNoWrap, 0},
    {" - FOMALHAUT   ", 332.7166667, 334.7166667, kNoWrap, 0},
    {" - MARKAB   ", 352.35, 354.35, kNoWrap, 0},
    {" - SCHEAT   ", 358.233, 360.233, 0.233, 0},
    {" - BETELGEUZE   ", 87.616667, 89.616667, kNoWrap, 0},
    {" - CASTOR   ", 109.1166667, 111.1166667, kNoWrap, 0},
    {" - N. ASELLI   ", 126.4, 128.4, kNoWrap, 0},
    {" - S. ASELLI   ", 127.583333, 129.583333, kNoWrap, 0},
    {" - VINDEMIATRIX   ", 188.8166667, 190.8166667, kNoWrap, 0},
    {" - ACULEUS   ", 264.63333, 266.63333, kNoWrap, 0},
    {" - ACUMEN   ", 267.5666667, 269.5666667, kNoWrap, 0},
    {" - VEGA   ", 284.183333, 286.183333, kNoWrap, 0},
}};

}  // namespace kairotex
