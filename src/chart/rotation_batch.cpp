#include "chart/groups_of_four.h"
#include "chart/harmonics.h"

namespace kairotex {

void RotationsOfDegrees(std::span<const double> degrees, std::span<Rotation> out, EnginePath path) {
  if (path == EnginePath::kAvx2) {
    InGroupsOfFour(
        out,
        [](Rotation* to, std::size_t groups, const double* from) {
          RotationsOfDegreesAvx2(from, to, groups);
        },
        degrees);
    return;
  }
  for (std::size_t i = 0; i < degrees.size(); ++i) out[i] = RotationOfDegrees(degrees[i]);
}

}  // namespace kairotex
