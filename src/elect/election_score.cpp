#include "elect/election_score.h"

#include "elect/condition_eval.h"

namespace kairotex {

double TotalWeight(std::span<const ConditionSetting> conditions) {
  double total = 0;
  for (const ConditionSetting& c : conditions) {
    if (!c.required) total += c.weight;
  }
  return total;
}

double ContributionOf(const ConditionSetting& setting, double total_weight) {
  if (setting.required || total_weight <= 0) return 0;
  return 100.0 * setting.weight / total_weight;
}

MomentVerdict JudgeMoment(std::span<const ConditionSetting> conditions, ChartFacts& facts) {
  MomentVerdict verdict;
  for (const ConditionSetting& c : conditions) {
    if (c.required && !EvaluateCondition(c, facts).pass) return verdict;
  }
  verdict.pass = true;
  const double total = TotalWeight(conditions);
  if (total <= 0) {
    verdict.score = 100;
    return verdict;
  }
  for (const ConditionSetting& c : conditions) {
    if (!c.required && EvaluateCondition(c, facts).pass) verdict.score += ContributionOf(c, total);
  }
  return verdict;
}

}  // namespace kairotex
