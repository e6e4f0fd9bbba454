#include <iterator>
#include <span>

#include "chart/engine_batch.h"
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

planets::ElementCorrections Mix(const planets::ElementCorrections& a,
                                const planets::ElementCorrections& b, double f) {
  const auto mix = [f](double x, double y) { return x + (y - x) * f; };
  return {mix(a.mean_lon, b.mean_lon), mix(a.perihelion, b.perihelion),
          mix(a.eccentricity, b.eccentricity), mix(a.semi_major_axis, b.semi_major_axis),
          mix(a.longitude, b.longitude)};
}

// Jupiter's to Neptune's corrections at two moments, summed side by side.
std::array<OuterPerturbations, 2> PerturbationsWithoutPluto(double t, double other_t,
                                                            EnginePath path) {
  std::array<OuterPerturbations, 2> p;
  const planets::OuterArguments args = planets::ComputeOuterArguments(t, other_t);
  const planets::TwoCorrections jupiter = planets::PerturbJupiter(args, path);
  const planets::TwoCorrections saturn = planets::PerturbSaturn(args, path);
  const planets::TwoCorrections uranus = planets::PerturbUranus(args, path);
  const planets::TwoCorrections neptune = planets::PerturbNeptune(args, path);
  for (int lane = 0; lane < 2; ++lane) {
    p[lane].corrections[kJupiter] = jupiter.At(lane);
    p[lane].corrections[kSaturn] = saturn.At(lane);
    p[lane].corrections[kUranus] = uranus.At(lane);
    p[lane].corrections[kNeptune] = neptune.At(lane);
  }
  return p;
}

}  // namespace

std::array<OuterPerturbations, 2> OuterPerturbationsAt(double t, double other_t, EnginePath path) {
  std::array<OuterPerturbations, 2> p = PerturbationsWithoutPluto(t, other_t, path);
  p[0].pluto = planets::ComputePlutoSeries(t, path);
  p[1].pluto = planets::ComputePlutoSeries(other_t, path);
  return p;
}

OuterPerturbations OuterPerturbationsAt(double t, EnginePath path) {
  OuterPerturbations p = PerturbationsWithoutPluto(t, t, path)[0];
  p.pluto = planets::ComputePlutoSeries(t, path);
  return p;
}

OuterPerturbations InterpolatePerturbations(const OuterPerturbations& from,
                                            const OuterPerturbations& to, double fraction) {
  OuterPerturbations p;
  for (const int body : {kJupiter, kSaturn, kUranus, kNeptune}) {
    p.corrections[body] = Mix(from.corrections[body], to.corrections[body], fraction);
  }
  p.pluto.lon = Normalize360(from.pluto.lon + Wrap180(to.pluto.lon - from.pluto.lon) * fraction);
  p.pluto.lat = from.pluto.lat + (to.pluto.lat - from.pluto.lat) * fraction;
  p.pluto.radius = from.pluto.radius + (to.pluto.radius - from.pluto.radius) * fraction;
  return p;
}

double PlutoEquinoxShift(double julian_day_number) {
  return kPlutoPrecessionPerCentury * (julian_day_number - kPlutoEquinoxJdn) / 36525.0;
}

std::array<BodyPosition, 10> ComputeOuterPlanets(const OrbitalElements& elements, double t,
                                                 double julian_day_number) {
  return ComputeOuterPlanets(elements, t, julian_day_number,
                             OuterPerturbationsAt(t, elements.path));
}

std::array<BodyPosition, 10> ComputeOuterPlanets(const OrbitalElements& elements, double t,
                                                 double julian_day_number,
                                                 const OuterPerturbations& perturbations) {
  // The Earth and Jupiter to Neptune by their orbits, all at once; Pluto's
  // series gives its place outright, so its Kepler orbit would be discarded.
  constexpr int kOrbitBodies[] = {kEarth, kJupiter, kSaturn, kUranus, kNeptune};
  std::array<planets::OrbitElements, std::size(kOrbitBodies)> orbits;
  for (size_t k = 0; k < orbits.size(); ++k) {
    const int body = kOrbitBodies[k];
    MeanElements m = ElementsAt(elements.outer[body], t);
    // The Earth's row is the Sun's table: the Sun's geocentric mean longitude
    // with the longitude of the Earth's perihelion. The Earth is opposite the Sun.
    if (body == kEarth) m.mean_anomaly += 180.0;
    Apply(perturbations.corrections[body], m);
    planets::OrbitElements& orbit = orbits[k];
    orbit.semi_major_axis = m.a * planets::kKmPerAu;
    orbit.eccentricity = m.e;
    orbit.inclination = m.incl;
    orbit.node = m.node;
    orbit.arg_perihelion = m.arg_perihelion;
    orbit.mean_anomaly = m.mean_anomaly;
  }
  std::array<Spherical, std::size(kLoopBodies)> helio;
  planets::PositionsInOrbits(orbits, std::span(helio).first(orbits.size()), elements.path);
  helio.back() = perturbations.pluto;
  helio.back().radius *= planets::kKmPerAu;

  std::array<Spherical, std::size(kLoopBodies) - 1> geo_places;
  planets::GeocentricPlaces(std::span(helio).subspan(1), planets::ToEclipticVector(helio[0]),
                            geo_places, elements.path);
  std::array<BodyPosition, 10> out{};
  out[kEarth].helio_lon = helio[0].lon;
  for (size_t k = 1; k < std::size(kLoopBodies); ++k) {
    const int body = kLoopBodies[k];
    out[body].helio_lon = helio[k].lon;
    const Spherical& geo = geo_places[k - 1];
    double lon = geo.lon + perturbations.corrections[body].longitude;
    if (body == kPluto) {
      lon += PlutoEquinoxShift(julian_day_number);
    }
    out[body].geo_lon = Normalize360(lon);
    out[body].geo_lat = geo.lat;
  }
  return out;
}

}  // namespace kairotex
