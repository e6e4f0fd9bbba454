// The fixed chart the wheel images are drawn from: 21 March 1990, 6.15 P.M.,
// zone 5, 73w59 40n45, Placidus.
#pragma once

#include <string>

#include "chart/chart_program.h"
#include "chartview/chartwheel.h"

namespace kairotex::test {

enum class ChartKind { kGeocentric, kHeliocentric, kDeclination };

struct ReferenceChart {
  ChartProgram program;
  ChartState state;

  // The wheel's inputs in the given style.
  WheelInputs Inputs(int16_t type_chart) const {
    return {state, program.options, program.tables, type_chart};
  }
};

// Loads the delivered data files and casts the chart of that kind.
ReferenceChart CastReferenceChart(ChartKind kind);

}  // namespace kairotex::test
