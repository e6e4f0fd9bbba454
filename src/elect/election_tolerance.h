// How far a chosen moment can move: for each required condition, how many
// seconds earlier and later it keeps holding, and which fails first.
#pragma once

#include <cstdint>
#include <vector>

#include "elect/election_search.h"

namespace kairotex {

struct ConditionTolerance {
  ConditionSetting setting;
  bool holds = false;  // at the moment itself
  // Seconds it keeps holding before and after the moment (0 when it fails
  // there); capped at the limit, with the flag set.
  int64_t seconds_earlier = 0, seconds_later = 0;
  bool earlier_capped = false, later_capped = false;
};

struct MomentTolerance {
  int64_t unix_seconds = 0;
  std::vector<ConditionTolerance> required;  // in the order of the conditions
  // Index into `required` of the condition that fails first going back and
  // going on; -1 when none fails within the limit.
  int first_to_fail_earlier = -1, first_to_fail_later = -1;
};

// Scans minute by minute up to `limit_seconds` each way (in blocks, so that
// the cancel flag stops it), then refines each failure to the second.
MomentTolerance ToleranceOf(const ElectionSearch& search, int64_t unix_seconds,
                            const ChartSettings& settings, const ChartContext& context,
                            int64_t limit_seconds = 86400, const SearchControl& control = {});

}  // namespace kairotex
