// Jupiter's perturbations by Saturn and Uranus: the four series of Meeus.
#pragma once

#include <array>

#include "chart/perturbation_series.h"

namespace kairotex::planets::jupiter_terms {

using enum Angle;

// Meeus, Astronomical Formulae for Calculators, Jupiter: A, to the mean longitude, degrees.
inline constexpr std::array<SeriesTerm, 23> kMeanLongitude = {{
    {0.331364, -0.010281, -0.004692, Sin(1, kV), kOne},
    {0.003228, -0.064436, 0.002075, Cos(1, kV), kOne},
    {-0.003083, -0.000275, 0.000489, Sin(2, kV), kOne},
    {0.002472, 0, 0, Sin(1, kW), kOne},
    {0.013619, 0, 0, Sin(1, kZeta), kOne},
    {0.018472, 0, 0, Sin(2, kZeta), kOne},
    {0.006717, 0, 0, Sin(3, kZeta), kOne},
    {0.002775, 0, 0, Sin(4, kZeta), kOne},
    {0.007275, -0.001253, 0, Sin(1, kZeta), Sin(1, kQ)},
    {0.006417, 0, 0, Sin(2, kZeta), Sin(1, kQ)},
    {0.002439, 0, 0, Sin(3, kZeta), Sin(1, kQ)},
    {-0.033839, -0.001125, 0, Cos(1, kZeta), Sin(1, kQ)},
    {-0.003767, 0, 0, Cos(2, kZeta), Sin(1, kQ)},
    {-0.035681, -0.001208, 0, Sin(1, kZeta), Cos(1, kQ)},
    {-0.004261, 0, 0, Sin(2, kZeta), Cos(1, kQ)},
    {0.002178, 0, 0, Cos(1, kQ), kOne},
    {-0.006333, 0.001161, 0, Cos(1, kZeta), Cos(1, kQ)},
    {-0.006675, 0, 0, Cos(2, kZeta), Cos(1, kQ)},
    {-0.002664, 0, 0, Cos(3, kZeta), Cos(1, kQ)},
    {-0.002572, 0, 0, Sin(1, kZeta), Sin(2, kQ)},
    {-0.003567, 0, 0, Sin(2, kZeta), Sin(2, kQ)},
    {0.002094, 0, 0, Cos(1, kZeta), Cos(2, kQ)},
    {0.003342, 0, 0, Cos(2, kZeta), Cos(2, kQ)},
}};

// Meeus, Astronomical Formulae for Calculators, Jupiter: to the eccentricity, units of 1e-7.
inline constexpr std::array<SeriesTerm, 29> kEccentricity = {{
    {3606, 130, -43, Sin(1, kV), kOne},
    {1289, -580, 0, Cos(1, kV), kOne},
    {-6764, 0, 0, Sin(1, kZeta), Sin(1, kQ)},
    {-1110, 0, 0, Sin(2, kZeta), Sin(1, kQ)},
    {-224, 0, 0, Sin(3, kZeta), Sin(1, kQ)},
    {-204, 0, 0, Sin(1, kQ), kOne},
    {1284, 116, 0, Cos(1, kZeta), Sin(1, kQ)},
    {188, 0, 0, Cos(2, kZeta), Sin(1, kQ)},
    {1460, 130, 0, Sin(1, kZeta), Cos(1, kQ)},
    {224, 0, 0, Sin(2, kZeta), Cos(1, kQ)},
    {-817, 0, 0, Cos(1, kQ), kOne},
    {6074, 0, 0, Cos(1, kZeta), Cos(1, kQ)},
    {992, 0, 0, Cos(2, kZeta), Cos(1, kQ)},
    {508, 0, 0, Cos(3, kZeta), Cos(1, kQ)},
    {230, 0, 0, Cos(4, kZeta), Cos(1, kQ)},
    {108, 0, 0, Cos(5, kZeta), Cos(1, kQ)},
    {-956, -73, 0, Sin(1, kZeta), Sin(2, kQ)},
    {448, 0, 0, Sin(2, kZeta), Sin(2, kQ)},
    {137, 0, 0, Sin(3, kZeta), Sin(2, kQ)},
    {-997, 108, 0, Cos(1, kZeta), Sin(2, kQ)},
    {480, 0, 0, Cos(2, kZeta), Sin(2, kQ)},
    {148, 0, 0, Cos(3, kZeta), Sin(2, kQ)},
    {-956, 99, 0, Sin(1, kZeta), Cos(2, kQ)},
    {490, 0, 0, Sin(2, kZeta), Cos(2, kQ)},
    {158, 0, 0, Sin(3, kZeta), Cos(2, kQ)},
    {179, 0, 0, Cos(2, kQ), kOne},
    {1024, 75, 0, Cos(1, kZeta), Cos(2, kQ)},
    {-437, 0, 0, Cos(2, kZeta), Cos(2, kQ)},
    {-132, 0, 0, Cos(3, kZeta), Cos(2, kQ)},
}};

// Meeus, Astronomical Formulae for Calculators, Jupiter: B, to the perihelion (as B / e), degrees.
inline constexpr std::array<SeriesTerm, 18> kPerihelion = {{
    {0.007192, -0.003147, 0, Sin(1, kV), kOne},
    {-0.020428, -0.000675, 0.000197, Cos(1, kV), kOne},
    {0.007269, 0.000672, 0, Sin(1, kZeta), Sin(1, kQ)},
    {-0.004344, 0, 0, Sin(1, kQ), kOne},
    {0.034036, 0, 0, Cos(1, kZeta), Sin(1, kQ)},
    {0.005614, 0, 0, Cos(2, kZeta), Sin(1, kQ)},
    {0.002964, 0, 0, Cos(3, kZeta), Sin(1, kQ)},
    {0.037761, 0, 0, Sin(1, kZeta), Cos(1, kQ)},
    {0.006158, 0, 0, Sin(2, kZeta), Cos(1, kQ)},
    {-0.006603, 0, 0, Cos(1, kZeta), Cos(1, kQ)},
    {-0.005356, 0, 0, Sin(1, kZeta), Sin(2, kQ)},
    {0.002722, 0, 0, Sin(2, kZeta), Sin(2, kQ)},
    {0.004483, 0, 0, Cos(1, kZeta), Sin(2, kQ)},
    {-0.002642, 0, 0, Cos(2, kZeta), Sin(2, kQ)},
    {0.004403, 0, 0, Sin(1, kZeta), Cos(2, kQ)},
    {-0.002536, 0, 0, Sin(2, kZeta), Cos(2, kQ)},
    {0.005547, 0, 0, Cos(1, kZeta), Cos(2, kQ)},
    {-0.002689, 0, 0, Cos(2, kZeta), Cos(2, kQ)},
}};

// Meeus, Astronomical Formulae for Calculators, Jupiter: to the semi-major axis, 1e-6 AU.
inline constexpr std::array<SeriesTerm, 11> kSemiMajorAxis = {{
    {-263, 0, 0, Cos(1, kV), kOne},
    {205, 0, 0, Cos(1, kZeta), kOne},
    {693, 0, 0, Cos(2, kZeta), kOne},
    {312, 0, 0, Cos(3, kZeta), kOne},
    {147, 0, 0, Cos(4, kZeta), kOne},
    {299, 0, 0, Sin(1, kZeta), Sin(1, kQ)},
    {181, 0, 0, Cos(2, kZeta), Sin(1, kQ)},
    {204, 0, 0, Sin(2, kZeta), Cos(1, kQ)},
    {111, 0, 0, Sin(3, kZeta), Cos(1, kQ)},
    {-337, 0, 0, Cos(1, kZeta), Cos(1, kQ)},
    {-111, 0, 0, Cos(2, kZeta), Cos(1, kQ)},
}};

}  // namespace kairotex::planets::jupiter_terms
