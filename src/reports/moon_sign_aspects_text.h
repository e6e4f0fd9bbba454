// The Moon's aspects by sign as report lines.
#pragma once

#include <string>
#include <vector>

#include "reports/moon_sign_aspects.h"

namespace kairotex {

// A blank line, the heading, the From line and the To line (which says
// "VOID OF COURSE (modern)" when it has no entry).
std::vector<std::string> MoonSignAspectLines(const MoonSignAspects& aspects);

}  // namespace kairotex
