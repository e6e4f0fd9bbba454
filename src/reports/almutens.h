// The almutens report: the almuten of each house cusp and the main dispositor
// (almuten) of each object, looked up by whole degree in the day or the night
// almuten tables of the data files.
//
// The facts are computed apart from the text so that other features can ask
// for a degree's almuten without writing a report.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "chart/chart_state.h"
#include "chart/data_files.h"
#include "reports/report_context.h"

namespace kairotex {

// The whole degree at which, by night, Saturn ties two other planets for the
// almuten. The tables hold only two names, so Saturn is named by the report.
inline constexpr int kNightSaturnDegree = 199;

// The almuten(s) of one longitude.
struct AlmutenEntry {
  double lon = 0;             // the cusp or object looked up
  int degree = 0;             // whole degree 0..359, the table index
  int first = 0;              // object number from the first table
  int second = 0;             // object number from the second table, 0 when none
  bool saturn_added = false;  // a night chart at kNightSaturnDegree
};

struct AlmutenFacts {
  bool day_chart = false;
  std::array<AlmutenEntry, 13> cusps{};                 // wheel order, 1..12 ([1] = 10th)
  std::array<AlmutenEntry, ObjectCount + 1> objects{};  // 1..16
};

// A day chart has the Sun above the horizon: its house (from the house
// position text) is above the 6th.
bool IsDayChart(const ChartState& chart);

// The almuten(s) of a longitude in a day or a night chart.
AlmutenEntry LookUpAlmuten(double lon, bool day_chart, const DataTables& tables);

// Reads the chart's zodiac longitudes (cusps and objects), whatever the wheel shows.
AlmutenFacts ComputeAlmutens(const ChartState& chart, const DataTables& tables);

// The report lines, from the blank line before "ALMUTENS" to the last object's
// dispositor; an empty string is a blank line. Names are the chart's padded ones.
std::vector<std::string> AlmutenLines(const AlmutenFacts& facts, const ChartState& chart);

// Computes the facts of the context's chart and appends the lines to its
// buffer; without almuten tables it writes nothing.
void WriteAlmutens(ReportContext& context);

}  // namespace kairotex
