#include "reports/horary_sun_distance.h"

#include "chart/angles.h"
#include "reports/essential_dignities.h"
#include "reports/horary_planet_tables.h"

namespace kairotex {
namespace {

constexpr int kAnySignOption = 30;  // not 0: under the beams whatever the sign
constexpr int kCombustionOrbOption = 32;

}  // namespace

SunDistanceConditions FindSunDistanceConditions(const ChartState& chart,
                                                const OptionsTable& options) {
  const double sun = chart.ObjectLon[kSun];
  const int sun_sign = SignOfLongitude(sun);
  const double combustion_orb = options[kCombustionOrbOption];
  const bool any_sign = options[kAnySignOption] != 0;

  SunDistanceConditions found;
  for (int planet : horary::kPlanets) {
    // The Sun is no distance from itself; it would otherwise count as its own beams.
    if (planet == kSun) continue;
    const double lon = chart.ObjectLon[planet];
    const double separation = ShorterArc(sun, lon);
    const bool same_sign = SignOfLongitude(lon) == sun_sign;
    if (separation < horary::kCazimiBound) found.cazimi.push_back(planet);
    if (separation > horary::kSunBeamsBound) found.free_of_sun_beams.push_back(planet);
    if (separation >= horary::kCazimiBound && separation < combustion_orb && same_sign) {
      found.combust.push_back(planet);
    }
    if (separation >= combustion_orb && separation <= horary::kSunBeamsBound &&
        (any_sign || same_sign)) {
      found.under_sun_beams.push_back(planet);
    }
  }
  return found;
}

}  // namespace kairotex
