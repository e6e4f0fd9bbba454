// The calculation driver: order of steps, settings, chart kinds, zodiacs,
// the running clock and its checks.
#include "chart/calculate_chart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "chart/angles.h"
#include "test_messages.h"

namespace kairotex {
namespace {

class Driver : public ::testing::Test {
 protected:
  void Cast(const ChartSettings& settings = ChartSettings::ForHouseSystem('P')) {
    const ChartContext context{options, tables, elements, regional, clock, messages, "/prog"};
    CalculateChart(state, election, settings, context);
  }
  static OptionsTable DefaultOptions() {
    OptionsTable o;
    o[18] = 5, o[19] = 73, o[20] = 59, o[21] = 0;  // zone 5, 73w59
    o[22] = 40, o[23] = 45, o[24] = 0, o[27] = 1;  // 40n45
    return o;
  }
  OptionsTable options = DefaultOptions();
  DataTables tables;  // no Chiron tables
  OrbitalElements elements = InitOrbitalElements();
  RegionalFormat regional;
  FixedClock clock{LocalDateTime{2026, 12, 6, 13, 5, 0}, 5};
  test::RecordingMessages messages;
  // 5.30 P.M. on 6 December 2026 at New York: month, day, year, hour, minute,
  // P.M., 73w59, 40n45, west, north, zone 5.
  ElectionData election{12, 6, 2026, 5, 30, 1, 73, 59, 40, 45, 1, 0, 5, "Test"};
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

TEST_F(Driver, AnElectionChart) {
  Cast();
  EXPECT_EQ(std::vector<std::string>(state.ChartHeading.begin() + 1, state.ChartHeading.end()),
            (std::vector<std::string>{"Test - election chart", "06 Dec 2026", "5.30 P.M. (5)",
                                      "73w59", "40n45", state.ChartHeading[6], "Placidus"}));
  EXPECT_EQ(state.ChartHeading[6].size(), 14u);  // "hhH  mmM  ssS "
  EXPECT_EQ(state.LongitudeDir, "WEST");
  EXPECT_EQ(state.CurrentOrbFile, "/prog/NATAL.ORB");
  // Every object has a house; the angles sit on their cusps.
  for (int i = 1; i <= ObjectCount; ++i) {
    EXPECT_GE(HouseOfObject(state, i), 1) << i;
    EXPECT_EQ(state.HousePosText.substr(i * 10 - 6, 6), " HOUSE") << i;
  }
  EXPECT_EQ(HouseOfObject(state, kAscendant), 1);
  EXPECT_EQ(HouseOfObject(state, kMidheaven), 10);
  EXPECT_DOUBLE_EQ(state.ObjectPos[kAscendant], state.CuspWheel[4]);
  EXPECT_DOUBLE_EQ(state.ObjectPos[kMidheaven], state.McLon);
  EXPECT_DOUBLE_EQ(state.ObjectPos[kSouthNode], Normalize360(state.ObjectPos[kNorthNode] + 180));
  // Daily motions and retrograde marks agree.
  for (int i = kMercury; i <= kPluto; ++i) {
    EXPECT_EQ(state.RetroFlags[i - 1] == 'R', state.ObjectDailyMotion[i] < 0) << i;
    EXPECT_GE(state.ObjectDailyMotion[i], -180.0);
    EXPECT_LT(state.ObjectDailyMotion[i], 180.0);
  }
  EXPECT_NEAR(state.ObjectDailyMotion[kSun], 1.0, 0.04);
  EXPECT_GT(state.ObjectDailyMotion[kMoon], 11.0);
  EXPECT_EQ(state.RetroFlags.substr(0, 2), "  ");  // the Sun and Moon
  // Equal houses on a second cast: every cusp is recomputed.
  const CuspTable placidus = state.CuspWheel;
  Cast(ChartSettings::ForHouseSystem('E'));
  EXPECT_EQ(state.ChartHeading[7], "Equal");
  for (int k = 1; k <= 12; ++k) {
    EXPECT_NEAR(state.CuspWheel[k], Normalize360(state.AscLon + 30.0 * ((k + 8) % 12)), 1e-9) << k;
  }
  EXPECT_NE(state.CuspWheel[1], placidus[1]);
}

// Option 31: 0 always the day formula, 1 always the night one, 2 by the Sun.
TEST_F(Driver, PartOfFortuneByOption) {
  struct Case {
    int option, hour;
    bool night, night_formula;
  };
  for (const Case c : {Case{0, 5, true, false}, Case{1, 5, true, true}, Case{2, 5, true, true},
                       Case{2, 12, false, false}}) {
    options[31] = c.option;
    election.Hour = c.hour;
    Cast();
    ASSERT_EQ(state.NightChart, c.night ? 1 : 0) << c.option << " " << c.hour;
    const double sun = state.ObjectPos[kSun], moon = state.ObjectPos[kMoon], asc = state.AscLon;
    EXPECT_NEAR(state.ObjectPos[kPartOfFortune],
                Normalize360(c.night_formula ? sun + asc - moon : moon + asc - sun), 1e-9)
        << c.option << " " << c.hour;
  }
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

// Both put the cusps at the fixed wheel; declinations win over heliocentric.
TEST_F(Driver, DeclinationAndHeliocentricCharts) {
  ChartSettings settings = ChartSettings::ForHouseSystem('P');
  settings.DeclinationChart = true;
  settings.HelioChart = true;
  Cast(settings);
  EXPECT_EQ(state.ChartHeading[1], "Test - election chart - declinations");
  EXPECT_EQ(state.RetroFlags, std::string(16, ' '));
  for (int k = 1; k <= 12; ++k) EXPECT_DOUBLE_EQ(state.CuspWheel[k], kFixedCusps[k]);
  // December Sun: south declination, in the first half of the wheel.
  EXPECT_LT(state.ObjectDecl[kSun], -20);
  EXPECT_NEAR(state.ObjectPos[kSun], 6 * std::fabs(state.ObjectDecl[kSun]), 1e-9);
  for (int i = 1; i <= ObjectCount; ++i) EXPECT_GE(HouseOfObject(state, i), 1) << i;

  Cast();
  state.MoonAppliesFlag = 7;  // marks that the degree order is left alone
  settings.DeclinationChart = false;
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
}

// The running clock takes the present moment on the twelve-hour clock; when
// the options' place or zone fails a check the previous chart stays.
TEST_F(Driver, RunningClock) {
  ChartSettings settings = ChartSettings::ForHouseSystem('P');
  settings.ElectionsRunning = true;
  clock = FixedClock{LocalDateTime{2026, 12, 6, 0, 20, 0}, 5};
  Cast(settings);
  EXPECT_FLOAT_EQ(state.ChartTimeHMM, 12.20f);
  EXPECT_EQ(state.AmPm, "A.M.");
  clock = FixedClock{LocalDateTime{2026, 12, 6, 13, 5, 0}, 5};
  Cast(settings);
  EXPECT_EQ(state.ChartTitle, "Now");
  EXPECT_FLOAT_EQ(state.ChartTimeHMM, 1.05f);
  EXPECT_EQ(state.AmPm, "P.M.");
  EXPECT_EQ(state.ChartHeading[4], "73w59");
  EXPECT_TRUE(messages.texts.empty());
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

// The present moment: universal time from the clock, told in a zone, and
// civil time carried across days, months and years.
std::string Text(const LocalDateTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                t.minute, t.second);
  return text;
}

TEST(PresentMoment, HoursCarryThroughTheCalendar) {
  struct Case {
    const char* what;
    LocalDateTime from;
    double hours;
    const char* to;
  };
  const Case cases[] = {
      {"into the next year", {1999, 12, 31, 23, 30, 0}, 1, "2000-01-01 00:30:00"},
      {"back over New Year", {2000, 1, 1, 2, 0, 0}, -5, "1999-12-31 21:00:00"},
      {"leap day 2024", {2024, 2, 28, 22, 0, 0}, 3, "2024-02-29 01:00:00"},
      {"no leap day in 1900", {1900, 2, 28, 22, 0, 0}, 3, "1900-03-01 01:00:00"},
      {"leap day 2000", {2000, 3, 1, 1, 0, 0}, -2, "2000-02-29 23:00:00"},
      {"half-hour zone", {2026, 12, 7, 3, 10, 20}, 5.5, "2026-12-07 08:40:20"},
      {"three quarters", {2026, 12, 7, 0, 0, 0}, -5.75, "2026-12-06 18:15:00"},
      {"nothing", {2026, 6, 30, 12, 0, 59}, 0, "2026-06-30 12:00:59"},
  };
  for (const Case& c : cases) EXPECT_EQ(Text(AddHours(c.from, c.hours)), c.to) << c.what;
  // A computer in New York (zone 5) at 22:30 on 6 December: 03:30 UT on the 7th.
  const FixedClock new_york({2026, 12, 6, 22, 30, 0}, 5);
  EXPECT_EQ(Text(new_york.UniversalNow()), "2026-12-07 03:30:00");
  EXPECT_EQ(Text(PresentMomentInZone(new_york, 5)), "2026-12-06 22:30:00");
  EXPECT_EQ(Text(PresentMomentInZone(new_york, 0)), "2026-12-07 03:30:00");
  EXPECT_EQ(Text(PresentMomentInZone(new_york, -5.5)), "2026-12-07 09:00:00");
}

// The same instant on a computer kept on universal time and on one in zone 5
// gives the same chart: the zone is option 18's, not the computer's. Options
// 21 and 24 of -1 turn the place east and south.
TEST(PresentMoment, SetChartToNowUsesTheOptionZoneAndPlace) {
  OptionsTable options;
  options[18] = 5, options[19] = 73, options[21] = -1, options[24] = -1;
  const FixedClock on_utc({2026, 7, 1, 0, 20, 0}, 0), on_zone5({2026, 6, 30, 19, 20, 0}, 5);
  for (const Clock* clock :
       {static_cast<const Clock*>(&on_utc), static_cast<const Clock*>(&on_zone5)}) {
    ElectionData e;
    SetChartToNow(e, options, *clock);
    EXPECT_EQ(e.Name, "Now");
    EXPECT_EQ(std::vector<int>({e.Month, e.Day, e.Hour, e.Minute, e.PmFlag, e.WestFlag, e.SouthFlag,
                                e.LonDegrees}),
              std::vector<int>({6, 30, 7, 20, 1, 0, 1, 73}));
    EXPECT_EQ(e.Zone, 5.0f);
  }
}

}  // namespace
}  // namespace kairotex
