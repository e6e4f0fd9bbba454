#include "elect/chart_facts.h"

#include "reports/horary_houses.h"
#include "reports/horary_motion.h"
#include "reports/horary_placements.h"

namespace kairotex {
namespace {

constexpr int kHousesOption = 46;  // not 0: the 5 degree rule for the planets' houses

}  // namespace

const HoraryBasicsFacts& ChartFacts::Basics() {
  if (!have_basics_) {
    basics_ = ComputeHoraryBasics(chart_, options_);
    have_basics_ = true;
  }
  return basics_;
}

const MoonSignAspects& ChartFacts::MoonBySign() {
  if (!have_by_sign_) {
    by_sign_ = ComputeMoonSignAspects(chart_);
    have_by_sign_ = true;
  }
  return by_sign_;
}

const std::vector<OrbAspect>& ChartFacts::AspectsWithinOrb() {
  if (!have_within_orb_) {
    within_orb_ = ComputeAspectsWithinOrb(chart_, options_);
    have_within_orb_ = true;
  }
  return within_orb_;
}

const std::vector<Stricture>& ChartFacts::Strictures() {
  if (!have_strictures_) {
    strictures_ = have_basics_ ? basics_.strictures : ComputeStrictures(chart_);
    have_strictures_ = true;
  }
  return strictures_;
}

const SunDistanceConditions& ChartFacts::SunDistance() {
  if (!have_sun_distance_) {
    sun_distance_ = have_basics_ ? basics_.conditions.sun_distance
                                 : FindSunDistanceConditions(chart_, options_);
    have_sun_distance_ = true;
  }
  return sun_distance_;
}

const std::vector<int>& ChartFacts::Besieged() {
  if (!have_besieged_) {
    besieged_ = have_basics_ ? basics_.conditions.besieged : FindBesieged(chart_);
    have_besieged_ = true;
  }
  return besieged_;
}

int ChartFacts::HouseOf(int object) const {
  return HouseWithFiveDegreeRule(HouseOfObject(chart_, object), chart_.ObjectLon[object],
                                 chart_.CuspComputed, options_[kHousesOption] != 0);
}

bool ChartFacts::Retrograde(int object) const {
  return chart_.RetroFlags.at(object - 1) == 'R';
}

bool ChartFacts::Stationary(int object) const {
  return SpeedOf(object, chart_.ObjectDailyMotion[object]) == SpeedWord::kStationary;
}

}  // namespace kairotex
