// Start-up's first chart, the commands that change it, the options editor,
// the orb commands and the election dialog's rules, on a copy of the
// delivered files. The window tests (tests/mainwindow_qt) drive the same
// commands through the menus; what they check is not repeated here.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "chart/angles.h"
#include "mainwindow/chart_commands.h"
#include "mainwindow/election_dialog_core.h"
#include "mainwindow/options_editor.h"
#include "mainwindow/orb_commands.h"
#include "program_copy.h"
#include "settings/data_file_error.h"

namespace kairotex {
namespace {
namespace fs = std::filesystem;

using Commands = test::ProgramCopy;
const std::vector<std::string> kDataError{"Error in election data. Please correct."};

TEST_F(Commands, StartupCastsThePresentMomentOfTheOptionsZone) {
  clock.Set({2026, 12, 7, 15, 30, 0}, 0);  // a computer kept on universal time
  Start();
  EXPECT_TRUE(context.chart_exists && context.checks.ElectionsRunning);
  EXPECT_EQ(context.chart.ChartHeading[3], "10.30 A.M. (5)");
  // A computer in Paris at 00:30 on the 8th is still the 7th in New York.
  clock.Set({2026, 12, 8, 0, 30, 0}, -1);
  RecastChart(context);
  EXPECT_EQ(context.chart.ChartDay, 7);
  EXPECT_EQ(context.chart.ChartHeading[3], "6.30 P.M. (5)");
  EXPECT_TRUE(messages.texts.empty());
}

// Folders in place of the settings and name files: the program starts on the
// defaults and says which files it could not read.
TEST_F(Commands, StartupTellsOfFoldersInPlaceOfTheSettingsAndNameFiles) {
  for (const char* name : {"KAIROTEX.INI", "MYNAME"}) {
    fs::remove(dir + "/" + name);
    fs::create_directory(dir + "/" + name);
  }
  Start();
  EXPECT_TRUE(context.chart_exists);
  EXPECT_EQ(context.user_name_line, "");
  EXPECT_EQ(
      messages.texts,
      std::vector<std::string>(
          {dir + "/KAIROTEX.INI is a folder, not a file. The window settings are the defaults.",
           dir + "/MYNAME is a folder, not a file. No user name is shown."}));
}

TEST_F(Commands, Option27ChoosesTheHouseItemAndAMissingOptionsFileIsNamed) {
  for (const auto& [value, item] : {std::pair{"8", 7}, {"0", 0}, {"9", 0}}) {
    SetOption(27, value);
    Start();
    for (int i = 0; i < 8; ++i) EXPECT_EQ(context.checks.HouseChecks[i], i == item) << value;
  }
  fs::remove(dir + "/OPTIONS.OPT");
  ReadStartupSettings(context, dir, RegionalFormat{}, dir + "/MYNAME");
  try {
    CastFirstChart(context);
    FAIL() << "start-up went on without OPTIONS.OPT";
  } catch (const DataFileError& e) {
    EXPECT_EQ(e.file(), dir + "/OPTIONS.OPT");
  }
}

TEST_F(Commands, TheClockRecastsOnTheZeroSecondTickUntilAStepStopsIt) {
  Start();
  clock.Set({2026, 12, 7, 10, 31, 59}, 5);
  EXPECT_FALSE(TickClock(context, clock.Now(), "10:31:59").recast);
  clock.Set({2026, 12, 7, 10, 32, 0}, 5);
  EXPECT_TRUE(TickClock(context, clock.Now(), "10:32:00").recast);
  ASSERT_TRUE(StepChart(context, TimeStep::kAddHour));
  EXPECT_FALSE(context.checks.ElectionsRunning);
  clock.Set({2026, 12, 7, 12, 0, 0}, 5);
  EXPECT_FALSE(TickClock(context, clock.Now(), "12:00:00").recast);
  EXPECT_EQ(context.chart.ChartHeading[3], "11.32 A.M. (5)");
  StepChart(context, TimeStep::kAddDay);
  EXPECT_TRUE(ToggleRunningClock(context));  // on again: the present moment
  EXPECT_EQ(context.chart.ChartDay, 7);
}

TEST_F(Commands, MultipleStepsRecastEachStepAndAStepPastTheLastYearIsRefused) {
  SetOption(13, "3");
  SetOption(15, "0");
  Start();
  int repaints = 0;
  EXPECT_EQ(StepChartRepeatedly(context, MultipleStep::kAddHours, [&] { ++repaints; }), 3);
  EXPECT_EQ(StepChartRepeatedly(context, MultipleStep::kAddMinutes, [&] { ++repaints; }), 0);
  EXPECT_EQ(repaints, 3);
  EXPECT_EQ(context.chart.ChartHeading[3], "1.30 P.M. (5)");
  context.election.Year = 2099, context.election.Month = 12, context.election.Day = 31;
  context.election.Hour = 11, context.election.PmFlag = 1;
  RecastChart(context);
  const double sun = context.chart.ObjectPos[kSun];
  EXPECT_FALSE(StepChart(context, TimeStep::kAddHour));
  EXPECT_EQ(messages.texts, kDataError);
  EXPECT_EQ(messages.titles, std::vector<std::string>{"Warning!"});
  EXPECT_EQ(context.chart.ObjectPos[kSun], sun);
  EXPECT_EQ(context.election.Year, 2099);
}

TEST_F(Commands, OptionsEditorTextAndItsLimitsAndAFailedRestoreKeepsTheFile) {
  test::WriteText(dir + "/OPTIONS.OPT", "4      sextile\n6      square");
  EXPECT_EQ(ReadOptionsEditorText(dir), "4      sextile\r\n6      square\r\n");
  OptionsTable options;
  std::string error;
  ASSERT_TRUE(SaveOptionsEditorText(dir, "0 unused\n4.5    sextile\n", options, &error)) << error;
  EXPECT_EQ(File("OPTIONS.OPT"), "0 unused\r\n4.5    sextile\r\n");
  EXPECT_FLOAT_EQ(options[2], 4.5f);
  // Without a final line end the last character goes; under two characters is an empty line.
  for (const auto& [text, file] : {std::pair{"0\r\n123", "0\r\n1\r\n"}, {"9", "\r\n"}}) {
    ASSERT_TRUE(SaveOptionsEditorText(dir, text, options, &error));
    EXPECT_EQ(File("OPTIONS.OPT"), file);
  }
  // 130 lines and an empty line are a whole file; a 131st is refused and the file stays.
  std::string lines;
  for (int i = 0; i < 130; ++i) lines += "1\n";
  EXPECT_TRUE(SaveOptionsEditorText(dir, lines + "\nnotes\n\n", options, &error)) << error;
  const std::string before = File("OPTIONS.OPT");
  options[5] = 8;
  EXPECT_FALSE(SaveOptionsEditorText(dir, lines + "1\n\n", options, &error));
  EXPECT_NE(error.find("more than 130 option lines"), std::string::npos) << error;
  EXPECT_EQ(File("OPTIONS.OPT"), before);
  EXPECT_FLOAT_EQ(options[5], 8.0f);
  fs::remove(dir + "/OPTIONS.MST");
  EXPECT_FALSE(RestoreDefaultOptions(dir, &error));
  EXPECT_NE(error.find("OPTIONS.MST"), std::string::npos);
  EXPECT_EQ(File("OPTIONS.OPT"), before);
}

TEST_F(Commands, ABadOrbFileShowsNoAspectsAndKeepsTheOrbsAndTheEditorWritesAsTyped) {
  Start();
  const OrbTable before = context.orbs;
  ASSERT_TRUE(SaveOrbEditorText(context, context.chart.CurrentOrbFile, "8\nsextile 4\n"));
  EXPECT_EQ(File("NATAL.ORB"), "8\r\nsextile 4\r\n");
  EXPECT_EQ(AspectWindowText(context), std::nullopt);
  EXPECT_EQ(context.orbs, before);
  EXPECT_EQ(messages.texts, std::vector<std::string>{"Line 2 of " + dir +
                                                     "/NATAL.ORB is not a number: \"sextile 4\". "
                                                     "The orbs stay as they were."});
}

TEST(ElectionFields, HourBoxRules) {
  const char* const kEmpty = "Please fill in a value for birth hour.";
  const char* const kFast = "You are typing too fast. Please slow down.";
  const struct {
    const char *typed, *shown;
    bool pm, select_all;
    const char* message;  // nullptr: none
  } cases[] = {{"12", "12", false, false, nullptr},   {"0", "12", false, false, nullptr},
               {"13", "1", true, false, nullptr},     {"24", "12", true, false, nullptr},
               {"25", "1", true, false, nullptr},  // "13" after the first pass, and again
               {"", "", false, false, kEmpty},        {"1a", "1a", false, true, kFast},
               {"99999", "99999", false, true, kFast}};
  for (const auto& c : cases) {
    test::RecordingMessages messages;
    const HourFieldChange change = ApplyHourFieldRule(c.typed, messages);
    EXPECT_EQ(std::tie(change.text, change.select_pm, change.select_all),
              std::tuple(c.shown, c.pm, c.select_all))
        << c.typed;
    EXPECT_EQ(messages.texts,
              std::vector<std::string>(c.message ? 1 : 0, c.message ? c.message : ""))
        << c.typed;
  }
}

TEST(ElectionFields, ZoneSignFollowsTheLongitudeDirection) {
  const std::tuple<const char*, bool, const char*> cases[] = {
      {"5", false, "-5"}, {"-5", true, "5"},  {"5", true, "5"},        {"-3.5", false, "-3.5"},
      {"", true, "0"},    {"-0", false, "0"}, {"5.5.5", false, "-5.5"}};
  for (const auto& [zone, west, shown] : cases)
    EXPECT_EQ(ZoneTextForDirection(zone, west), shown) << zone;
}

TEST_F(Commands, ElectionRecordShownAndStoredAgainIsUnchanged) {
  ElectionData record;
  record.Name = "Opening";
  record.Month = 3, record.Day = 31, record.Year = 1987, record.Hour = 7, record.Minute = 5;
  record.PmFlag = 1, record.Zone = -3.5f, record.LonDegrees = 51, record.LonMinutes = 25;
  record.WestFlag = 0, record.LatDegrees = 35, record.LatMinutes = 41, record.SouthFlag = 1;
  ElectionFields fields = FieldsFromRecord(record);
  ASSERT_TRUE(StoreElectionFields(context, fields));
  const auto all = [](const ElectionData& e) {
    return std::tie(e.Name, e.Month, e.Day, e.Year, e.Hour, e.Minute, e.PmFlag, e.Zone,
                    e.LonDegrees, e.LonMinutes, e.WestFlag, e.LatDegrees, e.LatMinutes,
                    e.SouthFlag);
  };
  EXPECT_EQ(all(context.election), all(record));
  fields.zone = "-";  // only pasting makes this: read as a missing zone
  EXPECT_FALSE(StoreElectionFields(context, fields));
  EXPECT_EQ(messages.texts, kDataError);
  EXPECT_EQ(all(context.election), all(record));
}

// New York (73w59, 40n45), the clock stopped by opening the dialog. Four "+"
// steps move the Midheaven one degree and the clock four minutes; the angles
// are those of the chart cast at the clock time found.
TEST_F(Commands, DialogAnglesStepWithAFullChartAndWrapAtAries) {
  Start();
  OpenElectionDialog(context);
  RecastChart(context);
  DialogAngles a = ShowDialogAngles(context.chart);
  const double start = a.mc;
  for (int i = 0; i < 4; ++i) StepAngles(a, context.chart, +1);
  EXPECT_NEAR(ShorterArc(a.mc, start), 1.0, 1e-9);
  EXPECT_EQ(a.time_text, "10:34 AM");
  for (int i = 0; i < 5; ++i) StepAngles(a, context.chart, -1);
  ASSERT_EQ(a.time_text, "10:29 AM");
  const ChartState& c = context.chart;
  const double lon_west = DegMinToDecimal(c.ChartLongitude);
  // Where the RAMC is 359.9 degrees now, the Midheaven is about 359.89 now
  // and 0.16 a minute later, so 0 Aries is nearest now.
  const double gst = RadToDeg(c.Ramc) + lon_west;
  EXPECT_EQ(FindStepMinutes(c.CenturiesT, c.DayFraction, gst + 0.1, c.ObliquityDeg, 0.0, +1), 0);
  EXPECT_EQ(FindStepMinutes(c.CenturiesT, c.DayFraction, gst + 0.1, c.ObliquityDeg, 0.2, +1), 1);
  context.election.Minute = 29;
  RecastChart(context);
  EXPECT_NEAR(ShorterArc(a.asc, context.chart.AscLon), 0.0, 1.0 / 60.0);
  EXPECT_NEAR(ShorterArc(a.mc, context.chart.McLon), 0.0, 1.0 / 60.0);
}

}  // namespace
}  // namespace kairotex
