#include "elect/sky_facts.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "chart/angles.h"

namespace kairotex {
namespace {

constexpr double kSunriseAltitude = -0.833;  // refraction and the Sun's semi-diameter
constexpr double kUnixEpochJulianDate = 2440587.5;
constexpr std::array<int, 7> kChaldeanOrder = {kSaturn, kJupiter, kMars, kSun,
                                               kVenus,  kMercury, kMoon};
// Sunday to Saturday.
constexpr std::array<int, 7> kDayRulers = {kSun, kMoon, kMars, kMercury, kJupiter, kVenus, kSaturn};

double SignedDegrees(double degrees_minutes) {
  return (degrees_minutes < 0 ? -1.0 : 1.0) * DegMinToDecimal(std::fabs(degrees_minutes));
}

// The Sun's longitude in the tropical zodiac, whatever zodiac the chart shows.
double TropicalSunLongitude(const ChartState& chart, const OptionsTable& options) {
  const Zodiac zodiac = ZodiacOf(options);
  double shift = 0;
  if (zodiac == Zodiac::kSiderealSvp) shift = chart.SvpOffset;
  if (zodiac == Zodiac::kSiderealAyanamsa) shift = -chart.AyanamsaOffset;
  return Normalize360(chart.ObjectLon[kSun] - shift);
}

int ChaldeanIndex(int planet) {
  return static_cast<int>(std::find(kChaldeanOrder.begin(), kChaldeanOrder.end(), planet) -
                          kChaldeanOrder.begin());
}

}  // namespace

double MoonElongation(const ChartState& chart) {
  return Normalize360(chart.ObjectLon[kMoon] - chart.ObjectLon[kSun]);
}

double MoonNodeDistance(const ChartState& chart) {
  const double moon = chart.ObjectLon[kMoon];
  return std::min(ShorterArc(moon, chart.ObjectLon[kNorthNode]),
                  ShorterArc(moon, chart.ObjectLon[kSouthNode]));
}

bool LillyVoidExceptionSign(int sign) {
  return sign == 2 || sign == 4 || sign == 9 || sign == 12;
}

PlanetaryHour PlanetaryHourOf(const ChartState& chart, const OptionsTable& options) {
  const double eps = chart.ObliquityDeg;
  const double sun = TropicalSunLongitude(chart, options);
  const double ra = RadToDeg(std::atan2(CosDeg(eps) * SinDeg(sun), CosDeg(sun)));
  const double decl = RadToDeg(std::asin(SinDeg(eps) * SinDeg(sun)));
  const double lat = SignedDegrees(chart.ChartLatitude);
  const double lon_west = SignedDegrees(chart.ChartLongitude);

  // Hour angle of the Sun, -180..180, and its value at sunrise (-h0) and sunset (+h0).
  const double hour_angle = Normalize360(RadToDeg(chart.Ramc) - ra + 180.0) - 180.0;
  const double cos_h0 =
      (SinDeg(kSunriseAltitude) - SinDeg(lat) * SinDeg(decl)) / (CosDeg(lat) * CosDeg(decl));
  const double h0 = std::clamp(RadToDeg(std::acos(std::clamp(cos_h0, -1.0, 1.0))), 0.5, 179.5);

  PlanetaryHour result;
  const bool day = hour_angle >= -h0 && hour_angle < h0;
  if (day) {
    result.hour = 1 + static_cast<int>(12.0 * (hour_angle + h0) / (2.0 * h0));
  } else {
    const double since_sunset = Normalize360(hour_angle - h0);
    result.hour = 13 + static_cast<int>(12.0 * since_sunset / (360.0 - 2.0 * h0));
  }
  result.hour = std::clamp(result.hour, 1, 24);

  // The civil day whose apparent midnight lies nearest before the moment;
  // before sunrise the planetary day is still the day before.
  const double unix_seconds = (chart.JulianDate - kUnixEpochJulianDate) * 86400.0;
  const double local_mean = unix_seconds - lon_west * 240.0;
  const double apparent_since_midnight = (hour_angle + 180.0) * 240.0;
  auto day_number =
      static_cast<int64_t>(std::floor((local_mean - apparent_since_midnight) / 86400.0 + 0.5));
  if (hour_angle < -h0) --day_number;
  const int weekday = static_cast<int>(((day_number + 4) % 7 + 7) % 7);  // 1970-01-01 a Thursday
  result.day_ruler = kDayRulers[weekday];
  result.ruler = kChaldeanOrder[(ChaldeanIndex(result.day_ruler) + result.hour - 1) % 7];
  return result;
}

}  // namespace kairotex
