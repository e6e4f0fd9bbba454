// Constant data of the Part of Fortune's own score.
#pragma once

#include <array>

#include "chart/chart_state.h"

namespace kairotex {

// What raised or lowered the Part of Fortune's score.
enum class FortuneCondition {
  kMaleficTerm,  // in the terms of Mars or Saturn
  kSign,
  kHouse,
  kAlgol,
  kCombust,
  kSouthNodeConjunct,
  kMarsConjunct,
  kSaturnConjunct,
  kMarsOpposite,
  kSaturnOpposite,
  kMarsSquare,
  kSaturnSquare,
  kFreeOfSunBeams,
  kNorthNodeConjunct,
  kVenusConjunct,
  kJupiterConjunct,
  kVenusTrine,
  kJupiterTrine,
  kVenusSextile,
  kJupiterSextile,
  kRegulus,
  kSpica,
};

inline constexpr int kFortuneMaleficTermPoints = -2;
inline constexpr int kFortuneAlgolPoints = -4;

// Sign points, Aries first. Virgo's points count only within its band.
inline constexpr std::array<int, 12> kFortuneSignPoints = {-5, 5, 3, 4, 4, 2, 4, -5, 4, -5, -5, 5};
inline constexpr int kVirgo = 6;
inline constexpr double kFortuneVirgoFrom = 157.0;  // inclusive
inline constexpr double kFortuneVirgoTo = 168.0;    // exclusive

enum class SeparationTest {
  kBelow,    // separation < high
  kBetween,  // low <= separation <= high
  kAbove,    // separation > low
};

// A condition on the shorter arc between the Part of Fortune and an object.
struct FortuneSeparationRule {
  FortuneCondition condition;
  int object;
  SeparationTest test;
  double low;
  double high;
  int points;
};

// In the order the score adds them up.
inline constexpr std::array<FortuneSeparationRule, 16> kFortuneSeparationRules = {{
    {FortuneCondition::kCombust, kSun, SeparationTest::kBetween, 0.28333333, 8.0, -5},
    {FortuneCondition::kSouthNodeConjunct, kSouthNode, SeparationTest::kBelow, 0, 1.01, -3},
    {FortuneCondition::kMarsConjunct, kMars, SeparationTest::kBelow, 0, 3.75, -5},
    {FortuneCondition::kSaturnConjunct, kSaturn, SeparationTest::kBelow, 0, 5.0, -5},
    {FortuneCondition::kMarsOpposite, kMars, SeparationTest::kBetween, 176.25, 183.75, -4},
    {FortuneCondition::kSaturnOpposite, kSaturn, SeparationTest::kBetween, 175.0, 185.0, -4},
    {FortuneCondition::kMarsSquare, kMars, SeparationTest::kBetween, 86.25, 93.75, -3},
    {FortuneCondition::kSaturnSquare, kSaturn, SeparationTest::kBetween, 85.0, 95.0, -3},
    {FortuneCondition::kFreeOfSunBeams, kSun, SeparationTest::kAbove, 17.0, 0, 5},
    {FortuneCondition::kNorthNodeConjunct, kNorthNode, SeparationTest::kBelow, 0, 1.01, 3},
    {FortuneCondition::kVenusConjunct, kVenus, SeparationTest::kBelow, 0, 4.0, 5},
    {FortuneCondition::kJupiterConjunct, kJupiter, SeparationTest::kBelow, 0, 6.0, 5},
    {FortuneCondition::kVenusTrine, kVenus, SeparationTest::kBetween, 116.0, 124.0, 4},
    {FortuneCondition::kJupiterTrine, kJupiter, SeparationTest::kBetween, 114.0, 126.0, 4},
    {FortuneCondition::kVenusSextile, kVenus, SeparationTest::kBetween, 56.0, 64.0, 2},
    {FortuneCondition::kJupiterSextile, kJupiter, SeparationTest::kBetween, 54.0, 66.0, 2},
}};

}  // namespace kairotex
