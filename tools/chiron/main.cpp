// Writes CHIRON.DAT (geocentric longitude and declination) and
// CHIRON_HELIO.DAT (heliocentric longitude), one record a day, from the
// Swiss Ephemeris asteroid file.
// Usage: kairotex_chiron_tables <ephemeris folder> <output folder>
#include <cmath>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "chiron/chiron_check.h"
#include "chiron/chiron_ephemeris.h"
#include "chiron/chiron_table.h"
#include "common/dat_file.h"

namespace {

using namespace kairotex::tools;

// Rounded to the file's decimals and kept below 360, so that no record reads
// as 360 after rounding.
std::string LongitudeText(double lon) {
  const double scale = std::pow(10.0, kDecimals);
  double rounded = std::round(lon * scale) / scale;
  if (rounded >= 360.0) rounded -= 360.0;
  return FormatFixed(rounded, kDecimals);
}

int Run(const std::string& ephe_dir, const std::string& out_dir) {
  const ChironEphemeris ephemeris(ephe_dir);
  std::vector<ChironPosition> positions;
  positions.reserve(kRecordCount);
  std::vector<std::string> geo_records;
  std::vector<std::string> helio_records;
  for (int i = 0; i < kRecordCount; ++i) {
    const ChironPosition p = ephemeris.At(static_cast<double>(kFirstJulianDay + i));
    positions.push_back(p);
    geo_records.push_back(LongitudeText(p.geo_lon) + "," + FormatFixed(p.geo_decl, kDecimals));
    helio_records.push_back(LongitudeText(p.helio_lon));
  }

  const std::string geo_path = out_dir + "/" + kGeoFileName;
  const std::string helio_path = out_dir + "/" + kHelioFileName;
  const std::string geo_temp = WriteDatFileTemp(geo_path, geo_records);
  const std::string helio_temp = WriteDatFileTemp(helio_path, helio_records);
  CheckChironFiles(geo_temp, helio_temp, positions);
  CommitDatFile(geo_temp, geo_path);
  CommitDatFile(helio_temp, helio_path);
  std::printf("wrote %s and %s (%d records each)\n", geo_path.c_str(), helio_path.c_str(),
              kRecordCount);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <ephemeris folder> <output folder>\n", argv[0]);
    return 2;
  }
  try {
    return Run(argv[1], argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kairotex_chiron_tables: %s\n", e.what());
    return 1;
  }
}
