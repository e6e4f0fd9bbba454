// The data window's rules without the window: its font commands on the
// window settings, its place in twips, and showing the report again.
#pragma once

#include <cstdint>
#include <string>

#include "reports/report_buffer.h"
#include "settings/window_settings.h"

namespace kairotex {

inline constexpr const char* kFixedFontMissingMessage =
    "You must have the COURIER NEW font installed in Windows. Please add this font through "
    "CONTROL PANEL - FONTS.";
inline constexpr const char* kDataWindowHelpFile = "OUTPUTD1.HLP";

// Increase grows the font only below this size, Decrease shrinks it only above the other.
inline constexpr double kDataFontGrowsBelow = 12;
inline constexpr double kDataFontShrinksAbove = 8;

// Font Increase: below 12 points FontSize grows by half the font step.
// Returns whether it changed.
bool IncreaseDataFont(WindowSettings& settings, double font_step);
// Font Decrease: above 8 points FontSize shrinks by half the font step.
bool DecreaseDataFont(WindowSettings& settings, double font_step);

// Bold (Italic) inverted and stored as -1 (on) or 0; returns the new state.
bool ToggleDataFontBold(WindowSettings& settings);
bool ToggleDataFontItalic(WindowSettings& settings);

struct DataFontCommands {
  bool increase = true;
  bool decrease = true;
};
// Which of Increase and Decrease can still change the size.
DataFontCommands EnabledDataFontCommands(const WindowSettings& settings);

// After a font command: with a report written, ShowReport again (which closes
// it with one more empty line in the buffer and the report). Returns whether
// the report was shown again; with no report nothing happens.
bool RefreshDataWindow(ReportBuffer& buffer, ReportView& view, const std::string& title_text);

// The data window's place and size in pixels.
struct DataWindowRect {
  int left = 0, top = 0, width = 0, height = 0;
};
DataWindowRect DataWindowPixels(const WindowSettings& settings, int twips_per_pixel);
// Stores a place and size given in pixels as twips, each kept within 16 bits.
void StoreDataWindowPixels(WindowSettings& settings, const DataWindowRect& pixels,
                           int twips_per_pixel);

}  // namespace kairotex
