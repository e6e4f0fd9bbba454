#include "reports/moon_aspects.h"

#include <string>

#include "reports/arabic_parts_text.h"
#include "reports/moon_orb_aspects_text.h"
#include "reports/moon_sign_aspects_text.h"

namespace kairotex {
MoonReportFacts ComputeMoonAspectsAndParts(const ChartState& chart, const OptionsTable& options) {
  return {ComputeNodesAndParts(chart), ComputeMoonSignAspects(chart),
          ComputeAspectsWithinOrb(chart, options)};
}

void WriteMoonAspectsAndParts(ReportContext& context) {
  const MoonReportFacts facts = ComputeMoonAspectsAndParts(context.chart, context.options);
  context.buffer.AppendLines(NodesAndPartsLines(facts.parts));
  context.buffer.AppendLines(MoonSignAspectLines(facts.by_sign));
  context.buffer.AppendLines(AspectsWithinOrbLines(facts.within_orb));
}

void WriteMoonAspectsWithinOrb(ReportContext& context) {
  context.buffer.AppendLines(
      AspectsWithinOrbLines(ComputeAspectsWithinOrb(context.chart, context.options)));
}

}  // namespace kairotex
