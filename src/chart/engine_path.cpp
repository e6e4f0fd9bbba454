#include "chart/engine_path.h"

namespace kairotex {

EnginePath FastestEnginePath() {
  return __builtin_cpu_supports("avx2") ? EnginePath::kAvx2 : EnginePath::kPlain;
}

}  // namespace kairotex
