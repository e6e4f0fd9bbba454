// The aspect window's text: the aspect list in the glyphs of the HORARY font.
#pragma once

#include <string>

#include "aspects/aspect_list.h"

namespace kairotex {

// An empty first line, one line "  <object> <aspect> <object>" per aspect, an
// empty line, then the parallels the same way; CR LF line ends, each glyph one
// Latin-1 byte. In the heliocentric chart object 1 is the Earth.
std::string AspectListGlyphText(const AspectList& list, bool heliocentric);

}  // namespace kairotex
