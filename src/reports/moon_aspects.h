// The second section of the horary basics report: the lunar nodes and the
// Arabic parts, the Moon's aspects by sign with the void-of-course verdict,
// and the aspects within orb.
#pragma once

#include <vector>

#include "chart/chart_state.h"
#include "reports/arabic_parts.h"
#include "reports/moon_orb_aspects.h"
#include "reports/moon_sign_aspects.h"
#include "reports/report_context.h"
#include "settings/options.h"

namespace kairotex {

struct MoonReportFacts {
  NodesAndParts parts;
  MoonSignAspects by_sign;
  std::vector<OrbAspect> within_orb;
};

MoonReportFacts ComputeMoonAspectsAndParts(const ChartState& chart, const OptionsTable& options);

// Nodes and parts, the Moon's aspects by sign, then the aspects within orb.
void WriteMoonAspectsAndParts(ReportContext& context);

// The aspects within orb alone, with their heading.
void WriteMoonAspectsWithinOrb(ReportContext& context);

}  // namespace kairotex
