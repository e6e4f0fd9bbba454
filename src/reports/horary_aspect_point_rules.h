// What an aspect in the same degree does to a planet's strength, by the
// object that casts it.
#pragma once

#include <array>

#include "aspects/aspect_codes.h"
#include "chart/chart_state.h"

namespace kairotex {

struct AspectPointRule {
  int caster;
  int aspect;  // aspect code
  int points;
};

inline constexpr std::array<AspectPointRule, 14> kAspectPointRules = {{
    {kVenus, kConjunction, 5},
    {kJupiter, kConjunction, 5},
    {kNorthNode, kConjunction, 4},
    {kVenus, kSextile, 3},
    {kJupiter, kSextile, 3},
    {kVenus, kTrine, 4},
    {kJupiter, kTrine, 4},
    {kMars, kConjunction, -5},
    {kSaturn, kConjunction, -5},
    {kSouthNode, kConjunction, -4},
    {kMars, kSquare, -3},
    {kSaturn, kSquare, -3},
    {kMars, kOpposition, -4},
    {kSaturn, kOpposition, -4},
}};

}  // namespace kairotex
