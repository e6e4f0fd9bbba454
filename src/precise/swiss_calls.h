// The few calls of the Swiss Ephemeris library that the precise engine makes.
// The library keeps its state per thread, so each call first makes sure its
// thread reads the ephemeris folder it names.
#pragma once

#include <string>

namespace kairotex::swiss {

// The library's body numbers.
enum Body : int {
  kSun = 0,
  kMoon = 1,
  kMercury = 2,
  kPluto = 9,
  kMeanNode = 10,
  kTrueNode = 11,
  kEarth = 14,
  kChiron = 15,
};

struct Place {
  double lon = 0, lat = 0;  // degrees
};

// The apparent geocentric place of date of a body at a Julian date of
// universal time, or its heliocentric place. False, with the library's
// reason, when the files do not serve the date (the library would otherwise
// fall back to a lesser theory of its own).
bool PlaceAt(const std::string& folder, int body, double jd_ut, bool heliocentric, Place& place,
             std::string& why);

// Apparent sidereal time at Greenwich, the true obliquity and the nutation
// in longitude, degrees.
struct Frame {
  double sidereal_deg = 0, true_obliquity_deg = 0, nutation_lon_deg = 0;
};
Frame FrameAt(const std::string& folder, double jd_ut);

// The dates (Julian, universal time) that the opened files of the planets,
// the Moon and the asteroids all cover; false when one of them cannot be read.
bool CoveredDates(const std::string& folder, double& first, double& last, std::string& why);

}  // namespace kairotex::swiss
