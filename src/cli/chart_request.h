// The chart flags of the command line turned into the program's inputs.
#pragma once

#include <optional>
#include <string>

#include "chart/calculate_chart.h"
#include "chart/election_checks.h"

namespace kairotex::cli {

// The chart flags as given; empty strings are flags not given.
struct ChartFlags {
  std::string date, time, zone, lon, lat, name;
  bool am = false, pm = false, now = false;
  std::string house, zodiac, kind;
  bool true_node = false;
  std::string data_dir, date_order;
  // "program" or "swiss"; empty: the choice of KAIROTEX.INI. The folder of
  // the precise ephemeris' files; empty: the system's.
  std::string ephemeris, ephemeris_dir;
  // A place of the atlas ("Ulm, DE") and an IANA zone ("Europe/Berlin").
  std::string place, tz;
  bool second_instance = false;  // of a clock time that came twice
};

struct ChartRequest {
  ElectionEntry entry;  // the election fields after the flags
  bool running_clock = false;
  ChartSettings settings;
  std::optional<int> zodiac;  // option 123 override
  bool true_node = false;
};

// Problems with the flags themselves, worded for the command line.
struct FlagError {
  std::string message;
};

// 73w59 -> degrees 73, minutes 59, west; 40n45 -> north. nullopt when malformed.
struct PlaceField {
  int degrees = 0, minutes = 0;
  bool positive_direction = true;  // west or north
};
std::optional<PlaceField> ParsePlace(const std::string& text, char positive, char negative);

// "P", "Placidus", "placidus" ... -> 'P'; 0 when unknown.
char ParseHouseSystem(const std::string& text);

// Turns the flags into a request. `start` is the election record the fields
// start from (the present moment at the default place), as the dialog is
// filled from the record before the user types. Returns a FlagError for
// flags that cannot be read at all.
std::optional<FlagError> BuildChartRequest(const ChartFlags& flags, const ElectionData& start,
                                           float startup_house_option, ChartRequest& request);

}  // namespace kairotex::cli
