#include <cmath>

#include "chart/angles.h"
#include "settings/text_formats.h"

namespace kairotex {

std::string FormatCoordinate(double degrees_minutes, std::string_view direction_word) {
  std::string text = FormatNumber(std::fabs(degrees_minutes), "##0.00");
  size_t separator = text.find('.');
  if (separator == std::string::npos) separator = text.find(',');
  if (separator != std::string::npos && !direction_word.empty()) {
    text[separator] =
        static_cast<char>(std::tolower(static_cast<unsigned char>(direction_word[0])));
  }
  return text;
}

}  // namespace kairotex
