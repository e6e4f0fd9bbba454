// The Part of Fortune's own score, shown in its row of the dignity table.
// It is kept apart from the planet strengths.
#pragma once

#include <vector>

#include "chart/chart_state.h"
#include "reports/horary_fortune_rules.h"
#include "settings/options.h"

namespace kairotex {

struct FortuneContribution {
  FortuneCondition condition;
  int points = 0;
};

struct PartOfFortuneScore {
  double score = 0;
  int house = 0;  // after the 5 degree rule (option 33)
  // Every condition that held, in the order the score adds them up.
  std::vector<FortuneContribution> contributions;
};

PartOfFortuneScore ScorePartOfFortune(const ChartState& chart, const OptionsTable& options);

}  // namespace kairotex
