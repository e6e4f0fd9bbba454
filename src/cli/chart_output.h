// The chart as JSON and as a readable table.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "chart/chart_state.h"

namespace kairotex::cli {

nlohmann::json ChartJson(const ChartState& state);

// Heading lines, then one line per object and the twelve cusps.
std::string ChartText(const ChartState& state);

// A longitude as degree, sign and minute: "14 SAG 23".
std::string SignDegreeMinute(double lon);

// A declination as degrees, n or s, minutes: "22s32", padded to the position width.
std::string DeclinationText(double decl);

// Cusp of house h (1..12) from a wheel-order table.
double CuspOfHouse(const CuspTable& wheel, int house);

}  // namespace kairotex::cli
