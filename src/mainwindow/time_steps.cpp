#include "mainwindow/time_steps.h"

#include <algorithm>
#include <cmath>

namespace kairotex {

MultipleStepPlan PlanMultipleStep(MultipleStep which, const OptionsTable& options) {
  struct Row {
    TimeStep step;
    int option;
  };
  static constexpr Row kRows[] = {{TimeStep::kAddHour, 13},
                                  {TimeStep::kSubHour, 14},
                                  {TimeStep::kAddMinute, 15},
                                  {TimeStep::kSubMinute, 16}};
  const Row row = kRows[static_cast<int>(which)];
  // A count beyond a day's worth of minutes is a typing slip, not a request
  // to freeze the window for hours.
  constexpr double kMostSteps = 1440;
  const double n = std::nearbyint(options[row.option]);
  const int count = n < 1 ? 0 : static_cast<int>(std::min(n, kMostSteps));
  return {row.step, count};
}

}  // namespace kairotex
