// Charts for the wheel tests: the delivered options and data tables, charts
// set up by hand (cusps and positions, houses found by the chart engine) and
// charts cast by the calculation driver.
#pragma once

#include <array>
#include <initializer_list>
#include <utility>

#include "chart/angles.h"
#include "chart/calculate_chart.h"
#include "chart/chart_program.h"
#include "chartview/chartwheel.h"
#include "recording_surface.h"
#include "test_messages.h"
#include "test_paths.h"

namespace kairotex::test {

inline const ChartProgram& DeliveredProgram() {
  static const ChartProgram program = LoadChartProgram(DataDir(), RegionalFormat{});
  return program;
}

// Equal houses from the given Ascendant, every object parked at its own
// place (22.5 degrees apart from 7 degrees on), then the given objects moved.
inline ChartState HandChart(double ascendant,
                            std::initializer_list<std::pair<int, double>> moved = {}) {
  ChartState chart;
  for (int i = 1; i <= 12; ++i) chart.CuspWheel[i] = Normalize360(ascendant + 30.0 * (i - 4));
  for (int object = 1; object <= ObjectCount; ++object) {
    chart.ObjectPos[object] = 7.0 + 22.5 * (object - 1);
  }
  for (const auto& [object, position] : moved) chart.ObjectPos[object] = position;
  for (int i = 1; i <= 7; ++i) chart.ChartHeading[i] = "heading line " + std::to_string(i);
  FindHousePositions(chart);
  return chart;
}

// Cusps given in house order 1..12.
inline void SetCusps(ChartState& chart, const std::array<double, 12>& by_house) {
  for (int house = 1; house <= 12; ++house) {
    chart.CuspWheel[(house + 2) % 12 + 1] = by_house[house - 1];
  }
  FindHousePositions(chart);
}

// A chart of the declination view with the given wheel angles.
inline ChartState DeclinationChart(std::initializer_list<std::pair<int, double>> angles) {
  ChartState chart = HandChart(0.0);
  chart.DeclinationMode = true;
  for (int i = 1; i <= 12; ++i) chart.CuspWheel[i] = kFixedCusps[i];
  for (const auto& [object, angle] : angles) chart.ObjectPos[object] = angle;
  chart.ChartHeading[1] = "Test - declinations";
  FindHousePositions(chart);
  return chart;
}

// The chart of a moment at Greenwich (universal time) cast by the driver.
inline ChartState CastChart(int year, int month, int day, int hour24, int minute,
                            const ChartSettings& settings) {
  ElectionData election;
  election.Name = "Test";
  election.Year = static_cast<int16_t>(year);
  election.Month = static_cast<int16_t>(month);
  election.Day = static_cast<int16_t>(day);
  election.Hour = static_cast<int16_t>(TwelveHourClockHour(hour24));
  election.Minute = static_cast<int16_t>(minute);
  election.PmFlag = hour24 >= 12 ? 1 : 0;
  election.Zone = 0;
  election.LatDegrees = 51;
  election.LatMinutes = 29;
  const FixedClock clock({year, month, day, hour24, minute, 0}, DeliveredProgram().options[18]);
  RecordingMessages messages;
  ChartState chart;
  CalculateChart(chart, election, settings, DeliveredProgram().Context(clock, messages));
  return chart;
}

// One wheel to draw: a chart with its own copy of the options.
struct WheelCase {
  ChartState chart;
  OptionsTable options = DeliveredProgram().options;
  int16_t style = kAmericanStyle;
  bool chart_exists = true;
  bool print_background = false;

  // Options changed for this case, as {option number, value}.
  WheelCase& Set(std::initializer_list<std::pair<int, float>> changed) {
    for (const auto& [option, value] : changed) options[option] = value;
    return *this;
  }
  WheelCase& Style(int16_t wheel_style) {
    style = wheel_style;
    return *this;
  }
  WheelInputs Inputs() const {
    return {chart, options, DeliveredProgram().tables, style, chart_exists, print_background};
  }
  // The window paint of a 1024 x 768 drawing at StartScale 300.
  RecordingSurface Paint() const {
    RecordingSurface surface;
    PaintChartwheel(surface, Inputs(), 1024, 768, 300);
    return surface;
  }
  RecordingSurface Print(MessageSink& messages) const {
    RecordingSurface surface;
    PrintChartwheelPage(surface, Inputs(), 1024, messages);
    return surface;
  }
};

// The one glyph of an object in the planet glyph font of the window.
inline std::vector<DrawnText> ObjectGlyphs(const RecordingSurface& surface, int object) {
  return surface.TextsOfCode(223 + object);
}

}  // namespace kairotex::test
