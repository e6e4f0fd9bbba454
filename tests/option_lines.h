// Changing one line of a copied OPTIONS.OPT, as a user's edit would.
#pragma once

#include <fstream>
#include <string>

#include "test_paths.h"

namespace kairotex::test {

// Line `index` of dir/OPTIONS.OPT becomes `value` in its first seven
// characters and a note after them; the other lines stay.
inline void SetOptionLine(const std::string& dir, int index, const std::string& value) {
  const std::string path = dir + "/OPTIONS.OPT";
  const std::string text = ReadText(path);
  std::string out;
  size_t start = 0;
  for (int line = 1; start < text.size(); ++line) {
    const size_t end = text.find("\r\n", start);
    std::string row = text.substr(start, end - start);
    if (line == index) row = value + std::string(7 - value.size(), ' ') + "set by the test";
    out += row + "\r\n";
    start = end + 2;
  }
  std::ofstream(path, std::ios::binary) << out;
}

}  // namespace kairotex::test
