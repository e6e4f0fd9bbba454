// The Chiron lookup says whether the chart has Chiron: only inside complete
// tables, up to the last day whose next day the tables still hold.
#include <gtest/gtest.h>

#include "chart/data_files.h"

namespace kairotex {
namespace {

DataTables FlatTables(size_t records = kChironRecords) {
  DataTables t;
  t.ChironGeoLon.assign(kChironRecords, 100.0f);
  t.ChironDecl.assign(kChironRecords, 5.0f);
  t.ChironHelioLon.assign(kChironRecords, 98.0f);
  t.ChironDecl.resize(records);
  return t;
}

TEST(ChironAvailability, OnlyInsideCompleteTables) {
  const double last_day = kChironFirstDay + kChironRecords - 3;  // needs records i+1 and i+2
  struct Case {
    const char* what;
    double jd;
    size_t decl_records;
    bool available;
  };
  const Case cases[] = {
      {"a day before the first record", kChironFirstDay - 0.1, kChironRecords, false},
      {"the first record", kChironFirstDay, kChironRecords, true},
      {"the last day served, late", last_day + 0.99, kChironRecords, true},
      {"the day after", last_day + 1.0, kChironRecords, false},
      {"the year 1000", 2086474.0, kChironRecords, false},
      {"the year 2080", 2480931.0, kChironRecords, false},
      {"a short declination table", 2451545.0, kChironRecords - 1, false},
      {"no tables", 2451545.0, 0, false},
  };
  for (const Case& c : cases) {
    DataTables tables = c.decl_records == 0 ? DataTables{} : FlatTables(c.decl_records);
    ChartState state;
    state.ChironAvailable = !c.available;  // a stale flag from the chart before
    state.ObjectPos[kChiron] = 7.0;
    ComputeChironFromTables(state, tables, c.jd);
    EXPECT_EQ(state.ChironAvailable, c.available) << c.what;
    EXPECT_EQ(ObjectAvailable(state, kChiron), c.available) << c.what;
    EXPECT_DOUBLE_EQ(state.ObjectPos[kChiron], c.available ? 100.0 : 0.0) << c.what;
    EXPECT_DOUBLE_EQ(state.DeclWork[kChiron], c.available ? 5.0 : 0.0) << c.what;
    // Every other object is always there; numbers outside 1..16 never are.
    for (int object = 1; object < kChiron; ++object) EXPECT_TRUE(ObjectAvailable(state, object));
    EXPECT_FALSE(ObjectAvailable(state, 0));
    EXPECT_FALSE(ObjectAvailable(state, ObjectCount + 1));
  }
}

}  // namespace
}  // namespace kairotex
