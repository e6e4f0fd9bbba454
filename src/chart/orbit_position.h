// A planet's heliocentric position from its elliptic orbit.
#pragma once

#include "chart/angles.h"

namespace kairotex::planets {

// Distances are carried in kilometres.
inline constexpr double kKmPerAu = 149597870.0;

// Osculating elements at one moment. Angles in degrees; the semi-major axis in
// whatever unit the caller wants the radius in (the chart engine uses km).
struct OrbitElements {
  double semi_major_axis = 0;
  double eccentricity = 0;
  double inclination = 0;
  double node = 0;            // longitude of the ascending node
  double arg_perihelion = 0;  // from the node to the perihelion
  double mean_anomaly = 0;
};

// Heliocentric ecliptic radius, longitude [0, 360) and latitude.
Spherical PositionInOrbit(const OrbitElements& orbit);

}  // namespace kairotex::planets
