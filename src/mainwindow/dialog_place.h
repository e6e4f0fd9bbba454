// The election dialog's Place box: a town of the atlas fills the place
// boxes, and its zone fills the zone box for the date and time typed, again
// after each change of them, until the user types a zone of their own.
#pragma once

#include <optional>
#include <string>

#include "chart/platform.h"
#include "mainwindow/election_fields.h"
#include "places/atlas.h"
#include "places/time_zones.h"

namespace kairotex {

struct DialogPlace {
  std::string label;  // the chosen town's label, UTF-8; empty: none chosen
  std::string zone_name;
  double longitude_east = 0;
  bool zone_by_hand = false;  // the user typed a zone, which then stays
  Instance instance = Instance::kFirst;
};

// What the dialog shows beside the zone box.
struct DialogZoneStatus {
  std::string text;       // "Europe/Berlin +02:00 CEST", or why there is no zone
  bool repeated = false;  // the time came twice: the choice of instance applies
  bool skipped = false;   // the time does not exist there: OK will refuse it
};

// Fills the longitude, latitude and zone boxes from the town.
DialogZoneStatus ChooseDialogPlace(DialogPlace& place, const AtlasPlace& town,
                                   ElectionFields& fields);

// The zone box for the typed date and time (left alone when typed by hand or
// when no town is chosen), and the status to show.
DialogZoneStatus UpdateDialogZone(const DialogPlace& place, ElectionFields& fields);

// The standard zone (hours west) of the chosen town at the clock's present
// moment, for "Set as default place"; nullopt when no town is chosen or the
// user typed the zone.
std::optional<double> DialogStandardZone(const DialogPlace& place, const Clock& clock);

// OK with a time the spring change skipped at the chosen town: the message
// to show instead of storing; empty when OK may go on.
std::string SkippedTimeRefusal(const DialogPlace& place, const ElectionFields& fields);

}  // namespace kairotex
