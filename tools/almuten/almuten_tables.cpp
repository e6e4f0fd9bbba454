#include "almuten/almuten_tables.h"

#include <algorithm>

#include "reports/essential_dignities.h"
#include "reports/essential_dignity_tables.h"

namespace kairotex::tools {

std::vector<int> AlmutensAt(int degree, bool night) {
  // Every dignity boundary falls on a whole degree, so the middle of the
  // degree stands for all of it.
  const double lon = (degree % 360) + 0.5;
  int best = 0;
  for (int planet : dignity::kTraditionalPlanets) {
    best = std::max(best, EssentialDignityScore(planet, lon, night));
  }
  std::vector<int> tied;
  for (int planet : dignity::kTraditionalPlanets) {
    if (EssentialDignityScore(planet, lon, night) == best) tied.push_back(planet);
  }
  // The domicile ruler, when tied, moves to the front; the rest keep their order.
  const int ruler = DomicileRuler(SignOfLongitude(lon));
  std::stable_partition(tied.begin(), tied.end(), [ruler](int planet) { return planet == ruler; });
  return tied;
}

AlmutenTables BuildAlmutenTables(bool night) {
  AlmutenTables tables;
  for (int degree = 0; degree < kAlmutenEntries; ++degree) {
    const std::vector<int> tied = AlmutensAt(degree, night);
    tables.first[degree] = tied.empty() ? 0 : tied[0];
    tables.second[degree] = tied.size() < 2 ? 0 : tied[1];
  }
  return tables;
}

}  // namespace kairotex::tools
