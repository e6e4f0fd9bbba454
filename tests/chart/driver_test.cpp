// The calculation driver: settings, chart kinds, zodiacs, the running clock;
// the checks of an entered moment and place. (Whole charts: the reference
// positions and the golden reports of the command-line tests.)
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "chart/angles.h"
#include "chart/calculate_chart.h"
#include "chart/election_checks.h"
#include "test_messages.h"

namespace kairotex {
namespace {

const auto LonDiff = [](double a, double b) { return std::remainder(a - b, 360.0); };

class Driver : public ::testing::Test {
 protected:
  void Cast(const ChartSettings& settings = ChartSettings::ForHouseSystem('P')) {
    const ChartContext context{options, tables, elements, regional, clock, messages, "/prog"};
    CalculateChart(state, election, settings, context);
  }
  OptionsTable options = [] {  // zone 5, 73w59, 40n45, Placidus
    OptionsTable o;
    o[18] = 5, o[19] = 73, o[20] = 59, o[22] = 40, o[23] = 45, o[27] = 1;
    return o;
  }();
  DataTables tables;  // no Chiron tables
  OrbitalElements elements = InitOrbitalElements();
  RegionalFormat regional;
  FixedClock clock{LocalDateTime{2026, 12, 6, 13, 5, 0}, 5};
  test::RecordingMessages messages;
  // 5.30 P.M. on 6 December 2026 at New York, zone 5.
  ElectionData election{12, 6, 2026, 5, 30, 1, 73, 59, 40, 45, 1, 0, 5, "Test"};
  ChartState state;
};

// Option 31: 0 always the day formula, 1 always the night one, 2 by the Sun.
// A recast in Equal houses recomputes every cusp.
TEST_F(Driver, PartOfFortuneByOptionAndARecast) {
  for (const auto& [option, hour, night_formula] :
       {std::tuple{0, 5, false}, {1, 5, true}, {2, 5, true}, {2, 12, false}}) {
    options[31] = option;
    election.Hour = hour;
    Cast();
    const double sun = state.ObjectPos[kSun], moon = state.ObjectPos[kMoon], asc = state.AscLon;
    EXPECT_NEAR(state.ObjectPos[kPartOfFortune],
                Normalize360(night_formula ? sun + asc - moon : moon + asc - sun), 1e-9)
        << option << " " << hour;
  }
  Cast(ChartSettings::ForHouseSystem('E'));
  EXPECT_EQ(state.ChartHeading[7], "Equal");
  for (int k = 1; k <= 12; ++k)
    EXPECT_NEAR(state.CuspWheel[k], Normalize360(state.AscLon + 30.0 * ((k + 8) % 12)), 1e-9) << k;
}

// SVP near 5 Pisces, the ayanamsa near 24 degrees; the angles stay tropical.
TEST_F(Driver, SiderealZodiacShiftsLongitudesButNotTheAngles) {
  Cast();
  const ChartState tropical = state;
  options[123] = 1;
  Cast();
  EXPECT_NEAR(state.SvpOffset, 360 - 24.0 - 0.0142 * (2026 - 1950), 0.1);
  EXPECT_NEAR(LonDiff(state.ObjectLon[kMars], tropical.ObjectLon[kMars]), state.SvpOffset - 360,
              1e-9);
  EXPECT_DOUBLE_EQ(state.AscLon, tropical.AscLon);
  options[123] = 2;
  Cast();
  EXPECT_NEAR(state.AyanamsaOffset, 22.4605 + (2026.93 - 1900.0) / 71.61, 0.02);
  EXPECT_NEAR(LonDiff(state.ObjectLon[kSun], tropical.ObjectLon[kSun]), -state.AyanamsaOffset,
              1e-9);
}

// Both put the cusps at the fixed wheel; declinations win over heliocentric.
// The December Sun is south, in the first half of the wheel; the Earth seen
// from the Sun stands opposite the Sun seen from the Earth.
TEST_F(Driver, DeclinationAndHeliocentricCharts) {
  ChartSettings settings = ChartSettings::ForHouseSystem('P');
  settings.DeclinationChart = settings.HelioChart = true;
  Cast(settings);
  EXPECT_EQ(state.ChartHeading[1], "Test - election chart - declinations");
  EXPECT_NEAR(state.ObjectPos[kSun], 6 * std::fabs(state.ObjectDecl[kSun]), 1e-9);
  settings.DeclinationChart = false;
  Cast(settings);
  EXPECT_EQ(state.ChartHeading[1], "Test - election chart - heliocentric");
  for (int k = 1; k <= 12; ++k) EXPECT_DOUBLE_EQ(state.CuspWheel[k], kFixedCusps[k]);
  EXPECT_LT(std::fabs(LonDiff(state.HelioLonWork[1], state.ObjectLon[kSun] + 180)), 0.02);
}

// The running clock takes the present moment on the twelve-hour clock, in
// option 18's zone, not the computer's (here on universal time, in the next
// year); when the options' place or zone fails a check the old chart stays.
TEST_F(Driver, RunningClockAndBadOptions) {
  ChartSettings settings = ChartSettings::ForHouseSystem('P');
  settings.ElectionsRunning = true;
  clock = FixedClock{LocalDateTime{2027, 1, 1, 2, 20, 0}, 0};
  Cast(settings);
  EXPECT_EQ(state.ChartTitle, "Now");
  EXPECT_EQ(state.ChartHeading[2], "31 Dec 2026");
  EXPECT_FLOAT_EQ(state.ChartTimeHMM, 9.20f);
  EXPECT_EQ(state.AmPm, "P.M.");
  const double sun = state.ObjectPos[kSun];
  options[22] = 66, options[23] = 1, options[18] = 13, options[20] = 60;
  clock = FixedClock{LocalDateTime{2030, 1, 1, 0, 0, 0}, 5};
  Cast(settings);
  EXPECT_EQ(state.InputError, 1);
  const std::string bad = "Error in natal input data section. Please correct. /prog/OPTIONS.OPT";
  ASSERT_EQ(messages.texts.size(), 3u);
  EXPECT_EQ(messages.texts[0].rfind("Your latitude is too high.", 0), 0u);
  EXPECT_EQ(messages.texts[1], bad + ": option 18 is 13; it must be -13 to 12.");
  EXPECT_EQ(messages.texts[2], bad + ": option 20 is 60; it must be 0 to 59.");
  EXPECT_NEAR(state.ObjectPos[kSun], sun, 0.01);  // the old chart stays
  EXPECT_EQ(state.ChartHeading[1], "");           // but its heading is cleared
}

// The Moon applies to a later object in an aspecting sign; the Part of
// Fortune counts only with option 8.
TEST(MoonApplies, LaterObjectInAnAspectingSign) {
  ChartState s;
  OptionsTable o;
  for (int i = 1; i <= 15; ++i) s.ObjectLon[i] = 5.0 + i * 0.1;  // early in Aries
  s.ObjectLon[kMoon] = 25.0;
  for (const auto& [mars, fortune, option8, applies] :
       {std::tuple{148.0, 5.0, 0, 1}, {58.0, 208.0, 0, 0}, {58.0, 208.0, 1, 1}}) {
    s.ObjectLon[kMars] = mars, s.ObjectLon[kPartOfFortune] = fortune, o[8] = option8;
    SortByDegreeInSign(s, o);
    EXPECT_EQ(s.MoonAppliesFlag, applies) << mars << " " << fortune << " " << option8;
  }
}

const std::string election_error = "Error in election data. Please correct.";

ElectionEntry NewYork() {  // 5.30 P.M. on 6 December 2026, zone 5, 73w59 40n45
  return {"Test", 12, 6, 2026, 5, 30, true, 5.0, 73, 59, true, 40, 45, false};
}

// Each bad field is refused with the program's words and nothing stored; the
// bounds next to them pass. The calendar reform dropped 5 to 14 October 1582.
// No longitude lies beyond 180 00.
TEST(ElectionChecks, BadFieldsAreRefusedAndTheBoundsPass) {
  const struct {
    int month, day, year;  // day 0: left empty
    double zone;
    bool west;
    int lon_degrees, lat_degrees, lat_minutes;
    bool refused;
  } cases[] = {
      {12, 0, 2026, 5, true, 73, 40, 45, true},      {13, 6, 2026, 5, true, 73, 40, 45, true},
      {12, 6, 2026, -3, true, 73, 40, 45, true},     {12, 6, 2026, -2, true, 73, 40, 45, false},
      {12, 6, 2100, 5, true, 73, 40, 45, true},      {12, 6, 2099, 5, true, 73, 40, 45, false},
      {12, 6, 2026, 12.5, true, 73, 40, 45, true},   {12, 6, 2026, 12, true, 73, 40, 45, false},
      {12, 6, 2026, -13.5, false, 73, 40, 45, true}, {12, 6, 2026, -13, false, 73, 40, 45, false},
      {12, 6, 2026, 5, true, 181, 40, 45, true},     {12, 6, 2026, 5, true, 180, 40, 45, false},
      {12, 6, 2026, 5, true, 73, 40, 60, true},      {12, 6, 2026, 5, true, 73, 66, 0, false},
      {4, 31, 2026, 5, true, 73, 40, 45, true},      {2, 29, 2026, 5, true, 73, 40, 45, true},
      {2, 29, 1900, 5, true, 73, 40, 45, true},      {2, 29, 2000, 5, true, 73, 40, 45, false},
      {2, 29, 1500, 5, true, 73, 40, 45, false},     {10, 4, 1582, 5, true, 73, 40, 45, false},
      {10, 5, 1582, 5, true, 73, 40, 45, true},      {10, 14, 1582, 5, true, 73, 40, 45, true},
      {10, 15, 1582, 5, true, 73, 40, 45, false}};
  for (const auto& c : cases) {
    ElectionEntry e = NewYork();
    e.month = c.month, e.year = c.year, e.zone = c.zone, e.west = c.west;
    e.lon_degrees = c.lon_degrees, e.lon_minutes = 0, e.lat_degrees = c.lat_degrees;
    e.lat_minutes = c.lat_minutes;
    e.day = c.day;
    if (c.day == 0) e.day.reset();
    test::RecordingMessages messages;
    const auto what = &c - cases;
    EXPECT_EQ(ValidateElectionData(e, false, messages) != 0, c.refused) << what;
    EXPECT_EQ(messages.texts, std::vector<std::string>(c.refused ? 1 : 0, election_error)) << what;
    EXPECT_EQ(StoreElectionData(e, false, messages).has_value(), !c.refused) << what;
  }
  ElectionEntry past_the_date_line = NewYork();
  past_the_date_line.lon_degrees = 180, past_the_date_line.lon_minutes = 1;
  test::RecordingMessages messages;
  EXPECT_NE(ValidateElectionData(past_the_date_line, false, messages), 0);
  EXPECT_EQ(messages.texts, std::vector<std::string>{election_error});
}

// Above 66 degrees only Meridian and Morinus serve; every failing group of
// checks speaks once.
TEST(ElectionChecks, HighLatitudesAndOneMessagePerFailingGroup) {
  ElectionEntry e = NewYork();
  e.lat_degrees = 67;
  test::RecordingMessages messages;
  EXPECT_EQ(ValidateElectionData(e, true, messages), 0);
  ValidateElectionData(e, false, messages);
  e.month = 0, e.minute = 75, e.zone = 13;
  ValidateElectionData(e, true, messages);
  EXPECT_EQ(messages.texts, (std::vector<std::string>{
                                "Your latitude is too high. Lower to 66 degrees, 00 minutes or "
                                "below OR change house systems.",
                                election_error, election_error, election_error}));
}

}  // namespace
}  // namespace kairotex
