#include "chart/angles.h"
#include "chartview/wheel_geometry.h"
#include "chartview/wheel_steps.h"

namespace kairotex::wheel {

HouseSizes ComputeHouseSizes(const CuspTable& cusp_wheel) {
  // A size of exactly 277.5 degrees stands for a 7.5 degree house.
  constexpr double kCrossedHouse = 277.5;
  constexpr double kCrossedHouseSize = 7.5;
  HouseSizes sizes{};
  for (int i = 1; i <= 12; ++i) {
    sizes[i] = Normalize360(cusp_wheel[NextWheelIndex(i)] - cusp_wheel[i]);
    if (sizes[i] == kCrossedHouse) sizes[i] = kCrossedHouseSize;
  }
  return sizes;
}

}  // namespace kairotex::wheel
