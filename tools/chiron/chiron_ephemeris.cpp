#include "chiron/chiron_ephemeris.h"

#include <swephexp.h>

#include <stdexcept>

namespace kairotex::tools {

namespace {

// One call of the library; insists that the ephemeris file itself answered,
// because Chiron has no analytical fallback and a silent fallback would be wrong.
double CalcCoordinate(double jd_ut, int32 flags, int index) {
  double xx[6] = {};
  char serr[AS_MAXCH] = {};
  const int32 used = swe_calc_ut(jd_ut, SE_CHIRON, flags | SEFLG_SWIEPH, xx, serr);
  if (used < 0 || (used & SEFLG_SWIEPH) == 0) {
    throw std::runtime_error("Chiron at JD " + std::to_string(jd_ut) + ": " +
                             (serr[0] ? serr : "ephemeris file not used"));
  }
  return xx[index];
}

}  // namespace

ChironEphemeris::ChironEphemeris(const std::string& ephe_dir) {
  swe_set_ephe_path(ephe_dir.c_str());
}

ChironEphemeris::~ChironEphemeris() {
  swe_close();
}

ChironPosition ChironEphemeris::At(double jd_ut) const {
  ChironPosition p;
  p.geo_lon = CalcCoordinate(jd_ut, 0, 0);
  p.geo_decl = CalcCoordinate(jd_ut, SEFLG_EQUATORIAL, 1);
  // Geometric and without nutation, like the heliocentric longitudes of the
  // program's planet theories.
  p.helio_lon = CalcCoordinate(jd_ut, SEFLG_HELCTR | SEFLG_TRUEPOS | SEFLG_NONUT, 0);
  return p;
}

}  // namespace kairotex::tools
