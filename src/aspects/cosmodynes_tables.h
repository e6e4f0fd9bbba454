// The fixed tables of the Cosmodynes calculation: house power, orb grades by
// house class, the aspects with their grades, reception signs, sign
// dignities and sign rulers.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>

#include "chart/chart_state.h"

namespace kairotex {

// Orb grades g1..g5 in degrees (index 0 unused).
using OrbGrades = std::array<double, 6>;

enum class HouseClass { kNone, kCadent, kSuccedent, kAngular };

enum class DynesAspect {
  kNone,
  kConjunction,
  kSemisextile,
  kSemisquare,
  kSextile,
  kSquare,
  kTrine,
  kSesquisquare,
  kQuincunx,
  kOpposition,
};

// The elements and the modes.
enum DynesGroup {
  kDynesFire,
  kDynesEarth,
  kDynesAir,
  kDynesWater,
  kDynesCardinal,
  kDynesFixed,
  kDynesCommon,
  kDynesGroupCount
};

// What an aspect adds besides power.
enum class DynesTone { kNeutral, kHarmony, kDiscord };

struct DynesAspectRule {
  DynesAspect aspect;
  double angle;
  int grade;  // the orb grade that detects it and gives its strength
  DynesTone tone;
};

}  // namespace kairotex

// The tables themselves, kept apart from the other tables of the program.
namespace kairotex::dynes {

// Signs 1..12, as the sign of a longitude numbers them.
enum Sign : int {
  kAries = 1,
  kTaurus,
  kGemini,
  kCancer,
  kLeo,
  kVirgo,
  kLibra,
  kScorpio,
  kSagittarius,
  kCapricorn,
  kAquarius,
  kPisces,
};

// A set of signs, bit n standing for sign n.
using SignSet = uint16_t;

constexpr SignSet Signs(std::initializer_list<int> signs) {
  SignSet set = 0;
  for (int s : signs) set = static_cast<SignSet>(set | (1u << s));
  return set;
}

constexpr bool Holds(SignSet set, int sign) {
  return (set >> sign) & 1u;
}

// House power: base at the cusp, falling off by this much across the house.
// Both are 32-bit values as the program has always kept them (10.9 is not
// quite 10.9). Index = house, 0 unused.
inline constexpr std::array<float, 13> kHouseBase = {0,     15,    8.5f, 8,  14,    7.5f, 7,
                                                     14.5f, 10.9f, 10,   15, 11.9f, 9.3f};
inline constexpr std::array<float, 13> kHouseFallOff = {0, 2,    0.5f, 0.5f, 2, 0.5f, 0.5f,
                                                        2, 0.9f, 0.7f, 2,    1, 0.7f};

// By house class: none (an object with no house brings no orb), cadent,
// succedent, angular.
inline constexpr std::array<OrbGrades, 4> kPlanetOrbGrades = {{
    {0, 0, 0, 0, 0, 0},
    {0, 1, 3, 5, 6, 8},
    {0, 2, 4, 6, 8, 10},
    {0, 3, 5, 7, 10, 12},
}};
inline constexpr std::array<OrbGrades, 4> kLightOrbGrades = {{
    {0, 0, 0, 0, 0, 0},
    {0, 2, 4, 6, 8, 11},
    {0, 3, 5, 7, 10, 13},
    {0, 4, 6, 8, 12, 15},
}};

// In the order they are tried; the first that holds is the aspect.
inline constexpr std::array<DynesAspectRule, 9> kAspectRules = {{
    {DynesAspect::kConjunction, 0, 5, DynesTone::kNeutral},
    {DynesAspect::kSemisextile, 30, 1, DynesTone::kHarmony},
    {DynesAspect::kSemisquare, 45, 2, DynesTone::kDiscord},
    {DynesAspect::kSextile, 60, 3, DynesTone::kHarmony},
    {DynesAspect::kSquare, 90, 4, DynesTone::kDiscord},
    {DynesAspect::kTrine, 120, 4, DynesTone::kHarmony},
    {DynesAspect::kSesquisquare, 135, 2, DynesTone::kDiscord},
    {DynesAspect::kQuincunx, 150, 1, DynesTone::kNeutral},
    {DynesAspect::kOpposition, 180, 5, DynesTone::kDiscord},
}};

// Trines are looked for up to this separation, sesquisquares beyond it.
inline constexpr double kTrineSesquisquareSplit = 130;

// Parallels count while the declinations differ in size by less than this.
inline constexpr double kParallelLimit = 1;

// Aspect power the Ascendant and the Midheaven start with.
inline constexpr double kAngleAspectPower = 15;

// A planet taking part in an aspect or parallel tints it: a share of the
// strength goes to harmony or discord of each of the two objects.
struct PlanetRule {
  int planet;
  DynesTone tone;
  double share;
};
inline constexpr std::array<PlanetRule, 4> kPlanetRules = {{
    {kJupiter, DynesTone::kHarmony, 0.5},
    {kVenus, DynesTone::kHarmony, 0.25},
    {kSaturn, DynesTone::kDiscord, 0.5},
    {kMars, DynesTone::kDiscord, 0.25},
}};

// Mutual reception adds this much harmony to each planet of the pair.
inline constexpr double kReceptionHarmony = 5;

// Rulership and exaltation signs of planets 1..10, for mutual reception.
inline constexpr std::array<SignSet, 11> kReceptionSigns = {
    0,
    Signs({kAries, kLeo}),                    // Sun
    Signs({kGemini, kVirgo, kAquarius}),      // Mercury
    Signs({kTaurus, kLibra, kPisces}),        // Venus
    Signs({kAries, kScorpio, kCapricorn}),    // Mars
    Signs({kCancer, kSagittarius, kPisces}),  // Jupiter
    Signs({kLibra, kCapricorn, kAquarius}),   // Saturn
    Signs({kGemini, kAquarius}),              // Uranus
    Signs({kSagittarius, kPisces}),           // Neptune
    Signs({kLeo, kScorpio}),                  // Pluto
    Signs({kTaurus, kCancer}),                // Moon
};

// One class of sign dignity and what it adds.
struct SignDignity {
  double harmony;
  double discord;
};

// Rulership, exaltation, minor dignity, detriment, fall, minor debility.
inline constexpr std::array<SignDignity, 6> kSignDignityValues = {{
    {2, 0},
    {3, 0},
    {1, 0},
    {0, 2},
    {0, 3},
    {0, 1},
}};

// Signs of each class above for planets 1..10.
inline constexpr std::array<std::array<SignSet, 6>, 11> kSignDignitySigns = {{
    {},
    {Signs({kLeo}), Signs({kAries}), Signs({kSagittarius}), Signs({kAquarius}), Signs({kLibra}),
     Signs({kGemini})},  // Sun
    {Signs({kGemini, kVirgo}), Signs({kAquarius}), Signs({kScorpio}),
     Signs({kSagittarius, kPisces}), Signs({kLeo}), Signs({kTaurus})},  // Mercury
    {Signs({kTaurus, kLibra}), Signs({kPisces}), Signs({kAquarius}), Signs({kAries, kScorpio}),
     Signs({kVirgo}), Signs({kLeo})},  // Venus
    {Signs({kAries, kScorpio}), Signs({kCapricorn}), Signs({kLeo}), Signs({kTaurus, kLibra}),
     Signs({kCancer}), Signs({kAquarius})},  // Mars
    {Signs({kSagittarius, kPisces}), Signs({kCancer}), Signs({kTaurus}), Signs({kGemini, kVirgo}),
     Signs({kCapricorn}), Signs({kScorpio})},  // Jupiter
    {Signs({kCapricorn, kAquarius}), Signs({kLibra}), Signs({kVirgo}), Signs({kCancer, kLeo}),
     Signs({kAries}), Signs({kPisces})},  // Saturn
    {Signs({kAquarius}), Signs({kGemini}), Signs({kLibra}), Signs({kLeo}), Signs({kSagittarius}),
     Signs({kAries})},  // Uranus
    {Signs({kPisces}), Signs({kSagittarius}), Signs({kCancer}), Signs({kVirgo}), Signs({kGemini}),
     Signs({kCapricorn})},  // Neptune
    {Signs({kScorpio}), Signs({kLeo}), Signs({kAries}), Signs({kTaurus}), Signs({kAquarius}),
     Signs({kLibra})},  // Pluto
    {Signs({kCancer}), Signs({kTaurus}), Signs({kPisces}), Signs({kCapricorn}), Signs({kScorpio}),
     Signs({kVirgo})},  // Moon
}};

// Rulers of signs 1..12 for the sign and house totals; a second ruler of 0
// means the sign has one. Two rulers share: the value is their mean.
inline constexpr std::array<std::array<int, 2>, 13> kSignRulers = {{
    {0, 0},
    {kMars, 0},
    {kVenus, 0},
    {kMercury, 0},
    {kMoon, 0},
    {kSun, 0},
    {kMercury, 0},
    {kVenus, 0},
    {kPluto, kMars},
    {kJupiter, 0},
    {kSaturn, 0},
    {kSaturn, kUranus},
    {kNeptune, kJupiter},
}};

// Share of its ruler's values a sign starts with, by the number of cusps in
// it (0..3); a sign with more cusps gets none.
inline constexpr std::array<double, 4> kRulerShareByCusps = {0.25, 0.5, 1, 2};

// Share of the ruler's values of the cusp sign and of each sign lying wholly
// inside a house, that the house starts with.
inline constexpr double kCuspSignShare = 0.5;
inline constexpr double kInterceptedSignShare = 0.25;

// Signs of the elements and modes, in the order of DynesGroup.
inline constexpr std::array<SignSet, kDynesGroupCount> kGroupSigns = {
    Signs({kAries, kLeo, kSagittarius}),              // Fire
    Signs({kTaurus, kVirgo, kCapricorn}),             // Earth
    Signs({kGemini, kLibra, kAquarius}),              // Air
    Signs({kCancer, kScorpio, kPisces}),              // Water
    Signs({kAries, kCancer, kLibra, kCapricorn}),     // Cardinal
    Signs({kTaurus, kLeo, kScorpio, kAquarius}),      // Fixed
    Signs({kGemini, kVirgo, kSagittarius, kPisces}),  // Common
};

}  // namespace kairotex::dynes
