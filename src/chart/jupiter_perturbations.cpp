#include "chart/jupiter_perturbation_table.h"
#include "chart/outer_perturbations.h"

namespace kairotex::planets {

static_assert(MultiplesFit(jupiter_terms::kMeanLongitude) &&
              MultiplesFit(jupiter_terms::kPerihelion) &&
              MultiplesFit(jupiter_terms::kEccentricity) &&
              MultiplesFit(jupiter_terms::kSemiMajorAxis));

ElementCorrections PerturbJupiter(const OuterArguments& args) {
  AngleValues x{};
  x[static_cast<std::size_t>(Angle::kV)] = args.v;
  x[static_cast<std::size_t>(Angle::kW)] = args.w;
  x[static_cast<std::size_t>(Angle::kQ)] = args.q;
  x[static_cast<std::size_t>(Angle::kZeta)] = args.zeta;
  ElementCorrections c;
  const AngleHarmonics h(x);
  c.mean_lon = SumSeries(jupiter_terms::kMeanLongitude, args.u, h);
  c.perihelion = SumSeries(jupiter_terms::kPerihelion, args.u, h);
  c.eccentricity = SumSeries(jupiter_terms::kEccentricity, args.u, h) * 1e-7;
  c.semi_major_axis = SumSeries(jupiter_terms::kSemiMajorAxis, args.u, h) * 1e-6;
  return c;
}

}  // namespace kairotex::planets
