#include "settings/file_text.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace kairotex {

namespace {

// Opens a regular file for reading, or tells why it cannot be.
FileProblem OpenRegularFile(const std::string& path, std::ifstream& in) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (status.type() == fs::file_type::not_found) return FileProblem::kMissing;
  if (!error && status.type() != fs::file_type::regular) return FileProblem::kNotAFile;
  in.open(path, std::ios::binary);
  return in ? FileProblem::kNone : FileProblem::kUnreadable;
}

}  // namespace

FileText ReadFileText(const std::string& path) {
  namespace fs = std::filesystem;
  FileText result;
  std::ifstream in;
  result.problem = OpenRegularFile(path, in);
  if (result.problem != FileProblem::kNone) return result;
  std::error_code error;
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

FileProblem ReadFileByLines(const std::string& path,
                            const std::function<void(std::string_view)>& sink) {
  std::ifstream in;
  const FileProblem problem = OpenRegularFile(path, in);
  if (problem != FileProblem::kNone) return problem;
  std::string buffer(size_t{64} * 1024, '\0');
  size_t filled = 0;
  while (true) {
    if (filled == buffer.size()) buffer.resize(buffer.size() * 2);  // a line longer than a piece
    in.read(buffer.data() + filled, static_cast<std::streamsize>(buffer.size() - filled));
    if (in.bad()) return FileProblem::kUnreadable;
    const size_t got = static_cast<size_t>(in.gcount());
    if (got == 0) {
      if (filled > 0) sink(std::string_view(buffer.data(), filled));
      return FileProblem::kNone;
    }
    filled += got;
    // Hand over whole lines only, so that no line (nor a CR LF) is split.
    const size_t last_feed = std::string_view(buffer.data(), filled).rfind('\n');
    if (last_feed == std::string_view::npos) continue;
    sink(std::string_view(buffer.data(), last_feed + 1));
    filled -= last_feed + 1;
    std::memmove(buffer.data(), buffer.data() + last_feed + 1, filled);
  }
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
