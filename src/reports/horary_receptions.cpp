#include "reports/horary_receptions.h"

#include "reports/essential_dignities.h"
#include "reports/horary_planet_tables.h"

namespace kairotex {
namespace {

// a stands in a sign that b rules by domicile / exaltation.
struct Placement {
  const ChartState& chart;
  int SignOf(int planet) const { return SignOfLongitude(chart.ObjectLon[planet]); }
  bool InDomicileOf(int a, int b) const { return DomicileRuler(SignOf(a)) == b; }
  bool InExaltationOf(int a, int b) const { return ExaltationRuler(SignOf(a)) == b; }
};

}  // namespace

Receptions FindReceptions(const ChartState& chart) {
  const Placement at{chart};
  Receptions found;
  const auto& planets = horary::kPlanets;
  for (size_t i = 0; i < planets.size(); ++i) {
    for (size_t j = i + 1; j < planets.size(); ++j) {
      const int a = planets[i];
      const int b = planets[j];
      if (at.InDomicileOf(a, b) && at.InDomicileOf(b, a)) found.by_sign.push_back({a, b});
      if (at.InExaltationOf(a, b) && at.InExaltationOf(b, a)) {
        found.by_exaltation.push_back({a, b});
      }
      if ((at.InExaltationOf(a, b) && at.InDomicileOf(b, a)) ||
          (at.InExaltationOf(b, a) && at.InDomicileOf(a, b))) {
        found.mixed.push_back({a, b});
      }
    }
  }
  return found;
}

}  // namespace kairotex
