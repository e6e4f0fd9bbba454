// "Set as default place": the election dialog's zone, longitude and latitude
// become options 18 to 24 of OPTIONS.OPT, the place and zone of the Now chart.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "mainwindow/election_fields.h"
#include "mainwindow/program_context.h"

namespace kairotex {

// The seven option values 18..24 of the fields: zone (hours west),
// longitude degrees, minutes, direction (0 west, -1 east), latitude degrees,
// minutes, direction (0 north, -1 south). `standard_zone_west`, when given
// (the standard time of a town chosen from the atlas), replaces the typed
// zone, so that a place chosen in summer does not keep its daylight zone.
// nullopt when the place boxes fail their checks (told through messages).
std::optional<std::array<float, 7>> DefaultPlaceOptions(const ElectionFields& fields,
                                                        std::optional<double> standard_zone_west,
                                                        MessageSink& messages);

// Writes the values into lines 18..24 of OPTIONS.OPT, keeping each line's
// note after its 7-character value field, through the safe writer, and reads
// the options again. Returns false with the reason in *error; the file and
// the table then stay as they were.
bool SaveDefaultPlace(ProgramContext& context, const std::array<float, 7>& values,
                      std::string* error);

}  // namespace kairotex
