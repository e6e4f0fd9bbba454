// The glyph font HORARY, delivered as horary.ttf in the program folder and
// added to the application's fonts at start-up.
#pragma once

#include <QString>
#include <string>

namespace kairotex {

inline constexpr const char* kHoraryFontFileName = "horary.ttf";
inline constexpr const char* kHoraryFaceName = "HORARY";

struct HoraryFontLoad {
  QString family;     // the family to ask for; empty when the font is missing
  std::string error;  // why it could not be loaded
  int font_id = -1;   // the application font's id
  bool ok() const { return !family.isEmpty(); }
};

// Adds program_dir/horary.ttf to the application's fonts (the application
// must exist). A file loaded before is not added again.
HoraryFontLoad LoadHoraryFont(const std::string& program_dir);

// Removes the font that LoadHoraryFont added from program_dir, at shutdown.
void ReleaseHoraryFont(const std::string& program_dir);

}  // namespace kairotex
