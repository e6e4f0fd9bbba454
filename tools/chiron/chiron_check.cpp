#include "chiron/chiron_check.h"

#include <cmath>

#include "chiron/chiron_table.h"
#include "common/dat_file.h"

namespace kairotex::tools {

namespace {

// Bounds that any real Chiron ephemeris of these years satisfies with room.
constexpr double kMaxAbsDeclination = 40.0;    // orbit inclination ~7 deg plus the obliquity
constexpr double kMaxGeoDailyMotion = 0.25;    // degrees per day, near opposition at perihelion
constexpr double kMaxGeoDailyChange = 0.01;    // change of daily motion from one day to the next
constexpr double kMaxHelioDailyMotion = 0.1;   // heliocentric motion is always direct and slow
constexpr double kMinMeanHelioMotion = 0.015;  // orbital period of about 50 years:
constexpr double kMaxMeanHelioMotion = 0.025;  //   360 / (50.4 * 365.25) = 0.0196 deg/day
constexpr int kMinStations = 300;              // two stations a year over 164 years
constexpr int kMaxStations = 360;

// Difference b - a taken into (-180, 180].
double Step(double a, double b) {
  double d = std::fmod(b - a, 360.0);
  if (d > 180.0) d -= 360.0;
  if (d <= -180.0) d += 360.0;
  return d;
}

void CheckLongitude(double lon, const std::string& what, int i) {
  if (!(lon >= 0.0 && lon < 360.0)) {
    FailCheck(what + " record " + std::to_string(i) + " out of [0, 360): " + std::to_string(lon));
  }
}

void CheckMatches(double read, double computed, bool angle, const std::string& what, int i) {
  const double diff = angle ? Step(computed, read) : read - computed;
  if (std::fabs(diff) > 0.51 * std::pow(10.0, -kDecimals)) {
    FailCheck(what + " record " + std::to_string(i) + " does not read back as computed");
  }
}

}  // namespace

void CheckChironFiles(const std::string& geo_path, const std::string& helio_path,
                      const std::vector<ChironPosition>& computed) {
  const std::vector<double> geo = ReadDatValues(geo_path);
  const std::vector<double> helio = ReadDatValues(helio_path);
  if (computed.size() != static_cast<std::size_t>(kRecordCount)) FailCheck("wrong record count");
  if (geo.size() != 2u * kRecordCount) {
    FailCheck(geo_path + ": " + std::to_string(geo.size()) + " values, expected " +
              std::to_string(2 * kRecordCount));
  }
  if (helio.size() != static_cast<std::size_t>(kRecordCount)) {
    FailCheck(helio_path + ": " + std::to_string(helio.size()) + " values, expected " +
              std::to_string(kRecordCount));
  }

  int stations = 0;
  double previous_geo_step = 0;
  for (int i = 0; i < kRecordCount; ++i) {
    const double lon = geo[2 * i];
    const double decl = geo[2 * i + 1];
    const double hlon = helio[i];
    CheckLongitude(lon, "geocentric longitude", i);
    CheckLongitude(hlon, "heliocentric longitude", i);
    if (std::fabs(decl) > kMaxAbsDeclination) {
      FailCheck("declination record " + std::to_string(i) +
                " implausible: " + std::to_string(decl));
    }
    CheckMatches(lon, computed[i].geo_lon, true, "geocentric longitude", i);
    CheckMatches(decl, computed[i].geo_decl, false, "declination", i);
    CheckMatches(hlon, computed[i].helio_lon, true, "heliocentric longitude", i);
    if (i == 0) continue;

    const double geo_step = Step(geo[2 * i - 2], lon);
    const double helio_step = Step(helio[i - 1], hlon);
    if (std::fabs(geo_step) > kMaxGeoDailyMotion) {
      FailCheck("geocentric daily motion too large at record " + std::to_string(i));
    }
    if (!(helio_step > 0.0 && helio_step < kMaxHelioDailyMotion)) {
      FailCheck("heliocentric motion not slow and direct at record " + std::to_string(i));
    }
    if (i >= 2) {
      if (std::fabs(geo_step - previous_geo_step) > kMaxGeoDailyChange) {
        FailCheck("geocentric motion jumps at record " + std::to_string(i));
      }
      if ((geo_step < 0) != (previous_geo_step < 0)) ++stations;
    }
    previous_geo_step = geo_step;
  }

  double helio_travel = 0;
  for (int i = 1; i < kRecordCount; ++i) helio_travel += Step(helio[i - 1], helio[i]);
  const double mean_motion = helio_travel / (kRecordCount - 1);
  if (mean_motion < kMinMeanHelioMotion || mean_motion > kMaxMeanHelioMotion) {
    FailCheck("mean heliocentric motion implausible: " + std::to_string(mean_motion));
  }
  if (stations < kMinStations || stations > kMaxStations) {
    FailCheck("implausible number of stations: " + std::to_string(stations));
  }
}

}  // namespace kairotex::tools
