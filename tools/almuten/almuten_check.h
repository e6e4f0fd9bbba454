// Checks of the written almuten tables, read back as the program reads them.
// Any failure throws, so the generator stops loudly.
#pragma once

#include <string>

namespace kairotex::tools {

void CheckAlmutenFiles(const std::string& first_path, const std::string& second_path, bool night);

}  // namespace kairotex::tools
