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
// CHIRON_HELIO from the program folder. Every table must be complete, one
// record a line with exactly its values (two in CHIRON.DAT, one elsewhere),
// each within its field's range. Anything else (a missing file or a folder in
// its place, a blank line, a short table, a value that is not a number or is
// out of range) throws DataFileError naming the file and the first line at fault.
DataTables LoadDataFiles(const std::string& program_dir);

// Chiron's longitude, declination, heliocentric longitude, next-day longitude
// and retrograde mark, interpolated from the daily tables for a Julian date.
// Sets state.ChironAvailable; outside the tables, or without them, it is
// false and Chiron stands at 0 with nothing else changed.
void ComputeChironFromTables(ChartState& state, const DataTables& tables, double jd);

}  // namespace kairotex
