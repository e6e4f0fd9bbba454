#include "reports/antiscia.h"

#include <cmath>

#include "chart/angles.h"

namespace kairotex {
namespace {

std::vector<MirrorConjunction> ConjunctionsWith(const AntisciaFacts& facts,
                                                const ObjectTable& points) {
  std::vector<MirrorConjunction> found;
  for (int p = 1; p <= ObjectCount; ++p) {
    if (!facts.available[p]) continue;
    for (int q = 1; q <= ObjectCount; ++q) {
      if (facts.available[q] && WithinOneDegree(facts.lon[p], points[q])) found.push_back({p, q});
    }
  }
  return found;
}

}  // namespace

int MirroredSign(int sign) {
  return sign <= 6 ? 7 - sign : 19 - sign;
}

double Antiscion(double lon) {
  // The degree within the sign, counting the signs on the way.
  double within = Normalize360(lon);
  int sign = 1;
  while (within >= 30.0 && sign < 12) {
    within -= 30.0;
    ++sign;
  }
  // 0 Libra mirrors to 30 Pisces, which is 0 Aries.
  return Normalize360(30.0 - within + (MirroredSign(sign) - 1) * 30.0);
}

double ContraAntiscion(double antiscion) {
  const double contra = antiscion + 180.0;
  return contra >= 360.0 ? contra - 360.0 : contra;
}

bool WithinOneDegree(double lon, double point) {
  const double difference = std::fabs(lon - point);
  return difference <= 1.0 || difference >= 359.0;
}

AntisciaFacts ComputeAntiscia(const ChartState& chart) {
  AntisciaFacts facts;
  for (int p = 1; p <= ObjectCount; ++p) {
    facts.available[p] = ObjectAvailable(chart, p);
    facts.lon[p] = chart.ObjectLon[p];
    facts.antiscion[p] = Antiscion(chart.ObjectLon[p]);
    facts.contra[p] = ContraAntiscion(facts.antiscion[p]);
  }
  facts.antiscion_conjunctions = ConjunctionsWith(facts, facts.antiscion);
  facts.contra_conjunctions = ConjunctionsWith(facts, facts.contra);
  return facts;
}

}  // namespace kairotex
