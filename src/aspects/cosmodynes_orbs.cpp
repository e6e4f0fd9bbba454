#include "aspects/cosmodynes_orbs.h"

#include <algorithm>
#include <cmath>

namespace kairotex {

HouseClass HouseClassOf(int house) {
  if (house < 1 || house > 12) return HouseClass::kNone;
  switch (house % 3) {
    case 1:
      return HouseClass::kAngular;
    case 2:
      return HouseClass::kSuccedent;
    default:
      return HouseClass::kCadent;
  }
}

DynesOrbs ObjectDynesOrbs(int object, int house) {
  if (object == kAscendant || object == kMidheaven) house = 10;
  const auto row = static_cast<size_t>(HouseClassOf(house));
  const OrbGrades& planet = dynes::kPlanetOrbGrades[row];
  const OrbGrades& light = dynes::kLightOrbGrades[row];
  if (object == kSun || object == kMoon) return {light, light};
  if (object == kMercury) return {planet, light};
  return {planet, planet};
}

DynesOrbs PairDynesOrbs(const DynesOrbs& a, const DynesOrbs& b) {
  DynesOrbs pair;
  for (size_t g = 1; g < pair.detection.size(); ++g) {
    pair.detection[g] = std::max(a.detection[g], b.detection[g]);
    pair.strength[g] = std::max(a.strength[g], b.strength[g]);
  }
  return pair;
}

double DynesSeparation(double a, double b) {
  const double s = std::fabs(a - b);
  return s > 180 ? 360 - s : s;
}

std::optional<DynesAspectRule> FindDynesAspect(double s, const OrbGrades& detection) {
  for (const DynesAspectRule& rule : dynes::kAspectRules) {
    // A separation near 130 could be a wide trine or a wide sesquisquare; the
    // split decides which one is looked for.
    if (rule.aspect == DynesAspect::kTrine && s > dynes::kTrineSesquisquareSplit) continue;
    if (rule.aspect == DynesAspect::kSesquisquare && s <= dynes::kTrineSesquisquareSplit) continue;
    // For the conjunction and the opposition one bound always holds.
    const double orb = detection[static_cast<size_t>(rule.grade)];
    if (rule.angle - orb <= s && s <= rule.angle + orb) return rule;
  }
  return std::nullopt;
}

}  // namespace kairotex
