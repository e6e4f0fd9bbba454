// The calculation driver: order of steps, settings, chart kinds, zodiacs,
// the running clock and its checks.
#include "chart/calculate_chart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "chart/angles.h"

namespace kairotex {
namespace {

class CountingMessages : public MessageSink {
 public:
  void ShowMessage(std::string_view text, std::string_view, MessageIcon) override {
    texts.emplace_back(text);
  }
  std::vector<std::string> texts;
};

OptionsTable DefaultOptions() {
  OptionsTable o;
  o[18] = 5;   // zone
  o[19] = 73;  // 73w59
  o[20] = 59;
  o[21] = 0;
  o[22] = 40;  // 40n45
  o[23] = 45;
  o[24] = 0;
  o[27] = 1;
  o[31] = 0;
  return o;
}

class Driver : public ::testing::Test {
 protected:
  void Cast(const ChartSettings& settings = ChartSettings::ForHouseSystem('P')) {
    const ChartContext context{options, tables, elements, regional, clock, messages, "/prog"};
    CalculateChart(state, election, settings, context);
  }
  static ElectionData NewYorkEvening() {
    ElectionData e;
    e.Name = "Test";
    e.Month = 12;
    e.Day = 6;
    e.Year = 2026;
    e.Hour = 5;
    e.Minute = 30;
    e.PmFlag = 1;
    e.Zone = 5;
    e.LonDegrees = 73;
    e.LonMinutes = 59;
    e.WestFlag = 1;
    e.LatDegrees = 40;
    e.LatMinutes = 45;
    return e;
  }
  OptionsTable options = DefaultOptions();
  DataTables tables;  // no Chiron tables: Chiron stands at 0
  OrbitalElements elements = InitOrbitalElements();
  RegionalFormat regional;
  FixedClock clock{LocalDateTime{2026, 12, 6, 13, 5, 0}, 5};
  CountingMessages messages;
  ElectionData election = NewYorkEvening();
  ChartState state;
};

TEST(HouseChecks, FirstCheckedItemWinsAndNoneIsPlacidus) {
  ChartSettings settings;
  settings.HouseChecks.fill(false);
  EXPECT_EQ(HouseSystemLetterOf(settings), 'P');
  settings.HouseChecks[7] = true;  // Morinus
  settings.HouseChecks[2] = true;  // Koch
  EXPECT_EQ(HouseSystemLetterOf(settings), 'K');
  EXPECT_EQ(HouseSystemLetterOf(ChartSettings::ForStartupOption(0)), 'P');
  EXPECT_EQ(HouseSystemLetterOf(ChartSettings::ForStartupOption(9)), 'P');
  EXPECT_EQ(HouseSystemLetterOf(ChartSettings::ForStartupOption(6)), 'E');
}

TEST_F(Driver, HeadingLinesOfAnElection) {
  Cast();
  EXPECT_EQ(state.ChartHeading[1], "Test - election chart");
  EXPECT_EQ(state.ChartHeading[2], "06 Dec 2026");
  EXPECT_EQ(state.ChartHeading[3], "5.30 P.M. (5)");
  EXPECT_EQ(state.ChartHeading[4], "73w59");
  EXPECT_EQ(state.ChartHeading[5], "40n45");
  EXPECT_EQ(state.ChartHeading[6].size(), 14u);  // "hhH  mmM  ssS "
  EXPECT_EQ(state.ChartHeading[7], "Placidus");
  EXPECT_EQ(state.LongitudeDir, "WEST");
  EXPECT_EQ(state.CurrentOrbFile, "/prog/NATAL.ORB");
}

TEST_F(Driver, EveryObjectHasAHouseAndAnglesSitOnTheirCusps) {
  Cast();
  for (int i = 1; i <= ObjectCount; ++i) {
    EXPECT_GE(HouseOfObject(state, i), 1) << i;
    EXPECT_EQ(state.HousePosText.substr(i * 10 - 6, 6), " HOUSE") << i;
  }
  EXPECT_EQ(HouseOfObject(state, kAscendant), 1);
  EXPECT_EQ(HouseOfObject(state, kMidheaven), 10);
  EXPECT_DOUBLE_EQ(state.ObjectPos[kAscendant], state.CuspWheel[4]);
  EXPECT_DOUBLE_EQ(state.ObjectPos[kMidheaven], state.McLon);
  EXPECT_DOUBLE_EQ(state.ObjectPos[kSouthNode], Normalize360(state.ObjectPos[kNorthNode] + 180));
}

TEST_F(Driver, PartOfFortuneByOption) {
  // 5.30 P.M. in December at New York: the Sun is below the horizon.
  Cast();
  ASSERT_EQ(state.NightChart, 1);
  const double sun = state.ObjectPos[kSun], moon = state.ObjectPos[kMoon], asc = state.AscLon;
  EXPECT_NEAR(state.ObjectPos[kPartOfFortune], Normalize360(moon + asc - sun), 1e-9);
  options[31] = 1;
  Cast();
  EXPECT_NEAR(state.ObjectPos[kPartOfFortune], Normalize360(sun + asc - moon), 1e-9);
  options[31] = 2;  // by day or night: night here
  Cast();
  EXPECT_NEAR(state.ObjectPos[kPartOfFortune], Normalize360(sun + asc - moon), 1e-9);
  election.Hour = 12;
  election.PmFlag = 1;  // noon: a day chart
  Cast();
  ASSERT_EQ(state.NightChart, 0);
  EXPECT_NEAR(state.ObjectPos[kPartOfFortune],
              Normalize360(state.ObjectPos[kMoon] + state.AscLon - state.ObjectPos[kSun]), 1e-9);
}

TEST_F(Driver, DailyMotionsAndRetrogradeMarksAgree) {
  Cast();
  for (int i = kMercury; i <= kPluto; ++i) {
    const bool retrograde = state.RetroFlags[i - 1] == 'R';
    EXPECT_EQ(retrograde, state.ObjectDailyMotion[i] < 0) << i;
    EXPECT_GE(state.ObjectDailyMotion[i], -180.0);
    EXPECT_LT(state.ObjectDailyMotion[i], 180.0);
  }
  EXPECT_NEAR(state.ObjectDailyMotion[kSun], 1.0, 0.04);
  EXPECT_GT(state.ObjectDailyMotion[kMoon], 11.0);
  EXPECT_EQ(state.RetroFlags[kSun - 1], ' ');
  EXPECT_EQ(state.RetroFlags[kMoon - 1], ' ');
}

TEST_F(Driver, TrueNodeOption) {
  Cast();
  const double mean = state.ObjectPos[kNorthNode];
  const double true_node = state.TrueNode;
  EXPECT_NE(mean, true_node);
  EXPECT_LT(std::fabs(std::remainder(mean - true_node, 360.0)), 2.0);
  options[29] = 1;
  Cast();
  EXPECT_DOUBLE_EQ(state.ObjectPos[kNorthNode], true_node);
  EXPECT_DOUBLE_EQ(state.MeanNode, mean);
  EXPECT_DOUBLE_EQ(state.ObjectPos[kSouthNode], Normalize360(true_node + 180));
}

TEST_F(Driver, SiderealZodiacShiftsLongitudesButNotTheAngles) {
  Cast();
  const ChartState tropical = state;
  options[123] = 1;
  Cast();
  const double svp = state.SvpOffset;
  EXPECT_NEAR(svp, 360 - 24.0 - 0.0142 * (2026 - 1950), 0.1);  // SVP near 5 Pisces
  for (int i = 1; i <= ObjectCount; ++i) {
    EXPECT_NEAR(state.ObjectLon[i], Normalize360(tropical.ObjectLon[i] + svp), 1e-9) << i;
    EXPECT_DOUBLE_EQ(state.ObjectHelioLon[i], tropical.ObjectHelioLon[i]) << i;
  }
  EXPECT_NEAR(state.CuspComputed[4], Normalize360(tropical.CuspComputed[4] + svp), 1e-9);
  EXPECT_DOUBLE_EQ(state.AscLon, tropical.AscLon);
  EXPECT_DOUBLE_EQ(state.McLon, tropical.McLon);
  options[123] = 2;
  Cast();
  EXPECT_NEAR(state.ObjectLon[kSun], Normalize360(tropical.ObjectLon[kSun] - state.AyanamsaOffset),
              1e-9);
  EXPECT_NEAR(state.AyanamsaOffset, 22.4605 + (2026.93 - 1900.0) / 71.61, 0.02);
}

TEST_F(Driver, DeclinationChart) {
  ChartSettings settings = ChartSettings::ForHouseSystem('P');
  settings.DeclinationChart = true;
  settings.HelioChart = true;  // declination wins
  Cast(settings);
  EXPECT_EQ(state.ChartHeading[1], "Test - election chart - declinations");
  EXPECT_EQ(state.RetroFlags, std::string(16, ' '));
  for (int k = 1; k <= 12; ++k) EXPECT_DOUBLE_EQ(state.CuspWheel[k], kFixedCusps[k]);
  // December Sun: south declination, in the first half of the wheel.
  EXPECT_LT(state.ObjectDecl[kSun], -20);
  EXPECT_NEAR(state.ObjectPos[kSun], 6 * std::fabs(state.ObjectDecl[kSun]), 1e-9);
  for (int i = 1; i <= ObjectCount; ++i) EXPECT_GE(HouseOfObject(state, i), 1) << i;
}

TEST_F(Driver, HeliocentricChart) {
  Cast();
  const int16_t applies = state.MoonAppliesFlag;
  state.MoonAppliesFlag = 7;  // marks that the degree order is left alone
  ChartSettings settings = ChartSettings::ForHouseSystem('P');
  settings.HelioChart = true;
  Cast(settings);
  EXPECT_EQ(state.ChartHeading[1], "Test - election chart - heliocentric");
  for (int k = 1; k <= 12; ++k) EXPECT_DOUBLE_EQ(state.CuspWheel[k], kFixedCusps[k]);
  for (int i = kMercury; i <= kPluto; ++i) {
    EXPECT_DOUBLE_EQ(state.ObjectPos[i], state.HelioLonWork[i]) << i;
    EXPECT_NE(state.ObjectPos[i], state.ObjectLon[i]) << i;
  }
  // The Earth seen from the Sun stands opposite the Sun seen from the Earth.
  EXPECT_LT(std::fabs(std::remainder(state.HelioLonWork[1] - state.ObjectLon[kSun] - 180, 360)),
            0.02);
  EXPECT_EQ(state.MoonAppliesFlag, 7);
  (void)applies;
}

TEST_F(Driver, SwitchingHouseSystemsRecomputesEveryCusp) {
  Cast(ChartSettings::ForHouseSystem('P'));
  const CuspTable placidus = state.CuspWheel;
  Cast(ChartSettings::ForHouseSystem('E'));
  EXPECT_EQ(state.ChartHeading[7], "Equal");
  for (int k = 1; k <= 12; ++k) {
    EXPECT_NEAR(state.CuspWheel[k], Normalize360(state.AscLon + 30.0 * ((k + 8) % 12)), 1e-9) << k;
  }
  EXPECT_NE(state.CuspWheel[1], placidus[1]);
}

TEST_F(Driver, RunningClockTakesThePresentMomentOnTwelveHourClock) {
  ChartSettings settings = ChartSettings::ForHouseSystem('P');
  settings.ElectionsRunning = true;
  Cast(settings);  // the clock reads 13:05
  EXPECT_EQ(state.ChartTitle, "Now");
  EXPECT_FLOAT_EQ(state.ChartTimeHMM, 1.05f);
  EXPECT_EQ(state.AmPm, "P.M.");
  EXPECT_EQ(state.ChartHeading[4], "73w59");
  clock = FixedClock{LocalDateTime{2026, 12, 6, 0, 20, 0}, 5};
  Cast(settings);
  EXPECT_FLOAT_EQ(state.ChartTimeHMM, 12.20f);
  EXPECT_EQ(state.AmPm, "A.M.");
  EXPECT_TRUE(messages.texts.empty());
}

TEST_F(Driver, RunningClockChecksLeaveThePreviousChart) {
  ChartSettings settings = ChartSettings::ForHouseSystem('P');
  settings.ElectionsRunning = true;
  Cast(settings);
  const double sun = state.ObjectPos[kSun];
  options[22] = 66;
  options[23] = 0;  // 66 00 passes
  Cast(settings);
  EXPECT_EQ(state.InputError, 0);
  options[23] = 1;  // 66 01 fails
  options[18] = 13;
  options[20] = 60;
  clock = FixedClock{LocalDateTime{2030, 1, 1, 0, 0, 0}, 5};
  Cast(settings);
  EXPECT_EQ(state.InputError, 1);
  ASSERT_EQ(messages.texts.size(), 3u);
  EXPECT_EQ(messages.texts[0].rfind("Your latitude is too high.", 0), 0u);
  EXPECT_EQ(messages.texts[1],
            "Error in natal input data section. Please correct. /prog/OPTIONS.OPT"
            ": option 18 is 13; it must be -13 to 12.");
  EXPECT_EQ(messages.texts[2],
            "Error in natal input data section. Please correct. /prog/OPTIONS.OPT"
            ": option 20 is 60; it must be 0 to 59.");
  EXPECT_NEAR(state.ObjectPos[kSun], sun, 0.01);  // the old chart stays
  EXPECT_EQ(state.ChartHeading[1], "");           // but its heading is cleared
  settings.HouseChecks[6] = true;                 // Meridian allows any latitude
  options[18] = 5;
  options[20] = 59;
  messages.texts.clear();
  Cast(settings);
  EXPECT_EQ(state.InputError, 0);
  EXPECT_TRUE(messages.texts.empty());
}

TEST_F(Driver, SetChartToNowFillsTheRecord) {
  ElectionData now;
  options[21] = -1;
  options[24] = -1;
  SetChartToNow(now, options, clock);
  EXPECT_EQ(now.Name, "Now");
  EXPECT_EQ(now.Hour, 1);
  EXPECT_EQ(now.Minute, 5);
  EXPECT_EQ(now.PmFlag, 1);
  EXPECT_EQ(now.WestFlag, 0);
  EXPECT_EQ(now.SouthFlag, 1);
  EXPECT_EQ(now.LonDegrees, 73);
}

// The Moon's applying test on a chart of our own making.
TEST(MoonApplies, LaterObjectInAnAspectingSign) {
  ChartState s;
  OptionsTable o;
  for (int i = 1; i <= 15; ++i) s.ObjectLon[i] = 5.0 + i * 0.1;  // early in Aries
  s.ObjectLon[kMoon] = 25.0;                                     // 25 Aries
  s.ObjectLon[kMars] = 148.0;                                    // 28 Leo: trine sign
  SortByDegreeInSign(s, o);
  EXPECT_EQ(s.MoonAppliesFlag, 1);
  s.ObjectLon[kMars] = 58.0;  // 28 Taurus: the next sign, no major aspect
  SortByDegreeInSign(s, o);
  EXPECT_EQ(s.MoonAppliesFlag, 0);
  s.ObjectLon[kPartOfFortune] = 208.0;  // 28 Libra: counts only with option 8
  SortByDegreeInSign(s, o);
  EXPECT_EQ(s.MoonAppliesFlag, 0);
  o[8] = 1;
  SortByDegreeInSign(s, o);
  EXPECT_EQ(s.MoonAppliesFlag, 1);
  for (int k = 2; k <= 15; ++k) EXPECT_LE(s.DegreeOrder[k - 1], s.DegreeOrder[k]);
}

}  // namespace
}  // namespace kairotex
