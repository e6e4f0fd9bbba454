// The nodes-and-parts lines of the horary basics report.
#pragma once

#include <string>
#include <vector>

#include "reports/arabic_parts.h"

namespace kairotex {

// A longitude as degree, sign and minutes: "05 TAU 17". Minutes that round to
// 60 stay at 59 rather than carry into the degree.
std::string PrintedPosition(double lon);

// Three lines: the two nodes; the parts of illness, death and marriage; the
// part of fatality, the point of death and the night Part of Fortune.
std::vector<std::string> NodesAndPartsLines(const NodesAndParts& parts);

}  // namespace kairotex
