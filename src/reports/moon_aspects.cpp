#include "reports/moon_aspects.h"

#include <string>

#include "reports/arabic_parts_text.h"
#include "reports/moon_orb_aspects_text.h"
#include "reports/moon_sign_aspects_text.h"

namespace kairotex {
namespace {

void AppendLines(ReportBuffer& buffer, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    buffer.current_line = line;
    buffer.AppendLine();
  }
}

}  // namespace

MoonReportFacts ComputeMoonAspectsAndParts(const ChartState& chart, const OptionsTable& options) {
  return {ComputeNodesAndParts(chart), ComputeMoonSignAspects(chart),
          ComputeAspectsWithinOrb(chart, options)};
}

void WriteMoonAspectsAndParts(ReportContext& context) {
  const MoonReportFacts facts = ComputeMoonAspectsAndParts(context.chart, context.options);
  AppendLines(context.buffer, NodesAndPartsLines(facts.parts));
  AppendLines(context.buffer, MoonSignAspectLines(facts.by_sign));
  AppendLines(context.buffer, AspectsWithinOrbLines(facts.within_orb));
}

void WriteMoonAspectsWithinOrb(ReportContext& context) {
  AppendLines(context.buffer,
              AspectsWithinOrbLines(ComputeAspectsWithinOrb(context.chart, context.options)));
}

}  // namespace kairotex
