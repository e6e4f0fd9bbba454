// The third section of the horary basics report: the objects in critical
// degrees and the strip of the objects by their degree within the sign.
#pragma once

#include "reports/degree_strip_cells.h"
#include "reports/report_context.h"

namespace kairotex {

// A blank line and the critical-degrees line.
void WriteCriticalDegrees(ReportContext& context);

// The critical-degrees line, a blank line, the degree ruler and the strip.
void WriteDegreeStrip(ReportContext& context);

}  // namespace kairotex
