// The program's number and date formats.
#pragma once

#include <string>
#include <string_view>

namespace kairotex {

// A number by a pattern of '#' and '0' with at most one '.': "##0.00", "#0.0",
// "#0.00", "###0.00", "00", "#0", "0.0". '0' places give the minimum number of
// integer digits, the places after the point the fixed decimals. Rounds half
// away from zero on the value written to 15 significant digits (2.675 -> 2.68);
// a negative value that rounds to zero keeps its minus sign (-0.00).
std::string FormatNumber(double value, std::string_view pattern);

// The plain number-to-text conversion: shortest form up to `significant`
// digits, no exponent, no trailing zeros, a leading blank for values of 0 or
// more and no digit before a lone fraction (" .5", "-2.25", " 12").
std::string PlainNumberText(double value, int significant = 15);

// The same conversion without the leading blank and with "0" before a lone
// fraction ("5", "-3.5", "0.25"), as numbers are written into text fields.
std::string CompactNumberText(double value, int significant = 15);

// Significant digits of a 32-bit float when written as text.
inline constexpr int kSingleDigits = 7;

// "dd mmm yyyy": 05 Dec 2026.
std::string FormatDayMonthYear(int day, int month, int year);

// Two-digit text with a leading "0" below 10.
std::string TwoDigits(int value);

}  // namespace kairotex
