#include "settings/user_name.h"

#include "settings/file_text.h"

namespace kairotex {

std::string ReadUserName(const std::string& path, std::string* warning) {
  const FileText file = ReadFileText(path);
  if (file.problem != FileProblem::kNone) {
    if (warning && file.problem != FileProblem::kMissing) {
      *warning = path + " " + DescribeFileProblem(path, file.problem) + ". No user name is shown.";
    }
    return {};
  }
  // A lone CR ends the line too, so that no CR reaches a caption.
  return file.text.substr(0, file.text.find_first_of("\r\n"));
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
