// Coefficients of the Moon's theory: periodic terms in longitude and latitude.
#pragma once

#include <array>

namespace kairotex::moon_terms {

// amplitude * sin(moon_anomaly M' + sun_anomaly M + arg_latitude F + elongation D),
// each mean element taken the given whole number of times.
struct Term {
  double amplitude_arcsec;
  int moon_anomaly;
  int sun_anomaly;
  int arg_latitude;
  int elongation;
};

// clang-format off
// Brown's lunar theory, principal periodic terms in longitude (Improved Lunar Ephemeris, 1954).
inline constexpr std::array<Term, 71> kLongitude = {{
    //  arcsec   M'  M   F   D
    { 22639.55,  1,  0,  0,  0},  // equation of the centre
    {   769.02,  2,  0,  0,  0},
    {  -125.15,  0,  0,  0,  1},  // parallactic inequality
    { 2369.912,  0,  0,  0,  2},  // variation
    {  -668.15,  0,  1,  0,  0},  // annual equation
    {  -411.61,  0,  0,  2,  0},  // reduction to the ecliptic
    {  -211.66,  2,  0,  0, -2},
    { -4586.47,  1,  0,  0, -2},  // evection
    {   191.95,  1,  0,  0,  2},
    {  -165.15,  0,  1,  0, -2},
    {  -205.96,  1,  1,  0, -2},
    {  -109.67,  1,  1,  0,  0},
    {   147.69,  1, -1,  0,  0},
    {   -55.17,  0,  0,  2, -2},
    {  -45.099,  1,  0,  2,  0},
    {    39.53,  1,  0, -2,  0},
    {   -38.43,  1,  0,  0, -4},
    {    36.12,  3,  0,  0,  0},
    {   -30.77,  2,  0,  0, -4},
    {    28.48,  1, -1,  0, -2},
    {   -24.42,  0,  1,  0,  2},
    {    18.61,  1,  0,  0, -1},
    {    18.02,  0,  1,  0,  1},
    {    14.58,  1, -1,  0,  2},
    {    14.39,  2,  0,  0,  2},
    {     13.9,  0,  0,  0,  4},
    {   -13.19,  3,  0,  0, -2},
    {      9.7,  2, -1,  0,  0},
    {     9.37,  1,  0, -2, -2},
    {    -8.63,  2,  1,  0, -2},
    {    -8.47,  1,  0,  0,  1},
    {   -8.096,  0,  2,  0, -2},
    {    -7.65,  2,  1,  0,  0},
    {    -7.49,  0,  2,  0,  0},
    {    -7.41,  1,  2,  0, -2},
    {    -6.38,  1,  0, -2,  2},
    {    -5.74,  0,  0,  2,  2},
    {    -4.39,  1,  1,  0, -4},
    {    -3.99,  2,  0,  2,  0},
    {     3.22,  1,  0,  0, -3},
    {    -2.92,  1,  1,  0,  2},
    {    -2.74,  2,  1,  0, -4},
    {    -2.49,  2, -1,  0, -2},
    {     2.58,  1, -2,  0,  0},
    {     2.53,  1, -2,  0, -2},
    {    -2.15,  0,  1,  2, -2},
    {     1.98,  1,  0,  0,  4},
    {     1.94,  4,  0,  0,  0},
    {    -1.88,  0,  1,  0, -4},
    {     1.75,  2,  0,  0, -1},
    {    -1.44,  0,  1, -2,  2},
    {   -1.298,  2,  0, -2,  0},
    {    -1.27,  1,  1,  0,  1},
    {     1.23,  2,  0,  0, -3},
    {    -1.19,  3,  0,  0, -4},
    {     1.18,  2, -1,  0,  2},
    {    -1.17,  1,  2,  0,  0},
    {    -1.09,  1, -1,  0, -1},
    {     1.06,  3,  0,  0,  2},
    {    -0.59,  2,  0,  0,  1},
    {    -0.99,  1,  0,  2,  2},
    {    -0.95,  4,  0,  0, -2},
    {    -0.57,  2,  0,  0, -6},
    {     0.64,  1,  0,  0, -4},
    {     0.56,  0,  1,  0, -1},
    {     0.76,  1, -2,  0,  2},
    {     0.58,  0,  0,  2, -1},
    {    -0.55,  3,  1,  0,  0},
    {     0.68,  3, -1,  0,  0},
    {    0.557,  2,  0,  2, -2},
    {    0.538,  2,  0, -2, -2},
}};

// Brown's lunar theory, solar terms N of the latitude (Improved Lunar Ephemeris, 1954).
inline constexpr std::array<Term, 7> kLatitude = {{
    //  arcsec   M'  M   F   D
    {   -526.1,  0,  0,  1, -2},
    {     44.3,  1,  0,  1, -2},
    {    -30.6, -1,  0,  1, -2},
    {    -22.6,  0,  1,  1, -2},
    {     11.0,  0, -1,  1, -2},
    {    -24.6, -2,  0,  1,  0},
    {     20.6, -1,  0,  1,  0},
}};
// clang-format on

}  // namespace kairotex::moon_terms
