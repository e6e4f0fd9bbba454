#include "mainwindow/program_atlas.h"

#include <vector>

#include "places/time_zones.h"
#include "settings/data_file_error.h"
#include "settings/file_text.h"
#include "settings/program_dir.h"

namespace kairotex {

const Atlas* ProgramAtlas(ProgramContext& c) {
  if (c.atlas) return c.atlas.get();
  const auto warn = [&c](const std::string& text) {
    c.messages.ShowMessage(text, kWarningTitle, MessageIcon::kExclamation);
  };
  try {
    auto atlas = std::make_shared<Atlas>(Atlas::Load(ProgramPath(c.program_dir(), kAtlasFileName)));
    std::vector<std::string> warnings;
    atlas->AddUserPlaces(ProgramPath(c.program_dir(), kUserPlacesFileName), IsKnownZone, warnings);
    for (const std::string& warning : warnings) warn(warning);
    c.atlas = std::move(atlas);
  } catch (const DataFileError& e) {
    warn(std::string(e.what()) + ". Places cannot be looked up.");
  }
  return c.atlas.get();
}

std::vector<const AtlasPlace*> TownsOffered(ProgramContext& c, std::string_view typed) {
  if (TrimBlanks(typed).empty()) return {};
  const Atlas* atlas = ProgramAtlas(c);
  if (atlas == nullptr) return {};
  return atlas->Search(typed, 12);
}

const AtlasPlace* TownOfLabel(const std::vector<const AtlasPlace*>& offered,
                              std::string_view label) {
  for (const AtlasPlace* town : offered) {
    if (PlaceLabel(*town) == label) return town;
  }
  return nullptr;
}

}  // namespace kairotex
