#include "cli/places_command.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <utility>
#include <vector>

#include "chart/angles.h"
#include "chart/election_checks.h"
#include "cli/cli_app.h"
#include "cli/flag_checks.h"
#include "cli/program_setup.h"
#include "places/atlas.h"
#include "places/election_place.h"
#include "places/time_zones.h"
#include "settings/data_file_error.h"
#include "settings/file_text.h"
#include "settings/program_dir.h"

namespace kairotex::cli {
namespace {

std::optional<CivilTime> NoonOf(const std::string& date, const Clock& clock) {
  if (date.empty()) {
    const LocalDateTime today = clock.Now();
    return CivilTime{today.year, today.month, today.day, 12, 0, 0};
  }
  int year = 0, month = 0, day = 0;
  char end = 0;
  if (std::sscanf(date.c_str(), "%d-%d-%d%c", &year, &month, &day, &end) != 3) return std::nullopt;
  if (year < kFirstChartYear || year > kLastChartYear || !IsExistingDate(year, month, day)) {
    return std::nullopt;
  }
  return CivilTime{year, month, day, 12, 0, 0};
}

// 48.3984 -> "48n24"; -73.9866 -> "73w59", as the chart flags take them.
std::pair<std::string, std::string> LatLonFlags(const AtlasPlace& place) {
  ElectionEntry e;
  SetEntryPlace(e, place.latitude, place.longitude);
  return {FormatCoordinate(*e.lat_degrees + *e.lat_minutes / 100.0, e.south ? "SOUTH" : "NORTH"),
          FormatCoordinate(*e.lon_degrees + *e.lon_minutes / 100.0, e.west ? "WEST" : "EAST")};
}

}  // namespace

CLI::App* AddPlacesCommand(CLI::App& app, PlacesFlags& f) {
  CLI::App* places = app.add_subcommand(
      "places", "find towns of the atlas by name, with their coordinates and time zones");
  places->add_option("query", f.query, "the start of the name, then region or country: \"Ulm, DE\"")
      ->required()
      ->check(NotEmptyValue());
  places->add_option("--date", f.date, "the date of the zone's offset, YYYY-MM-DD (today)")
      ->check(NotEmptyValue());
  places->add_option("--limit", f.limit, "at most this many towns")->check(CLI::Range(1, 1000));
  places->add_option("--data-dir", f.data_dir, "the program folder with ATLAS.DAT")
      ->check(NotEmptyValue());
  places->add_flag("--json", f.json, "a JSON array instead of the table");
  return places;
}

int RunPlaces(const PlacesFlags& f, std::ostream& out, std::ostream& err, const Clock& clock) {
  const std::optional<CivilTime> noon = NoonOf(f.date, clock);
  if (!noon) {
    err << "kairotex-cli: --date must be an existing date YYYY-MM-DD of the years "
        << kFirstChartYear << " to " << kLastChartYear << "\n";
    return kExitInputRefused;
  }
  const std::string program_dir = DataDirFor(f.data_dir, err);
  std::vector<std::string> warnings;
  std::optional<Atlas> loaded;
  try {
    loaded = Atlas::Load(ProgramPath(program_dir, kAtlasFileName));
  } catch (const DataFileError& e) {
    err << "kairotex-cli: " << e.what() << "\n";
    return kExitDataFile;
  }
  Atlas& atlas = *loaded;
  atlas.AddUserPlaces(ProgramPath(program_dir, kUserPlacesFileName), IsKnownZone, warnings);
  for (const std::string& warning : warnings) err << "kairotex-cli: " << warning << "\n";

  const std::vector<const AtlasPlace*> found = atlas.Search(f.query, static_cast<size_t>(f.limit));
  if (found.empty()) {
    err << "kairotex-cli: no town of the atlas is called \"" << QuoteExcerpt(f.query, 60) << "\"\n";
  }
  nlohmann::json list = nlohmann::json::array();
  for (const AtlasPlace* place : found) {
    const std::optional<TimeZone> zone = TimeZone::Load(place->zone);
    // Every zone of the atlas was checked when it was made; a user's zone when read.
    nlohmann::json offset_json;
    std::string offset_text = "?";
    if (zone) {
      const int64_t offset = ResolveLocalTime(*zone, *noon, place->longitude).utc_offset_seconds;
      offset_json = offset;
      offset_text = OffsetText(offset);
    }
    const auto [lat, lon] = LatLonFlags(*place);
    if (f.json) {
      list.push_back({{"place", PlaceLabel(*place)},
                      {"country_code", place->country_code},
                      {"latitude", place->latitude},
                      {"longitude", place->longitude},
                      {"lat", lat},
                      {"lon", lon},
                      {"tz", place->zone},
                      {"utc_offset_seconds", offset_json},
                      {"population", place->population},
                      {"user_place", place->from_user_file}});
    } else {
      out << PlaceLabel(*place) << "  " << lat << " " << lon << "  " << place->zone << " "
          << offset_text << "\n";
    }
  }
  if (f.json) out << list.dump(2) << "\n";
  return kExitOk;
}

}  // namespace kairotex::cli
