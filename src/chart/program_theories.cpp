#include "chart/program_theories.h"

#include "chart/planets.h"
#include "chart/time_angles.h"

namespace kairotex {

SiderealFrame ProgramTheories::FrameAt(const ChartState& s) const {
  return ProgramFrameOf(s);
}

bool ProgramTheories::FillBodies(ChartState& s, const KnownBodies& known, std::string&) const {
  ComputePlanets(s, elements_, known);
  return true;
}

void ProgramTheories::FillChiron(ChartState& s) const {
  ComputeChironFromTables(s, tables_, s.JulianDate);
}

}  // namespace kairotex
