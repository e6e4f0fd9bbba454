#include "mainwindow/help_files.h"

#include <fstream>

#include "settings/program_dir.h"

namespace kairotex {

std::optional<std::string> ReadHelpText(const std::string& program_dir,
                                        std::string_view file_name) {
  std::ifstream in(ProgramPath(program_dir, file_name), std::ios::binary);
  if (!in) return std::nullopt;
  std::string text, line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    text += line;
    text += "\r\n";
  }
  if (in.bad()) return std::nullopt;
  return text;
}

std::string HelpFileNotFoundMessage(std::string_view file_name) {
  return std::string(file_name) + " Help File Not Found";
}

}  // namespace kairotex
