// The horary reports' own aspect rule: the major aspects by the sum of the two
// planets' orbs (options 34 to 43), the nodes by conjunction only.
#pragma once

#include "settings/options.h"

namespace kairotex {

// Orb option of an object: Sun 34, Moon 35, Mercury 36, Venus 37, Mars 38,
// Jupiter 39, Saturn 40, Uranus 41, Neptune 42, Pluto 43; every other object 0.
double PlanetOrb(const OptionsTable& options, int object);

// Aspect code (2 conjunction, 3 sextile, 4 square, 5 trine, 6 opposition, 1 none)
// for the shorter arc s and the summed orb. The first test that holds decides:
// sextile, square, trine (|s - angle| <= orb), opposition (s >= 180 - orb),
// conjunction (s < orb). With a node in the pair only the conjunction counts.
int PlanetOrbAspect(double separation, double orb, bool node_in_pair);

// Exact angle of aspect codes 2..6: 0, 60, 90, 120, 180.
double ExactAngleOf(int code);

}  // namespace kairotex
