// A moment judged by a set of conditions: out when a required condition
// fails, else scored by the weighted ones.
#pragma once

#include <span>

#include "elect/chart_facts.h"
#include "elect/conditions.h"

namespace kairotex {

struct MomentVerdict {
  bool pass = false;  // every required condition holds
  double score = 0;   // 0..100: the weighted conditions' share that holds
};

// Required conditions are judged first and the rest skipped at the first
// failure, so a failing moment costs only the facts that failed it.
MomentVerdict JudgeMoment(std::span<const ConditionSetting> conditions, ChartFacts& facts);

// The sum of the weighted conditions' weights (0 when none is weighted).
double TotalWeight(std::span<const ConditionSetting> conditions);

// A weighted condition's share of the score when it holds: 100 times its
// weight over the total; with no weighted condition every passing moment
// scores 100.
double ContributionOf(const ConditionSetting& setting, double total_weight);

}  // namespace kairotex
