// The text of the horary basics report: the dignity rows, the condition
// lines, the closing strengths, and one whole report of a hand-built chart.
#include "reports/horary_basics_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "horary_test_chart.h"
#include "reports/fixed_stars_table.h"
#include "reports/horary_basics.h"
#include "written_lines.h"

namespace kairotex {
namespace {

using test::HoraryTestChart;
using Lines = std::vector<std::string>;

TEST(HoraryBasicsText, DignityRows) {
  // A day chart: the Sun at 190 in the 7th house of equal houses from 0 Aries.
  const struct {
    int object;
    double lon;
    double motion;
    bool retrograde;
    const char* text;
  } cases[] = {
      {kMars, 65.0, -0.008, true,
       "  MARS      MERCURY    ---      SATURN    MERCURY   JUPITER   stat R     0d 00m         "},
      {kSaturn, 300.0, 0.033697, false,
       "  SATURN    SATURN     ---      SATURN    SATURN    VENUS     AVG.       0d 02m         "},
  };
  for (const auto& c : cases) {
    HoraryTestChart t(0.0);
    t.Put(kSun, 190.0).Put(c.object, c.lon, c.motion);
    if (c.retrograde) t.Retrograde(c.object);
    const DignityRow row = ComputeDignityRow(t.chart, t.options, c.object, IsNightChart(t.chart));
    EXPECT_EQ(DignityRowText(row, t.chart, 0), c.text) << c.object << " " << c.lon;
  }
}

TEST(HoraryBasicsText, PartOfFortuneRowEndsWithItsScore) {
  HoraryTestChart t(0.0);
  t.Put(kSun, 190.0).Put(kPartOfFortune, 35.0);
  const DignityRow row = ComputeDignityRow(t.chart, t.options, kPartOfFortune, false);
  EXPECT_EQ(DignityRowText(row, t.chart, -3),
            "  PART F.   VENUS     MOON      VENUS     VENUS     MERCURY   Strength  = -3");
}

TEST(HoraryBasicsText, DebilityLinesAreAlwaysWrittenOthersOnlyWithEntries) {
  EXPECT_EQ(ConditionLines({}), (Lines{"", "  Peregrine - ", "  Detriment - ", "  Fall - ", ""}));
}

TEST(HoraryBasicsText, ConditionEntries) {
  HoraryConditions c;
  c.peregrine = {kMercury, kMoon};
  c.receptions.by_sign = {{kSun, kMars}, {kVenus, kMoon}};
  c.receptions.mixed = {{kVenus, kMars}};
  c.sun_distance.cazimi = {kMercury};
  c.sun_distance.free_of_sun_beams = {kMars};  // scored, never listed
  c.besieged = {kPartOfFortune};
  c.fateful_degree = {kMidheaven, kChiron};
  c.fixed_stars = {{kMoon, 1}, {kAscendant, kSpicaIndex}};
  EXPECT_EQ(ConditionLines(c), (Lines{
                                   "",
                                   "  Peregrine - MERCURY MOON ",
                                   "  Detriment - ",
                                   "  Fall - ",
                                   "  Mutual Reception (by sign) - SUN-MARS   VENUS-MOON   ",
                                   "  Mixed Reception (sign/exaltation) - VENUS-MARS   ",
                                   "",
                                   "  Cazimi - MERCURY ",
                                   "  Fateful Degree - MC  CHIRON  ",
                                   "  Besieged Planets - PART F. ",
                                   "  Fixed Stars - MOON - ALCYONE   ASC - SPICA   ",
                               }));
}

// Equal houses from 15 Aries; a day chart with the Sun in the 8th house.
HoraryTestChart WholeChart() {
  HoraryTestChart t(15.0);
  t.Put(kSun, 250.0, 1.01).Put(kMercury, 262.0, -0.5).Retrograde(kMercury);
  t.Put(kVenus, 280.0, 1.2).Put(kMars, 10.0, 0.6).Put(kJupiter, 95.0, 0.2);
  t.Put(kSaturn, 300.5, 0.03).Put(kUranus, 30.0).Put(kNeptune, 300.0).Put(kPluto, 240.0);
  t.Put(kMoon, 130.0, 13.5).Put(kNorthNode, 70.3).Put(kSouthNode, 250.3);
  t.Put(kPartOfFortune, 255.0).Put(kAscendant, 15.0).Put(kMidheaven, 285.0).Put(kChiron, 200.0);
  t.Option(32, 8.5f).Option(44, 1.5f);
  for (int planet : {kSun, kMercury, kVenus, kMars, kJupiter, kSaturn, kMoon}) t.Orb(planet, 5.0f);
  return t;
}

const Lines kWholeReport = {
    "",
    "  STRICTURES and WARNINGS - ",
    "",
    "  Planet    Sign      Exlt.     Trip.     Term      Face      Speed      Rate",
    "  ------    ----      -----     -----     ----      ----      -----      ----",
    "  SUN       JUPITER    ---      SUN       VENUS     MOON      FAST       1d 01m         ",
    "  MERCURY   JUPITER    ---      SUN       SATURN    SATURN    SLOW R     0d 30m         ",
    "  VENUS     SATURN    MARS      VENUS     MERCURY   MARS      FAST       1d 12m         ",
    "  MARS      MARS      SUN       SUN       VENUS     SUN       FAST       0d 36m         ",
    "  JUPITER   MOON      JUPITER   MARS      MARS      VENUS     FAST       0d 12m         ",
    "  SATURN    SATURN     ---      SATURN    SATURN    VENUS     SLOW       0d 02m         ",
    "  MOON      SUN        ---      SUN       MERCURY   JUPITER   FAST      13d 30m         ",
    "  PART F.   JUPITER    ---      SUN       MERCURY   MOON      Strength  =  1",
    "",
    "  Peregrine - MERCURY MOON ",
    "  Detriment - MERCURY ",
    "  Fall - ",
    "",
    "  Under Sun's Beam - MERCURY ",
    "  Fateful Degree - SUN VENUS MARS MOON ",
    "  Fixed Stars - SUN - ANTARES   MC  - VEGA   ",
    "",
    "  Planets' Strengths:",
    "  SUN: -1",
    "  MERCURY: -15",
    "  VENUS:  15",
    "  MARS:  9",
    "  JUPITER:  18",
    "  SATURN:  20",
    "  MOON:  4",
};

TEST(HoraryBasicsText, WholeReportOfAHandBuiltChart) {
  const HoraryTestChart t = WholeChart();
  const HoraryBasicsFacts facts = ComputeHoraryBasics(t.chart, t.options);
  EXPECT_EQ(HoraryBasicsLines(facts, t.chart), kWholeReport);
  EXPECT_EQ(test::WrittenLines(WriteHoraryBasics, t.chart, t.options), kWholeReport);
  // Scored without a line of their own: the Sun conjunct the South Node,
  // Venus square Mars, and the outer planets at Saturn's degree.
  EXPECT_EQ(facts.aspect_points.size(), 4u);
  EXPECT_EQ(facts.strength.Total(kNeptune), -5);
  EXPECT_EQ(facts.part_of_fortune.score, 1);
}

}  // namespace
}  // namespace kairotex
