// Why a moment scores what it scores: every condition with its measured
// value, threshold, pass or fail, weight and share of the score, beside the
// horary basics' strength of the Ascendant's ruler and of the Moon.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "elect/condition_eval.h"
#include "elect/election_search.h"

namespace kairotex {

struct ConditionVerdict {
  ConditionSetting setting;
  ConditionResult result;
  double contribution = 0;  // score points it gives the moment (0 when it fails or is required)
};

struct MomentExplanation {
  int64_t unix_seconds = 0;
  bool pass = false;
  double score = 0;
  std::vector<ConditionVerdict> verdicts;  // in the order of the conditions
  int ascendant_ruler = 0;
  double ascendant_ruler_strength = 0;
  double moon_strength = 0;
};

MomentExplanation ExplainChart(const std::vector<ConditionSetting>& conditions, ChartFacts& facts,
                               int64_t unix_seconds);
MomentExplanation ExplainMoment(const ElectionSearch& search, int64_t unix_seconds,
                                const ChartSettings& settings, const ChartContext& context);

// "Moon", "Venus" ... for objects 1..10.
std::string PlanetName(int object);
// The measured value as the condition reads it ("14.2 deg from the Sun").
std::string MeasuredText(const ConditionVerdict& verdict);
// What the condition asks ("over 12 deg", "Venus or Jupiter").
std::string ThresholdText(const ConditionSetting& setting);

// One line per condition, then the two strengths.
std::vector<std::string> ExplanationLines(const MomentExplanation& explanation);

}  // namespace kairotex
