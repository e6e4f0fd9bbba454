#include "reports/degree_strip.h"

#include <string>
#include <vector>

#include "reports/critical_degrees.h"
#include "reports/critical_degrees_text.h"
#include "reports/degree_strip_text.h"

namespace kairotex {
void WriteCriticalDegrees(ReportContext& context) {
  const std::vector<int> critical = CriticalObjects(context.chart);
  context.buffer.AppendLines({"", CriticalDegreesLine(context.chart, critical)});
}

void WriteDegreeStrip(ReportContext& context) {
  WriteCriticalDegrees(context);
  context.buffer.AppendLines(DegreeStripLines(ComputeDegreeStrip(context.chart)));
}

}  // namespace kairotex
