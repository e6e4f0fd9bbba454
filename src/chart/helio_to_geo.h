// Geocentric ecliptic position as the difference of two heliocentric vectors.
#pragma once

#include "chart/angles.h"

namespace kairotex::planets {

// Planet and Earth as heliocentric radius, longitude, latitude (degrees), both
// radii in the same unit. No light time and no aberration: the plain geometric
// direction. Returns the geocentric distance, longitude [0, 360) and latitude.
Spherical HelioToGeo(const Spherical& planet, const Spherical& earth);

}  // namespace kairotex::planets
