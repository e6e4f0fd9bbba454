// A settings or data file that is missing or malformed.
#pragma once

#include <stdexcept>
#include <string>

namespace kairotex {

class DataFileError : public std::runtime_error {
 public:
  // line 0 means the whole file (missing or unreadable).
  DataFileError(std::string file, int line, const std::string& what)
      : std::runtime_error(Describe(file, line, what)), file_(std::move(file)), line_(line) {}

  const std::string& file() const { return file_; }
  int line() const { return line_; }

 private:
  static std::string Describe(const std::string& file, int line, const std::string& what) {
    if (line > 0) return file + ", line " + std::to_string(line) + ": " + what;
    return file + ": " + what;
  }
  std::string file_;
  int line_;
};

}  // namespace kairotex
