// Chiron by linear interpolation in its daily tables (records at 12h UT).
#include <cmath>

#include "chart/angles.h"
#include "chart/data_files.h"

namespace kairotex {
namespace {

// Brings b next to a across 0 Aries, so that the pair interpolates the short way.
double UnwrapNext(double a, double b) {
  if (a > 340.0 && b < 20.0) return b + 360.0;
  if (a < 20.0 && b > 340.0) return b - 360.0;
  return b;
}

}  // namespace

void ComputeChironFromTables(ChartState& s, const DataTables& t, double jd) {
  const double day = std::trunc(jd);
  // The next-day value needs records i + 1 and i + 2, so the last whole day
  // that the tables serve is the one before the last record but one.
  const double last_day = kChironFirstDay + kChironRecords - 3;
  const bool loaded = t.ChironGeoLon.size() >= kChironRecords &&
                      t.ChironDecl.size() >= kChironRecords &&
                      t.ChironHelioLon.size() >= kChironRecords;
  s.ChironAvailable = loaded && day >= kChironFirstDay && day <= last_day;
  if (!s.ChironAvailable) {
    // The zeros stay for old readers; the flag keeps them out of every result.
    s.ObjectPos[kChiron] = 0;
    s.DeclWork[kChiron] = 0;
    s.HelioLonWork[kChiron] = 0;
    return;
  }
  const size_t i = static_cast<size_t>(day - kChironFirstDay);
  const double f = jd - day;
  const double g0 = t.ChironGeoLon[i], g1 = t.ChironGeoLon[i + 1], g2 = t.ChironGeoLon[i + 2];
  const double h0 = t.ChironHelioLon[i], h1 = t.ChironHelioLon[i + 1];

  const double g1u = UnwrapNext(g0, g1);
  s.ObjectPos[kChiron] = Normalize360(g0 + (g1u - g0) * f);
  s.DeclWork[kChiron] = t.ChironDecl[i] + (t.ChironDecl[i + 1] - t.ChironDecl[i]) * f;
  s.HelioLonWork[kChiron] = Normalize360(h0 + (UnwrapNext(h0, h1) - h0) * f);

  const double step = g1 - g0;  // the tables' own values, not unwrapped
  if ((step > -10.0 && step < 0.0) || step > 350.0) s.RetroFlags[kChiron - 1] = 'R';

  s.ObjectLonNextDay[kChiron] = Normalize360(g1 + (UnwrapNext(g1, g2) - g1) * f);
}

}  // namespace kairotex
