// The orb file: seventeen orbs, one a line, as in NATAL.ORB.
#pragma once

#include <string>

#include "aspects/aspect_codes.h"
#include "chart/platform.h"

namespace kairotex {

// Reads the orb file at path into orbs: line n sets orbs[n] from the number in
// its first seven characters. Reading stops at the end of the file, at the first
// empty line or after line 17; entries not reached keep their values. When the
// file is missing or cannot be read, or a line read holds no number in its
// field or its orb is negative or above 180, the user is told (with
// the file and the line), the table is left as it was and the result is
// false.
// "Orb file not found: <path>. The orbs stay as they were."
std::string OrbFileNotFoundMessage(const std::string& path);

bool ReadOrbFile(const std::string& path, OrbTable& orbs, MessageSink& messages);

}  // namespace kairotex
