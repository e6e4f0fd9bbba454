// Writing and reading back the plain-text number lists delivered in data/.
// Every file the generators write uses CR LF line ends, like the program's
// other text files; a record may hold several values separated by commas.
#pragma once

#include <string>
#include <vector>

namespace kairotex::tools {

inline constexpr const char* kLineEnd = "\r\n";

// Writes the records, one per line, to path + ".tmp". The caller checks the
// written file and then calls CommitDatFile, so a failed check never leaves a
// bad file under the real name.
std::string WriteDatFileTemp(const std::string& path, const std::vector<std::string>& records);
void CommitDatFile(const std::string& temp_path, const std::string& path);

// Reads a number list the way the program's loader does: numbers separated by
// commas or line breaks, in order, to the end of the file. Anything that is not
// a number ends the run with an error.
std::vector<double> ReadDatValues(const std::string& path);

// Throws std::runtime_error with the file name and what went wrong.
[[noreturn]] void FailCheck(const std::string& what);

// Fixed-point text of a value, without a "-0.000" for values that round to 0.
std::string FormatFixed(double value, int decimals);

}  // namespace kairotex::tools
