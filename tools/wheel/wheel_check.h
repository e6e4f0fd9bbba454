// Checks of HCDATA.DAT and RADIUS.DAT, read back as the program reads them,
// against the wheel geometry. Any failure throws, so the generator stops
// loudly.
#pragma once

#include <string>

namespace kairotex::tools::wheel {

void CheckCuspLabelFile(const std::string& path);
void CheckRadiusFile(const std::string& radius_path, const std::string& label_path);

}  // namespace kairotex::tools::wheel
