// The atlas of the window program: ATLAS.DAT and the user's PLACES.TXT of
// the program folder, read once when the Place box first needs them.
#pragma once

#include "mainwindow/program_context.h"
#include "places/atlas.h"

namespace kairotex {

// The atlas, read on the first call; the user file's bad lines and a missing
// or damaged atlas are told through the context's messages. nullptr when the
// atlas cannot be read (asked again the next time).
const Atlas* ProgramAtlas(ProgramContext& context);

}  // namespace kairotex
