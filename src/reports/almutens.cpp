#include "reports/almutens.h"

#include <cmath>

#include "chart/angles.h"

namespace kairotex {
namespace {

// The table index of a longitude: its whole degree, truncated.
int WholeDegree(double lon) {
  if (!std::isfinite(lon)) return 0;
  const int degree = static_cast<int>(Normalize360(lon));
  return degree < 360 ? degree : 0;  // a tiny negative value normalises to 360
}

}  // namespace

bool IsDayChart(const ChartState& chart) {
  return HouseOfObject(chart, kSun) > 6;
}

AlmutenEntry LookUpAlmuten(double lon, bool day_chart, const DataTables& tables) {
  const auto& first = day_chart ? tables.AlmutenDay1 : tables.AlmutenNight1;
  const auto& second = day_chart ? tables.AlmutenDay2 : tables.AlmutenNight2;
  AlmutenEntry entry;
  entry.lon = lon;
  entry.degree = WholeDegree(lon);
  entry.first = first[static_cast<size_t>(entry.degree)];
  entry.second = second[static_cast<size_t>(entry.degree)];
  entry.saturn_added = !day_chart && entry.degree == kNightSaturnDegree;
  return entry;
}

AlmutenFacts ComputeAlmutens(const ChartState& chart, const DataTables& tables) {
  AlmutenFacts facts;
  facts.day_chart = IsDayChart(chart);
  for (int i = 1; i <= 12; ++i)
    facts.cusps[i] = LookUpAlmuten(chart.CuspComputed[i], facts.day_chart, tables);
  for (int p = 1; p <= ObjectCount; ++p)
    facts.objects[p] = LookUpAlmuten(chart.ObjectLon[p], facts.day_chart, tables);
  return facts;
}

}  // namespace kairotex
