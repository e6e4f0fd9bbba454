#include "chart/outer_perturbations.h"
#include "chart/uranus_perturbation_table.h"

namespace kairotex::planets {

static_assert(MultiplesFit(uranus_terms::kMeanLongitude) &&
              MultiplesFit(uranus_terms::kPerihelion) &&
              MultiplesFit(uranus_terms::kEccentricity) &&
              MultiplesFit(uranus_terms::kSemiMajorAxis) && MultiplesFit(uranus_terms::kLongitude));

TwoCorrections PerturbUranus(const OuterArguments& args, EnginePath path) {
  AngleHarmonics h;
  h.Set(Angle::kW, args.w);
  h.Set(Angle::kS, args.s);
  h.Set(Angle::kH, 2.0 * args.g - args.s);  // near 2:1 with Neptune
  h.Set(Angle::kZeta, args.s - args.p);
  h.Set(Angle::kEta, args.s - args.q);
  h.Set(Angle::kTheta, args.g - args.s);
  h.Build(path);
  TwoCorrections c;
  c.mean_lon = SumSeries<uranus_terms::kMeanLongitude>(args.u, h);
  c.perihelion = SumSeries<uranus_terms::kPerihelion>(args.u, h);
  c.eccentricity = SumSeries<uranus_terms::kEccentricity>(args.u, h) * 1e-7;
  c.semi_major_axis = SumSeries<uranus_terms::kSemiMajorAxis>(args.u, h) * 1e-6;
  c.longitude = SumSeries<uranus_terms::kLongitude>(args.u, h);
  return c;
}

}  // namespace kairotex::planets
