#include <array>
#include <cmath>

#include "chartview/drawing_surface.h"

namespace kairotex {

Rgb QBColor(double index) {
  static constexpr std::array<Rgb, 16> kPalette = {{{0, 0, 0},
                                                    {0, 0, 128},
                                                    {0, 128, 0},
                                                    {0, 128, 128},
                                                    {128, 0, 0},
                                                    {128, 0, 128},
                                                    {128, 128, 0},
                                                    {192, 192, 192},
                                                    {128, 128, 128},
                                                    {0, 0, 255},
                                                    {0, 255, 0},
                                                    {0, 255, 255},
                                                    {255, 0, 0},
                                                    {255, 0, 255},
                                                    {255, 255, 0},
                                                    {255, 255, 255}}};
  const long rounded = std::isfinite(index) ? std::lround(index) : 0;
  return kPalette[static_cast<size_t>(((rounded % 16) + 16) % 16)];
}

}  // namespace kairotex
