#include "reports/fixed_stars.h"

#include "reports/fixed_stars_table.h"

namespace kairotex {

bool ConjunctFixedStar(int star, double lon, const OptionsTable& options) {
  const FixedStar& s = kFixedStars.at(star);
  double lower = s.lower;
  double upper = s.upper;
  if (star == kAlgolIndex) {
    const double orb = options[kAlgolOrbOption];
    lower = kAlgolLongitude - orb;
    upper = kAlgolLongitude + orb;
  }
  if (lon >= lower && lon <= upper) return true;
  return s.wrap_upper >= 0 && lon >= 0 && lon <= s.wrap_upper;
}

std::vector<FixedStarHit> FindFixedStarHits(const ChartState& chart, const OptionsTable& options) {
  std::vector<FixedStarHit> hits;
  for (int object = 1; object <= ObjectCount; ++object) {
    if (object == kNorthNode || object == kSouthNode || !ObjectAvailable(chart, object)) continue;
    for (int star = 0; star < static_cast<int>(kFixedStars.size()); ++star) {
      if (ConjunctFixedStar(star, chart.ObjectLon[object], options)) hits.push_back({object, star});
    }
  }
  return hits;
}

}  // namespace kairotex
