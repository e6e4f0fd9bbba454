#include "aspects/magi_aspects.h"

#include <array>
#include <cmath>

#include "aspects/magi_linkages.h"
#include "aspects/parallels.h"

namespace kairotex {
namespace {

// The positions the report reads, Chiron moved to object 11. A copy, so the
// chart's own object 11 (the North Node) is never touched.
struct MagiPositions {
  std::array<double, kMagiObjectCount + 1> lon{};  // index 0 unused
  std::array<double, kMagiObjectCount + 1> decl{};
  int count = 0;
};

MagiPositions ReadPositions(const ChartState& chart) {
  MagiPositions p;
  for (int i = 1; i < kMagiChiron; ++i) {
    p.lon[i] = chart.ObjectLon[i];
    p.decl[i] = chart.ObjectDecl[i];
  }
  p.lon[kMagiChiron] = chart.ObjectLon[kChiron];
  p.decl[kMagiChiron] = chart.ObjectDecl[kChiron];
  // Chiron is last, so leaving it out is counting one object fewer.
  p.count = ObjectAvailable(chart, kChiron) ? kMagiObjectCount : kMagiObjectCount - 1;
  return p;
}

}  // namespace

MagiAspectFit FitMagiAspect(double lon_a, double lon_b) {
  double d = std::fabs(lon_a - lon_b);
  if (d > 180.0) d = 360.0 - d;
  MagiAspectFit fit;
  for (const MagiAspectWindow& window : kMagiAspectWindows) {
    if (d >= window.low && d <= window.high) fit = {window.code, d - window.angle};
  }
  return fit;
}

MagiFacts ComputeMagiAspects(const ChartState& chart) {
  const MagiPositions p = ReadPositions(chart);
  MagiFacts facts;
  facts.object_count = p.count;
  for (int i = 1; i < p.count; ++i) {
    for (int j = i + 1; j <= p.count; ++j) {
      const MagiAspectFit fit = FitMagiAspect(p.lon[i], p.lon[j]);
      if (fit.code == kNoAspect) continue;
      facts.aspects.push_back({i, j, fit.code, fit.deviation, MagiAspectLabels(i, j, fit.code)});
    }
  }
  for (int i = 1; i < p.count; ++i) {
    for (int j = i + 1; j <= p.count; ++j) {
      const double difference = std::fabs(std::fabs(p.decl[i]) - std::fabs(p.decl[j]));
      if (difference > kMagiParallelOrb) continue;
      facts.parallels.push_back(
          {i, j, IsContraparallel(p.decl[i], p.decl[j]), difference, MagiParallelLabels(i, j)});
    }
  }
  return facts;
}

}  // namespace kairotex
