// Cosmodynes orbs and the aspect they find. Each object has detection orbs,
// which decide whether an aspect counts, and strength orbs, from which its
// strength is taken; a pair takes the larger of the two objects' orbs grade
// by grade.
#pragma once

#include <optional>

#include "aspects/cosmodynes_tables.h"

namespace kairotex {

struct DynesOrbs {
  OrbGrades detection{};
  OrbGrades strength{};
};

// Angular 1, 4, 7, 10; succedent 2, 5, 8, 11; cadent 3, 6, 9, 12; none for
// anything else.
HouseClass HouseClassOf(int house);

// The orbs of an object standing in the house. The Sun and the Moon use their
// own grades, Mercury detects with the planets' and takes strength with the
// Sun's and Moon's, the others use the planets'. The Ascendant and the
// Midheaven count as planets in the 10th, whatever house is given.
DynesOrbs ObjectDynesOrbs(int object, int house);

DynesOrbs PairDynesOrbs(const DynesOrbs& a, const DynesOrbs& b);

// Strength g5; for a pair, the larger of the two.
inline double DynesParallelOrb(const DynesOrbs& orbs) {
  return orbs.strength[5];
}

// The shorter arc between two longitudes, 0..180.
double DynesSeparation(double a, double b);

// The first aspect whose detection orb holds the separation, bounds included.
std::optional<DynesAspectRule> FindDynesAspect(double separation, const OrbGrades& detection);

}  // namespace kairotex
