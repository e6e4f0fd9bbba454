// Start-up's first chart and the commands that change it, on a copy of the
// delivered files, with a clock the test sets.
#include "mainwindow/chart_commands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "option_lines.h"
#include "program_copy.h"
#include "settings/data_file_error.h"

namespace kairotex {
namespace {
namespace fs = std::filesystem;

class Commands : public test::ProgramCopy {
 protected:
  void SetOption(int index, const std::string& value) { test::SetOptionLine(dir, index, value); }
};

TEST_F(Commands, StartupCastsThePresentMomentWithTheClockRunning) {
  Write("MYNAME", "Ann Astrologer\n");
  Start();
  EXPECT_TRUE(context.chart_exists);
  EXPECT_TRUE(context.checks.ElectionsRunning);
  EXPECT_TRUE(context.checks.HouseChecks[0]);  // option 27 = 1
  EXPECT_EQ(context.election.Name, "Now");
  EXPECT_EQ(context.election.Hour, 10);
  EXPECT_EQ(context.election.Minute, 30);
  EXPECT_EQ(context.chart.ChartTitle, "Now");
  EXPECT_EQ(context.chart.ChartHeading[3], "10.30 A.M. (5)");
  EXPECT_EQ(context.title_text, "Ann Astrologer KAIROTEX (Tropical zodiac) - ");
  EXPECT_EQ(context.chart.CurrentOrbFile, dir + "/NATAL.ORB");
  EXPECT_TRUE(messages.texts.empty());
}

TEST_F(Commands, PresentMomentIsTheOptionZonesClockWhateverTheComputersZone) {
  // A computer kept on universal time: 15:30 there is 10:30 in zone 5.
  clock.Set({2026, 12, 7, 15, 30, 0}, 0);
  Start();
  EXPECT_EQ(context.chart.ChartHeading[3], "10.30 A.M. (5)");
  EXPECT_EQ(context.chart.ChartDay, 7);
  // A computer in Paris at 00:30 on the 8th is still the 7th in New York.
  clock.Set({2026, 12, 8, 0, 30, 0}, -1);
  RecastChart(context);
  EXPECT_EQ(context.chart.ChartDay, 7);
  EXPECT_EQ(context.chart.ChartHeading[3], "6.30 P.M. (5)");
}

TEST_F(Commands, Option27ChoosesTheHouseItem) {
  const std::pair<const char*, int> cases[] = {{"3", 2}, {"8", 7}, {"0", 0}, {"9", 0}};
  for (const auto& [value, item] : cases) {
    SetOption(27, value);
    Start();
    for (int i = 0; i < 8; ++i) EXPECT_EQ(context.checks.HouseChecks[i], i == item) << value;
  }
  SetOption(27, "3");
  Start();
  EXPECT_EQ(context.chart.ChartHeading[7], "Koch");
}

TEST_F(Commands, MissingOptionsFileStopsStartupNamingIt) {
  fs::remove(dir + "/OPTIONS.OPT");
  ReadStartupSettings(context, dir, RegionalFormat{}, dir + "/MYNAME");
  try {
    CastFirstChart(context);
    FAIL() << "start-up went on without OPTIONS.OPT";
  } catch (const DataFileError& e) {
    EXPECT_EQ(e.file(), dir + "/OPTIONS.OPT");
  }
}

TEST_F(Commands, StepStopsTheClockAndStartsFromTheChartOnScreen) {
  Start();
  // The clock moved on; the chart followed it on the minute.
  clock.Set({2026, 12, 7, 10, 47, 0}, 5);
  EXPECT_TRUE(TickClock(context, clock.Now(), "10:47:00").recast);
  ASSERT_TRUE(StepChart(context, TimeStep::kAddHour));
  EXPECT_FALSE(context.checks.ElectionsRunning);
  EXPECT_EQ(context.chart.ChartHeading[3], "11.47 A.M. (5)");
  // With the clock stopped the chart keeps the record, whatever the clock says.
  clock.Set({2026, 12, 7, 12, 0, 0}, 5);
  EXPECT_FALSE(TickClock(context, clock.Now(), "12:00:00").recast);
  EXPECT_EQ(context.chart.ChartHeading[3], "11.47 A.M. (5)");
}

TEST_F(Commands, ClockRecastsOnlyOnTheZeroSecondTick) {
  Start();
  clock.Set({2026, 12, 7, 10, 31, 59}, 5);
  ClockTick tick = TickClock(context, clock.Now(), "10:31:59");
  EXPECT_FALSE(tick.recast);
  EXPECT_EQ(tick.caption, " KAIROTEX (Tropical zodiac) - 07 Dec 2026     10:31:59");
  EXPECT_EQ(context.chart.ChartHeading[3], "10.30 A.M. (5)");
  clock.Set({2026, 12, 7, 10, 32, 0}, 5);
  tick = TickClock(context, clock.Now(), "10:32:00");
  EXPECT_TRUE(tick.recast);
  EXPECT_EQ(context.chart.ChartHeading[3], "10.32 A.M. (5)");
}

TEST_F(Commands, HouseSystemAndViewsKeepTheClock) {
  Start();
  ChooseHouseSystem(context, 6);
  EXPECT_TRUE(context.checks.ElectionsRunning);
  EXPECT_EQ(context.chart.ChartHeading[7], "Meridian");
  for (int i = 0; i < 8; ++i) EXPECT_EQ(context.checks.HouseChecks[i], i == 6);
  ToggleHelioChart(context);
  EXPECT_TRUE(context.checks.ElectionsRunning);
  EXPECT_TRUE(context.chart.ChartHeading[1].ends_with(" - heliocentric"));
  ToggleDeclinationChart(context);  // both checked: declinations win
  EXPECT_TRUE(context.chart.ChartHeading[1].ends_with(" - declinations"));
  ToggleDeclinationChart(context);
  ToggleHelioChart(context);
  EXPECT_TRUE(context.chart.ChartHeading[1].ends_with("election chart") ||
              context.chart.ChartHeading[1] == "Now");
  SetChartStyle(context, 1);
  EXPECT_EQ(context.window.TypeChart, 1);
}

TEST_F(Commands, ClockRunningTurnedOnTakesThePresentMoment) {
  Start();
  StepChart(context, TimeStep::kAddDay);
  EXPECT_EQ(context.chart.ChartDay, 8);
  EXPECT_TRUE(ToggleRunningClock(context));
  EXPECT_EQ(context.chart.ChartDay, 7);
  EXPECT_FALSE(ToggleRunningClock(context));  // off: the chart stays
  EXPECT_EQ(context.chart.ChartDay, 7);
}

TEST_F(Commands, MultipleStepsRecastEachStep) {
  SetOption(13, "3");
  SetOption(15, "0");
  Start();
  int repaints = 0;
  EXPECT_EQ(StepChartRepeatedly(context, MultipleStep::kAddHours, [&] { ++repaints; }), 3);
  EXPECT_EQ(repaints, 3);
  EXPECT_EQ(context.chart.ChartHeading[3], "1.30 P.M. (5)");
  EXPECT_EQ(StepChartRepeatedly(context, MultipleStep::kAddMinutes, [&] { ++repaints; }), 0);
  EXPECT_EQ(repaints, 3);
}

TEST_F(Commands, AStepPastTheLastYearIsRefusedAndTheChartStays) {
  Start();
  context.election.Year = 2099, context.election.Month = 12, context.election.Day = 31;
  context.election.Hour = 11, context.election.PmFlag = 1;
  context.checks.ElectionsRunning = false;
  RecastChart(context);
  const double sun = context.chart.ObjectPos[kSun];
  EXPECT_FALSE(StepChart(context, TimeStep::kAddHour));
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0], "Error in election data. Please correct.");
  EXPECT_EQ(messages.titles[0], "Warning!");
  EXPECT_EQ(context.chart.ObjectPos[kSun], sun);
  EXPECT_EQ(context.election.Year, 2099);
}

TEST_F(Commands, ShutdownSettingsReadBackTheSame) {
  Start();
  context.window.TypeChart = 1;
  context.window.StartScale = 301;
  context.window.DataLeft = -20;
  std::string error;
  ASSERT_TRUE(SaveProgramSettings(context, &error)) << error;
  const WindowSettings back = LoadWindowSettings(dir);
  EXPECT_EQ(back.TypeChart, 1);
  EXPECT_EQ(back.StartScale, 301);
  EXPECT_EQ(back.DataLeft, -20);
  EXPECT_EQ(back.FontSize, context.window.FontSize);
}

}  // namespace
}  // namespace kairotex
