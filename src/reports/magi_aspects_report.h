// The Magi Society aspects report.
#pragma once

#include <string>
#include <vector>

#include "aspects/magi_aspects.h"
#include "reports/report_context.h"

namespace kairotex {

// The report's lines: a blank line, the title naming the event, a blank line,
// one line per aspect, a blank line, one line per parallel.
std::vector<std::string> MagiAspectLines(const MagiFacts& facts, const std::string& event_name);

// Appends the report for the context's chart, after the caller's StartReport
// and AppendReportHeader; the caller shows it.
void WriteMagiAspects(ReportContext& context);

// An angle as whole degrees right-justified in four places, "d ", and rounded
// minutes ("   3d 00m"); minutes that round to 60 carry into the degrees.
std::string MagiDegreesMinutes(double degrees);

}  // namespace kairotex
