// Where a chart's positions come from: the program's own theories (the
// default) or a precise ephemeris beside them. The driver asks the ephemeris
// for the sky of the chart's moment and fills the same chart state either way.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "chart/chart_state.h"
#include "chart/ephemeris_kind.h"

namespace kairotex {

struct KnownBodies;

// "program" or "swiss", as the command line and the JSON output name them.
std::string_view EphemerisName(EphemerisKind kind);
std::optional<EphemerisKind> EphemerisNamed(std::string_view name);

// Sidereal time at Greenwich, the obliquity of the ecliptic from which the
// angles and cusps are cast, and the nutation in longitude that the
// ayanamsa carries; degrees.
struct SiderealFrame {
  double greenwich_sidereal_deg = 0;
  double obliquity_deg = 0;
  double nutation_lon_deg = 0;
};

class Ephemeris {
 public:
  virtual ~Ephemeris() = default;
  virtual EphemerisKind Kind() const = 0;
  // Whether the ephemeris serves the chart of this moment (a Julian date of
  // universal time) and its next day; when not, why, in the program's words.
  virtual bool Covers(double julian_date_ut, std::string& why) const = 0;
  // The frame of the moment; the state holds its JulianDate and CenturiesT.
  virtual SiderealFrame FrameAt(const ChartState& state) const = 0;
  // Fills ObjectPos[1..15], ObjectLat, HelioLonWork, ObjectLonNextDay[1..10],
  // DeclWork[1..10], RetroFlags, TrueNode (only while it holds -100),
  // SvpOffset and AyanamsaOffset; the frame and the cusps are in the state.
  // False, with the reason, when the ephemeris fails.
  virtual bool FillBodies(ChartState& state, const KnownBodies& known, std::string& why) const = 0;
  // Chiron's place, declination, heliocentric longitude, next day and
  // retrograde mark, and ChironAvailable.
  virtual void FillChiron(ChartState& state) const = 0;
};

}  // namespace kairotex
