#include "chart/neptune_perturbation_table.h"
#include "chart/outer_perturbations.h"

namespace kairotex::planets {

static_assert(MultiplesFit(neptune_terms::kMeanLongitude) &&
              MultiplesFit(neptune_terms::kPerihelion) &&
              MultiplesFit(neptune_terms::kEccentricity) &&
              MultiplesFit(neptune_terms::kSemiMajorAxis) &&
              MultiplesFit(neptune_terms::kLongitude));

TwoCorrections PerturbNeptune(const OuterArguments& args, EnginePath path) {
  AngleHarmonics h;
  h.Set(Angle::kGPrime, args.g_prime);
  h.Set(Angle::kH, 2.0 * args.g - args.s);
  h.Set(Angle::kZeta, args.g - args.p);
  h.Set(Angle::kEta, args.g - args.q);
  h.Set(Angle::kTheta, args.g - args.s);
  h.Build(path);
  TwoCorrections c;
  c.mean_lon = SumSeries<neptune_terms::kMeanLongitude>(args.u, h);
  c.perihelion = SumSeries<neptune_terms::kPerihelion>(args.u, h);
  c.eccentricity = SumSeries<neptune_terms::kEccentricity>(args.u, h) * 1e-7;
  c.semi_major_axis = SumSeries<neptune_terms::kSemiMajorAxis>(args.u, h) * 1e-6;
  c.longitude = SumSeries<neptune_terms::kLongitude>(args.u, h);
  return c;
}

}  // namespace kairotex::planets
