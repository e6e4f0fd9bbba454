#include "mainwindow/chart_commands.h"

#include "elect/moment.h"
#include "mainwindow/clock_caption.h"
#include "precise/swiss_ephemeris.h"

namespace kairotex {

void RecastChart(ProgramContext& c) {
  if (c.checks.ElectionsRunning) SetChartToNow(c.election, c.program.options, c.clock);
  CalculateChart(c.chart, c.election, c.checks, c.program.Context(c.clock, c.messages));
  if (c.chart.InputError == 0) c.chart_exists = true;
}

bool StepChart(ProgramContext& c, TimeStep step) {
  c.checks.ElectionsRunning = false;
  if (!StepElection(c.election, step)) {
    c.messages.ShowMessage(kElectionDataErrorMessage, kWarningTitle, MessageIcon::kInformation);
    return false;
  }
  RecastChart(c);
  return true;
}

void SetChartToMoment(ProgramContext& c, const ElectionData& place, int64_t unix_seconds) {
  c.checks.ElectionsRunning = false;
  c.election = ElectionAtUnixSeconds(place, unix_seconds);
  c.election.Second = 0;
  RecastChart(c);
}

int StepChartRepeatedly(ProgramContext& c, MultipleStep which,
                        const std::function<void()>& after_each) {
  const MultipleStepPlan plan = PlanMultipleStep(which, c.program.options);
  int taken = 0;
  for (; taken < plan.count; ++taken) {
    if (!StepChart(c, plan.step)) break;
    if (after_each) after_each();
  }
  return taken;
}

bool ToggleRunningClock(ProgramContext& c) {
  c.checks.ElectionsRunning = !c.checks.ElectionsRunning;
  if (!c.checks.ElectionsRunning) return false;
  RecastChart(c);
  return true;
}

void ChooseHouseSystem(ProgramContext& c, int menu_index) {
  c.checks.HouseChecks.fill(false);
  c.checks.HouseChecks.at(static_cast<size_t>(menu_index)) = true;
  RecastChart(c);
}

void ToggleHelioChart(ProgramContext& c) {
  c.checks.HelioChart = !c.checks.HelioChart;
  RecastChart(c);
}

void ToggleDeclinationChart(ProgramContext& c) {
  c.checks.DeclinationChart = !c.checks.DeclinationChart;
  RecastChart(c);
}

bool UsePrecisePositions(ProgramContext& c, bool precise) {
  c.program.ephemeris.reset();
  if (precise) {
    std::string message;
    c.program.ephemeris = OpenPreciseEphemeris(c.ephemeris_folder, message);
    if (!c.program.ephemeris) {
      c.messages.ShowMessage(message, kWarningTitle, MessageIcon::kExclamation);
    }
  }
  c.window.PrecisePositions = c.program.ephemeris != nullptr;
  return c.window.PrecisePositions;
}

void TogglePrecisePositions(ProgramContext& c) {
  UsePrecisePositions(c, !c.window.PrecisePositions);
  RecastChart(c);
}

void SetChartStyle(ProgramContext& c, int16_t type_chart) {
  c.window.TypeChart = type_chart;
}

ClockTick TickClock(ProgramContext& c, const LocalDateTime& local, const std::string& time_text) {
  ClockTick tick;
  tick.caption = ClockCaption(c.title_text, local, time_text);
  if (c.checks.ElectionsRunning && IsMinuteTick(time_text)) {
    RecastChart(c);
    tick.recast = true;
  }
  return tick;
}

}  // namespace kairotex
