#include "reports/arabic_parts.h"

#include "chart/angles.h"

namespace kairotex {
namespace {

// Cusp indexes in wheel order.
constexpr int kTenthCusp = 1;
constexpr int kFirstCusp = 4;
constexpr int kSeventhCusp = 10;
constexpr int kEighthCusp = 11;

}  // namespace

NodesAndParts ComputeNodesAndParts(const ChartState& chart) {
  const auto& lon = chart.ObjectLon;
  const auto& cusp = chart.CuspComputed;
  const double asc = cusp[kFirstCusp];
  NodesAndParts p;
  p.mean_north_node = Normalize360(chart.MeanNode);
  p.true_north_node = Normalize360(chart.TrueNode);
  p.illness = Normalize360(asc + lon[kMars] - lon[kSaturn]);
  p.death_traditional = Normalize360(asc + cusp[kEighthCusp] - lon[kMoon]);
  p.marriage = Normalize360(asc + cusp[kSeventhCusp] - lon[kVenus]);
  p.fatality = Normalize360(asc + lon[kSaturn] - lon[kSun]);
  p.point_of_death = Normalize360(lon[kMars] + lon[kSaturn] - cusp[kTenthCusp]);
  p.fortune_night = Normalize360(lon[kSun] + asc - lon[kMoon]);
  return p;
}

}  // namespace kairotex
