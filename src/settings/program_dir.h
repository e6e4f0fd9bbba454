// The program folder and the files delivered beside the program.
#pragma once

#include <string>
#include <string_view>

namespace kairotex {

// Directory of the running program file, without a trailing separator.
std::string ProgramDir();

// ProgramDir-style join: the folder, a separator and the file name.
std::string ProgramPath(std::string_view dir, std::string_view file_name);

}  // namespace kairotex
