// The rows of tests/reference/positions.csv (Swiss Ephemeris 2.10), their
// numeric columns looked up by the names of the file's header.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "chart/chart_state.h"

namespace kairotex::test {

struct ReferencePosition {
  std::string date, time_ut, lon, lat;   // as entered: 1984-10-01, 06:34, 162e46, 37s59
  std::map<std::string, double> values;  // every numeric column by name

  double at(const std::string& column) const { return values.at(column); }
};

std::vector<ReferencePosition> LoadReferencePositions();

// The row's moment and place as typed: 1984-10-01, 06:34 UT, 162e46, 37s59.
ElectionData ElectionOfRow(const ReferencePosition& row);

}  // namespace kairotex::test
