// Aspect power, harmony and discord from the aspects and parallels of every
// pair. Each unordered pair is visited twice, once from each side, so that
// each object collects its own share; the grid takes power from the visit
// with the lower number first and net harmony from the other.
#include <cmath>

#include "aspects/cosmodynes.h"
#include "aspects/cosmodynes_orbs.h"

namespace kairotex {
namespace {

void AddToCell(DynesGrid& grid, int i, int j, double amount) {
  float& cell = grid[static_cast<size_t>(i)][static_cast<size_t>(j)];
  cell = static_cast<float>(cell + amount);
}

void AddPower(CosmodynesFacts& f, int i, int j, double amount) {
  f.aspect_power[i] += amount;
  if (i < j) AddToCell(f.grid, i, j, amount);
}

void AddTone(CosmodynesFacts& f, int i, int j, DynesTone tone, double amount) {
  if (tone == DynesTone::kHarmony) {
    f.harmony[i] += amount;
    if (i > j) AddToCell(f.grid, i, j, amount);
  } else if (tone == DynesTone::kDiscord) {
    f.discord[i] += amount;
    if (i > j) AddToCell(f.grid, i, j, -amount);
  }
}

void ApplyPlanetRules(CosmodynesFacts& f, int i, int j, double strength) {
  for (const dynes::PlanetRule& rule : dynes::kPlanetRules) {
    if (i == rule.planet || j == rule.planet) AddTone(f, i, j, rule.tone, strength * rule.share);
  }
}

void VisitPair(const ChartState& chart, const DynesOrbs& orbs, int i, int j, CosmodynesFacts& f) {
  const double s = DynesSeparation(chart.ObjectLon[i], chart.ObjectLon[j]);
  if (const auto rule = FindDynesAspect(s, orbs.detection)) {
    const double k = orbs.strength[static_cast<size_t>(rule->grade)] - std::fabs(s - rule->angle);
    AddPower(f, i, j, k);
    AddTone(f, i, j, rule->tone, k);
    ApplyPlanetRules(f, i, j, k);
  }
  // Parallels and contraparallels alike, with or without an aspect.
  const double p = std::fabs(std::fabs(chart.ObjectDecl[i]) - std::fabs(chart.ObjectDecl[j]));
  if (p < dynes::kParallelLimit) {
    const double q = DynesParallelOrb(orbs) * (1 - p);
    AddPower(f, i, j, q);
    ApplyPlanetRules(f, i, j, q);
  }
}

}  // namespace

void ComputeAspectDynes(const ChartState& chart, CosmodynesFacts& f) {
  std::array<DynesOrbs, ObjectCount + 1> orbs{};
  for (int i : kDynesObjects) orbs[i] = ObjectDynesOrbs(i, DynesHouseOf(chart, i));
  f.aspect_power = {};
  f.harmony = {};
  f.discord = {};
  f.grid = {};
  f.aspect_power[kAscendant] = dynes::kAngleAspectPower;
  f.aspect_power[kMidheaven] = dynes::kAngleAspectPower;
  for (int i : kDynesObjects) {
    for (int j : kDynesObjects) {
      if (i != j) VisitPair(chart, PairDynesOrbs(orbs[i], orbs[j]), i, j, f);
    }
  }
}

}  // namespace kairotex
