// The Moon's aspects by sign: the objects it has passed in degree order
// (From) and those still ahead of it in its sign (To), each with the aspect
// its sign makes to the Moon's sign. No To entry means the Moon is void of
// course in the modern sense.
#pragma once

#include <string_view>
#include <vector>

#include "chart/chart_state.h"

namespace kairotex {

struct SignAspectEntry {
  int object = 0;
  int signs_apart = 0;    // 0..11, counted either way round
  std::string_view word;  // "CONJUNCT ", "SEXTILE ", "SQUARE ", "TRINE ", "OPPOSITE "
};

struct MoonSignAspects {
  std::vector<SignAspectEntry> from;
  std::vector<SignAspectEntry> to;
  bool void_of_course = false;  // no To entry
};

// The aspect word for two signs that many apart (0..11), empty when the
// signs make no aspect (semisextile, quincunx).
std::string_view SignAspectWord(int signs_apart);

MoonSignAspects ComputeMoonSignAspects(const ChartState& chart);

}  // namespace kairotex
