// The finder's place from a town of the atlas: its latitude and longitude to
// the minute, and the zone in force there at the start of the range, which
// then holds for the whole search as a typed zone would.
#pragma once

#include <string>

#include "chart/chart_state.h"
#include "elect/finder_dialog_core.h"
#include "places/atlas.h"

namespace kairotex {

struct FinderPlace {
  ElectionData place;   // the current record (its name kept) at the town
  std::string problem;  // why the town's zone could not be taken; empty when it was
};

// The town as the search's place, its zone that of the local time `from` at
// the town (a time the spring change skipped takes the zone after it). With
// no zone in the database, `place` keeps the current zone and `problem` says so.
FinderPlace FinderPlaceOfTown(const ElectionData& current, const AtlasPlace& town,
                              const FinderLocalTime& from);

}  // namespace kairotex
