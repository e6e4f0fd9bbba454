#include "reports/horary_motion.h"

#include <cmath>

#include "reports/horary_planet_tables.h"

namespace kairotex {
namespace {

constexpr int kOrientationPoints = 2;

double MeanMotionOf(int object) {
  for (const auto& mean : horary::kMeanMotions) {
    if (mean.object == object) return mean.degrees_per_day;
  }
  return 0.0;
}

}  // namespace

std::string_view SpeedWordText(SpeedWord word) {
  switch (word) {
    case SpeedWord::kAverage:
      return "AVG.";
    case SpeedWord::kFast:
      return "FAST";
    case SpeedWord::kSlow:
      return "SLOW";
    case SpeedWord::kStationary:
      return "stat";
  }
  return "";
}

SpeedWord SpeedOf(int object, double daily_motion) {
  const double speed = std::fabs(daily_motion);
  if (speed < horary::kStationaryMotion) return SpeedWord::kStationary;
  const double mean = MeanMotionOf(object);
  if (speed > mean) return SpeedWord::kFast;
  if (speed < mean) return SpeedWord::kSlow;
  return SpeedWord::kAverage;
}

MotionRate RateOf(double daily_motion) {
  const double speed = std::fabs(daily_motion);
  const double whole = std::floor(speed);
  MotionRate rate{static_cast<int>(whole),
                  static_cast<int>(std::floor((speed - whole) * 60.0 + 0.5))};
  // Minutes that round up to a whole degree carry into it: 0.9999 is 1d 00m, not 0d 60m.
  if (rate.minutes == 60) rate = {rate.degrees + 1, 0};
  return rate;
}

Orientation OrientationOf(double sun_lon, double lon) {
  double ahead = sun_lon - lon;
  if (ahead < 0) ahead += 360.0;
  return ahead > 180.0 ? Orientation::kOccidental : Orientation::kOriental;
}

int OrientationPoints(int object, Orientation orientation) {
  const int occidental_gain =
      orientation == Orientation::kOccidental ? kOrientationPoints : -kOrientationPoints;
  switch (object) {
    case kMercury:
    case kVenus:
    case kMoon:
      return occidental_gain;
    case kMars:
    case kJupiter:
    case kSaturn:
      return -occidental_gain;
    default:
      return 0;
  }
}

}  // namespace kairotex
