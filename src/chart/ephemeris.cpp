#include "chart/ephemeris.h"

namespace kairotex {

std::string_view EphemerisName(EphemerisKind kind) {
  return kind == EphemerisKind::kSwiss ? "swiss" : "program";
}

std::optional<EphemerisKind> EphemerisNamed(std::string_view name) {
  if (name == "program") return EphemerisKind::kProgram;
  if (name == "swiss") return EphemerisKind::kSwiss;
  return std::nullopt;
}

}  // namespace kairotex
