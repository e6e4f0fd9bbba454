#include "reference_positions.h"

#include <cstdio>

#include "test_paths.h"

namespace kairotex::test {

std::vector<ReferencePosition> LoadReferencePositions() {
  std::vector<std::string> header;
  std::vector<ReferencePosition> rows;
  for (const auto& fields : ReadCsvRows(ReferenceDir() + "/positions.csv", &header)) {
    if (fields.size() != header.size()) continue;
    ReferencePosition row{fields[0], fields[1], fields[2], fields[3], {}};
    for (size_t i = 4; i < fields.size(); ++i) row.values[header[i]] = std::stod(fields[i]);
    rows.push_back(std::move(row));
  }
  return rows;
}

ElectionData ElectionOfRow(const ReferencePosition& row) {
  int y, mo, d, h, mi, lon_d, lon_m, lat_d, lat_m;
  char ew, ns;
  std::sscanf(row.date.c_str(), "%d-%d-%d", &y, &mo, &d);
  std::sscanf(row.time_ut.c_str(), "%d:%d", &h, &mi);
  std::sscanf(row.lon.c_str(), "%d%c%d", &lon_d, &ew, &lon_m);
  std::sscanf(row.lat.c_str(), "%d%c%d", &lat_d, &ns, &lat_m);
  const auto i16 = [](int v) { return static_cast<int16_t>(v); };
  const int hour12 = h % 12 == 0 ? 12 : h % 12;
  return {i16(mo),        i16(d),         i16(y),     i16(hour12), i16(mi),
          i16(h >= 12),   i16(lon_d),     i16(lon_m), i16(lat_d),  i16(lat_m),
          i16(ew != 'e'), i16(ns == 's'), 0.0f,       row.date};
}

}  // namespace kairotex::test
