// The commands of the main window that change the chart, each on the one
// road: change the input (the election data or a check mark), recast the
// chart, and let the window refresh and repaint. The window calls these and
// shows what they computed; tests call them the same way.
#pragma once

#include <functional>
#include <string>

#include "chart/platform.h"
#include "mainwindow/program_context.h"
#include "mainwindow/time_steps.h"

namespace kairotex {

// CalculateChart on the context. While the clock runs the record first takes
// the present moment, so that a later step starts from the chart on screen.
void RecastChart(ProgramContext& context);

// A single step: Clock Running is unchecked, the record stepped and the chart
// recast. A step to a year the engine does not accept is not taken: the
// program's "Error in election data. Please correct." message, and the chart
// stays. Returns whether the step was taken.
bool StepChart(ProgramContext& context, TimeStep step);

// A multiple step: the single step as often as its option says, each one
// recast and followed by after_each (the window repaints there, so that the
// chart is seen to move). Stops at the first step not taken. Returns the
// number of steps taken.
// The chart set to a moment found by a search: the record takes the instant
// at the given place and zone (seconds 0, the moments lie on the minute
// grid), Clock Running is unchecked as with any step, and the chart recast.
void SetChartToMoment(ProgramContext& context, const ElectionData& place_and_zone,
                      int64_t unix_seconds);

int StepChartRepeatedly(ProgramContext& context, MultipleStep which,
                        const std::function<void()>& after_each);

// Clock Running toggled: when it becomes checked the record takes the present
// moment and the chart is recast; unchecked, nothing else changes. Returns
// whether the chart was recast.
bool ToggleRunningClock(ProgramContext& context);

// A house item chosen (0 Placidus .. 7 Morinus, menu order): only it checked,
// the chart recast; the clock keeps running.
void ChooseHouseSystem(ProgramContext& context, int menu_index);

// Helio Chart and Declination chart toggled, the chart recast; the clock
// keeps running.
void ToggleHelioChart(ProgramContext& context);
void ToggleDeclinationChart(ProgramContext& context);

// The precise ephemeris on or off, kept in the window settings. Turned on, its
// files are opened; when they cannot be, the message is shown and the
// program's theories stay. Returns whether the ephemeris is in use.
bool UsePrecisePositions(ProgramContext& context, bool precise);
// Precise positions toggled and the chart recast.
void TogglePrecisePositions(ProgramContext& context);

// American (0) or European (1) wheel; only the window settings change.
void SetChartStyle(ProgramContext& context, int16_t type_chart);

struct ClockTick {
  std::string caption;
  bool recast = false;  // the chart followed the clock on this tick
};

// One tick of the running clock: the caption from the title text, the
// computer's date and the time text of its long time format; on the tick
// whose seconds read "00", while Clock Running is checked, the chart of the
// present moment is cast.
ClockTick TickClock(ProgramContext& context, const LocalDateTime& local,
                    const std::string& time_text);

}  // namespace kairotex
