// The aspect list in words, for the command line and plain-text output.
#pragma once

#include <string>
#include <string_view>

#include "aspects/aspect_list.h"

namespace kairotex {

// One line per entry in three columns, e.g. "SUN        Trine          JUPITER":
// the object names, then the aspect ("Septile", "Parallel", "Contraparallel"
// where the name table has none). The aspects come first, then an empty line,
// then the parallels; every line ends with line_end. In the heliocentric chart
// object 1 is "EARTH".
std::string AspectListWords(const AspectList& list, bool heliocentric, std::string_view line_end);

}  // namespace kairotex
