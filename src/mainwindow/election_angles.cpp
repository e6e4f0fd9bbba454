#include "mainwindow/election_angles.h"

#include <cmath>

#include "chart/angles.h"
#include "chart/time_angles.h"
#include "reports/arabic_parts_text.h"
#include "settings/text_formats.h"

namespace kairotex {
namespace {

constexpr int kLastStepMinute = 70;

// The chart's longitude in decimal degrees, positive west.
double LongitudeWest(const ChartState& chart) {
  const double lon = chart.ChartLongitude;
  return (lon < 0 ? -1.0 : 1.0) * DegMinToDecimal(std::fabs(lon));
}

// The step works on tropical angles; the display adds the chart's zodiac.
double ZodiacShift(const ChartState& chart) {
  return Normalize360(chart.ObjectLon[kMidheaven] - chart.McLon);
}

// The Midheaven of a RAMC in degrees: the arctangent put into the quadrant
// of the RAMC.
double MidheavenOfRamc(double ramc_deg, double obliquity_deg) {
  double mc = RadToDeg(std::atan(std::tan(DegToRad(ramc_deg)) / CosDeg(obliquity_deg)));
  if (mc < 0) mc += 180.0;
  if (ramc_deg >= 180.0) mc += 180.0;
  return Normalize360(mc);
}

}  // namespace

std::string DialogTimeText(double day_fraction, double zone) {
  return FormatMediumTime((day_fraction * 24.0 - zone) / 24.0);
}

DialogAngles ShowDialogAngles(const ChartState& chart) {
  DialogAngles a;
  a.mc = chart.McLon;
  a.asc = chart.AscLon;
  a.day_fraction = chart.DayFraction;
  a.asc_text = PrintedPosition(chart.ObjectLon[kAscendant]);
  a.mc_text = PrintedPosition(chart.ObjectLon[kMidheaven]);
  a.time_text = DialogTimeText(a.day_fraction, chart.ChartZone);
  return a;
}

int FindStepMinutes(double t, double day_fraction, double longitude_west, double obliquity_deg,
                    double new_mc, int direction) {
  double best = 360.0;
  int best_k = 0;
  const double s0 = (23925.836 + 8640184.54 * t + 0.0929 * t * t) / 3600.0;
  for (int k = 0; k <= kLastStepMinute; ++k) {
    const double hours = s0 + 24.0 * day_fraction + direction * k / 60.0;
    const double turns = hours / 24.0;
    const double sidereal = 360.0 * (turns - std::floor(turns));
    const double ramc = Normalize360(sidereal - longitude_west);
    // Measured the short way round, so that a Midheaven just past 0 Aries
    // is near one just before it.
    const double difference = ShorterArc(MidheavenOfRamc(ramc, obliquity_deg), new_mc);
    if (difference < best) {
      best = difference;
      best_k = k;
    }
  }
  return best_k;
}

void StepAngles(DialogAngles& a, const ChartState& chart, int direction) {
  a.mc = Normalize360(a.mc + direction * 15.0 / 60.0);
  const double obliquity_deg = MeanObliquity(chart.CenturiesT);
  const double eps = DegToRad(obliquity_deg);
  // tan RA = tan MC cos eps, in the quadrant of the Midheaven.
  const double ra = RectToPolar(CosDeg(a.mc), SinDeg(a.mc) * std::cos(eps)).angle;
  a.asc = AscendantFromRamc(ra, eps, ChartLatitudeRadians(chart));
  const double shift = ZodiacShift(chart);
  a.asc_text = PrintedPosition(Normalize360(a.asc + shift));
  a.mc_text = PrintedPosition(Normalize360(a.mc + shift));
  const int k = FindStepMinutes(chart.CenturiesT, a.day_fraction, LongitudeWest(chart),
                                obliquity_deg, a.mc, direction);
  a.day_fraction += direction * k / 1440.0;
  a.time_text = DialogTimeText(a.day_fraction, chart.ChartZone);
}

}  // namespace kairotex
