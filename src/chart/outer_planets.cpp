#include "chart/helio_to_geo.h"
#include "chart/orbit_position.h"
#include "chart/outer_perturbations.h"
#include "chart/planet_theory.h"
#include "chart/pluto_series.h"

namespace kairotex {
namespace {

constexpr int kEarth = 1, kJupiter = 5, kSaturn = 6, kUranus = 7, kNeptune = 8, kPluto = 9;
constexpr int kLoopBodies[] = {kEarth, kJupiter, kSaturn, kUranus, kNeptune, kPluto};

// Pluto's series is referred to the equinox of 1950 (JD 2433283); the longitude
// is carried to the equinox of date at 1.33 degrees a century.
constexpr double kPlutoEquinoxJdn = 2433283.0;
constexpr double kPlutoPrecessionPerCentury = 1.33;

double Cubic(const std::array<double, 4>& c, double t) {
  return c[0] + c[1] * t + c[2] * t * t + c[3] * t * t * t;
}

// The mean elements of date, with the mean anomaly and the longitude of
// perihelion derived from them.
struct MeanElements {
  double mean_lon, a, e, incl, arg_perihelion, node, perihelion, mean_anomaly;
};

MeanElements ElementsAt(const OuterElements& el, double t) {
  MeanElements m;
  m.mean_lon = Cubic(el.mean_lon, t);
  m.a = el.a;
  m.e = Cubic(el.e, t);
  m.incl = Cubic(el.incl, t);
  m.arg_perihelion = Cubic(el.arg_perihelion, t);
  m.node = Cubic(el.node, t);
  m.perihelion = m.arg_perihelion + m.node;
  m.mean_anomaly = m.mean_lon - m.arg_perihelion - m.node;
  return m;
}

// A and q, B and delta a applied before the Kepler step; B / e with the
// eccentricity as it was before q. The position needs only M, omega, e and a;
// the mean longitude and the perihelion are kept in step with them.
void Apply(const planets::ElementCorrections& c, MeanElements& m) {
  const double perihelion_shift = c.perihelion / m.e;
  m.mean_lon += c.mean_lon;
  m.mean_anomaly += c.mean_lon - perihelion_shift;
  m.perihelion += perihelion_shift;
  m.arg_perihelion += perihelion_shift;
  m.e += c.eccentricity;
  m.a += c.semi_major_axis;
}

// One body's heliocentric place from its mean elements and corrections.
Spherical HelioOfBody(const OrbitalElements& elements, int body, double t,
                      const planets::ElementCorrections& corrections) {
  MeanElements m = ElementsAt(elements.outer[body], t);
  // The Earth's row is the Sun's table: the Sun's geocentric mean longitude
  // with the longitude of the Earth's perihelion. The Earth is opposite the Sun.
  if (body == kEarth) m.mean_anomaly += 180.0;
  Apply(corrections, m);
  planets::OrbitElements orbit;
  orbit.semi_major_axis = m.a * planets::kKmPerAu;
  orbit.eccentricity = m.e;
  orbit.inclination = m.incl;
  orbit.node = m.node;
  orbit.arg_perihelion = m.arg_perihelion;
  orbit.mean_anomaly = m.mean_anomaly;
  return planets::PositionInOrbit(orbit);
}

}  // namespace

OuterHelio OuterHelioAt(const OrbitalElements& elements, double t) {
  OuterHelio h;
  const planets::OuterArguments args = planets::ComputeOuterArguments(t);
  std::array<planets::ElementCorrections, 10> corrections{};
  corrections[kJupiter] = planets::PerturbJupiter(args);
  corrections[kSaturn] = planets::PerturbSaturn(args);
  corrections[kUranus] = planets::PerturbUranus(args);
  corrections[kNeptune] = planets::PerturbNeptune(args);
  for (const int body : kLoopBodies) {
    h.longitude_correction[body] = corrections[body].longitude;
    // Pluto's series gives its place outright; its Kepler orbit would be discarded.
    if (body == kPluto) {
      h.helio[body] = planets::ComputePlutoSeries(t);
      h.helio[body].radius *= planets::kKmPerAu;
    } else {
      h.helio[body] = HelioOfBody(elements, body, t, corrections[body]);
    }
  }
  return h;
}

Spherical EarthHelioAt(const OrbitalElements& elements, double t) {
  return HelioOfBody(elements, kEarth, t, {});
}

double PlutoEquinoxShift(double julian_day_number) {
  return kPlutoPrecessionPerCentury * (julian_day_number - kPlutoEquinoxJdn) / 36525.0;
}

std::array<BodyPosition, 10> ComputeOuterPlanets(const OrbitalElements& elements, double t,
                                                 double julian_day_number) {
  return OuterFromHelio(OuterHelioAt(elements, t), julian_day_number);
}

std::array<BodyPosition, 10> OuterFromHelio(const OuterHelio& h, double julian_day_number) {
  std::array<BodyPosition, 10> out{};
  const planets::EclipticVector earth = planets::ToEclipticVector(h.helio[kEarth]);
  for (const int body : kLoopBodies) {
    out[body].helio_lon = h.helio[body].lon;
    if (body == kEarth) continue;
    const Spherical geo = planets::HelioToGeo(h.helio[body], earth);
    double lon = geo.lon + h.longitude_correction[body];
    if (body == kPluto) {
      lon += PlutoEquinoxShift(julian_day_number);
    }
    out[body].geo_lon = Normalize360(lon);
    out[body].geo_lat = geo.lat;
  }
  return out;
}

}  // namespace kairotex
