#include "reports/degree_strip_cells.h"

#include <utility>

#include "chart/angles.h"
#include "reports/moon_degree_order.h"
#include "settings/name_tables.h"

namespace kairotex {
namespace {

StripCell CellOf(const ChartState& chart, int object) {
  const SplitLon split = SplitLongitude(chart.ObjectLon[object]);
  const std::string& flags = chart.RetroFlagsSaved;
  const size_t at = static_cast<size_t>(object - 1);
  return {object, StripLabel(object), split.sign, split.minute,
          at < flags.size() && flags[at] == 'R'};
}

// Puts the cell into the first block whose slot for the degree is free;
// false when all nine are taken there (or the degree has no cell).
bool Place(std::vector<StripBlock>& blocks, int degree, StripCell cell) {
  if (degree < 0 || degree >= kStripCells) return false;
  for (StripBlock& block : blocks) {
    if (block[degree].object == 0) {
      block[degree] = std::move(cell);
      return true;
    }
  }
  if (blocks.size() == kStripMaxBlocks) return false;
  blocks.emplace_back();
  blocks.back()[degree] = std::move(cell);
  return true;
}

}  // namespace

std::string StripLabel(int object) {
  if (object == kNorthNode) return "NN";
  if (object == kPartOfFortune) return "PF";
  return std::string(kObjectName[object].substr(0, 2));
}

DegreeStripFacts ComputeDegreeStrip(const ChartState& chart) {
  DegreeStripFacts strip;
  for (int object : ObjectsByDegreeInSign(chart)) {
    if (object == kSouthNode) continue;
    const int degree = SplitLongitude(chart.ObjectLon[object]).degree;
    if (!Place(strip.blocks, degree, CellOf(chart, object))) strip.left_off.push_back(object);
  }
  return strip;
}

}  // namespace kairotex
