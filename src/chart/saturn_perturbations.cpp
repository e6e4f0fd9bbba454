#include "chart/outer_perturbations.h"
#include "chart/saturn_perturbation_table.h"

namespace kairotex::planets {

static_assert(MultiplesFit(saturn_terms::kMeanLongitude) &&
              MultiplesFit(saturn_terms::kPerihelion) &&
              MultiplesFit(saturn_terms::kEccentricity) &&
              MultiplesFit(saturn_terms::kSemiMajorAxis));

TwoCorrections PerturbSaturn(const OuterArguments& args, EnginePath path) {
  AngleHarmonics h;
  h.Set(Angle::kV, args.v);
  h.Set(Angle::kW, args.w);
  h.Set(Angle::kQ, args.q);
  h.Set(Angle::kZeta, args.zeta);
  h.Set(Angle::kPsi, args.psi);
  h.Build(path);
  TwoCorrections c;
  c.mean_lon = SumSeries<saturn_terms::kMeanLongitude>(args.u, h);
  c.perihelion = SumSeries<saturn_terms::kPerihelion>(args.u, h);
  c.eccentricity = SumSeries<saturn_terms::kEccentricity>(args.u, h) * 1e-7;
  c.semi_major_axis = SumSeries<saturn_terms::kSemiMajorAxis>(args.u, h) * 1e-6;
  return c;
}

}  // namespace kairotex::planets
