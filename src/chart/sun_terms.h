// Coefficients of the Sun's theory: the periodic terms added to Newcomb's
// elliptic motion of the Earth.
#pragma once

#include <array>

namespace kairotex::sun_terms {

// A planetary term: amplitude * cos(phase + planet_multiple * g' + sun_multiple * g),
// g' the mean anomaly of the disturbing planet and g that of the Sun.
struct PlanetaryTerm {
  double amplitude_arcsec;
  double phase_deg;
  int planet_multiple;
  int sun_multiple;
};

// A lunar term: amplitude * sin(d * D + moon_multiple * l + sun_multiple * g),
// D the Moon's mean elongation, l its mean anomaly.
struct LunarTerm {
  double amplitude_arcsec;
  int d;
  int moon_multiple;
  int sun_multiple;
};

// Newcomb, Tables of the Sun (Astron. Papers Amer. Ephemeris VI, 1895): perturbations by Venus.
inline constexpr std::array<PlanetaryTerm, 12> kVenus = {{
    {4.838, 299.102, 1, -1},
    {0.116, 148.9, 2, -1},
    {5.526, 148.313, 2, -2},
    {2.497, 315.943, 2, -3},
    {0.666, 177.71, 3, -3},
    {1.559, 345.253, 3, -4},
    {1.024, 318.15, 3, -5},
    {0.21, 206.2, 4, -4},
    {0.144, 195.4, 4, -5},
    {0.152, 343.8, 4, -6},
    {0.123, 195.3, 5, -7},
    {0.154, 359.6, 5, -8},
}};

// Newcomb, Tables of the Sun (Astron. Papers Amer. Ephemeris VI, 1895): perturbations by Mars.
inline constexpr std::array<PlanetaryTerm, 11> kMars = {{
    {0.273, 217.7, -1, 1},
    {2.043, 343.888, -2, 2},
    {1.77, 200.402, -2, 1},
    {0.129, 294.2, -3, 3},
    {0.425, 338.88, -3, 2},
    {0.5, 105.18, -4, 3},
    {0.585, 334.06, -4, 2},
    {0.204, 100.8, -5, 3},
    {0.154, 227.4, -6, 4},
    {0.101, 96.3, -6, 3},
    {0.106, 222.7, -7, 4},
}};

// Newcomb, Tables of the Sun (Astron. Papers Amer. Ephemeris VI, 1895): perturbations by Jupiter.
inline constexpr std::array<PlanetaryTerm, 8> kJupiter = {{
    {0.163, 198.6, -1, 2},
    {7.208, 179.532, -1, 1},
    {2.6, 263.217, -1, 0},
    {2.731, 87.145, -2, 2},
    {1.61, 109.493, -2, 1},
    {0.164, 170.5, -3, 3},
    {0.556, 82.65, -3, 2},
    {0.21, 98.5, -3, 1},
}};

// Newcomb, Tables of the Sun (Astron. Papers Amer. Ephemeris VI, 1895): perturbations by Saturn.
inline constexpr std::array<PlanetaryTerm, 4> kSaturn = {{
    {0.419, 100.58, -1, 1},
    {0.32, 269.46, -1, 0},
    {0.108, 290.6, -2, 2},
    {0.112, 293.6, -2, 1},
}};

// Newcomb, Tables of the Sun (Astron. Papers Amer. Ephemeris VI, 1895): the Moon's principal terms.
inline constexpr std::array<LunarTerm, 4> kMoon = {{
    {6.454, 1, 0, 0},
    {0.177, 1, 1, 0},
    {-0.424, 1, -1, 0},
    {0.172, 1, 0, -1},
}};

}  // namespace kairotex::sun_terms
