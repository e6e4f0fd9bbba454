// The almuten of each whole degree of the zodiac: the planet with the highest
// essential dignity score there (domicile 5, exaltation 4, triplicity 3,
// term 2, face 1), by day and by night.
#pragma once

#include <array>
#include <vector>

namespace kairotex::tools {

inline constexpr int kAlmutenEntries = 361;  // degrees 0..360; 360 repeats 0

// Tie order: when planets share the highest score, the domicile ruler of the
// sign comes first (its dignity is the strongest single one); the others
// follow in object-number order (Sun 1, Mercury 2, Venus 3, Mars 4,
// Jupiter 5, Saturn 6, Moon 10).
// The only three-way tie is 19 Libra (degree 199) by night: Venus, Mercury
// and Saturn score 5 each. The order gives Venus and Mercury to the tables,
// and the almuten report names Saturn itself at that degree by night.
std::vector<int> AlmutensAt(int degree, bool night);

struct AlmutenTables {
  std::array<int, kAlmutenEntries> first{};   // the almuten
  std::array<int, kAlmutenEntries> second{};  // a planet tied with it, else 0
};

AlmutenTables BuildAlmutenTables(bool night);

}  // namespace kairotex::tools
