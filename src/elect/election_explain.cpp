#include "elect/election_explain.h"

#include <array>

#include "elect/election_score.h"

namespace kairotex {

MomentExplanation ExplainChart(const std::vector<ConditionSetting>& conditions, ChartFacts& facts,
                               int64_t unix_seconds) {
  MomentExplanation e;
  e.unix_seconds = unix_seconds;
  e.pass = true;
  const double total = TotalWeight(conditions);
  for (const ConditionSetting& c : conditions) {
    ConditionVerdict v{c, EvaluateCondition(c, facts), 0};
    if (c.required && !v.result.pass) e.pass = false;
    if (v.result.pass) v.contribution = ContributionOf(c, total);
    e.score += v.contribution;
    e.verdicts.push_back(v);
  }
  if (total <= 0) e.score = 100;
  if (!e.pass) e.score = 0;
  e.ascendant_ruler = AscendantRuler(facts.chart());
  e.ascendant_ruler_strength = facts.Basics().strength.Total(e.ascendant_ruler);
  e.moon_strength = facts.Basics().strength.Total(kMoon);
  return e;
}

MomentExplanation ExplainMoment(const ElectionSearch& search, int64_t unix_seconds,
                                const ChartSettings& settings, const ChartContext& context) {
  MomentCaster caster(search.place, settings, context);
  ChartFacts facts(caster.ChartAt(unix_seconds), context.options);
  return ExplainChart(search.conditions, facts, unix_seconds);
}

}  // namespace kairotex
