#include "reports/degree_strip.h"

#include <string>
#include <vector>

#include "reports/critical_degrees.h"
#include "reports/critical_degrees_text.h"
#include "reports/degree_strip_text.h"

namespace kairotex {
namespace {

void AppendLines(ReportBuffer& buffer, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    buffer.current_line = line;
    buffer.AppendLine();
  }
}

}  // namespace

void WriteCriticalDegrees(ReportContext& context) {
  const std::vector<int> critical = CriticalObjects(context.chart);
  AppendLines(context.buffer, {"", CriticalDegreesLine(context.chart, critical)});
}

void WriteDegreeStrip(ReportContext& context) {
  WriteCriticalDegrees(context);
  AppendLines(context.buffer, DegreeStripLines(ComputeDegreeStrip(context.chart)));
}

}  // namespace kairotex
