// Four orbits, geocentric places or declinations at a time in AVX2 lanes:
// the same steps as the plain path, lane by lane, with the vector sine,
// cosine and arctangent. Only this file's functions are compiled for AVX2,
// and they run only where the processor has it.
#include <cstddef>

#include "chart/angles.h"
#include "chart/engine_batch.h"
#include "chart/vector_math_avx2.h"

namespace kairotex::planets {
namespace {

using avx2::Lanes;
using avx2::Splat;

// The program's pi by one multiplication, off the divider that the Kepler
// steps queue on: within an ulp of the plain path's multiply-then-divide,
// which on a mean anomaly of many turns is up to 1e-10 degree.
KAIROTEX_AVX2 Lanes DegToRadLanes(Lanes degrees) {
  return degrees * Splat(kProgramPi / 180.0);
}
KAIROTEX_AVX2 Lanes RadToDegLanes(Lanes radians) {
  return radians * Splat(180.0 / kProgramPi);
}
KAIROTEX_AVX2 Lanes Normalize360Lanes(Lanes degrees) {
  return degrees - Splat(360.0) * avx2::Floor(degrees / Splat(360.0));
}

// Newton's iteration from E = M; each lane stops at its own first correction
// below 1e-7 degree (or its hundredth step), as the one-orbit solver does.
KAIROTEX_AVX2 Lanes SolveKeplerLanes(Lanes mean_anomaly, Lanes eccentricity) {
  const Lanes e_degrees = eccentricity * Splat(180.0 / kProgramPi);
  Lanes e_anomaly = mean_anomaly;
  Lanes running = _mm256_castsi256_pd(_mm256_set1_epi64x(-1));
  for (int steps = 1; avx2::AnySet(running); ++steps) {
    const avx2::SinCos sc = avx2::SinCosOf(DegToRadLanes(e_anomaly));
    const Lanes step =
        (e_anomaly - e_degrees * sc.sin - mean_anomaly) / (Splat(1.0) - eccentricity * sc.cos);
    e_anomaly = avx2::Select(running, e_anomaly - step, e_anomaly);
    const Lanes big_step = _mm256_cmp_pd(avx2::Abs(step), Splat(1e-7), _CMP_GE_OQ);
    running = _mm256_and_pd(running, big_step);
    if (steps >= 100) break;
  }
  return e_anomaly;
}

// RectToSpherical's radius, latitude and longitude, degrees, by its quadrant rule.
struct LonLat {
  Lanes lon, lat, radius;
};
KAIROTEX_AVX2 LonLat DirectionOf(Lanes x, Lanes y, Lanes z) {
  const Lanes zero = Splat(0.0);
  const Lanes rho = avx2::Sqrt(x * x + y * y);
  const Lanes on_axis = avx2::Equal(rho, zero);
  const Lanes pole = avx2::Select(avx2::Less(zero, z), Splat(90.0),
                                  avx2::Select(avx2::Less(z, zero), Splat(-90.0), zero));
  LonLat out;
  out.radius = avx2::Sqrt(rho * rho + z * z);
  out.lat = avx2::Select(on_axis, pole, RadToDegLanes(avx2::ArcTanOfRatio(z, rho)));
  const Lanes a = RadToDegLanes(avx2::ArcTanOfRatio(y, avx2::Abs(x)));
  const Lanes east = _mm256_cmp_pd(x, zero, _CMP_GE_OQ);
  const Lanes north = _mm256_cmp_pd(y, zero, _CMP_GE_OQ);
  const Lanes lon = avx2::Select(east, avx2::Select(north, a, a + Splat(360.0)), Splat(180.0) - a);
  const Lanes origin = _mm256_and_pd(avx2::Equal(x, zero), avx2::Equal(y, zero));
  out.lon = avx2::Select(origin, zero, lon);
  return out;
}

template <typename Record>
KAIROTEX_AVX2 Lanes Field(const Record* o, double Record::*field) {
  return _mm256_set_pd(o[3].*field, o[2].*field, o[1].*field, o[0].*field);
}

KAIROTEX_AVX2 void Store(Lanes radius, Lanes lon, Lanes lat, Spherical* out) {
  alignas(32) double radii[4], lons[4], lats[4];
  _mm256_store_pd(radii, radius);
  _mm256_store_pd(lons, lon);
  _mm256_store_pd(lats, lat);
  for (int i = 0; i < 4; ++i) out[i] = Spherical{radii[i], lons[i], lats[i]};
}

KAIROTEX_AVX2 void FourPositions(const OrbitElements* orbits, Spherical* out) {
  const Lanes e = Field(orbits, &OrbitElements::eccentricity);
  const Lanes big_e = SolveKeplerLanes(Field(orbits, &OrbitElements::mean_anomaly), e);
  const Lanes one = Splat(1.0);
  const avx2::SinCos of_e = avx2::SinCosOf(DegToRadLanes(big_e));
  const Lanes radius = Field(orbits, &OrbitElements::semi_major_axis) * (one - e * of_e.cos);
  const avx2::SinCos half = avx2::SinCosOf(DegToRadLanes(big_e / Splat(2.0)));
  const Lanes true_anomaly = Normalize360Lanes(RadToDegLanes(
      Splat(2.0) * avx2::ArcTanOfRatio(avx2::Sqrt((one + e) / (one - e)) * half.sin, half.cos)));
  const Lanes arg_latitude = Field(orbits, &OrbitElements::arg_perihelion) + true_anomaly;
  const avx2::SinCos incl =
      avx2::SinCosOf(DegToRadLanes(Field(orbits, &OrbitElements::inclination)));
  const avx2::SinCos u = avx2::SinCosOf(DegToRadLanes(arg_latitude));
  const LonLat from_node = DirectionOf(u.cos, u.sin * incl.cos, u.sin * incl.sin);
  const Lanes lon = Normalize360Lanes(from_node.lon + Field(orbits, &OrbitElements::node));

  Store(radius, lon, from_node.lat, out);
}

// ToEclipticVector of each planet less the Earth's vector, turned back to
// radius, longitude and latitude: HelioToGeo lane by lane.
KAIROTEX_AVX2 void FourGeocentric(const Spherical* helio, const EclipticVector& earth,
                                  Spherical* out) {
  const Lanes radius = Field(helio, &Spherical::radius);
  const avx2::SinCos lat = avx2::SinCosOf(DegToRadLanes(Field(helio, &Spherical::lat)));
  const avx2::SinCos lon = avx2::SinCosOf(DegToRadLanes(Field(helio, &Spherical::lon)));
  const Lanes in_plane = radius * lat.cos;
  const LonLat geo =
      DirectionOf(in_plane * lon.cos - Splat(earth.x), in_plane * lon.sin - Splat(earth.y),
                  radius * lat.sin - Splat(earth.z));
  Store(geo.radius, geo.lon, geo.lat, out);
}

// EclipticToDeclination lane by lane: the ecliptic direction turned about
// the equinox by the obliquity, and its latitude above the equator.
KAIROTEX_AVX2 Lanes FourDeclinations(const double* lon, const double* lat, const avx2::SinCos& e) {
  const avx2::SinCos l = avx2::SinCosOf(DegToRadLanes(_mm256_loadu_pd(lon)));
  const avx2::SinCos b = avx2::SinCosOf(DegToRadLanes(_mm256_loadu_pd(lat)));
  const Lanes x = b.cos * l.cos;
  const Lanes y = b.cos * l.sin * e.cos - b.sin * e.sin;
  const Lanes z = b.cos * l.sin * e.sin + b.sin * e.cos;
  return DirectionOf(x, y, z).lat;
}

}  // namespace

KAIROTEX_AVX2 void DeclinationsAvx2(const double* lon, const double* lat, double obliquity_deg,
                                    double* out, size_t groups_of_four) {
  const avx2::SinCos e = avx2::SinCosOf(DegToRadLanes(Splat(obliquity_deg)));
  for (size_t g = 0; g < groups_of_four; ++g) {
    _mm256_storeu_pd(out + 4 * g, FourDeclinations(lon + 4 * g, lat + 4 * g, e));
  }
}

KAIROTEX_AVX2 void GeocentricPlacesAvx2(const Spherical* helio, const EclipticVector& earth,
                                        Spherical* out, size_t groups_of_four) {
  for (size_t g = 0; g < groups_of_four; ++g) FourGeocentric(helio + 4 * g, earth, out + 4 * g);
}

KAIROTEX_AVX2 void PositionsInOrbitsAvx2(const OrbitElements* orbits, Spherical* out,
                                         size_t groups_of_four) {
  for (size_t g = 0; g < groups_of_four; ++g) FourPositions(orbits + 4 * g, out + 4 * g);
}

}  // namespace kairotex::planets
