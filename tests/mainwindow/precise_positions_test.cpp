// Precise positions switched in the window program: the chart recast, the
// choice kept over a restart, and missing ephemeris files told.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "mainwindow/chart_commands.h"
#include "program_copy.h"

namespace kairotex {
namespace {

using PrecisePositions = test::ProgramCopy;

TEST_F(PrecisePositions, TheSwitchRecastsTheChartAndSurvivesARestart) {
  Start();
  EXPECT_EQ(context.chart.ChartHeading[7], "Placidus");
  const double own_moon = context.chart.ObjectLon[kMoon];
  TogglePrecisePositions(context);
  EXPECT_TRUE(context.window.PrecisePositions);
  EXPECT_EQ(context.chart.EphemerisUsed, EphemerisKind::kSwiss);
  EXPECT_EQ(context.chart.ChartHeading[7], "Placidus - precise");
  // The same Moon, now to the arcsecond: the theories differ by hundredths.
  const double moved = std::fabs(std::remainder(context.chart.ObjectLon[kMoon] - own_moon, 360.0));
  EXPECT_GT(moved, 0.0);
  EXPECT_LT(moved, 0.02);
  std::string error;
  ASSERT_TRUE(SaveProgramSettings(context, &error)) << error;
  EXPECT_NE(File("KAIROTEX.INI").find("\r\nPrecisePositions=-1\r\n"), std::string::npos);

  ProgramContext restarted(clock, messages);
  ReadStartupSettings(restarted, dir, RegionalFormat{}, dir + "/MYNAME");
  CastFirstChart(restarted);
  EXPECT_TRUE(restarted.window.PrecisePositions);
  EXPECT_EQ(restarted.chart.EphemerisUsed, EphemerisKind::kSwiss);
  TogglePrecisePositions(restarted);
  EXPECT_FALSE(restarted.window.PrecisePositions);
  EXPECT_EQ(restarted.chart.ChartHeading[7], "Placidus");
  EXPECT_TRUE(messages.texts.empty());
}

TEST_F(PrecisePositions, MissingFilesAreToldAndTheProgramsTheoriesStay) {
  Start();
  const std::string empty = test::MakeTempDir("no-ephemeris");
  context.ephemeris_folder = empty;
  TogglePrecisePositions(context);
  EXPECT_FALSE(context.window.PrecisePositions);
  EXPECT_EQ(context.chart.EphemerisUsed, EphemerisKind::kProgram);
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0], "Precise positions are not available: The ephemeris file " + empty +
                                   "/sepl_18.se1 is missing or cannot be read. Charts are cast "
                                   "with the program's own theories.");
  std::filesystem::remove_all(empty);
}

}  // namespace
}  // namespace kairotex
