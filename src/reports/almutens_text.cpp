// The lines of the almutens report.
#include <string_view>

#include "reports/almutens.h"
#include "reports/arabic_parts_text.h"
#include "settings/name_tables.h"

namespace kairotex {
namespace {

// The chart's nine-character name of an object; nothing for a table value
// that names no object.
std::string PaddedName(const ChartState& chart, int object) {
  if (object < 1 || object > ObjectCount) return {};
  return chart.ObjectNamePadded[static_cast<size_t>(object)];
}

// The almuten names that end a cusp's or an object's line.
std::string AlmutenNames(const AlmutenEntry& entry, const ChartState& chart) {
  std::string names = PaddedName(chart, entry.first);
  if (entry.second != 0) names += PaddedName(chart, entry.second);
  if (entry.saturn_added) names += "SATURN";
  return names;
}

std::string_view HouseLabel(int wheel_index) {
  return std::string_view(kHouseLabels).substr(static_cast<size_t>(wheel_index - 1) * 4, 4);
}

}  // namespace

std::vector<std::string> AlmutenLines(const AlmutenFacts& facts, const ChartState& chart) {
  std::vector<std::string> lines = {"", std::string(16, ' ') + "ALMUTENS", ""};
  for (int i = 1; i <= 12; ++i) {
    const AlmutenEntry& cusp = facts.cusps[i];
    lines.push_back("  " + std::string(HouseLabel(i)) + " HOUSE =  " + PrintedPosition(cusp.lon) +
                    "   " + AlmutenNames(cusp, chart));
  }
  lines.insert(lines.end(), {"", std::string(8, ' ') + "MAIN DISPOSITORS", ""});
  for (int p = 1; p <= ObjectCount; ++p) {
    if (!ObjectAvailable(chart, p)) continue;
    const AlmutenEntry& object = facts.objects[p];
    lines.push_back("  " + std::string(ObjectReportName(p)) + PrintedPosition(object.lon) + "   " +
                    AlmutenNames(object, chart));
  }
  return lines;
}

void WriteAlmutens(ReportContext& context) {
  if (context.tables == nullptr) return;
  const AlmutenFacts facts = ComputeAlmutens(context.chart, *context.tables);
  context.buffer.AppendLines(AlmutenLines(facts, context.chart));
}

}  // namespace kairotex
