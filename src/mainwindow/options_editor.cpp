#include "mainwindow/options_editor.h"

#include <fstream>
#include <sstream>

#include "settings/data_file_error.h"
#include "settings/program_dir.h"
#include "settings/safe_file_write.h"

namespace kairotex {
namespace {

constexpr const char* kOptionsFile = "OPTIONS.OPT";
constexpr const char* kMasterFile = "OPTIONS.MST";

std::optional<std::string> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return bytes.str();
}

// Every line of the text with CR LF, whatever line ends it came with.
std::string WithCrLf(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (text[i] == '\n' || text[i] == '\r') {
      out += "\r\n";
    } else {
      out += text[i];
    }
  }
  return out;
}

// The option lines the reader would take: lines up to the first empty one.
int OptionLineCount(const std::string& crlf_text) {
  std::istringstream in(crlf_text);
  std::string line;
  int count = 0;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) break;
    ++count;
  }
  return count;
}

bool Fail(std::string* error, const std::string& why) {
  if (error != nullptr) *error = why;
  return false;
}

}  // namespace

std::optional<std::string> ReadOptionsEditorText(const std::string& program_dir) {
  const std::optional<std::string> bytes = ReadBytes(ProgramPath(program_dir, kOptionsFile));
  if (!bytes) return std::nullopt;
  std::string text = WithCrLf(*bytes);
  const bool ends_with_line_end = text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0;
  if (!text.empty() && !ends_with_line_end) text += "\r\n";
  return text;
}

bool SaveOptionsEditorText(const std::string& program_dir, std::string_view text,
                           OptionsTable& options, std::string* error) {
  std::string body = WithCrLf(text);
  body = body.size() < 2 ? std::string() : body.substr(0, body.size() - 2);
  body += "\r\n";
  if (OptionLineCount(body) > kOptionCount) {
    return Fail(error, "OPTIONS.OPT holds more than 130 option lines; it was not saved.");
  }
  const std::string path = ProgramPath(program_dir, kOptionsFile);
  if (!WriteFileReplacing(path, body, error)) return false;
  try {
    LoadOptions(program_dir, options);
  } catch (const DataFileError& e) {
    return Fail(error, e.what());
  }
  return true;
}

bool RestoreDefaultOptions(const std::string& program_dir, std::string* error) {
  const std::string master = ProgramPath(program_dir, kMasterFile);
  const std::optional<std::string> bytes = ReadBytes(master);
  if (!bytes) return Fail(error, master + ": cannot be read");
  return WriteFileReplacing(ProgramPath(program_dir, kOptionsFile), *bytes, error);
}

}  // namespace kairotex
