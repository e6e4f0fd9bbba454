#include "reports/horary_conditions.h"

#include <algorithm>

#include "reports/fixed_stars_table.h"
#include "reports/horary_debilities.h"
#include "reports/horary_placements.h"
#include "reports/horary_planet_tables.h"

namespace kairotex {
namespace {

constexpr int kPeregrinePoints = -5;
constexpr int kDetrimentPoints = -5;
constexpr int kFallPoints = -4;
constexpr int kSignReceptionPoints = 5;
constexpr int kExaltationReceptionPoints = 4;
constexpr int kCazimiPoints = 5;
constexpr int kFreeOfSunBeamsPoints = 5;
constexpr int kCombustPoints = -5;
constexpr int kUnderSunBeamsPoints = -4;
constexpr int kBesiegedPoints = -5;

bool Contains(const std::vector<int>& objects, int object) {
  return std::find(objects.begin(), objects.end(), object) != objects.end();
}

void AddEach(const std::vector<int>& objects, int points, StrengthSource source,
             StrengthLedger& strength) {
  for (int object : objects) strength.Add(object, points, source);
}

void AddPairs(const std::vector<ReceptionPair>& pairs, int points, StrengthSource source,
              StrengthLedger& strength) {
  for (const ReceptionPair& pair : pairs) {
    strength.Add(pair.first, points, source);
    strength.Add(pair.second, points, source);
  }
}

}  // namespace

HoraryConditions ComputeHoraryConditions(const ChartState& chart, const OptionsTable& options,
                                         const OwnDignityFlags& own_dignity) {
  HoraryConditions conditions;
  conditions.peregrine = FindPeregrine(own_dignity);
  conditions.detriment = FindInDetriment(chart);
  conditions.fall = FindInFall(chart);
  conditions.receptions = FindReceptions(chart);
  conditions.via_combusta = FindInViaCombusta(chart);
  conditions.sun_distance = FindSunDistanceConditions(chart, options);
  conditions.fateful_degree = FindAtFatefulDegree(chart);
  conditions.house_of_joy = FindInHouseOfJoy(chart, options);
  conditions.besieged = FindBesieged(chart);
  conditions.fixed_stars = FindFixedStarHits(chart, options);
  return conditions;
}

void AddConditionPoints(const HoraryConditions& conditions, StrengthLedger& strength) {
  AddEach(conditions.peregrine, kPeregrinePoints, StrengthSource::kPeregrine, strength);
  AddEach(conditions.detriment, kDetrimentPoints, StrengthSource::kDetriment, strength);
  AddEach(conditions.fall, kFallPoints, StrengthSource::kFall, strength);
  AddPairs(conditions.receptions.by_sign, kSignReceptionPoints, StrengthSource::kSignReception,
           strength);
  AddPairs(conditions.receptions.by_exaltation, kExaltationReceptionPoints,
           StrengthSource::kExaltationReception, strength);

  // Cazimi and freedom from the beams are judged in one pass over the planets.
  const SunDistanceConditions& sun = conditions.sun_distance;
  for (int planet : horary::kPlanets) {
    if (Contains(sun.cazimi, planet)) {
      strength.Add(planet, kCazimiPoints, StrengthSource::kCazimi);
    }
    if (Contains(sun.free_of_sun_beams, planet)) {
      strength.Add(planet, kFreeOfSunBeamsPoints, StrengthSource::kFreeOfSunBeams);
    }
  }
  AddEach(sun.combust, kCombustPoints, StrengthSource::kCombust, strength);
  AddEach(sun.under_sun_beams, kUnderSunBeamsPoints, StrengthSource::kUnderSunBeams, strength);

  AddEach(conditions.besieged, kBesiegedPoints, StrengthSource::kBesieged, strength);
  for (const FixedStarHit& hit : conditions.fixed_stars) {
    strength.Add(hit.object, kFixedStars[hit.star].points, StrengthSource::kFixedStar);
  }
}

}  // namespace kairotex
