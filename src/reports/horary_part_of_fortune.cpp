#include "reports/horary_part_of_fortune.h"

#include "chart/angles.h"
#include "reports/essential_dignities.h"
#include "reports/fixed_stars.h"
#include "reports/fixed_stars_table.h"
#include "reports/horary_houses.h"
#include "reports/horary_planet_tables.h"

namespace kairotex {
namespace {

constexpr int kFortuneHousesOption = 33;  // not 0: the 5 degree rule for its house

bool SeparationHolds(const FortuneSeparationRule& rule, double separation) {
  switch (rule.test) {
    case SeparationTest::kBelow:
      return separation < rule.high;
    case SeparationTest::kBetween:
      return separation >= rule.low && separation <= rule.high;
    case SeparationTest::kAbove:
      return separation > rule.low;
  }
  return false;
}

class FortuneTally {
 public:
  explicit FortuneTally(PartOfFortuneScore& out) : out_(out) {}
  void Add(bool holds, FortuneCondition condition, int points) {
    if (!holds || points == 0) return;
    out_.score += points;
    out_.contributions.push_back({condition, points});
  }

 private:
  PartOfFortuneScore& out_;
};

}  // namespace

PartOfFortuneScore ScorePartOfFortune(const ChartState& chart, const OptionsTable& options) {
  const double fortune = chart.ObjectLon[kPartOfFortune];
  const int sign = SignOfLongitude(fortune);
  PartOfFortuneScore result;
  FortuneTally tally(result);

  // The term column comes first in its row, before the rest of the score.
  const int term_ruler = TermRuler(fortune);
  tally.Add(term_ruler == kMars || term_ruler == kSaturn, FortuneCondition::kMaleficTerm,
            kFortuneMaleficTermPoints);

  const bool virgo_outside_band =
      sign == kVirgo && !(fortune >= kFortuneVirgoFrom && fortune < kFortuneVirgoTo);
  tally.Add(!virgo_outside_band, FortuneCondition::kSign, kFortuneSignPoints[sign - 1]);

  result.house = HouseWithFiveDegreeRule(HouseOfObject(chart, kPartOfFortune), fortune,
                                         chart.CuspComputed, options[kFortuneHousesOption] != 0);
  tally.Add(true, FortuneCondition::kHouse, horary::kFortuneHousePoints[result.house]);

  tally.Add(ConjunctFixedStar(kAlgolIndex, fortune, options), FortuneCondition::kAlgol,
            kFortuneAlgolPoints);
  for (const FortuneSeparationRule& rule : kFortuneSeparationRules) {
    const double separation = ShorterArc(fortune, chart.ObjectLon[rule.object]);
    tally.Add(SeparationHolds(rule, separation), rule.condition, rule.points);
  }
  tally.Add(ConjunctFixedStar(kRegulusIndex, fortune, options), FortuneCondition::kRegulus,
            kFixedStars[kRegulusIndex].points);
  tally.Add(ConjunctFixedStar(kSpicaIndex, fortune, options), FortuneCondition::kSpica,
            kFixedStars[kSpicaIndex].points);
  return result;
}

}  // namespace kairotex
