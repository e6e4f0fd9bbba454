// The report facts of one chart that the conditions read, each computed the
// first time a condition asks for it and then shared by the others, so that a
// scan pays only for the facts its conditions need.
#pragma once

#include <vector>

#include "chart/chart_state.h"
#include "reports/horary_basics.h"
#include "reports/horary_strictures.h"
#include "reports/horary_sun_distance.h"
#include "reports/moon_orb_aspects.h"
#include "reports/moon_sign_aspects.h"
#include "settings/options.h"

namespace kairotex {

class ChartFacts {
 public:
  ChartFacts(const ChartState& chart, const OptionsTable& options)
      : chart_(chart), options_(options) {}
  ChartFacts(const ChartFacts&) = delete;
  ChartFacts& operator=(const ChartFacts&) = delete;

  const ChartState& chart() const { return chart_; }
  const OptionsTable& options() const { return options_; }

  const HoraryBasicsFacts& Basics();
  const MoonSignAspects& MoonBySign();
  const std::vector<OrbAspect>& AspectsWithinOrb();
  const std::vector<Stricture>& Strictures();
  const SunDistanceConditions& SunDistance();
  const std::vector<int>& Besieged();

  // The house an object counts in, as the dignity table counts it (with the
  // 5 degree rule when option 46 is set).
  int HouseOf(int object) const;
  bool Retrograde(int object) const;
  bool Stationary(int object) const;

 private:
  const ChartState& chart_;
  const OptionsTable& options_;
  HoraryBasicsFacts basics_;
  MoonSignAspects by_sign_;
  std::vector<OrbAspect> within_orb_;
  std::vector<Stricture> strictures_;
  SunDistanceConditions sun_distance_;
  std::vector<int> besieged_;
  bool have_basics_ = false, have_by_sign_ = false, have_within_orb_ = false,
       have_strictures_ = false, have_sun_distance_ = false, have_besieged_ = false;
};

}  // namespace kairotex
