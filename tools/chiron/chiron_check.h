// Plausibility checks of the written Chiron files, read back as the program
// reads them. Any failure throws, so the generator stops loudly.
#pragma once

#include <string>
#include <vector>

#include "chiron/chiron_ephemeris.h"

namespace kairotex::tools {

void CheckChironFiles(const std::string& geo_path, const std::string& helio_path,
                      const std::vector<ChironPosition>& computed);

}  // namespace kairotex::tools
