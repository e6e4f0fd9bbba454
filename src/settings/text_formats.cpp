#include "settings/text_formats.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "settings/numeric_line.h"

namespace kairotex {
namespace {

struct DecimalDigits {
  std::string digits;  // magnitude digits, no leading zeros unless the value is 0
  int point = 0;       // number of digits before the decimal point
};

// |value| written to 15 significant digits, then rounded half away from zero
// to `decimals` places.
DecimalDigits RoundDecimal(double value, int decimals) {
  char buffer[64];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer - 1, std::fabs(value),
                                     std::chars_format::scientific, 14);
  *written.ptr = '\0';
  std::string mantissa;
  const char* p = buffer;
  for (; *p && *p != 'e'; ++p) {
    if (*p != '.') mantissa += *p;
  }
  const int exponent = std::atoi(p + 1);
  DecimalDigits d{mantissa, exponent + 1};
  const int keep = d.point + decimals;
  if (keep < 0) return {"0", 1};
  if (keep < static_cast<int>(d.digits.size())) {
    const bool round_up = d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (round_up) {
      int i = keep - 1;
      while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
      if (i >= 0) {
        ++d.digits[i];
      } else {
        d.digits.insert(d.digits.begin(), '1');
        ++d.point;
      }
    }
  }
  if (d.digits.empty()) return {"0", 1};
  return d;
}

// Integer part and fraction of rounded digits, the fraction padded to `decimals`.
void SplitDigits(const DecimalDigits& d, int decimals, std::string& whole, std::string& fraction) {
  whole.clear();
  fraction.clear();
  for (int i = 0; i < d.point; ++i)
    whole += i < static_cast<int>(d.digits.size()) ? d.digits[i] : '0';
  for (int i = d.point; i < d.point + decimals; ++i) {
    const bool has = i >= 0 && i < static_cast<int>(d.digits.size());
    fraction += has ? d.digits[i] : '0';
  }
  const size_t first = whole.find_first_not_of('0');
  whole = first == std::string::npos ? "" : whole.substr(first);
}

std::string NumberText(double value, int significant, bool leading_blank, bool zero_before_point) {
  if (value == 0.0) return leading_blank ? " 0" : "0";
  const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
  int decimals = significant - 1 - magnitude;
  if (decimals < 0) decimals = 0;
  const DecimalDigits d = RoundDecimal(value, decimals);
  std::string whole, fraction;
  SplitDigits(d, decimals, whole, fraction);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  std::string text;
  if (value < 0) {
    text.push_back('-');
  } else if (leading_blank) {
    text.push_back(' ');
  }
  if (whole.empty() && (zero_before_point || fraction.empty())) whole.push_back('0');
  text += whole;
  if (!fraction.empty()) {
    text += '.';
    text += fraction;
  }
  return text;
}

std::string Blanks(int count, std::string_view text) {
  return std::string(count, ' ') + std::string(text);
}

// The leading number of a column text. Digits no double can hold never come
// from a report writer; they count as 0.
double LeadingValue(std::string_view text) {
  const double value = ReadLeadingNumber(text);
  return std::isfinite(value) ? value : 0.0;
}

}  // namespace

std::string FormatNumber(double value, std::string_view pattern) {
  const size_t point = pattern.find('.');
  const std::string_view int_part = pattern.substr(0, point);
  const int decimals =
      point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
  int min_int_digits = 0;
  for (char c : int_part) min_int_digits += c == '0';

  const DecimalDigits d = RoundDecimal(value, decimals);
  std::string whole, fraction;
  SplitDigits(d, decimals, whole, fraction);
  while (static_cast<int>(whole.size()) < min_int_digits) whole.insert(whole.begin(), '0');

  std::string text;
  if (value < 0) text.push_back('-');
  text += whole;
  if (decimals > 0) {
    text += '.';
    text += fraction;
  }
  return text;
}

std::string PlainNumberText(double value, int significant) {
  return NumberText(value, significant, true, false);
}

std::string CompactNumberText(double value, int significant) {
  return NumberText(value, significant, false, true);
}

std::string FormatDayMonthYear(int day, int month, int year) {
  static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const char* name = (month >= 1 && month <= 12) ? kMonths[month - 1] : "???";
  std::string year_text = std::to_string(year);
  while (year_text.size() < 4) year_text.insert(year_text.begin(), '0');
  return TwoDigits(day) + ' ' + name + ' ' + year_text;
}

std::string TwoDigits(int value) {
  std::string text = std::to_string(value);
  if (value >= 0 && value < 10) text.insert(text.begin(), '0');
  return text;
}

std::string PadTo2(std::string_view text) {
  return LeadingValue(text) < 10 ? Blanks(1, text) : std::string(text);
}

std::string PadTo3(std::string_view text) {
  if (text.starts_with("-0,")) return Blanks(1, text);
  const double v = LeadingValue(text);
  if (v >= 10) return Blanks(1, text);
  if (v >= 0) return Blanks(2, text);
  if (v > -10) return Blanks(1, text);
  return std::string(text);
}

std::string PadTo4(std::string_view text) {
  if (text.starts_with("-0,")) return Blanks(2, text);
  const double v = LeadingValue(text);
  if (v >= 100) return Blanks(1, text);
  if (v >= 10) return Blanks(2, text);
  if (v >= 0) return Blanks(3, text);
  if (v > -10) return Blanks(2, text);
  if (v > -100) return Blanks(1, text);
  return std::string(text);
}

std::string FormatMediumTime(double day_fraction) {
  constexpr long long kSecondsPerDay = 86400;
  if (!std::isfinite(day_fraction)) day_fraction = 0;
  const double fraction = day_fraction - std::floor(day_fraction);
  long long seconds = std::llround(fraction * kSecondsPerDay);
  if (seconds >= kSecondsPerDay) seconds -= kSecondsPerDay;  // rounded up to midnight
  const int hour24 = static_cast<int>(seconds / 3600);
  const int minute = static_cast<int>(seconds % 3600 / 60);
  const int hour12 = hour24 % 12 == 0 ? 12 : hour24 % 12;
  return TwoDigits(hour12) + ':' + TwoDigits(minute) + (hour24 < 12 ? " AM" : " PM");
}

}  // namespace kairotex
