#include "mainwindow/options_editor.h"

#include <fstream>
#include <sstream>

#include "mainwindow/text_file_editor.h"
#include "settings/data_file_error.h"
#include "settings/program_dir.h"
#include "settings/safe_file_write.h"

namespace kairotex {
namespace {

constexpr const char* kOptionsFile = "OPTIONS.OPT";
constexpr const char* kMasterFile = "OPTIONS.MST";

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
  return ReadEditorText(ProgramPath(program_dir, kOptionsFile));
}

bool SaveOptionsEditorText(const std::string& program_dir, std::string_view text,
                           OptionsTable& options, std::string* error) {
  const std::string body = EditorTextToSave(text);
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
  std::ifstream in(master, std::ios::binary);
  if (!in) return Fail(error, master + ": cannot be read");
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) return Fail(error, master + ": cannot be read");
  return WriteFileReplacing(ProgramPath(program_dir, kOptionsFile), bytes.str(), error);
}

}  // namespace kairotex
