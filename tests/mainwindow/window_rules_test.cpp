// The main window's rules that need no program: the clock caption, the screen
// classes, the data window's font and place, the Update menu's steps, and the
// help files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "mainwindow/clock_caption.h"
#include "mainwindow/data_window_font.h"
#include "mainwindow/help_files.h"
#include "mainwindow/screen_class.h"
#include "mainwindow/time_steps.h"
#include "test_paths.h"

namespace kairotex {
namespace {

TEST(ClockCaption, TitleDateFiveBlanksAndTheSecondsThatStartAMinute) {
  EXPECT_EQ(ClockCaption(" K ", {987, 1, 31, 0, 0, 0}, "00:00:00"), " K 31 Jan 0987     00:00:00");
  const std::pair<const char*, const char*> seconds[] = {
      {"10:49:30 AM", "30"}, {"14,05,07", "07"}, {"2:05:59 PM EST", "59"},
      {"14:05", ""},         {"14.05:07", ""},   {"10:49:3", "3"}};
  for (const auto& [text, want] : seconds) EXPECT_EQ(SecondsOfTimeText(text), want) << text;
  EXPECT_TRUE(IsMinuteTick("2:05:00 PM"));
  for (const char* tick : {"14:05:01", "14:00"}) EXPECT_FALSE(IsMinuteTick(tick));
}

TEST(ScreenClass, WidthAndTwipsPerPixelChooseTheWindowAndDrawing) {
  // width px, twips/px -> window twips, drawing width (4:3), data font step
  const std::tuple<int, int, int, int, double, double> cases[] = {
      {640, 12, 8490, 7200, 640, 1.5},    {800, 15, 10725, 8940, 800, 1.5},
      {800, 12, 8400, 7200, 800, 1.2},    {1024, 15, 14050, 11505, 1024, 1.5},
      {1024, 12, 10970, 9204, 1024, 1.2}, {1920, 10, 10970, 9204, 1024, 1.2},
      {799, 15, 14050, 11505, 1024, 1.5}};
  for (const auto& [pixels, twips, width, height, drawing, step] : cases) {
    const ScreenClass s = ScreenClassFor(pixels, twips);
    EXPECT_EQ(std::tuple(s.window_width_twips, s.window_height_twips, s.twips_per_pixel,
                         s.drawing_width, s.drawing_height, s.font_step),
              std::tuple(width, height, twips, drawing, drawing * 0.75, step))
        << pixels << " px at " << twips;
  }
  // A screen that reports no resolution is taken as 96 dpi.
  for (const auto& [dpi, twips] : {std::pair{96, 15}, {120, 12}, {144, 10}, {0, 15}, {-3, 15}})
    EXPECT_EQ(TwipsPerPixelForDpi(dpi), twips) << dpi;
}

TEST(DataWindowFont, SizesStopAtTheirLimitsStylesAreMinusOneOrZeroPlaceIs16Bits) {
  const struct {
    bool increase;
    double step;
    std::vector<double> sizes;  // after each command until it stops
  } cases[] = {{false, 1.5, {9.25, 8.5, 7.75, 7.75}},
               {true, 1.2, {10.6, 11.2, 11.8, 12.4, 12.4}},
               {false, 1.2, {9.4, 8.8, 8.2, 7.6, 7.6}}};
  for (const auto& c : cases) {
    WindowSettings settings;
    for (size_t i = 0; i < c.sizes.size(); ++i) {
      const bool changed =
          c.increase ? IncreaseDataFont(settings, c.step) : DecreaseDataFont(settings, c.step);
      EXPECT_EQ(changed, i + 1 < c.sizes.size());
      EXPECT_NEAR(settings.FontSize, c.sizes[i], 1e-9) << "command " << i + 1;
    }
  }
  for (const auto& [size, increase, decrease] :
       {std::tuple{12.0, false, true}, {11.99, true, true}, {8.0, true, false}}) {
    WindowSettings settings;
    settings.FontSize = size;
    const DataFontCommands enabled = EnabledDataFontCommands(settings);
    EXPECT_EQ(std::pair(enabled.increase, enabled.decrease), std::pair(increase, decrease)) << size;
  }
  WindowSettings settings;
  settings.FontItalic = 1;  // any value but 0 is on
  EXPECT_TRUE(ToggleDataFontBold(settings));
  EXPECT_FALSE(ToggleDataFontItalic(settings));
  EXPECT_EQ(std::pair(settings.FontBold, settings.FontItalic), std::pair(-1.0, 0.0));
  // The place in twips stays within 16 bits (the window test stores one inside).
  StoreDataWindowPixels(settings, {-5000, 20, 4000, 100}, 15);
  EXPECT_EQ(std::tuple(settings.DataLeft, settings.DataTop, settings.DataWidth),
            (std::tuple<int16_t, int16_t, int16_t>(-32768, 300, 32767)));
}

struct Moment {
  int year, month, day, hour, minute;
  bool pm;
};
ElectionData RecordAt(const Moment& m) {
  ElectionData e;
  e.Year = m.year, e.Month = m.month, e.Day = m.day, e.Hour = m.hour, e.Minute = m.minute;
  e.PmFlag = m.pm, e.Name = "Election";
  return e;
}
auto MomentOf(const ElectionData& e) {
  return std::tuple(e.Year, e.Month, e.Day, e.Hour, e.Minute, e.PmFlag, e.Name);
}
constexpr bool AM = false, PM = true;

TEST(TimeSteps, CivilMomentAcrossNoonMonthsLeapYearsTheReformAndTheEnginesYears) {
  using enum TimeStep;
  const std::tuple<Moment, TimeStep, Moment> cases[] = {
      {{1999, 12, 31, 11, 0, PM}, kAddHour, {2000, 1, 1, 12, 0, AM}},
      {{2026, 6, 1, 11, 15, AM}, kAddHour, {2026, 6, 1, 12, 15, PM}},
      {{2026, 6, 1, 12, 15, PM}, kAddHour, {2026, 6, 1, 1, 15, PM}},
      {{2000, 3, 1, 9, 0, AM}, kSubDay, {2000, 2, 29, 9, 0, AM}},
      {{1900, 3, 1, 9, 0, AM}, kSubDay, {1900, 2, 28, 9, 0, AM}},
      {{1500, 3, 1, 9, 0, AM}, kSubDay, {1500, 2, 29, 9, 0, AM}},  // Julian leap year
      {{1582, 10, 4, 9, 0, AM}, kAddDay, {1582, 10, 15, 9, 0, AM}},
      {{1582, 10, 15, 12, 30, AM}, kSubHour, {1582, 10, 4, 11, 30, PM}},
      {{2026, 4, 30, 9, 0, AM}, kAddDay, {2026, 5, 1, 9, 0, AM}},
      {{2026, 12, 31, 11, 59, PM}, kAddMinute, {2027, 1, 1, 12, 0, AM}},
      {{2027, 1, 1, 12, 0, AM}, kSubMinute, {2026, 12, 31, 11, 59, PM}}};
  for (const auto& [from, step, to] : cases) {
    ElectionData e = RecordAt(from);
    ASSERT_TRUE(StepElection(e, step)) << from.year << "-" << from.month << "-" << from.day;
    EXPECT_EQ(MomentOf(e), MomentOf(RecordAt(to))) << from.year << "-" << from.month;
  }
  // Before the chart engine's first year the step is not taken (the last
  // year is the program test's).
  ElectionData first = RecordAt({1, 1, 1, 12, 0, AM});
  EXPECT_FALSE(StepElection(first, kSubMinute));
  EXPECT_EQ(MomentOf(first), MomentOf(RecordAt({1, 1, 1, 12, 0, AM})));
  // A multiple step repeats its option rounded, none below one.
  OptionsTable options;
  options[13] = 3, options[14] = 0, options[15] = 2.6f, options[16] = -4;
  using enum MultipleStep;
  for (const auto& [multiple, count, step] : {std::tuple{kAddHours, 3, kAddHour},
                                              {kSubHours, 0, kSubHour},
                                              {kAddMinutes, 3, kAddMinute},
                                              {kSubMinutes, 0, kSubMinute}}) {
    const MultipleStepPlan plan = PlanMultipleStep(multiple, options);
    EXPECT_EQ(std::pair(plan.count, plan.step), std::pair(count, step)) << count;
  }
}

// The window test opens every delivered help file and names a missing one.
TEST(HelpFiles, LinesEndInCrLf) {
  const std::string dir = test::MakeTempDir("help");
  test::WriteText(dir + "/HINTS.HLP", "first\nsecond\r\nthird");
  EXPECT_EQ(ReadHelpText(dir, "HINTS.HLP"), "first\r\nsecond\r\nthird\r\n");
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace kairotex
