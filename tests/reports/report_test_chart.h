// Hand-built charts for the report tests (the chart-state fields a report
// reads, set directly, nothing calculated), what a writer appends, and the
// golden texts under tests/reports/golden/.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "chart/chart_state.h"
#include "reports/report_context.h"
#include "settings/name_tables.h"
#include "test_messages.h"
#include "test_paths.h"

namespace kairotex::test {

using Lines = std::vector<std::string>;

// The lines a writer appends to a fresh report; it must tell the user nothing.
inline Lines WrittenLines(void (*writer)(ReportContext&), const ChartState& chart,
                          const OptionsTable& options = {}, const DataTables* tables = nullptr,
                          const std::string& event = {}) {
  RecordingMessages messages;
  ReportBuffer buffer(messages);
  ReportContext context{chart, options, buffer, tables, event};
  writer(context);
  EXPECT_TRUE(messages.texts.empty()) << messages.texts.front();
  const auto& lines = buffer.report_lines();
  return {lines.begin(), lines.begin() + buffer.report_line_count()};
}

// The lines against golden/<name>, one per text line; KAIROTEX_WRITE_GOLDEN=1
// in the environment writes the file instead.
inline void ExpectGolden(const Lines& lines, const std::string& name) {
  const std::string path = SourceDir() + "/reports/golden/" + name;
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  if (const char* write = std::getenv("KAIROTEX_WRITE_GOLDEN"); write && *write == '1')
    WriteText(path, text);
  EXPECT_EQ(ReadText(path), text) << name;
}

// Every object parked at one longitude, standing still and direct, with the
// names the driver fills; all options 0 until a test gives one.
struct TestChart {
  ChartState chart;
  OptionsTable options;

  explicit TestChart(double park = 0.0) {
    for (int i = 1; i <= ObjectCount; ++i) {
      chart.ObjectLon[i] = park;
      chart.ObjectNamePadded[i] = std::string(kObjectNamePadded[i]);
    }
  }
  // Cusps 30 degrees apart from the Ascendant; from then on every object is
  // placed in its house by its longitude.
  TestChart& EqualHouses(double ascendant) {
    ascendant_ = ascendant;
    houses_ = true;
    for (int house = 1; house <= 12; ++house)
      Cusp(house <= 9 ? house + 3 : house - 9, std::fmod(ascendant + 30.0 * (house - 1), 360.0));
    for (int i = 1; i <= ObjectCount; ++i) Put(i, chart.ObjectLon[i], chart.ObjectDailyMotion[i]);
    return *this;
  }
  TestChart& Put(int object, double lon, double daily_motion = 0.0) {
    chart.ObjectLon[object] = lon;
    chart.ObjectDailyMotion[object] = daily_motion;
    const double from_ascendant = std::fmod(lon - ascendant_ + 360.0, 360.0);
    if (houses_) House(object, static_cast<int>(from_ascendant / 30) + 1);
    return *this;
  }
  // Object i at first + (i - 1) * step, brought below 360.
  TestChart& Spread(double first, double step) {
    for (int i = 1; i <= ObjectCount; ++i) Put(i, std::fmod(first + (i - 1) * step, 360.0));
    return *this;
  }
  // The house label of the house-position text, whatever the longitude.
  TestChart& House(int object, int house) {
    const std::string label = std::string(kHouseLabels).substr((house + 2) % 12 * 4, 4);
    chart.HousePosText.replace((object - 1) * 10, 10, label + " HOUSE");
    return *this;
  }
  TestChart& Cusp(int wheel_index, double lon) {
    chart.CuspComputed[wheel_index] = chart.CuspWheel[wheel_index] = lon;
    return *this;
  }
  TestChart& Retrograde(int object) {  // on the wheel
    chart.RetroFlags[object - 1] = 'R';
    return *this;
  }
  TestChart& Option(int index, float value) {
    options[index] = value;
    return *this;
  }
  // The orb option of one of the planets 1..10.
  TestChart& Orb(int object, float orb) {
    static constexpr int kOrbOption[] = {0, 34, 36, 37, 38, 39, 40, 41, 42, 43, 35};
    return Option(kOrbOption[object], orb);
  }
  Lines Write(void (*writer)(ReportContext&)) const { return WrittenLines(writer, chart, options); }

 private:
  double ascendant_ = 0.0;
  bool houses_ = false;
};

// Every object at 0 Aries in equal houses from the Ascendant.
inline TestChart Horary(double ascendant = 0.0) {
  return std::move(TestChart().EqualHouses(ascendant));
}

}  // namespace kairotex::test
