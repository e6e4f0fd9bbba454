#include "cli/place_flags.h"

#include <vector>

#include "cli/cli_app.h"
#include "places/atlas.h"
#include "places/election_place.h"
#include "settings/data_file_error.h"
#include "settings/file_text.h"
#include "settings/program_dir.h"

namespace kairotex::cli {
namespace {

// The best match of the atlas and the user's places, or nullopt with the
// reason on err.
std::optional<AtlasPlace> FindPlace(const std::string& query, const std::string& program_dir,
                                    std::ostream& err, int& status) {
  try {
    Atlas atlas = Atlas::Load(ProgramPath(program_dir, kAtlasFileName));
    std::vector<std::string> warnings;
    atlas.AddUserPlaces(ProgramPath(program_dir, kUserPlacesFileName), IsKnownZone, warnings);
    for (const std::string& warning : warnings) err << "kairotex-cli: " << warning << "\n";
    const std::vector<const AtlasPlace*> found = atlas.Search(query, 1);
    if (!found.empty()) return *found.front();
    err << "kairotex-cli: --place: no town of the atlas is called \"" << QuoteExcerpt(query, 60)
        << "\"\n";
    status = kExitInputRefused;
  } catch (const DataFileError& e) {
    err << "kairotex-cli: " << e.what() << "\n";
    status = kExitDataFile;
  }
  return std::nullopt;
}

}  // namespace

int ApplyPlaceFlags(const ChartFlags& f, const std::string& program_dir, ElectionEntry& e,
                    std::ostream& err, PlaceUsed& used) {
  if (f.place.empty() && f.tz.empty()) return kExitOk;
  double longitude_east = EntryLongitudeEast(e);
  if (!f.place.empty()) {
    int status = kExitOk;
    const std::optional<AtlasPlace> place = FindPlace(f.place, program_dir, err, status);
    if (!place) return status;
    used.place = PlaceLabel(*place);
    used.tz = place->zone;
    ElectionEntry from_place = e;
    SetEntryPlace(from_place, place->latitude, place->longitude);
    if (f.lat.empty()) {
      e.lat_degrees = from_place.lat_degrees, e.lat_minutes = from_place.lat_minutes;
      e.south = from_place.south;
    }
    if (f.lon.empty()) {
      e.lon_degrees = from_place.lon_degrees, e.lon_minutes = from_place.lon_minutes;
      e.west = from_place.west;
      longitude_east = place->longitude;
    }
  }
  if (!f.tz.empty()) used.tz = f.tz;
  const std::optional<TimeZone> zone = TimeZone::Load(used.tz);
  if (!zone) {
    err << "kairotex-cli: --tz: \"" << QuoteExcerpt(used.tz, 60)
        << "\" is not a zone of the time zone database (as Europe/Berlin or America/New_York)\n";
    return kExitInputRefused;
  }
  if (!f.zone.empty()) return kExitOk;  // the user's own zone wins
  const EntryZone found = SetEntryZone(e, *zone, longitude_east,
                                       f.second_instance ? Instance::kSecond : Instance::kFirst);
  switch (found.outcome) {
    case EntryZone::Outcome::kSkipped:
      err << "kairotex-cli: " << found.message << "\n";
      return kExitInputRefused;
    case EntryZone::Outcome::kRepeated:
      err << "kairotex-cli: " << found.message
          << (f.second_instance ? "" : " --second-instance takes the second.") << "\n";
      [[fallthrough]];
    case EntryZone::Outcome::kTaken:
      used.utc_offset_seconds = found.utc_offset_seconds;
      break;
    case EntryZone::Outcome::kIncomplete:
      break;  // the election checks refuse the date or time
  }
  return kExitOk;
}

}  // namespace kairotex::cli
