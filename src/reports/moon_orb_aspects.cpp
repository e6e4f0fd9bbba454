#include "reports/moon_orb_aspects.h"

#include <algorithm>
#include <cmath>

#include "chart/angles.h"
#include "reports/planet_orb_aspect.h"

namespace kairotex {
namespace {

bool IsNode(int object) {
  return object == kNorthNode || object == kSouthNode;
}

OrbAspect ClassifyPair(const ChartState& chart, const OptionsTable& options, int faster,
                       int slower) {
  const double f_lon = chart.ObjectLon[faster];
  const double s_lon = chart.ObjectLon[slower];
  const double arc = ShorterArc(f_lon, s_lon);
  const double orb = PlanetOrb(options, faster) + PlanetOrb(options, slower);
  OrbAspect a;
  a.faster = faster;
  a.slower = slower;
  a.code = PlanetOrbAspect(arc, orb, IsNode(faster) || IsNode(slower));
  a.deviation = arc - ExactAngleOf(a.code);
  a.distance = DistanceFromExact(a.deviation);
  // Motion means nothing for the points beyond the Moon.
  if (slower > kMoon) return a;
  const bool ahead = SlowerIsAhead(f_lon, s_lon);
  a.motion = MotionOf(ahead, a.deviation);
  if (a.motion != AspectMotion::kPartile && a.code != 2) {
    a.side = ahead ? AspectSide::kSinister : AspectSide::kDexter;
  }
  return a;
}

}  // namespace

std::vector<int> ObjectsBySpeed(const ChartState& chart) {
  std::vector<int> order;
  for (int object = 1; object <= ObjectCount; ++object) order.push_back(object);
  std::stable_sort(order.begin(), order.begin() + kMoon, [&chart](int a, int b) {
    return std::fabs(chart.ObjectDailyMotion[a]) > std::fabs(chart.ObjectDailyMotion[b]);
  });
  std::erase_if(order, [&chart](int object) { return !ObjectAvailable(chart, object); });
  return order;
}

bool SlowerIsAhead(double faster_lon, double slower_lon) {
  const double d = faster_lon - slower_lon;
  return (d < 0 && std::fabs(d) < 180.0) || (d > 0 && std::fabs(d) > 180.0);
}

AspectMotion MotionOf(bool slower_ahead, double deviation) {
  if (deviation >= -kPartileBound && deviation <= kPartileBound) return AspectMotion::kPartile;
  // Ahead and wider than exact: the faster one closes the gap.
  const bool wider = deviation > kPartileBound;
  return slower_ahead == wider ? AspectMotion::kApplying : AspectMotion::kSeparating;
}

double DistanceFromExact(double deviation) {
  return std::trunc((std::fabs(deviation) + 0.05) * 10.0) / 10.0;
}

std::vector<OrbAspect> ComputeAspectsWithinOrb(const ChartState& chart,
                                               const OptionsTable& options) {
  const std::vector<int> order = ObjectsBySpeed(chart);
  std::vector<OrbAspect> aspects;
  for (size_t i = 0; i < order.size(); ++i) {
    for (size_t j = i + 1; j < order.size(); ++j) {
      OrbAspect a = ClassifyPair(chart, options, order[i], order[j]);
      if (a.code >= 2 && a.code <= 6) aspects.push_back(a);
    }
  }
  return aspects;
}

}  // namespace kairotex
