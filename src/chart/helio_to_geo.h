// Geocentric ecliptic position as the difference of two heliocentric vectors.
#pragma once

#include "chart/angles.h"

namespace kairotex::planets {

// Planet and Earth as heliocentric radius, longitude, latitude (degrees), both
// radii in the same unit. No light time and no aberration: the plain geometric
// direction. Returns the geocentric distance, longitude [0, 360) and latitude.
Spherical HelioToGeo(const Spherical& planet, const Spherical& earth);

// A heliocentric position as ecliptic rectangular coordinates, so that the
// Earth of a loop is turned into a vector once for all its planets.
struct EclipticVector {
  double x = 0, y = 0, z = 0;
};
EclipticVector ToEclipticVector(const Spherical& helio);
Spherical HelioToGeo(const Spherical& planet, const EclipticVector& earth);

}  // namespace kairotex::planets
