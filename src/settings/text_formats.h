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

// Right-justify a number's text for report columns, by the value of its
// leading number (which stops at a decimal comma). A text beginning "-0,"
// reads as 0, so it is recognised first and padded as the negative it is.
// PadTo2: one blank below 10. PadTo3: width 3 up to 999 ("-0,5" -> " -0,5").
// PadTo4: width 4 up to 9999 ("-0,5" -> "  -0,5").
std::string PadTo2(std::string_view numeric_text);
std::string PadTo3(std::string_view numeric_text);
std::string PadTo4(std::string_view numeric_text);

// A time of day as "hh:mm AM"/"hh:mm PM" on the 12-hour clock, hours 01 to
// 12 ("05:30 PM", midnight "12:00 AM"). The value is a fraction of a day;
// whole days are dropped so that a negative fraction is the time of the day
// before (-0.25 -> "06:00 PM"); the time is rounded to the second first.
std::string FormatMediumTime(double day_fraction);

}  // namespace kairotex
