#include "settings/options.h"

#include <fstream>

#include "settings/data_file_error.h"
#include "settings/numeric_line.h"
#include "settings/program_dir.h"

namespace kairotex {

void LoadOptions(const std::string& program_dir, OptionsTable& options) {
  const std::string path = ProgramPath(program_dir, "OPTIONS.OPT");
  std::ifstream in(path, std::ios::binary);
  if (!in) throw DataFileError(path, 0, "OPTIONS.OPT File Not Found");
  // Read into a copy so that a malformed file leaves the table as it was.
  OptionsTable read = options;
  std::string line;
  int index = 0;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) break;
    if (++index > kOptionCount) {
      throw DataFileError(path, index, "more than 130 option lines");
    }
    read[index] = static_cast<float>(ReadNumericField(line));
  }
  options = read;
}

}  // namespace kairotex
