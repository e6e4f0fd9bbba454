// The report buffer: its spare empty slot, the 16-bit count, the warnings,
// the header lines and what a minimised data window changes.
#include "reports/report_buffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_messages.h"

namespace kairotex {
namespace {

void AppendLines(ReportBuffer& buffer, int count) {
  for (int i = 0; i < count; ++i) {
    buffer.current_line = std::to_string(i + 1).insert(0, "line ");
    buffer.AppendLine();
  }
}

TEST(ReportBuffer, ShownReportEndsWithClosingLineAndSpareSlot) {
  for (int n : {1, 2, 7}) {
    test::RecordingMessages messages;
    ReportBuffer buffer(messages);
    test::RecordingView view;
    buffer.StartReport();
    AppendLines(buffer, n);
    buffer.ShowReport(view, "T - ");

    EXPECT_EQ(buffer.report_line_count(), n + 1);
    EXPECT_EQ(buffer.data_line_count(), n + 1);
    ASSERT_EQ(buffer.report_lines().size(), static_cast<size_t>(n + 2));
    EXPECT_EQ(buffer.report_lines()[n], "");
    EXPECT_EQ(buffer.report_lines()[n + 1], "");
    ASSERT_EQ(view.shown.size(), 1u);
    const std::string last = "line " + std::to_string(n) + "\r\n";
    EXPECT_EQ(view.shown[0].substr(view.shown[0].size() - last.size() - 4), last + "\r\n\r\n");
    EXPECT_EQ(view.shown[0].rfind("line 1\r\n", 0), 0u);
    EXPECT_EQ(view.last_caption, "T - Data");
    EXPECT_TRUE(messages.all.empty());
  }
}

TEST(ReportBuffer, EachShowingAddsOneMoreEmptyLine) {
  test::RecordingMessages messages;
  ReportBuffer buffer(messages);
  test::RecordingView view;
  buffer.StartReport();
  AppendLines(buffer, 3);
  buffer.ShowReport(view, "");
  buffer.ShowReport(view, "");  // as a font change shows the report again
  EXPECT_EQ(buffer.report_line_count(), 5);
  EXPECT_EQ(buffer.data_line_count(), 5);
  EXPECT_EQ(view.shown.back(), "line 1\r\nline 2\r\nline 3\r\n\r\n\r\n\r\n");
}

TEST(ReportBuffer, AppendLineKeepsTheCurrentLineAndBlankLineEmptiesIt) {
  test::RecordingMessages messages;
  ReportBuffer buffer(messages);
  buffer.current_line = "kept";
  buffer.AppendLine();
  buffer.AppendLine();
  EXPECT_EQ(buffer.current_line, "kept");
  buffer.AppendBlankLine();
  EXPECT_EQ(buffer.current_line, "");
  EXPECT_EQ(buffer.data_lines(), (std::vector<std::string>{"kept", "kept", "", ""}));
  EXPECT_EQ(buffer.ReportText("\n"), "kept\nkept\n\n\n");
}

TEST(ReportBuffer, SixteenBitCountRefusesTheLinePast32767) {
  test::RecordingMessages messages;
  ReportBuffer buffer(messages);
  AppendLines(buffer, 32768);

  EXPECT_EQ(buffer.data_line_count(), 32767);
  EXPECT_EQ(buffer.report_line_count(), 32767);
  ASSERT_EQ(buffer.data_lines().size(), 32768u);
  EXPECT_EQ(buffer.data_lines()[32766], "line 32767");
  EXPECT_EQ(buffer.data_lines()[32767], "");
  ASSERT_EQ(messages.all.size(), 1u);
  EXPECT_EQ(messages.all[0].text, kBufferFullMessage);
  EXPECT_EQ(messages.all[0].title, "Warning!");
  EXPECT_EQ(messages.all[0].icon, MessageIcon::kCritical);

  // Every further line gives the message again and is lost; showing still works.
  buffer.AppendBlankLine();
  EXPECT_EQ(messages.all.size(), 2u);
  test::RecordingView view;
  buffer.ShowReport(view, "");
  ASSERT_EQ(messages.all.size(), 4u);
  EXPECT_EQ(messages.all[2].text, kBufferFullMessage);
  EXPECT_EQ(messages.all[3].text, kBufferNearlyFullMessage);
  EXPECT_EQ(view.shown.size(), 1u);
  EXPECT_EQ(buffer.data_line_count(), 32767);

  // Clearing and a new report make room again.
  buffer.ClearAllData();
  buffer.StartReport();
  AppendLines(buffer, 1);
  EXPECT_EQ(buffer.data_line_count(), 1);
}

TEST(ReportBuffer, NearlyFullOnceMoreThan1000LinesAreBuffered) {
  struct Case {
    int appended;  // the closing empty line of ShowReport comes on top
    bool warned;
  };
  const Case cases[] = {{998, false}, {999, false}, {1000, true}, {1500, true}};
  for (const Case& c : cases) {
    test::RecordingMessages messages;
    ReportBuffer buffer(messages);
    test::RecordingView view;
    buffer.StartReport();
    AppendLines(buffer, c.appended);
    buffer.ShowReport(view, "");
    ASSERT_EQ(messages.all.size(), c.warned ? 1u : 0u) << c.appended;
    if (c.warned) {
      EXPECT_EQ(messages.all[0].text, kBufferNearlyFullMessage);
      EXPECT_EQ(messages.all[0].title, "Warning!");
      EXPECT_EQ(messages.all[0].icon, MessageIcon::kInformation);
    }
    EXPECT_EQ(view.shown.size(), 1u);  // the report is shown all the same
  }
}

TEST(ReportBuffer, ClearAllDataEmptiesOnlyTheDataBuffer) {
  test::RecordingMessages messages;
  ReportBuffer buffer(messages);
  test::RecordingView view;
  buffer.StartReport();
  AppendLines(buffer, 4);
  buffer.ShowReport(view, "");
  buffer.ClearAllData();

  EXPECT_EQ(buffer.data_line_count(), 0);
  EXPECT_EQ(buffer.data_lines(), (std::vector<std::string>{"", ""}));
  EXPECT_EQ(buffer.report_line_count(), 5);
  ASSERT_EQ(messages.all.size(), 1u);
  EXPECT_EQ(messages.all[0].text, "All data cleared from buffer.");
  EXPECT_EQ(messages.all[0].title, "Information!");
  EXPECT_EQ(messages.all[0].icon, MessageIcon::kExclamation);

  // With nothing buffered a report is not shown.
  buffer.ShowReport(view, "");
  EXPECT_EQ(view.shown.size(), 1u);
  EXPECT_EQ(buffer.report_line_count(), 5);
}

TEST(ReportBuffer, MinimisedWindowKeepsTheLinesBuffered) {
  test::RecordingMessages messages;
  ReportBuffer buffer(messages);
  test::RecordingView view;
  view.minimised = true;
  buffer.StartReport();
  AppendLines(buffer, 3);
  buffer.ShowReport(view, "");
  EXPECT_TRUE(view.shown.empty());
  EXPECT_EQ(buffer.report_line_count(), 3);
  EXPECT_EQ(buffer.data_line_count(), 3);

  view.minimised = false;
  buffer.StartReport();
  EXPECT_EQ(buffer.report_line_count(), 0);
  EXPECT_EQ(buffer.report_lines(), (std::vector<std::string>{"", ""}));
  EXPECT_EQ(buffer.data_line_count(), 3);
  buffer.current_line = "next";
  buffer.AppendLine();
  buffer.ShowReport(view, "");
  ASSERT_EQ(view.shown.size(), 1u);
  EXPECT_EQ(view.shown[0], "next\r\n\r\n\r\n");
  EXPECT_EQ(buffer.data_lines()[2], "line 3");
}

TEST(ReportHeader, ThreeLinesOfTitleMomentAndPlace) {
  struct Case {
    const char* title;
    int day, month, year;
    float time;
    const char* am_pm;
    float zone, longitude;
    const char* lon_dir;
    float latitude;
    const char* lat_dir;
    const char* line3;
  };
  const Case cases[] = {
      {"SMITH WEDDING - election chart", 5, 12, 2026, 5.30f, "P.M.", 5, 73.59f, "WEST", 40.45f,
       "NORTH", "  05 Dec 2026    TZ = 5.0      5.30 P.M.   73w59    40n45"},
      {"Now", 31, 1, 1999, 12.05f, "A.M.", -5.5f, -2.2f, "EAST", -33.52f, "SOUTH",
       "  31 Jan 1999    TZ = -5.5      12.05 A.M.   2e20    33s52"},
      {"Now", 1, 7, 2030, 0.0f, "A.M.", -10, -151.15f, "EAST", 0, "NORTH",
       "  01 Jul 2030    TZ = -10.0      0.00 A.M.   151e15    0n00"},
  };
  for (const Case& c : cases) {
    ChartState chart;
    chart.ChartTitle = c.title;
    chart.ChartDay = c.day;
    chart.ChartMonth = c.month;
    chart.ChartYear = c.year;
    chart.ChartTimeHMM = c.time;
    chart.AmPm = c.am_pm;
    chart.ChartZone = c.zone;
    chart.ChartLongitude = c.longitude;
    chart.LongitudeDir = c.lon_dir;
    chart.ChartLatitude = c.latitude;
    chart.LatitudeDir = c.lat_dir;

    test::RecordingMessages messages;
    ReportBuffer buffer(messages);
    buffer.StartReport();
    AppendReportHeader(buffer, chart);
    ASSERT_EQ(buffer.report_line_count(), 3);
    EXPECT_EQ(buffer.report_lines()[0], "");
    EXPECT_EQ(buffer.report_lines()[1], std::string("  ") + c.title);
    EXPECT_EQ(buffer.report_lines()[2], c.line3);
    EXPECT_EQ(buffer.data_line_count(), 3);
  }
}

}  // namespace
}  // namespace kairotex
