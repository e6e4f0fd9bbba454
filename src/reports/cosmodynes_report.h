// The Cosmodynes report: the planets, signs and houses ranked by power and by
// net harmony, the elements, modes and hemispheres, and the grid of pairs.
#pragma once

#include <string>
#include <vector>

#include "aspects/cosmodynes.h"
#include "reports/report_buffer.h"
#include "reports/report_context.h"

namespace kairotex {

// Computes the Cosmodynes facts of the context's chart and appends the whole
// report to its buffer. Starting, heading and showing the report are the
// caller's; the Magi aspects report appends this one after its own lines.
void CosmodynesReport(ReportContext& context);

// The report lines from the blank line before the planet table to the last
// hemisphere line; an empty string is a blank line.
std::vector<std::string> CosmodynesTableLines(const CosmodynesFacts& facts);

// The grid of pairs: power above the diagonal, net harmony below it.
std::vector<std::string> DynesGridLines(const DynesGrid& grid);
void AppendDynesGrid(const DynesGrid& grid, ReportBuffer& buffer);

}  // namespace kairotex
