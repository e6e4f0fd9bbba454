#include "chart/jupiter_perturbation_table.h"
#include "chart/outer_perturbations.h"

namespace kairotex::planets {

static_assert(MultiplesFit(jupiter_terms::kMeanLongitude) &&
              MultiplesFit(jupiter_terms::kPerihelion) &&
              MultiplesFit(jupiter_terms::kEccentricity) &&
              MultiplesFit(jupiter_terms::kSemiMajorAxis));

TwoCorrections PerturbJupiter(const OuterArguments& args, EnginePath path) {
  AngleHarmonics h;
  h.Set(Angle::kV, args.v);
  h.Set(Angle::kW, args.w);
  h.Set(Angle::kQ, args.q);
  h.Set(Angle::kZeta, args.zeta);
  h.Build(path);
  TwoCorrections c;
  c.mean_lon = SumSeries<jupiter_terms::kMeanLongitude>(args.u, h);
  c.perihelion = SumSeries<jupiter_terms::kPerihelion>(args.u, h);
  c.eccentricity = SumSeries<jupiter_terms::kEccentricity>(args.u, h) * 1e-7;
  c.semi_major_axis = SumSeries<jupiter_terms::kSemiMajorAxis>(args.u, h) * 1e-6;
  return c;
}

}  // namespace kairotex::planets
