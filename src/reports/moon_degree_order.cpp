#include "reports/moon_degree_order.h"

#include <algorithm>
#include <cmath>

namespace kairotex {

double DegreeInSign(double lon) {
  // fmod is exact, so this equals subtracting 30 again and again.
  return std::fmod(lon, 30.0);
}

std::vector<int> ObjectsByDegreeInSign(const ChartState& chart) {
  std::vector<int> order;
  for (int object = 1; object <= ObjectCount; ++object) {
    if (ObjectAvailable(chart, object)) order.push_back(object);
  }
  std::stable_sort(order.begin(), order.end(), [&chart](int a, int b) {
    return DegreeInSign(chart.ObjectLon[a]) < DegreeInSign(chart.ObjectLon[b]);
  });
  return order;
}

}  // namespace kairotex
