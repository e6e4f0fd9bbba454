#include "reports/degree_tables.h"

namespace kairotex {

char DegreeLetter(const DegreeTable& table, double lon) {
  for (const DegreeInterval& interval : table.intervals) {
    if (interval.low <= lon && lon < interval.high) return interval.letter;
  }
  return table.fallback;
}

}  // namespace kairotex
