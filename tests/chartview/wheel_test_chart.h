// Charts for the wheel tests: the delivered options and tables, charts set
// up by hand (houses found by the chart engine) or cast by the driver.
#pragma once

#include "chart/angles.h"
#include "chart/calculate_chart.h"
#include "chart/chart_program.h"
#include "chartview/chartwheel.h"
#include "recording_surface.h"
#include "test_messages.h"
#include "test_paths.h"

namespace kairotex::test {

// Angle in degrees [0, 360) of a point.
inline double AngleOf(double x, double y) {
  const double a = std::atan2(y, x) * 180.0 / 3.14159265358979323846;
  return a < 0 ? a + 360.0 : a;
}

inline const ChartProgram& DeliveredProgram() {
  static const ChartProgram program = LoadChartProgram(DataDir(), RegionalFormat{});
  return program;
}

// Equal houses from the Ascendant, the objects 22.5 degrees apart from 7 on,
// then the given ones moved.
inline ChartState HandChart(double ascendant,
                            std::initializer_list<std::pair<int, double>> moved = {}) {
  ChartState chart;
  for (int i = 1; i <= 12; ++i) chart.CuspWheel[i] = Normalize360(ascendant + 30.0 * (i - 4));
  for (int object = 1; object <= ObjectCount; ++object)
    chart.ObjectPos[object] = 7.0 + 22.5 * (object - 1);
  for (const auto& [object, position] : moved) chart.ObjectPos[object] = position;
  for (int i = 1; i <= 7; ++i) chart.ChartHeading[i] = "heading line " + std::to_string(i);
  FindHousePositions(chart);
  return chart;
}

// A declination view chart with the given wheel angles.
inline ChartState DeclinationChart(std::initializer_list<std::pair<int, double>> angles) {
  ChartState chart = HandChart(0.0, angles);
  chart.DeclinationMode = true;
  for (int i = 1; i <= 12; ++i) chart.CuspWheel[i] = kFixedCusps[i];
  FindHousePositions(chart);
  return chart;
}

// A moment at Greenwich (universal time) at latitude 51n29, cast by the driver.
inline ChartState CastChart(int year, int month, int day, int hour24, int minute,
                            const ChartSettings& settings) {
  // clang-format off
  const ElectionData election{.Month = int16_t(month), .Day = int16_t(day), .Year = int16_t(year),
      .Hour = int16_t(TwelveHourClockHour(hour24)), .Minute = int16_t(minute),
      .PmFlag = int16_t(hour24 >= 12), .LatDegrees = 51, .LatMinutes = 29, .Name = "Test"};
  // clang-format on
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
  bool chart_exists = true, print_background = false;

  // Options changed for this case, as {option number, value}.
  WheelCase& Set(std::initializer_list<std::pair<int, float>> changed) {
    for (const auto& [option, value] : changed) options[option] = value;
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

}  // namespace kairotex::test
