#include "reports/horary_debilities.h"

#include "reports/essential_dignities.h"
#include "reports/horary_planet_tables.h"

namespace kairotex {

std::vector<int> FindPeregrine(const OwnDignityFlags& own_dignity) {
  std::vector<int> found;
  for (int planet : horary::kPlanets) {
    if (!own_dignity[planet]) found.push_back(planet);
  }
  return found;
}

std::vector<int> FindInDetriment(const ChartState& chart) {
  std::vector<int> found;
  for (int planet : horary::kPlanets) {
    if (DetrimentPlanet(SignOfLongitude(chart.ObjectLon[planet])) == planet) {
      found.push_back(planet);
    }
  }
  return found;
}

std::vector<int> FindInFall(const ChartState& chart) {
  std::vector<int> found;
  for (int planet : horary::kPlanets) {
    if (FallPlanet(SignOfLongitude(chart.ObjectLon[planet])) == planet) found.push_back(planet);
  }
  return found;
}

}  // namespace kairotex
