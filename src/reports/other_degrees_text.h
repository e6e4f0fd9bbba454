// The text of the other-degrees report.
#pragma once

#include <string>
#include <vector>

#include "reports/other_degrees.h"

namespace kairotex {

// The seven columns of one row: each letter and eight spaces, the decanate
// sign and six spaces, the dwad sign.
std::string DegreeColumns(const DegreeClass& degree);

// Every line of the report, the leading blank line included.
std::vector<std::string> OtherDegreesLines(const OtherDegreeClasses& classes);

}  // namespace kairotex
