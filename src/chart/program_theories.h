// The program's own theories as an ephemeris: Keplerian orbits with their
// perturbations, the Sun's and Moon's series, and Chiron's daily tables.
#pragma once

#include "chart/data_files.h"
#include "chart/ephemeris.h"
#include "chart/planet_theory.h"

namespace kairotex {

class ProgramTheories final : public Ephemeris {
 public:
  ProgramTheories(const OrbitalElements& elements, const DataTables& tables)
      : elements_(elements), tables_(tables) {}
  EphemerisKind Kind() const override { return EphemerisKind::kProgram; }
  bool Covers(double, std::string&) const override { return true; }
  SiderealFrame FrameAt(const ChartState& state) const override;
  bool FillBodies(ChartState& state, const KnownBodies& known, std::string& why) const override;
  void FillChiron(ChartState& state) const override;

 private:
  const OrbitalElements& elements_;
  const DataTables& tables_;
};

}  // namespace kairotex
