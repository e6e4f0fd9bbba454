// The two sources of a chart's positions.
#pragma once

namespace kairotex {

enum class EphemerisKind { kProgram, kSwiss };

}  // namespace kairotex
