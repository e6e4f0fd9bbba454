// kairotex-cli places: the towns of the atlas that match a name, with their
// coordinates, zone and the zone's offset at a date.
#pragma once

#include <ostream>
#include <string>

#include "chart/platform.h"

namespace CLI {
class App;
}

namespace kairotex::cli {

struct PlacesFlags {
  std::string query;
  std::string date;  // YYYY-MM-DD; empty: today
  std::string data_dir;
  int limit = 10;
  bool json = false;
};

CLI::App* AddPlacesCommand(CLI::App& app, PlacesFlags& flags);

int RunPlaces(const PlacesFlags& flags, std::ostream& out, std::ostream& err, const Clock& clock);

}  // namespace kairotex::cli
