// Replacing a file without risking the copy already on disk.
#pragma once

#include <string>

namespace kairotex {

// The scratch file that WriteFileReplacing fills before it takes the
// target's place: the target's name with ".new" added, in the same folder.
std::string ReplacementScratchPath(const std::string& path);

// An existing file the user may not write: its owner-write permission is off
// (the read-only mark, which binds even an administrator) or it cannot be
// opened for writing. A missing file is not write-protected.
bool IsWriteProtected(const std::string& path);

// Writes the bytes to the scratch file, flushes and closes it, then renames
// it over the target, so a write that fails part-way leaves any existing file
// as it was. The replacement keeps the replaced file's permissions. A
// write-protected target is refused and left as it was ("<path> is
// write-protected"). On failure the scratch file is removed, a reason is put
// into *error (when given) and false is returned.
bool WriteFileReplacing(const std::string& path, const std::string& bytes, std::string* error);

}  // namespace kairotex
