// The data window's font commands, its place in twips and its refresh.
#include "mainwindow/data_window_font.h"

#include <gtest/gtest.h>

#include "test_messages.h"

namespace kairotex {
namespace {

TEST(DataWindowFont, IncreaseAndDecreaseStopAtTheirLimits) {
  const struct {
    bool increase;
    double step;
    std::vector<double> sizes;  // after each command until it stops
  } cases[] = {
      {true, 1.5, {10.75, 11.5, 12.25, 12.25}},
      {false, 1.5, {9.25, 8.5, 7.75, 7.75}},
      {true, 1.2, {10.6, 11.2, 11.8, 12.4, 12.4}},
      {false, 1.2, {9.4, 8.8, 8.2, 7.6, 7.6}},
  };
  for (const auto& c : cases) {
    WindowSettings settings;
    for (size_t i = 0; i < c.sizes.size(); ++i) {
      const bool changed =
          c.increase ? IncreaseDataFont(settings, c.step) : DecreaseDataFont(settings, c.step);
      EXPECT_EQ(changed, i + 1 < c.sizes.size());
      EXPECT_NEAR(settings.FontSize, c.sizes[i], 1e-9) << "command " << i + 1;
    }
  }
}

TEST(DataWindowFont, CommandsEnabledInsideTheLimits) {
  const struct {
    double size;
    bool increase, decrease;
  } cases[] = {{10, true, true}, {12, false, true},   {11.99, true, true},
               {8, true, false}, {7.75, true, false}, {12.25, false, true}};
  for (const auto& c : cases) {
    WindowSettings settings;
    settings.FontSize = c.size;
    const DataFontCommands enabled = EnabledDataFontCommands(settings);
    EXPECT_EQ(enabled.increase, c.increase) << c.size;
    EXPECT_EQ(enabled.decrease, c.decrease) << c.size;
  }
}

TEST(DataWindowFont, BoldAndItalicStoredAsMinusOneOrZero) {
  WindowSettings settings;
  settings.FontItalic = 1;  // any value but 0 is on
  EXPECT_TRUE(ToggleDataFontBold(settings));
  EXPECT_EQ(settings.FontBold, -1);
  EXPECT_FALSE(ToggleDataFontBold(settings));
  EXPECT_EQ(settings.FontBold, 0);
  EXPECT_FALSE(ToggleDataFontItalic(settings));
  EXPECT_EQ(settings.FontItalic, 0);
  EXPECT_TRUE(ToggleDataFontItalic(settings));
  EXPECT_EQ(settings.FontItalic, -1);
}

TEST(DataWindowFont, RefreshShowsTheReportAgainWithOneMoreEmptyLine) {
  test::RecordingMessages messages;
  test::RecordingView view;
  ReportBuffer buffer(messages);
  EXPECT_FALSE(RefreshDataWindow(buffer, view, "T - "));
  EXPECT_TRUE(view.shown.empty());

  buffer.StartReport();
  buffer.AppendLines({"one", "two"});
  buffer.ShowReport(view, "T - ");
  EXPECT_EQ(buffer.report_line_count(), 3);
  for (int refresh = 1; refresh <= 2; ++refresh) {
    EXPECT_TRUE(RefreshDataWindow(buffer, view, "T - "));
    EXPECT_EQ(buffer.report_line_count(), 3 + refresh);
    EXPECT_EQ(buffer.data_line_count(), 3 + refresh);
  }
  EXPECT_EQ(view.shown.back(), "one\r\ntwo\r\n\r\n\r\n\r\n\r\n");
  EXPECT_EQ(view.last_caption, "T - Data");
}

TEST(DataWindowFont, PlaceInTwipsRoundTripsAndStaysWithin16Bits) {
  WindowSettings settings;
  const DataWindowRect pixels = DataWindowPixels(settings, 15);
  EXPECT_EQ(pixels.top, 44);
  EXPECT_EQ(pixels.left, 0);
  EXPECT_EQ(pixels.height, 436);
  EXPECT_EQ(pixels.width, 640);
  StoreDataWindowPixels(settings, {10, 20, 700, 500}, 15);
  EXPECT_EQ(settings.DataLeft, 150);
  EXPECT_EQ(settings.DataTop, 300);
  EXPECT_EQ(settings.DataWidth, 10500);
  EXPECT_EQ(settings.DataHeight, 7500);
  StoreDataWindowPixels(settings, {-5000, 0, 4000, 100}, 15);
  EXPECT_EQ(settings.DataLeft, -32768);
  EXPECT_EQ(settings.DataWidth, 32767);
}

}  // namespace
}  // namespace kairotex
