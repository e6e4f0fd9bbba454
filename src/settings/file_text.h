// Reading a whole settings or data file, telling a missing file from a folder
// or an unreadable one, and quoting bad text from a file in a message.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace kairotex {

enum class FileProblem { kNone, kMissing, kNotAFile, kUnreadable };

struct FileText {
  std::string text;
  FileProblem problem = FileProblem::kNone;
};

// The file's bytes. Anything but a regular file (a folder, a device, a pipe)
// is refused rather than read as an empty file.
FileText ReadFileText(const std::string& path);

// Reads the file a piece at a time, each piece whole lines (ending after a
// line feed, or at the end of the file), so that a large table is read
// without holding all of it. Returns the problem that stopped the reading.
FileProblem ReadFileByLines(const std::string& path,
                            const std::function<void(std::string_view)>& sink);

// "file not found", "is a folder, not a file", "is not a regular file",
// "cannot be read".
std::string DescribeFileProblem(const std::string& path, FileProblem problem);

// At most max_length characters of text for a message, with "..." when cut,
// and every byte outside printable ASCII written as \xNN.
std::string QuoteExcerpt(std::string_view text, size_t max_length = 24);

// The text without its leading and trailing blanks and tabs.
inline std::string_view TrimBlanks(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Splits text into lines at CR LF, LF or a lone CR.
template <typename Sink>
void ForEachLine(std::string_view text, Sink&& sink) {
  size_t start = 0;
  int number = 1;
  while (start < text.size()) {
    size_t end = start;
    while (end < text.size() && text[end] != '\n' && text[end] != '\r') ++end;
    sink(text.substr(start, end - start), number++);
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
      ++end;
    start = end + 1;
  }
}

}  // namespace kairotex
