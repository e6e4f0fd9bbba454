#include "almuten/almuten_check.h"

#include <vector>

#include "almuten/almuten_tables.h"
#include "common/dat_file.h"
#include "reports/essential_dignities.h"
#include "reports/essential_dignity_tables.h"

namespace kairotex::tools {

namespace {

// The almuten report adds Saturn by itself at 19 Libra in a night chart.
constexpr int kSaturnNightDegree = 199;

// A few degrees worked out by hand from the dignity tables.
struct SpotCheck {
  int degree;
  bool night;
  int first;
  int second;
};
constexpr SpotCheck kSpotChecks[] = {
    {0, false, dignity::kSun, 0},                // Aries: Sun exalted, day triplicity
    {30, false, dignity::kVenus, 0},             // Taurus: Venus domicile, triplicity, term
    {23, false, dignity::kMars, dignity::kSun},  // Mars domicile + term = Sun 4 + 3
    {150, true, dignity::kMercury, 0},           // Virgo: Mercury domicile, exalted, term
    {199, true, dignity::kVenus, dignity::kMercury},
    {199, false, dignity::kSaturn, 0},
    {240, true, dignity::kJupiter, 0},
};

bool IsPlanet(int value) {
  for (int planet : dignity::kTraditionalPlanets) {
    if (value == planet) return true;
  }
  return false;
}

std::vector<int> ReadTable(const std::string& path) {
  const std::vector<double> values = ReadDatValues(path);
  if (values.size() != static_cast<std::size_t>(kAlmutenEntries)) {
    FailCheck(path + ": " + std::to_string(values.size()) + " values, expected " +
              std::to_string(kAlmutenEntries));
  }
  std::vector<int> table;
  for (double v : values) {
    if (v != static_cast<int>(v)) FailCheck(path + ": not a whole number");
    table.push_back(static_cast<int>(v));
  }
  if (table[360] != table[0]) FailCheck(path + ": entry 360 differs from entry 0");
  return table;
}

}  // namespace

void CheckAlmutenFiles(const std::string& first_path, const std::string& second_path, bool night) {
  const std::vector<int> first = ReadTable(first_path);
  const std::vector<int> second = ReadTable(second_path);

  for (int d = 0; d < 360; ++d) {
    const double lon = d + 0.5;
    const std::string where = " at degree " + std::to_string(d);
    if (!IsPlanet(first[d])) FailCheck(first_path + ": no planet" + where);
    if (second[d] != 0 && (!IsPlanet(second[d]) || second[d] == first[d])) {
      FailCheck(second_path + ": bad entry" + where);
    }
    const int top = EssentialDignityScore(first[d], lon, night);
    int tied = 0;
    for (int planet : dignity::kTraditionalPlanets) {
      const int score = EssentialDignityScore(planet, lon, night);
      if (score > top) FailCheck(first_path + ": not the highest score" + where);
      if (score == top) ++tied;
    }
    if (second[d] != 0 && EssentialDignityScore(second[d], lon, night) != top) {
      FailCheck(second_path + ": not tied with the first table" + where);
    }
    if ((second[d] != 0) != (tied >= 2)) FailCheck(second_path + ": tie missed" + where);

    // More than two tied planets exist only where the report supplies Saturn.
    const bool saturn_rule = night && d == kSaturnNightDegree;
    if (tied > 2 && !saturn_rule) FailCheck("three-way tie the tables cannot show" + where);
    if (saturn_rule) {
      const bool saturn_tied = EssentialDignityScore(dignity::kSaturn, lon, night) == top;
      if (tied != 3 || !saturn_tied || first[d] == dignity::kSaturn ||
          second[d] == dignity::kSaturn) {
        FailCheck("the night tables at 19 Libra do not leave the third place to Saturn");
      }
    }
  }

  for (const SpotCheck& spot : kSpotChecks) {
    if (spot.night != night) continue;
    if (first[spot.degree] != spot.first || second[spot.degree] != spot.second) {
      FailCheck("worked example differs at degree " + std::to_string(spot.degree));
    }
  }
}

}  // namespace kairotex::tools
