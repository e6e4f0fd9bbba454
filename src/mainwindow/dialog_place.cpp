#include "mainwindow/dialog_place.h"

#include "places/election_place.h"
#include "settings/text_formats.h"

namespace kairotex {
namespace {

std::string ZoneStatusText(const std::string& zone_name, const EntryZone& found) {
  std::string text = zone_name;
  text.append(" ").append(OffsetText(found.utc_offset_seconds));
  text.append(" ").append(found.local_mean_time ? std::string("local mean time")
                                                : found.abbreviation);
  return text;
}

}  // namespace

DialogZoneStatus ChooseDialogPlace(DialogPlace& place, const AtlasPlace& town, ElectionFields& f) {
  place.label = PlaceLabel(town);
  place.zone_name = town.zone;
  place.longitude_east = town.longitude;
  place.zone_by_hand = false;
  ElectionEntry entry;
  SetEntryPlace(entry, town.latitude, town.longitude);
  f.lon_degrees = std::to_string(*entry.lon_degrees);
  f.lon_minutes = std::to_string(*entry.lon_minutes);
  f.west = entry.west;
  f.lat_degrees = std::to_string(*entry.lat_degrees);
  f.lat_minutes = std::to_string(*entry.lat_minutes);
  f.south = entry.south;
  return UpdateDialogZone(place, f);
}

DialogZoneStatus UpdateDialogZone(const DialogPlace& place, ElectionFields& f) {
  DialogZoneStatus status;
  if (place.label.empty()) return status;
  const std::optional<TimeZone> zone = TimeZone::Load(place.zone_name);
  if (!zone) {
    status.text = place.zone_name + " is not in the time zone database";
    return status;
  }
  if (place.zone_by_hand) {
    status.text = "zone typed by hand; " + place.zone_name + " not used";
    return status;
  }
  ElectionEntry entry = EntryFromFields(f);
  const EntryZone found = SetEntryZone(entry, *zone, place.longitude_east, place.instance);
  switch (found.outcome) {
    case EntryZone::Outcome::kIncomplete:
      status.text = place.zone_name + ": the date and time are needed for the zone";
      return status;
    case EntryZone::Outcome::kSkipped:
      status.skipped = true;
      status.text = found.message;
      return status;
    case EntryZone::Outcome::kRepeated:
      status.repeated = true;
      status.text = found.message;
      break;
    case EntryZone::Outcome::kTaken:
      status.text = ZoneStatusText(place.zone_name, found);
      break;
  }
  f.zone = CompactNumberText(*entry.zone, kSingleDigits);
  return status;
}

std::optional<double> DialogStandardZone(const DialogPlace& place, const Clock& clock) {
  if (place.label.empty() || place.zone_by_hand) return std::nullopt;
  const std::optional<TimeZone> zone = TimeZone::Load(place.zone_name);
  if (!zone) return std::nullopt;
  const LocalDateTime u = clock.UniversalNow();
  const int64_t now = UnixSeconds({u.year, u.month, u.day, u.hour, u.minute, u.second});
  return ZoneHoursWest(StandardOffsetAround(*zone, now, place.longitude_east));
}

std::string SkippedTimeRefusal(const DialogPlace& place, const ElectionFields& fields) {
  if (place.label.empty() || place.zone_by_hand) return {};
  ElectionFields copy = fields;
  const DialogZoneStatus status = UpdateDialogZone(place, copy);
  return status.skipped ? status.text : std::string();
}

}  // namespace kairotex
