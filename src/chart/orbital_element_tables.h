// The mean orbital elements from which InitOrbitalElements fills its tables.
#pragma once

#include "chart/planet_theory.h"

namespace kairotex::planets {

// clang-format off

// Earth, Mercury, Venus, Mars: mean elements at J2000.0 (JD 2451545.0), each
// x0 + x1 T with T in Julian centuries from J2000; a in AU, angles in degrees.
// Rows: a, e0, e1, i0, i1 / node0, node1, perihelion0, perihelion1 /
// mean anomaly0, mean anomaly1.
inline constexpr InnerElements kInnerEarth   = {1.000000031, 0.016709, -4.2e-05, 0,      0,
                                                0,        0,      102.94,     1.7192,
                                                357.5256,    35999.0498};
inline constexpr InnerElements kInnerMercury = {0.387099,    0.205634, 2e-05,    7.0048, 0.0019,
                                                48.331,   1.185,  77.4552,    1.5555,
                                                174.7947,    149472.5153};
inline constexpr InnerElements kInnerVenus   = {0.723332,    0.006773, -4.8e-05, 3.3946, 0.001,
                                                76.68,    0.9,    131.5718,   1.408,
                                                50.4071,     58517.8039};
inline constexpr InnerElements kInnerMars    = {1.523692,    0.093405, 9.2e-05,  1.8496, -0.0007,
                                                49.557,   0.771,  336.059,    1.8408,
                                                19.3879,     19139.8585};

// Jupiter to Neptune: mean elements of date, Meeus, Astronomical Formulae for
// Calculators, each x0 + x1 T + x2 T^2 + x3 T^3 with T in Julian centuries from
// 1900 January 0.5: mean longitude, a (AU), eccentricity, inclination,
// argument of perihelion, node.
inline constexpr OuterElements kOuterJupiter = {
    {238.049257, 3036.301986, 0.0003347,   -1.65e-06},
    5.202561,
    {0.04833475, 0.00016418,  -4.676e-07,  -1.7e-09},
    {1.308736,   -0.0056961,  3.9e-06,     0},
    {273.277558, 0.5994317,   0.00070405,  5.08e-06},
    {99.443414,  1.01053,     0.00035222,  -8.51e-06}};
inline constexpr OuterElements kOuterSaturn = {
    {266.564377, 1223.509884, 0.0003245,   -5.8e-06},
    9.554747,
    {0.05589232, -0.0003455,  -7.28e-07,   7.4e-10},
    {2.492519,   -0.0039189,  -1.549e-05,  4e-08},
    {338.3078,   1.0852207,   0.00097854,  9.92e-06},
    {112.790414, 0.8731951,   -0.00015218, -5.31e-06}};
inline constexpr OuterElements kOuterUranus = {
    {244.19747,  429.863546,  0.000316,    -6e-07},
    19.21814,
    {0.0463444,  -2.658e-05,  7.7e-08,     0},
    {0.772464,   0.0006253,   3.95e-05,    0},
    {98.071581,  0.985765,    -0.0010745,  -6.1e-07},
    {73.477111,  0.4986678,   0.0013117,   0}};
inline constexpr OuterElements kOuterNeptune = {
    {84.457994,  219.885914,  0.0003205,   -6e-07},
    30.10957,
    {0.00899704, 6.33e-06,    -2e-09,      0},
    {1.779242,   -0.0095436,  -9.1e-06,    0},
    {276.045975, 0.3256394,   0.00014095,  4.113e-06},
    {130.681389, 1.098935,    0.00024987,  -4.718e-06}};

// The Earth for the outer planets, from Newcomb's Sun (1900 January 0.5): the
// Sun's geocentric mean longitude, the eccentricity and, as argument of
// perihelion with a zero node, the longitude of the Earth's perihelion.
inline constexpr OuterElements kOuterEarth = {
    {279.696678, 36000.768925, 0.0003025,  0},
    1.0000002,
    {0.01675104, -4.18e-05,    -1.26e-07,  0},
    {0,          0,            0,          0},
    {101.22085,  1.71917,      0.0004525,  3.3e-06},
    {0,          0,            0,          0}};

// Pluto's elements only drive a Kepler step whose result the Pluto series
// replaces; they are kept so that the step runs as for every other body.
inline constexpr OuterElements kOuterPluto = {
    {224.1218863, 1.6412602,   0, 0},
    39.53903455,
    {0.24466616,  -0.0033076,  0, 0},
    {17.1507245,  -0.00067869, 0, 0},
    {14.9591099,  145.8061092, 0, 0},
    {110.287871,  1.343821,    0, 0}};

// clang-format on

}  // namespace kairotex::planets
