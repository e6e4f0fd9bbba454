#include "settings/options.h"

#include <string_view>

#include "settings/data_file_error.h"
#include "settings/file_text.h"
#include "settings/numeric_line.h"
#include "settings/program_dir.h"

namespace kairotex {
namespace {

// A file whose lines end in CR alone reads as one line; say so, as the user
// sees many lines in an editor.
bool HasLoneCarriageReturn(std::string_view text) {
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == '\r' && text[i + 1] != '\n') return true;
  }
  return false;
}

std::string EarlyEndWarning(const std::string& path, int first_unread, bool lone_cr) {
  std::string why = lone_cr ? "its lines end in CR alone, so it reads as one line"
                            : "the option lines end there (an empty line or the end of the file)";
  const std::string range = first_unread == kOptionCount
                                ? "option 130 is"
                                : "options " + std::to_string(first_unread) + " to 130 are";
  return path + ", line " + std::to_string(first_unread) + ": " + why + "; " + range +
         " not read and stay 0.";
}

}  // namespace

OptionsFileReport LoadOptions(const std::string& program_dir, OptionsTable& options) {
  const std::string path = ProgramPath(program_dir, "OPTIONS.OPT");
  const FileText file = ReadFileText(path);
  if (file.problem != FileProblem::kNone) {
    throw DataFileError(path, 0, DescribeFileProblem(path, file.problem));
  }
  // Read into a copy so that a malformed file leaves the table as it was.
  OptionsTable read = options;
  std::string_view rest = file.text;
  int index = 0;
  while (!rest.empty()) {
    const size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) break;
    if (++index > kOptionCount) {
      throw DataFileError(path, index, "more than 130 option lines");
    }
    read[index] = static_cast<float>(ReadNumericField(line));
  }
  options = read;
  OptionsFileReport report;
  report.lines_read = index;
  if (index < kOptionCount) {
    report.warning = EarlyEndWarning(path, index + 1, HasLoneCarriageReturn(file.text));
  }
  return report;
}

}  // namespace kairotex
