// The window settings file KAIROTEX.INI: the data window's font and place,
// the drawing scale, the chart style and the ephemeris. Read at start-up, written at exit.
#pragma once

#include <cstdint>
#include <string>

namespace kairotex {

struct WindowSettings {
  double FontSize = 10.0;  // points, data window text
  double FontBold = 0;     // 0 plain, anything else bold (stored as -1)
  double FontItalic = 0;
  int16_t DataTop = 660;  // data window geometry, twips
  int16_t DataLeft = 0;
  int16_t DataHeight = 6540;
  int16_t DataWidth = 9600;
  int16_t StartScale = 287;  // half-width of the main window's drawing coordinates
  int16_t TypeChart = 0;     // 0 American, 1 European wheel
  // Charts from the precise ephemeris (stored as -1) or the program's theories (0).
  bool PrecisePositions = false;
};

inline constexpr const char* kWindowSettingsFileName = "KAIROTEX.INI";

// The defaults, overridden by each acceptable line of program_dir/KAIROTEX.INI.
// A missing file gives the defaults. FontSize needs 7.75 or more; DataTop,
// DataHeight and DataWidth need more than 0 once rounded; the 16-bit fields take the value
// rounded half to even, and a value that does not fit 16 bits is ignored.
// A file that is there but cannot be read (a folder, say) gives the defaults
// too, with a warning naming it in *warning when asked for.
WindowSettings LoadWindowSettings(const std::string& program_dir, std::string* warning = nullptr);

// Writes the file anew in its fixed order with CR LF line ends; the old file
// stays as it was when the write fails (reason in *error).
bool SaveWindowSettings(const std::string& program_dir, const WindowSettings& settings,
                        std::string* error);

// The file's text as SaveWindowSettings writes it.
std::string WindowSettingsText(const WindowSettings& settings);

}  // namespace kairotex
