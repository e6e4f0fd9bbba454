// The options table: the 130 numeric options of OPTIONS.OPT, read by index.
#pragma once

#include <array>
#include <string>

namespace kairotex {

inline constexpr int kOptionCount = 130;

struct OptionsTable {
  std::array<float, kOptionCount + 1> values{};  // index 0 unused

  float operator[](int index) const { return values.at(index); }
  float& operator[](int index) { return values.at(index); }
};

// The zodiac of option 123: only the exact values 1 and 2 are sidereal; any
// other value leaves the chart tropical.
enum class Zodiac { kTropical, kSiderealSvp, kSiderealAyanamsa };

inline Zodiac ZodiacOf(const OptionsTable& options) {
  if (options[123] == 1.0f) return Zodiac::kSiderealSvp;
  if (options[123] == 2.0f) return Zodiac::kSiderealAyanamsa;
  return Zodiac::kTropical;
}

// What reading OPTIONS.OPT found: the option lines read and, when the file
// ends before option 130, a warning naming the file and the first line not read.
struct OptionsFileReport {
  int lines_read = 0;
  std::string warning;
};

// Reads dir/OPTIONS.OPT into the table. Lines are read until the first empty
// line or the end of the file; option i takes the number in the first seven
// characters of line i; options beyond the last line keep their values.
// Throws DataFileError when the file is missing, not a file, unreadable or
// holds more than 130 lines.
OptionsFileReport LoadOptions(const std::string& program_dir, OptionsTable& options);

}  // namespace kairotex
