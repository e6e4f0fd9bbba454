// The engine's steps that take many values at once (the planets' orbits,
// their geocentric places, the declinations): the plain path one value at a
// time through the C library, the vector path four at a time where the
// processor has AVX2. Both give each value within 1e-12 degree.
#pragma once

#include <span>

#include "chart/engine_path.h"
#include "chart/helio_to_geo.h"
#include "chart/orbit_position.h"

namespace kairotex::planets {

// out[i] = PositionInOrbit(orbits[i]); the spans are of one length.
void PositionsInOrbits(std::span<const OrbitElements> orbits, std::span<Spherical> out,
                       EnginePath path);

// out[i] = HelioToGeo(helio[i], earth): the planets as seen from one Earth.
void GeocentricPlaces(std::span<const Spherical> helio, const EclipticVector& earth,
                      std::span<Spherical> out, EnginePath path);

// out[i] = EclipticToDeclination(lon[i], lat[i], obliquity_deg); the spans are of one length.
void DeclinationsOf(std::span<const double> lon, std::span<const double> lat, double obliquity_deg,
                    std::span<double> out, EnginePath path);

// The AVX2 paths, for whole groups of four; call them only where the processor has AVX2.
void PositionsInOrbitsAvx2(const OrbitElements* orbits, Spherical* out, size_t groups_of_four);
void GeocentricPlacesAvx2(const Spherical* helio, const EclipticVector& earth, Spherical* out,
                          size_t groups_of_four);
void DeclinationsAvx2(const double* lon, const double* lat, double obliquity_deg, double* out,
                      size_t groups_of_four);

}  // namespace kairotex::planets
