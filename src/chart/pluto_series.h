// Pluto's heliocentric position by its trigonometric series.
#pragma once

#include "chart/angles.h"
#include "chart/engine_path.h"

namespace kairotex::planets {

// Heliocentric radius (AU), longitude [0, 360) and latitude (degrees), mean
// ecliptic and equinox of 1950.0; t in Julian centuries from 1900 January 0.5.
Spherical ComputePlutoSeries(double t1900, EnginePath path = EnginePath::kPlain);

}  // namespace kairotex::planets
