#include "chart/planets.h"

#include <cmath>
#include <span>

#include "chart/angles.h"
#include "chart/engine_batch.h"
#include "chart/moon_theory.h"
#include "chart/sun_theory.h"

namespace kairotex {
namespace {

constexpr double kOneDayInCenturies = 1.0 / 36525.0;

struct MeanSunAndNode {
  double sun_lon, node;
};
MeanSunAndNode NutationArguments(double t) {
  return {279.696678 + 36000.768925 * t + 0.0003025 * t * t,
          259.183275 - 1934.142008 * t + 0.002078 * t * t + 0.0000022 * t * t * t};
}

// The bodies at one moment; the outer planets' perturbations from the knots
// of a scan, or as given, or else computed for the moment.
BodyPositions BodiesAt(const OrbitalElements& elements, double t1900, double t2000,
                       double julian_day_number, PerturbationKnots* knots = nullptr,
                       const OuterPerturbations* given = nullptr) {
  BodyPositions out;
  out.julian_day_number = julian_day_number;
  out.lon[kSun] = Normalize360(ComputeSun(t1900, elements.path));
  out.moon = ComputeMoon(t1900, elements.path);
  out.lon[kMoon] = Normalize360(out.moon.lon);
  out.lat[kMoon] = out.moon.lat;
  const auto inner = ComputeInnerPlanets(elements, t2000);
  out.helio[1] = inner[1].helio_lon;
  for (int body = kMercury; body <= kMars; ++body) {
    out.lon[body] = inner[body].geo_lon;
    out.lat[body] = inner[body].geo_lat;
    out.helio[body] = inner[body].helio_lon;
  }
  const auto outer =
      knots != nullptr
          ? ComputeOuterPlanets(elements, t1900, julian_day_number, knots->At(t1900, elements.path))
      : given != nullptr ? ComputeOuterPlanets(elements, t1900, julian_day_number, *given)
                         : ComputeOuterPlanets(elements, t1900, julian_day_number);
  out.helio[1] = outer[1].helio_lon;  // the second Earth, of the 1900 table, is kept
  for (int body = kJupiter; body <= kPluto; ++body) {
    out.lon[body] = outer[body].geo_lon;
    out.lat[body] = outer[body].geo_lat;
    out.helio[body] = outer[body].helio_lon;
  }
  return out;
}

// The next day's longitudes of the chart at `julian_day_number`: the engine
// takes the same day number for both days, so a later chart's Pluto is set
// back to this day's equinox.
ObjectTable NextDayLongitudes(const BodyPositions& day_later, double julian_day_number) {
  ObjectTable lon = day_later.lon;
  lon[kPluto] = Normalize360(lon[kPluto] - PlutoEquinoxShift(day_later.julian_day_number) +
                             PlutoEquinoxShift(julian_day_number));
  return lon;
}

}  // namespace

BodyPositions BodiesAtClock(const OrbitalElements& elements, const ChartClock& clock) {
  return BodiesAt(elements, CenturiesFrom(2415020.0, clock), CenturiesFrom(2451545.0, clock),
                  clock.julian_day_number);
}

BodyPositions BodiesAtClock(const OrbitalElements& elements, const ChartClock& clock,
                            PerturbationKnots& knots) {
  return BodiesAt(elements, CenturiesFrom(2415020.0, clock), CenturiesFrom(2451545.0, clock),
                  clock.julian_day_number, &knots);
}

double NutationInLongitude(double t) {
  const MeanSunAndNode a = NutationArguments(t);
  const double arcsec = -(17.2327 + 0.01737 * t) * SinDeg(a.node) - 1.273 * SinDeg(2.0 * a.sun_lon);
  return arcsec / 3600.0;
}

double SvpOffsetAt(double t) {
  const MeanSunAndNode a = NutationArguments(t);
  // 84038.27" is the ayanamsa at 1900 January 0.5; 5025.64 T + 1.11 T^2 the
  // general precession since then.
  return Normalize360((-17.2327 * SinDeg(a.node) - 1.273 * SinDeg(2.0 * a.sun_lon) -
                       (5025.64 * t + 1.11 * t * t) - 84038.27) /
                      3600.0);
}

double AyanamsaOffsetAt(double julian_date, double nutation_lon) {
  // 22 deg 27' 37.65" at 1900 January 0.5, one degree per 71.61 years.
  return 22.46045833333 + (julian_date - 2415020.0) / 365.25 / 71.61 + nutation_lon;
}

void FillZodiacOffsets(ChartState& s) {
  const double jd = s.JulianDayNumber + s.DayFraction - 0.5;
  s.SvpOffset = SvpOffsetAt(s.CenturiesT);
  s.AyanamsaOffset = AyanamsaOffsetAt(jd, s.NutationLon);
}

void ComputePlanets(ChartState& s, const OrbitalElements& elements, const KnownBodies& known) {
  const double t = s.CenturiesT;
  FillZodiacOffsets(s);
  s.RetroFlags = std::string(ObjectCount, ' ');
  const ChartClock clock{s.DayFraction, s.JulianDayNumber};
  const double t2000 = CenturiesFrom(2451545.0, clock);

  // Cast alone, the moment and the next day sum their perturbation series together.
  std::array<OuterPerturbations, 2> perturbations;
  if (known.now == nullptr && known.day_later == nullptr) {
    perturbations = OuterPerturbationsAt(t, t + kOneDayInCenturies, elements.path);
  } else if (known.now == nullptr || known.day_later == nullptr) {
    perturbations[known.now == nullptr ? 0 : 1] =
        OuterPerturbationsAt(known.now == nullptr ? t : t + kOneDayInCenturies, elements.path);
  }
  const BodyPositions now = known.now != nullptr ? *known.now
                                                 : BodiesAt(elements, t, t2000, s.JulianDayNumber,
                                                            nullptr, &perturbations[0]);
  for (int i = kSun; i <= kMoon; ++i) {
    s.ObjectPos[i] = now.lon[i];
    s.ObjectLat[i] = now.lat[i];
  }
  s.ObjectLat[kSun] = 0;
  PlaceNodesAndAngles(s, now.moon.mean_node, now.moon.true_node);
  s.HelioLonWork[1] = now.helio[1];
  for (int i = kMercury; i <= kPluto; ++i) s.HelioLonWork[i] = now.helio[i];

  const ObjectTable next =
      known.day_later != nullptr
          ? NextDayLongitudes(*known.day_later, s.JulianDayNumber)
          : BodiesAt(elements, t + kOneDayInCenturies, t2000 + kOneDayInCenturies,
                     s.JulianDayNumber, nullptr, &perturbations[1])
                .lon;
  for (int i = kSun; i <= kMoon; ++i) s.ObjectLonNextDay[i] = next[i];

  for (int i = kMercury; i <= kPluto; ++i) MarkIfRetrograde(s, i);
  FillDeclinations(s, elements.path);
}

void PlaceNodesAndAngles(ChartState& s, double mean_node, double true_node) {
  s.ObjectPos[kNorthNode] = mean_node;
  if (s.TrueNode == -100.0) s.TrueNode = Normalize360(true_node);
  s.ObjectPos[kSouthNode] = Normalize360(s.ObjectPos[kNorthNode] + 180.0);
  s.ObjectPos[kPartOfFortune] = Normalize360(s.ObjectPos[kMoon] + s.AscLon - s.ObjectPos[kSun]);
  s.ObjectPos[kAscendant] = s.CuspWheel[4];
  s.ObjectPos[kMidheaven] = s.McLon;
}

void MarkIfRetrograde(ChartState& s, int object) {
  double a = s.ObjectPos[object], b = s.ObjectLonNextDay[object];
  if (std::fabs(a - b) >= 180.0) (a < b ? a : b) += 360.0;
  if (a > b) s.RetroFlags[object - 1] = 'R';
}

void FillDeclinations(ChartState& s, EnginePath path) {
  constexpr size_t kBodies = kMoon - kSun + 1;
  planets::DeclinationsOf(std::span(s.ObjectPos).subspan(kSun, kBodies),
                          std::span(s.ObjectLat).subspan(kSun, kBodies), s.ObliquityDeg,
                          std::span(s.DeclWork).subspan(kSun, kBodies), path);
}

}  // namespace kairotex
