// Uranus' perturbations by Neptune, Jupiter and Saturn: the series of Meeus.
// Arguments: H = 2G - S, zeta = S - P, eta = S - Q, theta = G - S.
#pragma once

#include <array>

#include "chart/perturbation_series.h"

namespace kairotex::planets::uranus_terms {

using enum Angle;

// Meeus, Astronomical Formulae for Calculators, Uranus: A, to the mean longitude, degrees.
inline constexpr std::array<SeriesTerm, 5> kMeanLongitude = {{
    {0.864319, -0.001583, 0, Sin(1, kH), kOne},
    {0.082222, -0.006833, 0, Cos(1, kH), kOne},
    {0.036017, 0, 0, Sin(2, kH), kOne},
    {-0.003019, 0, 0, Cos(2, kH), kOne},
    {0.008122, 0, 0, Sin(1, kW), kOne},
}};

// Meeus, Astronomical Formulae for Calculators, Uranus: to the eccentricity, units of 1e-7.
inline constexpr std::array<SeriesTerm, 3> kEccentricity = {{
    {-3349, 163, 0, Sin(1, kH), kOne},
    {20981, 0, 0, Cos(1, kH), kOne},
    {1311, 0, 0, Cos(2, kH), kOne},
}};

// Meeus, Astronomical Formulae for Calculators, Uranus: B, to the perihelion (as B / e), degrees.
inline constexpr std::array<SeriesTerm, 3> kPerihelion = {{
    {0.120303, 0, 0, Sin(1, kH), kOne},
    {0.019472, -0.000947, 0, Cos(1, kH), kOne},
    {0.006197, 0, 0, Sin(2, kH), kOne},
}};

// Meeus, Astronomical Formulae for Calculators, Uranus: to the semi-major axis, 1e-6 AU.
inline constexpr std::array<SeriesTerm, 1> kSemiMajorAxis = {{
    {-3825, 0, 0, Cos(1, kH), kOne},
}};

// Meeus, Astronomical Formulae for Calculators, Uranus: to the longitude, degrees.
inline constexpr std::array<SeriesTerm, 10> kLongitude = {{
    {0.010122, -0.000988, 0, Sin(1, kS, 1, kEta), kOne},
    {-0.038581, 0.002031, -0.00191, Cos(1, kS, 1, kEta), kOne},
    {0.034964, -0.001038, 0.000868, Cos(2, kS, 1, kEta), kOne},
    {0.005594, 0, 0, Sin(1, kS, 3, kTheta), kOne},
    {-0.014808, 0, 0, Sin(1, kZeta), kOne},
    {-0.005794, 0, 0, Sin(1, kEta), kOne},
    {0.002347, 0, 0, Cos(1, kEta), kOne},
    {0.009872, 0, 0, Sin(1, kTheta), kOne},
    {0.008803, 0, 0, Sin(2, kTheta), kOne},
    {-0.004308, 0, 0, Sin(3, kTheta), kOne},
}};

}  // namespace kairotex::planets::uranus_terms
