#include "settings/file_text.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace kairotex {

FileText ReadFileText(const std::string& path) {
  namespace fs = std::filesystem;
  FileText result;
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (status.type() == fs::file_type::not_found) {
    result.problem = FileProblem::kMissing;
    return result;
  }
  if (!error && status.type() != fs::file_type::regular) {
    result.problem = FileProblem::kNotAFile;
    return result;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    result.problem = FileProblem::kUnreadable;
    return result;
  }
  // Straight into the string when the size is known (the data tables are
  // large); by the stream otherwise, as for a file that grows while read.
  const std::uintmax_t size = fs::file_size(path, error);
  if (!error) {
    result.text.resize(static_cast<size_t>(size));
    in.read(result.text.data(), static_cast<std::streamsize>(size));
    result.text.resize(static_cast<size_t>(in.gcount()));
    if (in.bad()) {
      result.problem = FileProblem::kUnreadable;
      result.text.clear();
      return result;
    }
    in.clear();
  }
  std::ostringstream rest;
  rest << in.rdbuf();
  if (in.bad()) {
    result.problem = FileProblem::kUnreadable;
    result.text.clear();
    return result;
  }
  result.text += std::move(rest).str();
  return result;
}

std::string DescribeFileProblem(const std::string& path, FileProblem problem) {
  switch (problem) {
    case FileProblem::kNone:
      return {};
    case FileProblem::kMissing:
      return "file not found";
    case FileProblem::kNotAFile: {
      std::error_code error;
      return std::filesystem::is_directory(path, error) ? "is a folder, not a file"
                                                        : "is not a regular file";
    }
    case FileProblem::kUnreadable:
      return "cannot be read";
  }
  return {};
}

std::string QuoteExcerpt(std::string_view text, size_t max_length) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  const bool cut = text.size() > max_length;
  std::string quoted;
  for (unsigned char c : text.substr(0, max_length)) {
    if (c >= 0x20 && c < 0x7F) {
      quoted += static_cast<char>(c);
    } else {
      quoted += "\\x";
      quoted += kHex[c >> 4];
      quoted += kHex[c & 0xF];
    }
  }
  if (cut) quoted += "...";
  return quoted;
}

}  // namespace kairotex
