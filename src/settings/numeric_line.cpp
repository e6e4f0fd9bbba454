#include "settings/numeric_line.h"

#include <cstdlib>
#include <string>

namespace kairotex {

double ReadLeadingNumber(std::string_view text) {
  std::string digits;
  bool seen_point = false, seen_digit = false, seen_sign = false;
  for (char c : text) {
    if (c == ' ' || c == '\t') continue;
    if ((c == '+' || c == '-') && !seen_sign && !seen_digit && !seen_point) {
      seen_sign = true;
      digits += c;
    } else if (c >= '0' && c <= '9') {
      seen_digit = true;
      digits += c;
    } else if (c == '.' && !seen_point) {
      seen_point = true;
      digits += c;
    } else {
      break;
    }
  }
  if (!seen_digit) return 0.0;
  // strtod saturates where stod would throw: a number too long for a double
  // is read as the largest value, not a fault.
  return std::strtod(digits.c_str(), nullptr);
}

bool StartsWithNumber(std::string_view text) {
  bool seen_sign = false, seen_point = false;
  for (char c : text) {
    if (c == ' ' || c == '\t') continue;
    if (c >= '0' && c <= '9') return true;
    if ((c == '+' || c == '-') && !seen_sign && !seen_point) {
      seen_sign = true;
    } else if (c == '.' && !seen_point) {
      seen_point = true;
    } else {
      return false;
    }
  }
  return false;
}

double ReadNumericField(std::string_view line) {
  return ReadLeadingNumber(line.substr(0, 7));
}

}  // namespace kairotex
