// The aspect window's list as data: the aspects, then the parallels, of a chart.
#pragma once

#include <array>
#include <vector>

#include "aspects/aspect_codes.h"
#include "chart/chart_state.h"

namespace kairotex {

// One line of the list: the row object's block, the aspect, the other object.
struct AspectListEntry {
  int row_object;       // object number 1..16
  int code;             // kConjunction..kSeptile, or kParallel in the parallel section
  bool contraparallel;  // only for parallels
  int column_object;    // object number 1..16

  bool operator==(const AspectListEntry&) const = default;
};

struct AspectList {
  std::vector<AspectListEntry> aspects, parallels;
};

// Rows and columns of the list follow this order, the Moon second.
inline constexpr std::array<int, ObjectCount> kAspectListOrder = {
    kSun,     kMoon,  kMercury,   kVenus,     kMars,          kJupiter,   kSaturn,    kUranus,
    kNeptune, kPluto, kNorthNode, kSouthNode, kPartOfFortune, kAscendant, kMidheaven, kChiron};

// Every aspect of the shown positions, then every parallel of the declinations;
// each pair appears twice, once in the block of each object. The nodes and the
// Part of Fortune take no part in parallels; the heliocentric chart leaves out
// the Moon, the nodes, the Part of Fortune, ASC and MC altogether, and an
// object the chart does not have (Chiron outside its tables) is never listed.
AspectList BuildAspectList(const ChartState& chart, const OrbTable& orbs, bool heliocentric);

}  // namespace kairotex
