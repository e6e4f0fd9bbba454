#include "chart/jupiter_perturbation_table.h"
#include "chart/outer_perturbations.h"

namespace kairotex::planets {

ElementCorrections PerturbJupiter(const OuterArguments& args) {
  AngleValues x{};
  x[static_cast<std::size_t>(Angle::kV)] = args.v;
  x[static_cast<std::size_t>(Angle::kW)] = args.w;
  x[static_cast<std::size_t>(Angle::kQ)] = args.q;
  x[static_cast<std::size_t>(Angle::kZeta)] = args.zeta;
  ElementCorrections c;
  c.mean_lon = SumSeries(jupiter_terms::kMeanLongitude, args.u, x);
  c.perihelion = SumSeries(jupiter_terms::kPerihelion, args.u, x);
  c.eccentricity = SumSeries(jupiter_terms::kEccentricity, args.u, x) * 1e-7;
  c.semi_major_axis = SumSeries(jupiter_terms::kSemiMajorAxis, args.u, x) * 1e-6;
  return c;
}

}  // namespace kairotex::planets
