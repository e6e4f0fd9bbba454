#include "reports/horary_placements.h"

#include <algorithm>
#include <array>

#include "reports/essential_dignities.h"
#include "reports/horary_houses.h"
#include "reports/horary_planet_tables.h"

namespace kairotex {
namespace {

constexpr int kHousesOption = 46;

constexpr std::array<int, 6> kBesiegeable = {kSun,     kMercury, kVenus,
                                             kJupiter, kMoon,    kPartOfFortune};

}  // namespace

int WholeDegreeInSign(double lon) {
  return static_cast<int>(lon) - 30 * static_cast<int>(lon / 30.0);
}

std::vector<int> FindInViaCombusta(const ChartState& chart) {
  std::vector<int> found;
  for (int planet : horary::kPlanets) {
    const double lon = chart.ObjectLon[planet];
    if (lon >= horary::kViaCombustaStart && lon < horary::kViaCombustaEnd) found.push_back(planet);
  }
  return found;
}

std::vector<int> FindAtFatefulDegree(const ChartState& chart) {
  const int node_degree = WholeDegreeInSign(chart.ObjectLon[kNorthNode]);
  std::vector<int> found;
  for (int object = 1; object <= ObjectCount; ++object) {
    if (object == kNorthNode || object == kSouthNode || !ObjectAvailable(chart, object)) continue;
    if (WholeDegreeInSign(chart.ObjectLon[object]) == node_degree) found.push_back(object);
  }
  return found;
}

std::vector<int> FindInHouseOfJoy(const ChartState& chart, const OptionsTable& options) {
  const bool five_degree_rule = options[kHousesOption] != 0;
  std::vector<int> found;
  for (const horary::JoyHouse& joy : horary::kJoyHouses) {
    const double lon = chart.ObjectLon[joy.object];
    const int house = HouseWithFiveDegreeRule(HouseByCusps(chart.CuspComputed, lon), lon,
                                              chart.CuspComputed, five_degree_rule);
    if (house == joy.house) found.push_back(joy.object);
  }
  return found;
}

std::vector<int> FindBesieged(const ChartState& chart) {
  const double mars = chart.ObjectLon[kMars];
  const double saturn = chart.ObjectLon[kSaturn];
  std::vector<int> found;
  if (SignOfLongitude(mars) != SignOfLongitude(saturn)) return found;
  const double low = std::min(mars, saturn);
  const double high = std::max(mars, saturn);
  for (int object : kBesiegeable) {
    const double lon = chart.ObjectLon[object];
    if (lon > low && lon < high) found.push_back(object);
  }
  return found;
}

}  // namespace kairotex
