#include "reports/critical_degrees_text.h"

namespace kairotex {

std::string CriticalDegreesLine(const ChartState& chart, const std::vector<int>& objects) {
  std::string line = "  In Critical Degrees:  ";
  for (int object : objects) line += chart.ObjectNamePadded[object] + " ";
  return line;
}

}  // namespace kairotex
