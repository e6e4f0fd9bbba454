// PLACES.TXT through Atlas::AddUserPlaces: never an exception; every place
// taken is in range with a zone of the database; every line refused is
// named in a warning.
#include <cmath>

#include "fuzz_support.h"
#include "places/atlas.h"
#include "places/time_zones.h"
#include "settings/program_dir.h"

using namespace kairotex;
using fuzz::Check;

namespace {

// A small atlas of its own, so that each input is read quickly.
constexpr const char kSmallAtlas[] =
    "ATLAS\t2\t1\t2\t2\r\n"
    "CH\tSwitzerland\r\nDE\tGermany\r\n"
    "Zurich\r\n"
    "Europe/Berlin\r\nEurope/Zurich\r\n"
    "Zürich\tZurich\t0\tCH\t47.36667\t8.55\t341730\t1\r\n"
    "Ulm\t\t\tDE\t48.39841\t9.99155\t126329\t0\r\n";

const Atlas& SmallAtlas() {
  static const Atlas atlas = [] {
    const std::string path = ProgramPath(fuzz::ScratchDir(), "SMALL_ATLAS.DAT");
    fuzz::WriteBytes(path, kSmallAtlas);
    return Atlas::Load(path);
  }();
  return atlas;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  constexpr const char* kTarget = "user_places";
  const std::string path = ProgramPath(fuzz::ScratchDir(), kUserPlacesFileName);
  fuzz::WriteBytes(path, fuzz::Bytes(data, size));
  Atlas atlas = SmallAtlas();
  const size_t before = atlas.size();
  std::vector<std::string> warnings;
  try {
    atlas.AddUserPlaces(path, IsKnownZone, warnings);
  } catch (const std::exception& e) {
    fuzz::Fail(kTarget, std::string("unexpected exception: ") + e.what());
  }
  for (const std::string& warning : warnings) {
    Check(warning.find(path) != std::string::npos, kTarget,
          "a warning without the file: " + warning);
    Check(warning.size() < 600, kTarget, "a warning too long to read");
  }
  for (size_t i = before; i < atlas.size(); ++i) {
    const AtlasPlace& place = atlas.places()[i];
    Check(place.from_user_file, kTarget, "an added place not marked as the user's");
    Check(std::isfinite(place.latitude) && std::fabs(place.latitude) <= 90, kTarget,
          "latitude out of range: " + place.name);
    Check(std::isfinite(place.longitude) && std::fabs(place.longitude) <= 180, kTarget,
          "longitude out of range: " + place.name);
    Check(!place.name.empty() && IsKnownZone(place.zone), kTarget,
          "a place without a name or a known zone");
  }
  return 0;
}
