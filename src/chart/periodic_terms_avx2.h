// Periodic series (the Moon's terms, Pluto's) four terms at a time in AVX2 lanes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "chart/harmonics.h"

namespace kairotex {

// The sum of amplitude * sin(m1 a1 + m2 a2 + m3 a3 + m4 a4) over `padded`
// terms (a multiple of four), the rotations multiplied in the order of the
// arguments; multiples holds each term's four, and arguments[k] points at
// argument k's rotation for the multiple 0. Only where the processor has AVX2.
double SumOfSinesAvx2(const double* amplitudes, const std::int8_t* multiples, std::size_t padded,
                      const std::array<const Rotation*, 4>& arguments);

// Pluto's three sums, longitude, latitude and radius, each of
// a_sin sin(A) + a_cos cos(A) with A = j J + s S + p P: the six coefficient
// rows of `padded` terms one after another, each term's three multiples,
// and the rotations of the multiple 0 of J, S and P.
std::array<double, 3> PlutoSumsAvx2(const double* coefficients, const std::int8_t* multiples,
                                    std::size_t padded,
                                    const std::array<const Rotation*, 3>& arguments);

}  // namespace kairotex
