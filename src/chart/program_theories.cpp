#include "chart/program_theories.h"

#include "chart/planets.h"
#include "chart/time_angles.h"

namespace kairotex {

std::string_view EphemerisName(EphemerisKind kind) {
  return kind == EphemerisKind::kSwiss ? "swiss" : "program";
}

std::optional<EphemerisKind> EphemerisNamed(std::string_view name) {
  if (name == "program") return EphemerisKind::kProgram;
  if (name == "swiss") return EphemerisKind::kSwiss;
  return std::nullopt;
}

SiderealFrame ProgramTheories::FrameAt(const ChartState& s) const {
  return {MeanGreenwichSiderealTime(s.DayFraction, s.CenturiesT), MeanObliquity(s.CenturiesT),
          NutationInLongitude(s.CenturiesT)};
}

bool ProgramTheories::FillBodies(ChartState& s, const KnownBodies& known, std::string&) const {
  ComputePlanets(s, elements_, known);
  return true;
}

void ProgramTheories::FillChiron(ChartState& s) const {
  ComputeChironFromTables(s, tables_, s.JulianDate);
}

}  // namespace kairotex
