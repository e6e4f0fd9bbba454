#include "mainwindow/screen_class.h"

#include <cmath>

namespace kairotex {

int TwipsPerPixelForDpi(double logical_dpi) {
  if (!(logical_dpi > 0)) return 15;
  const int twips = static_cast<int>(std::lround(1440.0 / logical_dpi));
  return twips < 1 ? 1 : twips;
}

ScreenClass ScreenClassFor(int width, int twips_per_pixel) {
  ScreenClass c;
  c.twips_per_pixel = twips_per_pixel;
  if (width == 640) {
    c.window_width_twips = 8490, c.window_height_twips = 7200;
    c.drawing_width = 640, c.drawing_height = 480, c.font_step = 1.5;
  } else if (width == 800 && twips_per_pixel != 12) {
    c.window_width_twips = 10725, c.window_height_twips = 8940;
    c.drawing_width = 800, c.drawing_height = 600, c.font_step = 1.5;
  } else if (width == 800) {
    c.window_width_twips = 8400, c.window_height_twips = 7200;
    c.drawing_width = 800, c.drawing_height = 600, c.font_step = 1.2;
  } else if (twips_per_pixel != 15) {
    c.window_width_twips = 10970, c.window_height_twips = 9204;
    c.drawing_width = 1024, c.drawing_height = 768, c.font_step = 1.2;
  } else {
    c.window_width_twips = 14050, c.window_height_twips = 11505;
    c.drawing_width = 1024, c.drawing_height = 768, c.font_step = 1.5;
  }
  return c;
}

}  // namespace kairotex
