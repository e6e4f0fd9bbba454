#include "reports/horary_strictures.h"

#include <cmath>

#include "reports/horary_planet_tables.h"

namespace kairotex {
namespace {

// The Ascendant is read from the cusps, not from object 14: under the
// Meridian and Morinus systems the two can differ.
constexpr int kAscendantCuspIndex = 4;
constexpr int kSeventhCuspIndex = 10;

double DegreeInSign(double lon) {
  return std::fmod(lon, 30.0);
}

bool InViaCombusta(double lon) {
  return lon >= horary::kViaCombustaStart && lon < horary::kViaCombustaEnd;
}

}  // namespace

std::vector<Stricture> ComputeStrictures(const ChartState& chart) {
  const double ascendant_degree = DegreeInSign(chart.CuspComputed[kAscendantCuspIndex]);
  const double seventh_cusp = chart.CuspComputed[kSeventhCuspIndex];
  const double moon = chart.ObjectLon[kMoon];
  const int saturn_house = HouseOfObject(chart, kSaturn);

  const struct {
    bool holds;
    Stricture stricture;
  } checks[] = {
      {ascendant_degree < 3.0, Stricture::kAscendantEarly},
      {ascendant_degree >= 27.0, Stricture::kAscendantLate},
      {saturn_house == 1, Stricture::kSaturnInFirst},
      {saturn_house == 7, Stricture::kSaturnInSeventh},
      {seventh_cusp >= 270.0 && seventh_cusp < 330.0, Stricture::kSaturnRulesSeventh},
      {DegreeInSign(moon) >= 27.0, Stricture::kMoonLate},
      {InViaCombusta(moon), Stricture::kMoonInViaCombusta},
      {InViaCombusta(chart.ObjectLon[kAscendant]), Stricture::kAscendantInViaCombusta},
  };
  std::vector<Stricture> holding;
  for (const auto& check : checks) {
    if (check.holds) holding.push_back(check.stricture);
  }
  return holding;
}

std::string_view StrictureText(Stricture stricture) {
  switch (stricture) {
    case Stricture::kAscendantEarly:
      return "ASCENDANT is early.";
    case Stricture::kAscendantLate:
      return "ASCENDANT is late.";
    case Stricture::kSaturnInFirst:
      return "SATURN is in the 1st house.";
    case Stricture::kSaturnInSeventh:
      return "SATURN is in the 7th house.";
    case Stricture::kSaturnRulesSeventh:
      return "SATURN is the ruler of the 7th house.";
    case Stricture::kMoonLate:
      return "MOON is in later degree.";
    case Stricture::kMoonInViaCombusta:
      return "MOON is in Via Combusta.";
    case Stricture::kAscendantInViaCombusta:
      return "ASCENDANT is in Via Combusta.";
  }
  return "";
}

}  // namespace kairotex
