#include "precise/swiss_ephemeris.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "chart/angles.h"
#include "chart/planets.h"
#include "chart/platform.h"
#include "precise/swiss_calls.h"

namespace kairotex {
namespace {

// The files of the planets, the Moon and the main asteroids (Chiron).
constexpr std::array<const char*, 3> kFiles = {"sepl_18.se1", "semo_18.se1", "seas_18.se1"};

// Delta T (minutes at the ends of the files' years) and the next day are
// kept inside the files.
constexpr double kDateMargin = 0.05;

// The library's number of each chart object the ephemeris computes.
int SwissBodyOf(int object) {
  if (object == kSun) return swiss::kSun;
  if (object == kMoon) return swiss::kMoon;
  return object;  // Mercury (2) to Pluto (9) are numbered alike
}

// The civil date (universal time) of a Julian date as YYYY-MM-DD, for the messages.
std::string IsoDateOf(double julian_date) {
  constexpr LocalDateTime kJ2000{2000, 1, 1, 12, 0, 0};
  const LocalDateTime date = AddHours(kJ2000, (julian_date - 2451545.0) * 24.0);
  char text[80];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

}  // namespace

std::string SwissEphemeris::DefaultFolder() {
  return KAIROTEX_SWISS_EPHEMERIS_FOLDER;
}

std::unique_ptr<SwissEphemeris> SwissEphemeris::Open(const std::string& folder,
                                                     std::string& error) {
  for (const char* name : kFiles) {
    const std::filesystem::path path = std::filesystem::path(folder) / name;
    std::error_code code;
    if (!std::filesystem::is_regular_file(path, code) || !std::ifstream(path).good()) {
      error = "The ephemeris file " + path.string() + " is missing or cannot be read.";
      return nullptr;
    }
  }
  double first = 0, last = 0;
  std::string why;
  if (!swiss::CoveredDates(folder, first, last, why)) {
    error = "The ephemeris files in " + folder + " cannot be used: " + why;
    return nullptr;
  }
  return std::unique_ptr<SwissEphemeris>(
      new SwissEphemeris(folder, first + kDateMargin, last - 1.0 - kDateMargin));
}

bool SwissEphemeris::Covers(double jd, std::string& why) const {
  if (jd >= first_date_ && jd <= last_date_) return true;
  why = "the ephemeris files serve the dates from " + IsoDateOf(first_date_) + " to " +
        IsoDateOf(last_date_) + " only.";
  return false;
}

SiderealFrame SwissEphemeris::FrameAt(const ChartState& s) const {
  const swiss::Frame frame = swiss::FrameAt(folder_, s.JulianDate);
  return {frame.sidereal_deg, frame.true_obliquity_deg, frame.nutation_lon_deg};
}

bool SwissEphemeris::FillBodies(ChartState& s, const KnownBodies&, std::string& why) const {
  const double jd = s.JulianDate;
  FillZodiacOffsets(s);
  s.RetroFlags = std::string(ObjectCount, ' ');
  swiss::Place now, next, helio, mean_node, true_node;
  // Every place of the moment first, then of the next day: the library keeps
  // the Earth's and the Sun's place of the last date it was asked for.
  for (int i = kSun; i <= kMoon; ++i) {
    if (!swiss::PlaceAt(folder_, SwissBodyOf(i), jd, false, now, why)) return false;
    s.ObjectPos[i] = now.lon;
    s.ObjectLat[i] = now.lat;
  }
  // The heliocentric chart's first place is the Earth's.
  for (int i = kSun; i <= kPluto; ++i) {
    const int body = i == kSun ? swiss::kEarth : SwissBodyOf(i);
    if (!swiss::PlaceAt(folder_, body, jd, true, helio, why)) return false;
    s.HelioLonWork[i] = helio.lon;
  }
  if (!swiss::PlaceAt(folder_, swiss::kMeanNode, jd, false, mean_node, why) ||
      !swiss::PlaceAt(folder_, swiss::kTrueNode, jd, false, true_node, why)) {
    return false;
  }
  for (int i = kSun; i <= kMoon; ++i) {
    if (!swiss::PlaceAt(folder_, SwissBodyOf(i), jd + 1.0, false, next, why)) return false;
    s.ObjectLonNextDay[i] = next.lon;
  }
  PlaceNodesAndAngles(s, mean_node.lon, true_node.lon);
  for (int i = kMercury; i <= kPluto; ++i) MarkIfRetrograde(s, i);
  FillDeclinations(s, EnginePath::kPlain);
  return true;
}

void SwissEphemeris::FillChiron(ChartState& s) const {
  const double jd = s.JulianDate;
  swiss::Place now, next, helio;
  std::string why;
  // The next day first: the library still holds the Earth of that day.
  s.ChironAvailable = swiss::PlaceAt(folder_, swiss::kChiron, jd + 1.0, false, next, why) &&
                      swiss::PlaceAt(folder_, swiss::kChiron, jd, false, now, why) &&
                      swiss::PlaceAt(folder_, swiss::kChiron, jd, true, helio, why);
  if (!s.ChironAvailable) {
    s.ObjectPos[kChiron] = 0;
    s.DeclWork[kChiron] = 0;
    s.HelioLonWork[kChiron] = 0;
    return;
  }
  s.ObjectPos[kChiron] = now.lon;
  s.ObjectLat[kChiron] = now.lat;
  s.ObjectLonNextDay[kChiron] = next.lon;
  s.HelioLonWork[kChiron] = helio.lon;
  s.DeclWork[kChiron] = EclipticToDeclination(now.lon, now.lat, s.ObliquityDeg);
  MarkIfRetrograde(s, kChiron);
}

std::shared_ptr<const Ephemeris> OpenPreciseEphemeris(const std::string& folder,
                                                      std::string& message) {
  std::string error;
  std::shared_ptr<const Ephemeris> ephemeris = SwissEphemeris::Open(folder, error);
  if (!ephemeris) {
    message = "Precise positions are not available: " + error +
              " Charts are cast with the program's own theories.";
  }
  return ephemeris;
}

}  // namespace kairotex
