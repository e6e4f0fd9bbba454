// The principal perturbations of Jupiter, Saturn, Uranus and Neptune, as
// corrections to their mean elements (and, for Uranus and Neptune, to the
// longitude itself).
#pragma once

#include "chart/outer_planet_arguments.h"

namespace kairotex::planets {

struct ElementCorrections {
  double mean_lon = 0;         // A, degrees
  double perihelion = 0;       // B, degrees; moves the perihelion by B / e
  double eccentricity = 0;     // q
  double semi_major_axis = 0;  // delta a, AU
  double longitude = 0;        // degrees, added to the geocentric longitude
};

ElementCorrections PerturbJupiter(const OuterArguments& args);
ElementCorrections PerturbSaturn(const OuterArguments& args);
ElementCorrections PerturbUranus(const OuterArguments& args);
ElementCorrections PerturbNeptune(const OuterArguments& args);

}  // namespace kairotex::planets
