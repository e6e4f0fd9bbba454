#include "elect/condition_eval.h"

#include <algorithm>
#include <cmath>

#include "chart/angles.h"
#include "elect/sky_facts.h"
#include "reports/essential_dignities.h"

namespace kairotex {
namespace {

using K = ConditionKind;

constexpr int kAscendantCuspIndex = 4;

struct Extent {
  double start, end;  // longitudes, start inclusive
};
// 15 Libra-15 Scorpio; 19 Libra-3 Scorpio; Libra and Scorpio whole.
constexpr Extent kViaCombustaExtents[] = {{195, 225}, {199, 213}, {180, 240}};

bool InSet(uint32_t set, int index) {
  return index >= 0 && index < 32 && (set >> index) & 1u;
}

bool Angular(int house) {
  return house == 1 || house == 4 || house == 7 || house == 10;
}
bool Cadent(int house) {
  return house == 3 || house == 6 || house == 9 || house == 12;
}

template <typename List, typename Item>
bool Contains(const List& list, Item item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

ConditionResult MoonNotVoid(const ConditionSetting& s, ChartFacts& f) {
  const MoonSignAspects& by_sign = f.MoonBySign();
  ConditionResult r;
  r.value = static_cast<double>(by_sign.to.size());
  if (!by_sign.to.empty()) r.object = by_sign.to.front().object;
  const int sign = SplitLongitude(f.chart().ObjectLon[kMoon]).sign;
  r.pass = !by_sign.void_of_course || (s.parameter.choice == 1 && LillyVoidExceptionSign(sign));
  return r;
}

ConditionResult MoonAppliesToBenefic(const ConditionSetting& s, ChartFacts& f) {
  const MoonSignAspects& by_sign = f.MoonBySign();
  ConditionResult r;
  if (by_sign.to.empty()) return r;
  const SignAspectEntry& next = by_sign.to.front();
  r.object = next.object;
  r.value = next.signs_apart;
  const bool good_aspect =
      next.word == "CONJUNCT " || next.word == "SEXTILE " || next.word == "TRINE ";
  r.pass = good_aspect && InSet(s.parameter.set, next.object);
  return r;
}

ConditionResult MoonFreeOfMalefics(ChartFacts& f) {
  ConditionResult r;
  for (const OrbAspect& a : f.AspectsWithinOrb()) {
    const bool moon_pair = a.faster == kMoon || a.slower == kMoon;
    const int other = a.faster == kMoon ? a.slower : a.faster;
    const bool hard = a.code == 2 || a.code == 4 || a.code == 6;
    if (moon_pair && hard && (other == kMars || other == kSaturn)) {
      r.value += 1;
      if (!r.object) r.object = other;
    }
  }
  if (Contains(f.Besieged(), kMoon)) r.value += 1;
  r.pass = r.value == 0;
  return r;
}

ConditionResult AscendantEarlyOrLate(ChartFacts& f) {
  const std::vector<Stricture>& held = f.Strictures();
  ConditionResult r;
  r.value = std::fmod(f.chart().CuspComputed[kAscendantCuspIndex], 30.0);
  r.pass =
      !Contains(held, Stricture::kAscendantEarly) && !Contains(held, Stricture::kAscendantLate);
  return r;
}

ConditionResult AngularCount(ChartFacts& f, int a, int b, bool want_angular) {
  ConditionResult r;
  for (int planet : {a, b}) {
    if (Angular(f.HouseOf(planet))) {
      r.value += 1;
      if (!r.object) r.object = planet;
    }
  }
  r.pass = want_angular ? r.value > 0 : r.value == 0;
  return r;
}

ConditionResult NotRetrogradeOrStationary(ChartFacts& f, int planet) {
  ConditionResult r;
  r.object = planet;
  r.value = f.chart().ObjectDailyMotion[planet];
  r.pass = !f.Retrograde(planet) && !f.Stationary(planet);
  return r;
}

int FirstInSet(uint32_t set) {
  for (int i = 1; i < 32; ++i) {
    if (InSet(set, i)) return i;
  }
  return 0;
}

}  // namespace

int AscendantRuler(const ChartState& chart) {
  return DomicileRuler(SplitLongitude(chart.CuspComputed[kAscendantCuspIndex]).sign);
}

ConditionResult EvaluateCondition(const ConditionSetting& s, ChartFacts& f) {
  const ChartState& chart = f.chart();
  const double moon = chart.ObjectLon[kMoon];
  const double sun = chart.ObjectLon[kSun];
  const double orb = s.parameter.number;
  ConditionResult r;
  switch (s.kind) {
    case K::kMoonNotVoid:
      return MoonNotVoid(s, f);
    case K::kMoonNotViaCombusta: {
      const Extent& e = kViaCombustaExtents[std::clamp(s.parameter.choice, 0, 2)];
      r.value = moon;
      r.pass = !(moon >= e.start && moon < e.end);
      return r;
    }
    case K::kMoonNotUnderBeams:
      r.value = ShorterArc(moon, sun);
      r.pass = r.value > orb;
      return r;
    case K::kMoonNotOppositeSun:
      r.value = ShorterArc(moon, sun);
      r.pass = 180.0 - r.value > orb;
      return r;
    case K::kMoonWaxing:
      r.value = MoonElongation(chart);
      r.pass = r.value > 0 && r.value < 180.0;
      return r;
    case K::kMoonFast:
      r.value = std::fabs(chart.ObjectDailyMotion[kMoon]);
      r.pass = r.value > orb;
      return r;
    case K::kMoonFreeOfMalefics:
      return MoonFreeOfMalefics(f);
    case K::kMoonFarFromNodes:
      r.value = MoonNodeDistance(chart);
      r.pass = r.value > orb;
      return r;
    case K::kMoonNotCadent:
      r.value = f.HouseOf(kMoon);
      r.pass = !Cadent(f.HouseOf(kMoon));
      return r;
    case K::kMoonAppliesToBenefic:
      return MoonAppliesToBenefic(s, f);
    case K::kAscendantNotEarlyOrLate:
      return AscendantEarlyOrLate(f);
    case K::kAscendantInSigns: {
      const int sign = SplitLongitude(chart.CuspComputed[kAscendantCuspIndex]).sign;
      r.value = sign;
      r.pass = InSet(s.parameter.set, sign);
      return r;
    }
    case K::kAscRulerDignified:
      r.object = AscendantRuler(chart);
      r.value = f.Basics().strength.Total(r.object);
      r.pass = r.value >= orb;
      return r;
    case K::kAscRulerAngularOrSuccedent:
      r.object = AscendantRuler(chart);
      r.value = f.HouseOf(r.object);
      r.pass = r.value != 0 && !Cadent(f.HouseOf(r.object));
      return r;
    case K::kAscRulerDirect:
      r.object = AscendantRuler(chart);
      r.value = chart.ObjectDailyMotion[r.object];
      r.pass = !f.Retrograde(r.object);
      return r;
    case K::kAscRulerNotCombust:
      r.object = AscendantRuler(chart);
      r.value = ShorterArc(chart.ObjectLon[r.object], sun);
      r.pass = !Contains(f.SunDistance().combust, r.object);
      return r;
    case K::kAscRulerNotInEvilHouse: {
      r.object = AscendantRuler(chart);
      const int house = f.HouseOf(r.object);
      r.value = house;
      r.pass = house != 6 && house != 8 && house != 12;
      return r;
    }
    case K::kBeneficsAngular:
      return AngularCount(f, kVenus, kJupiter, true);
    case K::kMaleficsNotAngular:
      return AngularCount(f, kMars, kSaturn, false);
    case K::kSignificatorDirect:
      return NotRetrogradeOrStationary(f, FirstInSet(s.parameter.set));
    case K::kNoStricture:
      r.value = static_cast<double>(f.Strictures().size());
      r.pass = f.Strictures().empty();
      return r;
    case K::kPlanetaryHour: {
      const PlanetaryHour hour = PlanetaryHourOf(chart, f.options());
      r.object = hour.ruler;
      r.value = hour.hour;
      r.pass = InSet(s.parameter.set, hour.ruler);
      return r;
    }
  }
  return r;
}

}  // namespace kairotex
