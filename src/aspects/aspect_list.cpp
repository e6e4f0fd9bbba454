#include "aspects/aspect_list.h"

#include "aspects/classify_aspect.h"
#include "aspects/parallels.h"

namespace kairotex {
namespace {

// The Moon, the nodes, the Part of Fortune, ASC and MC have no heliocentric place.
bool InHeliocentricChart(int object) {
  return object < kMoon || object > kMidheaven;
}

bool IsNodeOrPartOfFortune(int object) {
  return object == kNorthNode || object == kSouthNode || object == kPartOfFortune;
}

// Whether an object has a row and a column in the chosen section.
bool Listed(const ChartState& chart, int object, bool heliocentric, bool parallels) {
  if (!ObjectAvailable(chart, object)) return false;
  if (heliocentric && !InHeliocentricChart(object)) return false;
  return !(parallels && IsNodeOrPartOfFortune(object));
}

// Visits every ordered pair of distinct listed objects, rows in list order.
template <typename Visit>
void ForEachPair(const ChartState& chart, bool heliocentric, bool parallels, Visit visit) {
  for (int row : kAspectListOrder) {
    if (!Listed(chart, row, heliocentric, parallels)) continue;
    for (int column : kAspectListOrder) {
      if (column != row && Listed(chart, column, heliocentric, parallels)) visit(row, column);
    }
  }
}

}  // namespace

AspectList BuildAspectList(const ChartState& chart, const OrbTable& orbs, bool heliocentric) {
  AspectList list;
  ForEachPair(chart, heliocentric, false, [&](int row, int column) {
    const int code = ClassifyAspect(chart.ObjectPos[row], chart.ObjectPos[column], orbs);
    if (code != kNoAspect) list.aspects.push_back({row, code, false, column});
  });
  ForEachPair(chart, heliocentric, true, [&](int row, int column) {
    const double p = chart.ObjectDecl[row], q = chart.ObjectDecl[column];
    if (IsParallel(p, q, orbs)) {
      list.parallels.push_back({row, kParallel, IsContraparallel(p, q), column});
    }
  });
  return list;
}

}  // namespace kairotex
