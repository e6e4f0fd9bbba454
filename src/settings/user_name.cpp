#include "settings/user_name.h"

#include <fstream>

namespace kairotex {

std::string ReadUserName(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string line;
  if (!in || !std::getline(in, line)) return {};
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

std::string BuildTitleText(const std::string& user_name_line, float option123) {
  std::string title = user_name_line + " KAIROTEX ";
  // Exact comparisons: a value such as 0.5 names no zodiac.
  if (option123 == 0.0f) {
    title += "(Tropical zodiac) - ";
  } else if (option123 == 1.0f) {
    title += "(Sidereal zodiac - SVP) - ";
  } else if (option123 == 2.0f) {
    title += "(Sidereal zodiac - Ayanamsa) - ";
  }
  return title;
}

}  // namespace kairotex
