#include "mainwindow/data_window_font.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kairotex {
namespace {

constexpr double kOn = -1;
constexpr double kOff = 0;

int16_t ToTwips(int pixels, int twips_per_pixel) {
  const double twips = std::nearbyint(static_cast<double>(pixels) * twips_per_pixel);
  return static_cast<int16_t>(std::clamp(twips,
                                         static_cast<double>(std::numeric_limits<int16_t>::min()),
                                         static_cast<double>(std::numeric_limits<int16_t>::max())));
}

int ToPixels(int16_t twips, int twips_per_pixel) {
  return twips_per_pixel > 0 ? twips / twips_per_pixel : twips;
}

bool Toggle(double& flag) {
  const bool on = flag == 0;
  flag = on ? kOn : kOff;
  return on;
}

}  // namespace

bool IncreaseDataFont(WindowSettings& settings, double font_step) {
  if (!(settings.FontSize < kDataFontGrowsBelow)) return false;
  settings.FontSize += font_step / 2;
  return true;
}

bool DecreaseDataFont(WindowSettings& settings, double font_step) {
  if (!(settings.FontSize > kDataFontShrinksAbove)) return false;
  settings.FontSize -= font_step / 2;
  return true;
}

bool ToggleDataFontBold(WindowSettings& settings) {
  return Toggle(settings.FontBold);
}
bool ToggleDataFontItalic(WindowSettings& settings) {
  return Toggle(settings.FontItalic);
}

DataFontCommands EnabledDataFontCommands(const WindowSettings& settings) {
  return {settings.FontSize<kDataFontGrowsBelow, settings.FontSize> kDataFontShrinksAbove};
}

bool RefreshDataWindow(ReportBuffer& buffer, ReportView& view, const std::string& title_text) {
  if (buffer.report_line_count() == 0) return false;
  buffer.ShowReport(view, title_text);
  return true;
}

DataWindowRect DataWindowPixels(const WindowSettings& settings, int twips_per_pixel) {
  return {ToPixels(settings.DataLeft, twips_per_pixel), ToPixels(settings.DataTop, twips_per_pixel),
          ToPixels(settings.DataWidth, twips_per_pixel),
          ToPixels(settings.DataHeight, twips_per_pixel)};
}

void StoreDataWindowPixels(WindowSettings& settings, const DataWindowRect& pixels,
                           int twips_per_pixel) {
  settings.DataLeft = ToTwips(pixels.left, twips_per_pixel);
  settings.DataTop = ToTwips(pixels.top, twips_per_pixel);
  settings.DataWidth = ToTwips(pixels.width, twips_per_pixel);
  settings.DataHeight = ToTwips(pixels.height, twips_per_pixel);
}

}  // namespace kairotex
