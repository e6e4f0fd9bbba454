#include "chart/time_angles.h"

#include <cmath>

#include "chart/angles.h"
#include "chart/planets.h"

namespace kairotex {
namespace {

constexpr double kFirstGregorianJulianCount = 2299171.0;

// The mean sidereal time at Greenwich, degrees, for the day fraction of
// universal time and centuries from 1900 January 0.5.
double MeanGreenwichSiderealTime(double day_fraction, double t1900) {
  const double T = t1900;
  const double s0 = (23925.836 + 8640184.54 * T + 0.0929 * T * T) / 3600.0;
  const double turns = (day_fraction * 24.0 + s0) / 24.0;
  return 360.0 * (turns - std::floor(turns));
}

}  // namespace

double JulianDayNumberOfDate(int year, int month, int day) {
  const double m = (year + 4800.0) * 12.0 + month - 3.0;
  double jdn = std::floor((2.0 * (m - 12.0 * std::floor(m / 12.0)) + 7.0 + 365.0 * m) / 12.0) +
               day + std::floor(m / 48.0) - 32083.0;
  // 1582 October 15 (2299171 in the Julian count) is the first Gregorian day.
  if (jdn >= kFirstGregorianJulianCount) {
    jdn += std::floor(m / 4800.0) - std::floor(m / 1200.0) + 38.0;
  }
  return jdn;
}

double MeanObliquity(double t) {
  return 23.4522944 - 0.0130125 * t - 1.639e-6 * t * t + 5.03e-7 * t * t * t;
}

double MidheavenFromRamc(double ramc, double obliquity_rad) {
  return RadToDeg(RectToPolar(std::cos(ramc) * std::cos(obliquity_rad), std::sin(ramc)).angle);
}

double AscendantFromRamc(double ramc, double obliquity_rad, double latitude_rad) {
  // Zenith turned from the equator into the ecliptic frame; the ecliptic
  // longitude of that direction is the nonagesimal, 90 degrees before the Ascendant.
  const double cos_lat = std::cos(latitude_rad);
  const Polar yz = RectToPolar(cos_lat * std::sin(ramc), std::sin(latitude_rad));
  const RectXY turned = PolarToRect(yz.angle - obliquity_rad, yz.radius);
  const double nonagesimal = RectToPolar(cos_lat * std::cos(ramc), turned.x).angle;
  return Normalize360(RadToDeg(nonagesimal) + 90.0);
}

double ChartLatitudeRadians(const ChartState& state) {
  const double lat = state.ChartLatitude;
  const double sign = lat < 0 ? -1.0 : 1.0;
  return DegToRad(sign * DegMinToDecimal(std::fabs(lat)));
}

ChartClock ChartClockOf(float time_hmm, int second, bool pm, float zone, int year, int month,
                        int day) {
  ChartClock clock;
  double t = time_hmm;
  if (std::floor(t) == 12.0) t -= 12.0;
  clock.day_fraction = (DegMinToDecimal(t) + second / 3600.0 + zone) / 24.0;
  if (pm) clock.day_fraction += 0.5;
  clock.julian_day_number = JulianDayNumberOfDate(year, month, day);
  return clock;
}

double CenturiesFrom(double epoch, const ChartClock& clock) {
  return (clock.julian_day_number - epoch + clock.day_fraction - 0.5) / 36525.0;
}

void ComputeChartMoment(ChartState& s) {
  const ChartClock clock = ChartClockOf(s.ChartTimeHMM, s.ChartSecond, s.AmPm == "P.M.",
                                        s.ChartZone, s.ChartYear, s.ChartMonth, s.ChartDay);
  s.DayFraction = clock.day_fraction;
  s.JulianDayNumber = clock.julian_day_number;
  s.JulianDate = s.JulianDayNumber + s.DayFraction - 0.5;
  s.CenturiesT = CenturiesFrom(2415020.0, clock);
}

void ApplySiderealFrame(ChartState& s, const SiderealFrame& frame) {
  const double latitude = ChartLatitudeRadians(s);
  const double lon = s.ChartLongitude;
  const double lon_deg = (lon < 0 ? -1.0 : 1.0) * DegMinToDecimal(std::fabs(lon));
  s.Ramc = DegToRad(Normalize360(frame.greenwich_sidereal_deg - lon_deg));

  s.NutationLon = frame.nutation_lon_deg;
  s.ObliquityDeg = frame.obliquity_deg;
  const double eps = DegToRad(s.ObliquityDeg);
  s.McLon = MidheavenFromRamc(s.Ramc, eps);
  s.NegObliquityRad = -eps;
  s.AscLon = AscendantFromRamc(s.Ramc, eps, latitude);

  double sidereal = RadToDeg(s.Ramc);
  if (latitude < 0) sidereal = Normalize360(sidereal + 180.0);
  const double h = sidereal / 15.0;
  const double hours = std::floor(h);
  const double minutes = std::floor((h - hours) * 60.0);
  s.SiderealHours = static_cast<int>(hours);
  s.SiderealMinutes = static_cast<int>(minutes);
  s.SiderealSeconds = static_cast<int>(std::floor(((h - hours) * 60.0 - minutes) * 60.0));
}

SiderealFrame ProgramFrameOf(const ChartState& s) {
  return {MeanGreenwichSiderealTime(s.DayFraction, s.CenturiesT), MeanObliquity(s.CenturiesT),
          NutationInLongitude(s.CenturiesT)};
}

void ComputeTimeAndAngles(ChartState& s) {
  ComputeChartMoment(s);
  ApplySiderealFrame(s, ProgramFrameOf(s));
}

}  // namespace kairotex
