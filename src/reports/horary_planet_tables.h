// Constant data of the horary basics report: which objects it judges, their
// mean daily motions and their houses of joy.
#pragma once

#include <array>

#include "chart/chart_state.h"

namespace kairotex::horary {

// The seven traditional planets, in the order every condition list names them.
inline constexpr std::array<int, 7> kPlanets = {kSun,     kMercury, kVenus, kMars,
                                                kJupiter, kSaturn,  kMoon};

// The rows of the dignity table: the planets and the Part of Fortune.
inline constexpr std::array<int, 8> kDignityRowObjects = {
    kSun, kMercury, kVenus, kMars, kJupiter, kSaturn, kMoon, kPartOfFortune};

// Below this absolute daily motion a planet is stationary (half a minute of arc).
inline constexpr double kStationaryMotion = 0.00833333;

struct MeanMotion {
  int object;
  double degrees_per_day;
};

// The speed word compares a planet's daily motion with these.
inline constexpr std::array<MeanMotion, 7> kMeanMotions = {{
    {kSun, 0.9856103},
    {kMercury, 0.9856103},
    {kVenus, 0.9856103},
    {kMars, 0.524344},
    {kJupiter, 0.083251},
    {kSaturn, 0.033697},
    {kMoon, 13.176541},
}};

struct JoyHouse {
  int object;
  int house;
};

// Listed in this order, by house.
inline constexpr std::array<JoyHouse, 7> kJoyHouses = {{
    {kMercury, 1},
    {kMoon, 3},
    {kVenus, 5},
    {kMars, 6},
    {kSun, 9},
    {kJupiter, 11},
    {kSaturn, 12},
}};

// House points of a planet and of the Part of Fortune, index = house 1..12
// (index 0: an unplaced object scores nothing). They differ only in the 6th
// and 8th houses.
inline constexpr std::array<int, 13> kPlanetHousePoints = {0, 5,  3, 1, 4, 3, -2,
                                                           4, -2, 2, 5, 4, -5};
inline constexpr std::array<int, 13> kFortuneHousePoints = {0, 5,  3, 1, 4, 3, -4,
                                                            4, -4, 2, 5, 4, -5};

// Via Combusta, from 15 Libra to 15 Scorpio.
inline constexpr double kViaCombustaStart = 195.0;
inline constexpr double kViaCombustaEnd = 225.0;

// Within 17 minutes of arc of the Sun's centre a planet is cazimi.
inline constexpr double kCazimiBound = 0.28333;
// Beyond this a planet is free of the Sun's beams.
inline constexpr double kSunBeamsBound = 17.0;

}  // namespace kairotex::horary
