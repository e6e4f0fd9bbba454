// The screen class chosen once at start-up from the screen's width: the main
// window's size, its drawing size and the data window's font step.
#pragma once

namespace kairotex {

struct ScreenClass {
  int window_width_twips = 14050, window_height_twips = 11505;
  double drawing_width = 1024, drawing_height = 768;  // user units
  double font_step = 1.5;                             // points per font command
  int twips_per_pixel = 15;

  int WindowWidthPixels() const { return window_width_twips / twips_per_pixel; }
  int WindowHeightPixels() const { return window_height_twips / twips_per_pixel; }
};

// Twips per pixel of a screen of this logical resolution: 96 dpi gives 15,
// 120 dpi gives 12 (1440 twips to the inch).
int TwipsPerPixelForDpi(double logical_dpi);

ScreenClass ScreenClassFor(int screen_width_pixels, int twips_per_pixel);

}  // namespace kairotex
