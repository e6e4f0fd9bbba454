// The screen class table and the twips per pixel of a screen.
#include "mainwindow/screen_class.h"

#include <gtest/gtest.h>

namespace kairotex {
namespace {

struct ScreenCase {
  int width_pixels, twips_per_pixel;
  int window_width, window_height;  // twips
  double drawing_width, drawing_height, font_step;
};

TEST(ScreenClass, Table) {
  const ScreenCase cases[] = {
      {640, 15, 8490, 7200, 640, 480, 1.5},     {640, 12, 8490, 7200, 640, 480, 1.5},
      {800, 15, 10725, 8940, 800, 600, 1.5},    {800, 12, 8400, 7200, 800, 600, 1.2},
      {1024, 15, 14050, 11505, 1024, 768, 1.5}, {1280, 15, 14050, 11505, 1024, 768, 1.5},
      {1024, 12, 10970, 9204, 1024, 768, 1.2},  {1920, 10, 10970, 9204, 1024, 768, 1.2},
      {799, 15, 14050, 11505, 1024, 768, 1.5},
  };
  for (const ScreenCase& c : cases) {
    const ScreenClass s = ScreenClassFor(c.width_pixels, c.twips_per_pixel);
    SCOPED_TRACE(std::to_string(c.width_pixels) + " px at " + std::to_string(c.twips_per_pixel));
    EXPECT_EQ(s.window_width_twips, c.window_width);
    EXPECT_EQ(s.window_height_twips, c.window_height);
    EXPECT_EQ(s.drawing_width, c.drawing_width);
    EXPECT_EQ(s.drawing_height, c.drawing_height);
    EXPECT_EQ(s.font_step, c.font_step);
    EXPECT_EQ(s.twips_per_pixel, c.twips_per_pixel);
  }
  // 14050 x 11505 twips at 15 twips a pixel: the window in pixels.
  EXPECT_EQ(ScreenClassFor(1024, 15).WindowWidthPixels(), 936);
  EXPECT_EQ(ScreenClassFor(1024, 15).WindowHeightPixels(), 767);
}

TEST(ScreenClass, TwipsPerPixelFromTheLogicalResolution) {
  EXPECT_EQ(TwipsPerPixelForDpi(96), 15);
  EXPECT_EQ(TwipsPerPixelForDpi(120), 12);
  EXPECT_EQ(TwipsPerPixelForDpi(144), 10);
  EXPECT_EQ(TwipsPerPixelForDpi(0), 15);  // a screen that reports nothing
  EXPECT_EQ(TwipsPerPixelForDpi(-3), 15);
}

}  // namespace
}  // namespace kairotex
