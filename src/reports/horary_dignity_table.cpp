#include "reports/horary_dignity_table.h"

#include "reports/essential_dignities.h"
#include "reports/horary_houses.h"
#include "reports/horary_planet_tables.h"

namespace kairotex {
namespace {

constexpr int kHousesOption = 46;  // not 0: the 5 degree rule for the planets' houses
constexpr int kRetrogradePoints = -5;
constexpr int kDirectPoints = 4;
constexpr int kSpeedPoints = 2;

constexpr std::array<StrengthSource, kDignityColumnCount> kColumnSources = {
    StrengthSource::kOwnSign, StrengthSource::kOwnExaltation, StrengthSource::kOwnTriplicity,
    StrengthSource::kOwnTerm, StrengthSource::kOwnFace};

PlanetMotionFacts MotionOf(const ChartState& chart, const OptionsTable& options, int object) {
  const double lon = chart.ObjectLon[object];
  PlanetMotionFacts motion;
  motion.speed = SpeedOf(object, chart.ObjectDailyMotion[object]);
  motion.rate = RateOf(chart.ObjectDailyMotion[object]);
  motion.retrograde = chart.RetroFlags.at(object - 1) == 'R';
  motion.orientation = OrientationOf(chart.ObjectLon[kSun], lon);
  motion.house = HouseWithFiveDegreeRule(HouseOfObject(chart, object), lon, chart.CuspComputed,
                                         options[kHousesOption] != 0);
  return motion;
}

void AddMotionPoints(int object, const PlanetMotionFacts& motion, StrengthLedger& strength) {
  if (motion.retrograde) {
    strength.Add(object, kRetrogradePoints, StrengthSource::kRetrograde);
  } else {
    // The lights are never retrograde, so being direct is no merit of theirs.
    if (object != kSun && object != kMoon) {
      strength.Add(object, kDirectPoints, StrengthSource::kDirect);
    }
    if (motion.speed == SpeedWord::kFast) {
      strength.Add(object, kSpeedPoints, StrengthSource::kFast);
    } else if (motion.speed == SpeedWord::kSlow || motion.speed == SpeedWord::kStationary) {
      strength.Add(object, -kSpeedPoints, StrengthSource::kSlowOrStationary);
    }
  }
  strength.Add(object, OrientationPoints(object, motion.orientation), StrengthSource::kOrientation);
  strength.Add(object, horary::kPlanetHousePoints[motion.house], StrengthSource::kHouse);
}

}  // namespace

bool IsNightChart(const ChartState& chart) {
  return HouseOfObject(chart, kSun) < 7;
}

DignityRow ComputeDignityRow(const ChartState& chart, const OptionsTable& options, int object,
                             bool night) {
  const double lon = chart.ObjectLon[object];
  const int sign = SignOfLongitude(lon);
  DignityRow row;
  row.object = object;
  row.rulers = {DomicileRuler(sign), ExaltationRuler(sign), TriplicityRuler(sign, night),
                TermRuler(lon), FaceRuler(lon)};
  for (int column = 0; column < kDignityColumnCount; ++column) {
    row.own[column] = row.rulers[column] == object;
  }
  if (object != kPartOfFortune) row.motion = MotionOf(chart, options, object);
  return row;
}

std::vector<DignityRow> ComputeDignityRows(const ChartState& chart, const OptionsTable& options) {
  const bool night = IsNightChart(chart);
  std::vector<DignityRow> rows;
  for (int object : horary::kDignityRowObjects) {
    rows.push_back(ComputeDignityRow(chart, options, object, night));
  }
  return rows;
}

OwnDignityFlags OwnDignityFlagsOf(const std::vector<DignityRow>& rows) {
  OwnDignityFlags flags{};
  for (const DignityRow& row : rows) {
    if (row.object < 0 || row.object > kMoon) continue;
    for (bool own : row.own) flags[row.object] = flags[row.object] || own;
  }
  return flags;
}

void AddDignityRowPoints(const DignityRow& row, StrengthLedger& strength) {
  for (int column = 0; column < kDignityColumnCount; ++column) {
    if (row.own[column]) {
      strength.Add(row.object, kDignityColumnPoints[column], kColumnSources[column]);
    }
  }
  if (row.motion) AddMotionPoints(row.object, *row.motion, strength);
}

}  // namespace kairotex
