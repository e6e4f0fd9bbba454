#include <algorithm>

#include "chart/harmonics.h"

namespace kairotex {

void RotationsOfDegrees(std::span<const double> degrees, std::span<Rotation> out, EnginePath path) {
  std::size_t done = 0;
  if (path == EnginePath::kAvx2) {
    const std::size_t whole = degrees.size() / 4;
    RotationsOfDegreesAvx2(degrees.data(), out.data(), whole);
    done = whole * 4;
    if (done < degrees.size()) {
      std::array<double, 4> last{};
      std::array<Rotation, 4> rotations;
      std::copy(degrees.begin() + static_cast<long>(done), degrees.end(), last.begin());
      RotationsOfDegreesAvx2(last.data(), rotations.data(), 1);
      std::copy_n(rotations.begin(), degrees.size() - done, out.begin() + static_cast<long>(done));
      done = degrees.size();
    }
  }
  for (std::size_t i = done; i < degrees.size(); ++i) out[i] = RotationOfDegrees(degrees[i]);
}

}  // namespace kairotex
