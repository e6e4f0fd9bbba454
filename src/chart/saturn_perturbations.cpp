#include "chart/outer_perturbations.h"
#include "chart/saturn_perturbation_table.h"

namespace kairotex::planets {

ElementCorrections PerturbSaturn(const OuterArguments& args) {
  AngleValues x{};
  x[static_cast<std::size_t>(Angle::kV)] = args.v;
  x[static_cast<std::size_t>(Angle::kW)] = args.w;
  x[static_cast<std::size_t>(Angle::kQ)] = args.q;
  x[static_cast<std::size_t>(Angle::kZeta)] = args.zeta;
  x[static_cast<std::size_t>(Angle::kPsi)] = args.psi;
  ElementCorrections c;
  c.mean_lon = SumSeries(saturn_terms::kMeanLongitude, args.u, x);
  c.perihelion = SumSeries(saturn_terms::kPerihelion, args.u, x);
  c.eccentricity = SumSeries(saturn_terms::kEccentricity, args.u, x) * 1e-7;
  c.semi_major_axis = SumSeries(saturn_terms::kSemiMajorAxis, args.u, x) * 1e-6;
  return c;
}

}  // namespace kairotex::planets
