#include "chart/outer_perturbations.h"
#include "chart/uranus_perturbation_table.h"

namespace kairotex::planets {

static_assert(MultiplesFit(uranus_terms::kMeanLongitude) &&
              MultiplesFit(uranus_terms::kPerihelion) &&
              MultiplesFit(uranus_terms::kEccentricity) &&
              MultiplesFit(uranus_terms::kSemiMajorAxis) && MultiplesFit(uranus_terms::kLongitude));

ElementCorrections PerturbUranus(const OuterArguments& args) {
  AngleValues x{};
  x[static_cast<std::size_t>(Angle::kW)] = args.w;
  x[static_cast<std::size_t>(Angle::kS)] = args.s;
  x[static_cast<std::size_t>(Angle::kH)] = 2.0 * args.g - args.s;  // near 2:1 with Neptune
  x[static_cast<std::size_t>(Angle::kZeta)] = args.s - args.p;
  x[static_cast<std::size_t>(Angle::kEta)] = args.s - args.q;
  x[static_cast<std::size_t>(Angle::kTheta)] = args.g - args.s;
  ElementCorrections c;
  const AngleHarmonics h(x);
  c.mean_lon = SumSeries(uranus_terms::kMeanLongitude, args.u, h);
  c.perihelion = SumSeries(uranus_terms::kPerihelion, args.u, h);
  c.eccentricity = SumSeries(uranus_terms::kEccentricity, args.u, h) * 1e-7;
  c.semi_major_axis = SumSeries(uranus_terms::kSemiMajorAxis, args.u, h) * 1e-6;
  c.longitude = SumSeries(uranus_terms::kLongitude, args.u, h);
  return c;
}

}  // namespace kairotex::planets
