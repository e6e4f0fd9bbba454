// Hand-built charts for the Moon's aspects, parts and degree strip tests: the
// chart-state fields these reports read, set directly, nothing calculated.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "chart/chart_state.h"
#include "reports/report_context.h"
#include "settings/name_tables.h"
#include "settings/options.h"
#include "written_lines.h"

namespace kairotex::test {

struct MoonTestChart {
  ChartState chart;
  OptionsTable options;

  // Every object parked at one longitude, standing still, with the names the
  // driver fills; all orbs 0 until a test gives one.
  explicit MoonTestChart(double park = 0.0) {
    for (int i = 1; i <= ObjectCount; ++i) {
      chart.ObjectLon[i] = park;
      chart.ObjectNamePadded[i] = std::string(kObjectNamePadded[i]);
    }
  }

  MoonTestChart& Put(int object, double lon, double daily_motion = 0.0) {
    chart.ObjectLon[object] = lon;
    chart.ObjectDailyMotion[object] = daily_motion;
    return *this;
  }
  // Object i at first + (i - 1) * step, brought below 360.
  MoonTestChart& Spread(double first, double step) {
    for (int i = 1; i <= ObjectCount; ++i)
      chart.ObjectLon[i] = std::fmod(first + (i - 1) * step, 360.0);
    return *this;
  }
  MoonTestChart& Cusp(int wheel_index, double lon) {
    chart.CuspComputed[wheel_index] = lon;
    return *this;
  }
  MoonTestChart& Nodes(double mean, double true_node) {
    chart.MeanNode = mean;
    chart.TrueNode = true_node;
    return *this;
  }
  // Sets the orb option of one of the planets 1..10.
  MoonTestChart& Orb(int object, float orb) {
    static constexpr int kOrbOption[] = {0, 34, 36, 37, 38, 39, 40, 41, 42, 43, 35};
    options[kOrbOption[object]] = orb;
    return *this;
  }
  // Marks the zodiacal position retrograde; the wheel's flags are left alone.
  MoonTestChart& Retrograde(int object) {
    chart.RetroFlagsSaved[object - 1] = 'R';
    return *this;
  }

  std::vector<std::string> Write(void (*writer)(ReportContext&)) const {
    return WrittenLines(writer, chart, options);
  }
};

}  // namespace kairotex::test
