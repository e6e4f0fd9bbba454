// The principal perturbations of Jupiter, Saturn, Uranus and Neptune, as
// corrections to their mean elements (and, for Uranus and Neptune, to the
// longitude itself).
#pragma once

#include "chart/engine_path.h"
#include "chart/outer_planet_arguments.h"

namespace kairotex::planets {

struct ElementCorrections {
  double mean_lon = 0;         // A, degrees
  double perihelion = 0;       // B, degrees; moves the perihelion by B / e
  double eccentricity = 0;     // q
  double semi_major_axis = 0;  // delta a, AU
  double longitude = 0;        // degrees, added to the geocentric longitude
};

// The corrections at the two moments of the arguments.
struct TwoCorrections {
  TwoMoments mean_lon{}, perihelion{}, eccentricity{}, semi_major_axis{}, longitude{};
  ElementCorrections At(int lane) const {
    return {mean_lon[lane], perihelion[lane], eccentricity[lane], semi_major_axis[lane],
            longitude[lane]};
  }
};

TwoCorrections PerturbJupiter(const OuterArguments& args, EnginePath path);
TwoCorrections PerturbSaturn(const OuterArguments& args, EnginePath path);
TwoCorrections PerturbUranus(const OuterArguments& args, EnginePath path);
TwoCorrections PerturbNeptune(const OuterArguments& args, EnginePath path);

}  // namespace kairotex::planets
