#include "reports/horary_strength.h"

namespace kairotex {

void StrengthLedger::Add(int object, int points, StrengthSource source) {
  if (points == 0) return;
  totals_.at(object) += points;
  entries_.push_back({object, points, source});
}

std::vector<StrengthEntry> StrengthLedger::EntriesOf(int object) const {
  std::vector<StrengthEntry> mine;
  for (const StrengthEntry& entry : entries_) {
    if (entry.object == object) mine.push_back(entry);
  }
  return mine;
}

}  // namespace kairotex
