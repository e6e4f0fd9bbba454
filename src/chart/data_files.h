// The eight data files read once at start-up, and the Chiron lookup.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "chart/chart_state.h"

namespace kairotex {

inline constexpr int kChironRecords = 60000;
inline constexpr double kChironFirstDay = 2415000.0;  // record i is JD 2415000 + i (12h UT)

struct DataTables {
  std::array<int16_t, 121> HcData{};
  std::array<int16_t, 361> RadiusData{};
  std::array<int16_t, 361> AlmutenDay1{}, AlmutenDay2{}, AlmutenNight1{}, AlmutenNight2{};
  std::vector<float> ChironGeoLon, ChironDecl, ChironHelioLon;  // kChironRecords each
};

// Reads HCDATA, RADIUS, ALMUTD1, ALMUTD2, ALMUTN1, ALMUTN2, CHIRON and
// CHIRON_HELIO from the program folder. Values are separated by commas or
// line breaks; a file shorter than its table leaves the rest 0. A missing
// file, a value that is not a number or does not fit, or more values than the
// table holds throws DataFileError naming the file and the line.
DataTables LoadDataFiles(const std::string& program_dir);

// Chiron's longitude, declination, heliocentric longitude, next-day longitude
// and retrograde mark, interpolated from the daily tables for a Julian date.
// Outside the tables Chiron stands at 0 and nothing else changes.
void ComputeChironFromTables(ChartState& state, const DataTables& tables, double jd);

}  // namespace kairotex
