// Chiron's daily positions from the Swiss Ephemeris asteroid file, for the
// table that the program interpolates (the program itself never links it).
#pragma once

#include <string>

namespace kairotex::tools {

struct ChironPosition {
  double geo_lon = 0;    // apparent geocentric ecliptic longitude of date, degrees
  double geo_decl = 0;   // apparent geocentric declination, degrees
  double helio_lon = 0;  // geometric heliocentric ecliptic longitude, mean equinox of date
};

class ChironEphemeris {
 public:
  // ephe_dir holds seas_18.se1 (the asteroid file covering 1800-2399).
  explicit ChironEphemeris(const std::string& ephe_dir);
  ~ChironEphemeris();
  ChironEphemeris(const ChironEphemeris&) = delete;
  ChironEphemeris& operator=(const ChironEphemeris&) = delete;

  // Position at a Julian date in UT; throws when the ephemeris file is not used.
  ChironPosition At(double jd_ut) const;
};

}  // namespace kairotex::tools
