// ATLAS.DAT through Atlas::Load: refused with the file named, or read whole
// with every place in range and found again by its own name.
#include <cmath>

#include "fuzz_support.h"
#include "places/atlas.h"
#include "settings/data_file_error.h"
#include "settings/program_dir.h"

using namespace kairotex;
using fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  constexpr const char* kTarget = "atlas";
  const std::string path = ProgramPath(fuzz::ScratchDir(), kAtlasFileName);
  fuzz::WriteBytes(path, fuzz::Bytes(data, size));
  try {
    const Atlas atlas = Atlas::Load(path);
    for (const AtlasPlace& place : atlas.places()) {
      Check(std::isfinite(place.latitude) && std::fabs(place.latitude) <= 90, kTarget,
            "latitude out of range: " + place.name);
      Check(std::isfinite(place.longitude) && std::fabs(place.longitude) <= 180, kTarget,
            "longitude out of range: " + place.name);
      Check(!place.name.empty() && !place.zone.empty() && place.population >= 0, kTarget,
            "a place without a name or zone, or with fewer than no people");
      if (place.name.find(',') == std::string::npos) {
        Check(!atlas.Search(place.name, 1).empty(), kTarget,
              "not found by its name: " + place.name);
      }
    }
  } catch (const DataFileError& e) {
    Check(e.file() == path, kTarget, std::string("the error names another file: ") + e.what());
  } catch (const std::exception& e) {
    fuzz::Fail(kTarget, std::string("unexpected exception: ") + e.what());
  }
  return 0;
}
