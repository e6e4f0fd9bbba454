// Where the programs find their settings and data files. The delivered files
// stay read-only where the program was installed (or built); each user works
// on copies in a data folder of their own, filled on first start, so that
// the window program and the command line read the same edited options and
// orbs.
#pragma once

#include <string>

namespace kairotex {

// The delivered data: share/kairotex beside the program's bin folder, as
// both the install and the build tree lay it out.
std::string DeliveredDataDir();

// The user's data folder: $XDG_DATA_HOME/kairotex, or
// $HOME/.local/share/kairotex when XDG_DATA_HOME is not set; empty when
// neither is set.
std::string UserDataDir();

// Copies every delivered file that the user folder lacks into it, making the
// folder when needed. A file the user already has is never touched. Each
// copy takes its name only when complete. Returns false with the reason in
// *error when a copy fails (the files copied so far stay).
bool CopyMissingDeliveredFiles(const std::string& delivered_dir, const std::string& user_dir,
                               std::string* error);

// The folder the programs read and write as ProgramDir: the given folder
// when not empty; otherwise the user folder, filled from the delivered files.
// When the user folder cannot be had or filled, the delivered folder, with
// the reason in *warning.
std::string ResolveProgramDir(const std::string& given, std::string* warning);

}  // namespace kairotex
