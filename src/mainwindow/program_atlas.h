// The atlas of the window program: ATLAS.DAT and the user's PLACES.TXT of
// the program folder, read once when the Place box first needs them.
#pragma once

#include <string_view>
#include <vector>

#include "mainwindow/program_context.h"
#include "places/atlas.h"

namespace kairotex {

// The atlas, read on the first call; the user file's bad lines and a missing
// or damaged atlas are told through the context's messages. nullptr when the
// atlas cannot be read (asked again the next time).
const Atlas* ProgramAtlas(ProgramContext& context);

// The towns a Place box offers for the text typed: at most 12, none for a
// blank text or when the atlas cannot be read.
std::vector<const AtlasPlace*> TownsOffered(ProgramContext& context, std::string_view typed);

// The offered town whose label (PlaceLabel) was chosen; nullptr for none.
const AtlasPlace* TownOfLabel(const std::vector<const AtlasPlace*>& offered,
                              std::string_view label);

}  // namespace kairotex
