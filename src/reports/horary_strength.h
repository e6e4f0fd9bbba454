// The planet strength of the horary basics report: a running score of
// fortitudes and debilities per chart object, kept as the list of its
// contributions so that a caller can tell where a score came from.
#pragma once

#include <vector>

#include "chart/chart_state.h"

namespace kairotex {

enum class StrengthSource {
  kOwnSign,              // +5
  kOwnExaltation,        // +4
  kOwnTriplicity,        // +3
  kOwnTerm,              // +2
  kOwnFace,              // +1
  kRetrograde,           // -5
  kDirect,               // +4, not the Sun or the Moon
  kFast,                 // +2
  kSlowOrStationary,     // -2
  kOrientation,          // +2 or -2
  kHouse,                // +5 .. -5
  kPeregrine,            // -5
  kDetriment,            // -5
  kFall,                 // -4
  kSignReception,        // +5
  kExaltationReception,  // +4
  kCazimi,               // +5
  kFreeOfSunBeams,       // +5, more than 17 degrees from the Sun
  kCombust,              // -5
  kUnderSunBeams,        // -4
  kBesieged,             // -5
  kFixedStar,            // Regulus +6, Spica +5, Algol -5
  kAspect,               // aspects in the same degree, see horary_aspect_points.h
};

struct StrengthEntry {
  int object = 0;
  int points = 0;
  StrengthSource source = StrengthSource::kHouse;
};

class StrengthLedger {
 public:
  // Zero points are not recorded: they change nothing and explain nothing.
  void Add(int object, int points, StrengthSource source);

  // Running score of objects 0..16.
  const ObjectTable& totals() const { return totals_; }
  double Total(int object) const { return totals_.at(object); }

  // Every contribution in the order it was added.
  const std::vector<StrengthEntry>& entries() const { return entries_; }
  std::vector<StrengthEntry> EntriesOf(int object) const;

 private:
  ObjectTable totals_{};
  std::vector<StrengthEntry> entries_;
};

}  // namespace kairotex
