// The traditional essential dignities as constant data: sign rulers,
// exaltations, triplicities, detriments, falls, terms and faces.
// The logic that reads them lives in essential_dignities.cpp.
#pragma once

#include <array>

namespace kairotex::dignity {

// Object numbers of the seven traditional planets, as in every per-object
// table of the chart; 0 marks "no planet".
inline constexpr int kNone = 0;
inline constexpr int kSun = 1;
inline constexpr int kMercury = 2;
inline constexpr int kVenus = 3;
inline constexpr int kMars = 4;
inline constexpr int kJupiter = 5;
inline constexpr int kSaturn = 6;
inline constexpr int kMoon = 10;

// The planets that can hold an essential dignity, in object-number order.
inline constexpr std::array<int, 7> kTraditionalPlanets = {kSun,     kMercury, kVenus, kMars,
                                                           kJupiter, kSaturn,  kMoon};

inline constexpr int kSignCount = 12;

// One row per sign, Aries first.
struct SignRulers {
  int domicile;
  int exaltation;  // kNone when the sign exalts no planet
  int day_triplicity;
  int night_triplicity;
  int detriment;  // the planet that is in its detriment here
  int fall;       // the planet that is in its fall here, or kNone
};

inline constexpr std::array<SignRulers, kSignCount> kSignRulers = {{
    {kMars, kSun, kSun, kJupiter, kVenus, kSaturn},         // Aries
    {kVenus, kMoon, kVenus, kMoon, kMars, kNone},           // Taurus
    {kMercury, kNone, kSaturn, kMercury, kJupiter, kNone},  // Gemini
    {kMoon, kJupiter, kMars, kMars, kSaturn, kMars},        // Cancer
    {kSun, kNone, kSun, kJupiter, kSaturn, kNone},          // Leo
    {kMercury, kMercury, kVenus, kMoon, kJupiter, kVenus},  // Virgo
    {kVenus, kSaturn, kSaturn, kMercury, kMars, kSun},      // Libra
    {kMars, kNone, kMars, kMars, kVenus, kMoon},            // Scorpio
    {kJupiter, kNone, kSun, kJupiter, kMercury, kNone},     // Sagittarius
    {kSaturn, kMars, kVenus, kMoon, kMoon, kJupiter},       // Capricorn
    {kSaturn, kNone, kSaturn, kMercury, kSun, kNone},       // Aquarius
    {kJupiter, kVenus, kMars, kMars, kMercury, kMercury},   // Pisces
}};

// A term runs from its start (absolute longitude, inclusive) to the start of
// the next term; the last term of Pisces ends at 360.
struct Term {
  int ruler;
  int start;
};

inline constexpr int kTermsPerSign = 5;

inline constexpr std::array<std::array<Term, kTermsPerSign>, kSignCount> kTerms = {{
    {{{kJupiter, 0}, {kVenus, 6}, {kMercury, 14}, {kMars, 21}, {kSaturn, 26}}},
    {{{kVenus, 30}, {kMercury, 38}, {kJupiter, 45}, {kSaturn, 52}, {kMars, 56}}},
    {{{kMercury, 60}, {kJupiter, 67}, {kVenus, 74}, {kSaturn, 81}, {kMars, 85}}},
    {{{kMars, 90}, {kJupiter, 96}, {kMercury, 103}, {kVenus, 110}, {kSaturn, 117}}},
    {{{kSaturn, 120}, {kMercury, 126}, {kVenus, 133}, {kJupiter, 139}, {kMars, 145}}},
    {{{kMercury, 150}, {kVenus, 157}, {kJupiter, 163}, {kSaturn, 168}, {kMars, 174}}},
    {{{kSaturn, 180}, {kVenus, 186}, {kJupiter, 191}, {kMercury, 199}, {kMars, 204}}},
    {{{kMars, 210}, {kJupiter, 216}, {kVenus, 224}, {kMercury, 231}, {kSaturn, 237}}},
    {{{kJupiter, 240}, {kVenus, 248}, {kMercury, 254}, {kSaturn, 259}, {kMars, 265}}},
    {{{kVenus, 270}, {kMercury, 276}, {kJupiter, 282}, {kMars, 289}, {kSaturn, 295}}},
    {{{kSaturn, 300}, {kMercury, 306}, {kVenus, 312}, {kJupiter, 320}, {kMars, 325}}},
    {{{kVenus, 330}, {kJupiter, 338}, {kMercury, 344}, {kMars, 350}, {kSaturn, 356}}},
}};

// Faces are 10 degrees wide and follow this order from 0 Aries, repeating
// every 70 degrees (36 faces in all).
inline constexpr int kFaceWidth = 10;
inline constexpr std::array<int, 7> kFaceOrder = {kMars, kSun,    kVenus,  kMercury,
                                                  kMoon, kSaturn, kJupiter};

// Points of each dignity in the essential dignity score.
inline constexpr int kDomicilePoints = 5;
inline constexpr int kExaltationPoints = 4;
inline constexpr int kTriplicityPoints = 3;
inline constexpr int kTermPoints = 2;
inline constexpr int kFacePoints = 1;

}  // namespace kairotex::dignity
