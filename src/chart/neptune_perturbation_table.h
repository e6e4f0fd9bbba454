// Neptune's perturbations by Uranus, Jupiter and Saturn: the series of Meeus.
// Arguments: H = 2G - S, zeta = G - P, eta = G - Q, theta = G - S, and G',
// Uranus' mean anomaly.
#pragma once

#include <array>

#include "chart/perturbation_series.h"

namespace kairotex::planets::neptune_terms {

using enum Angle;

// Meeus, Astronomical Formulae for Calculators, Neptune: A, to the mean longitude, degrees.
inline constexpr std::array<SeriesTerm, 3> kMeanLongitude = {{
    {-0.589833, 0.001089, 0, Sin(1, kH), kOne},
    {-0.056094, 0.004658, 0, Cos(1, kH), kOne},
    {-0.024286, 0, 0, Sin(2, kH), kOne},
}};

// Meeus, Astronomical Formulae for Calculators, Neptune: to the eccentricity, units of 1e-7.
inline constexpr std::array<SeriesTerm, 4> kEccentricity = {{
    {4389, 0, 0, Sin(1, kH), kOne},
    {4262, 0, 0, Cos(1, kH), kOne},
    {1129, 0, 0, Sin(2, kH), kOne},
    {1089, 0, 0, Cos(2, kH), kOne},
}};

// Meeus, Astronomical Formulae for Calculators, Neptune: B, to the perihelion (as B / e), degrees.
inline constexpr std::array<SeriesTerm, 4> kPerihelion = {{
    {0.024039, 0, 0, Sin(1, kH), kOne},
    {-0.025303, 0, 0, Cos(1, kH), kOne},
    {0.006206, 0, 0, Sin(2, kH), kOne},
    {-0.005992, 0, 0, Cos(2, kH), kOne},
}};

// Meeus, Astronomical Formulae for Calculators, Neptune: to the semi-major axis, 1e-6 AU.
inline constexpr std::array<SeriesTerm, 3> kSemiMajorAxis = {{
    {-817, 0, 0, Sin(1, kH), kOne},
    {8189, 0, 0, Cos(1, kH), kOne},
    {781, 0, 0, Cos(2, kH), kOne},
}};

// Meeus, Astronomical Formulae for Calculators, Neptune: to the longitude, degrees.
// The last two terms go with G', Uranus' mean anomaly: taken in G instead they
// fit the observed Neptune worse than leaving them out altogether.
inline constexpr std::array<SeriesTerm, 5> kLongitude = {{
    {-0.009556, 0, 0, Sin(1, kZeta), kOne},
    {-0.005178, 0, 0, Sin(1, kEta), kOne},
    {0.002572, 0, 0, Sin(2, kTheta), kOne},
    {-0.002972, 0, 0, Cos(2, kTheta), Sin(1, kGPrime)},
    {-0.002833, 0, 0, Sin(2, kTheta), Cos(1, kGPrime)},
}};

}  // namespace kairotex::planets::neptune_terms
