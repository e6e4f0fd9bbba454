// A condition judged on one chart: the measured value, and pass or fail.
#pragma once

#include "elect/chart_facts.h"
#include "elect/conditions.h"

namespace kairotex {

struct ConditionResult {
  bool pass = false;
  // The measured value: degrees, a daily motion, a house, a count, a
  // strength, a sign or an hour, as the condition's text tells.
  double value = 0;
  int object = 0;  // the planet the value belongs to, when there is one
};

ConditionResult EvaluateCondition(const ConditionSetting& setting, ChartFacts& facts);

// The traditional ruler of the Ascendant's sign (read from the 1st cusp).
int AscendantRuler(const ChartState& chart);

}  // namespace kairotex
