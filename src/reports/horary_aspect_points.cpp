#include "reports/horary_aspect_points.h"

#include "chart/angles.h"
#include "reports/horary_aspect_point_rules.h"
#include "reports/horary_placements.h"
#include "reports/planet_orb_aspect.h"

namespace kairotex {
namespace {

// The Midheaven is the last object the scoring looks at; Chiron is left out.
constexpr int kLastScoredObject = kMidheaven;

bool IsNode(int object) {
  return object == kNorthNode || object == kSouthNode;
}

}  // namespace

int AspectPointsOf(int caster, int aspect) {
  for (const AspectPointRule& rule : kAspectPointRules) {
    if (rule.caster == caster && rule.aspect == aspect) return rule.points;
  }
  return 0;
}

std::vector<AspectPoint> FindAspectPoints(const ChartState& chart, const OptionsTable& options) {
  std::vector<AspectPoint> found;
  for (int caster = 1; caster <= kLastScoredObject; ++caster) {
    for (int object = 1; object <= kLastScoredObject; ++object) {
      if (object == caster) continue;
      const double lon = chart.ObjectLon[object];
      const double caster_lon = chart.ObjectLon[caster];
      if (WholeDegreeInSign(lon) != WholeDegreeInSign(caster_lon)) continue;
      const double orb = PlanetOrb(options, object) + PlanetOrb(options, caster);
      const int aspect =
          PlanetOrbAspect(ShorterArc(lon, caster_lon), orb, IsNode(object) || IsNode(caster));
      const int points = AspectPointsOf(caster, aspect);
      if (points != 0) found.push_back({object, caster, aspect, points});
    }
  }
  return found;
}

void AddAspectPoints(const std::vector<AspectPoint>& points, StrengthLedger& strength) {
  for (const AspectPoint& point : points) {
    strength.Add(point.object, point.points, StrengthSource::kAspect);
  }
}

}  // namespace kairotex
