// The aspects within orb as report lines.
#pragma once

#include <string>
#include <vector>

#include "reports/moon_orb_aspects.h"

namespace kairotex {

// "APP" or "sep" with ", sin " or ", dex " after it, "partile" alone, or
// nothing.
std::string QualifierText(const OrbAspect& aspect);

// Faster name, aspect name, qualifier padded to 13, slower name, distance.
std::string OrbAspectLine(const OrbAspect& aspect);

// A blank line, the heading and its underline, then one line per aspect.
std::vector<std::string> AspectsWithinOrbLines(const std::vector<OrbAspect>& aspects);

}  // namespace kairotex
