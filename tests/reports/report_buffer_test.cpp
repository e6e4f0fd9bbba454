// The report buffer: its spare empty slot, the 16-bit count, the warnings,
// the header lines and what a minimised data window changes.
#include "reports/report_buffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_messages.h"

namespace kairotex {
namespace {

using Lines = std::vector<std::string>;

// A buffer, the messages it shows and a data window; a report of n lines
// "line 1" ... "line n" started and, when asked, shown.
struct Buffered {
  test::RecordingMessages messages;
  ReportBuffer buffer{messages};
  test::RecordingView view;

  Buffered& Report(int n, bool show = true) {
    buffer.StartReport();
    Append(n);
    if (show) buffer.ShowReport(view, "");
    return *this;
  }
  void Append(int n) {
    for (int i = 0; i < n; ++i) {
      buffer.current_line = "line " + std::to_string(i + 1);
      buffer.AppendLine();
    }
  }
};

TEST(ReportBuffer, ShownReportEndsWithClosingLineAndSpareSlot) {
  for (int n : {1, 2, 7}) {
    Buffered b;
    b.Report(n, false).buffer.ShowReport(b.view, "T - ");
    EXPECT_EQ(b.buffer.report_line_count(), n + 1);
    EXPECT_EQ(b.buffer.data_line_count(), n + 1);
    ASSERT_EQ(b.view.shown.size(), 1u);
    // The closing line and the spare slot, each with its line end.
    const std::string& shown = b.view.shown[0];
    const std::string last = "line " + std::to_string(n) + "\r\n\r\n\r\n";
    EXPECT_EQ(shown.substr(shown.size() - last.size()), last);
    EXPECT_EQ(shown.rfind("line 1\r\n", 0), 0u);
    EXPECT_EQ(b.view.last_caption, "T - Data");
    EXPECT_TRUE(b.messages.all.empty());
  }
}

TEST(ReportBuffer, EachShowingAddsOneMoreEmptyLine) {
  Buffered b;
  b.Report(3).buffer.ShowReport(b.view, "");  // as a font change shows the report again
  EXPECT_EQ(b.buffer.report_line_count(), 5);
  EXPECT_EQ(b.buffer.data_line_count(), 5);
  EXPECT_EQ(b.view.shown.back(), "line 1\r\nline 2\r\nline 3\r\n\r\n\r\n\r\n");
}

TEST(ReportBuffer, AppendLineKeepsTheCurrentLineAndBlankLineEmptiesIt) {
  Buffered b;
  b.buffer.current_line = "kept";
  b.buffer.AppendLine();
  b.buffer.AppendLine();
  EXPECT_EQ(b.buffer.current_line, "kept");
  b.buffer.AppendBlankLine();
  EXPECT_EQ(b.buffer.current_line, "");
  EXPECT_EQ(b.buffer.data_lines(), (Lines{"kept", "kept", "", ""}));
  EXPECT_EQ(b.buffer.ReportText("\n"), "kept\nkept\n\n\n");
}

TEST(ReportBuffer, SixteenBitCountRefusesTheLinePast32767) {
  Buffered b;
  b.Append(32768);
  EXPECT_EQ(b.buffer.data_line_count(), 32767);
  EXPECT_EQ(b.buffer.report_line_count(), 32767);
  ASSERT_EQ(b.buffer.data_lines().size(), 32768u);
  EXPECT_EQ(b.buffer.data_lines()[32766], "line 32767");
  EXPECT_EQ(b.buffer.data_lines()[32767], "");
  ASSERT_EQ(b.messages.all.size(), 1u);
  EXPECT_EQ(b.messages.all[0].text, kBufferFullMessage);
  EXPECT_EQ(b.messages.all[0].title, "Warning!");
  EXPECT_EQ(b.messages.all[0].icon, MessageIcon::kCritical);

  // Every further line gives the message again and is lost; showing still works.
  b.buffer.AppendBlankLine();
  EXPECT_EQ(b.messages.all.size(), 2u);
  b.buffer.ShowReport(b.view, "");
  ASSERT_EQ(b.messages.all.size(), 4u);
  EXPECT_EQ(b.messages.all[2].text, kBufferFullMessage);
  EXPECT_EQ(b.messages.all[3].text, kBufferNearlyFullMessage);
  EXPECT_EQ(b.view.shown.size(), 1u);
  EXPECT_EQ(b.buffer.data_line_count(), 32767);

  // Clearing and a new report make room again.
  b.buffer.ClearAllData();
  b.Report(1, false);
  EXPECT_EQ(b.buffer.data_line_count(), 1);
}

TEST(ReportBuffer, NearlyFullOnceMoreThan1000LinesAreBuffered) {
  // The closing empty line of ShowReport comes on top of the lines appended.
  const std::pair<int, bool> cases[] = {{999, false}, {1000, true}};
  for (const auto& [appended, warned] : cases) {
    Buffered b;
    b.Report(appended);
    ASSERT_EQ(b.messages.all.size(), warned ? 1u : 0u) << appended;
    if (warned) {
      EXPECT_EQ(b.messages.all[0].text, kBufferNearlyFullMessage);
      EXPECT_EQ(b.messages.all[0].title, "Warning!");
      EXPECT_EQ(b.messages.all[0].icon, MessageIcon::kInformation);
    }
    EXPECT_EQ(b.view.shown.size(), 1u);  // the report is shown all the same
  }
}

TEST(ReportBuffer, ClearAllDataEmptiesOnlyTheDataBuffer) {
  Buffered b;
  b.Report(4).buffer.ClearAllData();
  EXPECT_EQ(b.buffer.data_line_count(), 0);
  EXPECT_EQ(b.buffer.data_lines(), (Lines{"", ""}));
  EXPECT_EQ(b.buffer.report_line_count(), 5);
  ASSERT_EQ(b.messages.all.size(), 1u);
  EXPECT_EQ(b.messages.all[0].text, "All data cleared from buffer.");
  EXPECT_EQ(b.messages.all[0].title, "Information!");
  EXPECT_EQ(b.messages.all[0].icon, MessageIcon::kExclamation);

  // With nothing buffered a report is not shown.
  b.buffer.ShowReport(b.view, "");
  EXPECT_EQ(b.view.shown.size(), 1u);
  EXPECT_EQ(b.buffer.report_line_count(), 5);
}

TEST(ReportBuffer, MinimisedWindowKeepsTheLinesBuffered) {
  Buffered b;
  b.view.minimised = true;
  b.Report(3);
  EXPECT_TRUE(b.view.shown.empty());
  EXPECT_EQ(b.buffer.report_line_count(), 3);
  EXPECT_EQ(b.buffer.data_line_count(), 3);

  b.view.minimised = false;
  b.buffer.StartReport();
  EXPECT_EQ(b.buffer.report_line_count(), 0);
  EXPECT_EQ(b.buffer.report_lines(), (Lines{"", ""}));
  EXPECT_EQ(b.buffer.data_line_count(), 3);
  b.buffer.current_line = "next";
  b.buffer.AppendLine();
  b.buffer.ShowReport(b.view, "");
  ASSERT_EQ(b.view.shown.size(), 1u);
  EXPECT_EQ(b.view.shown[0], "next\r\n\r\n\r\n");
  EXPECT_EQ(b.buffer.data_lines()[2], "line 3");
}

TEST(ReportHeader, ThreeLinesOfTitleMomentAndPlace) {
  const struct {
    const char* title;
    int day, month, year;
    float time;
    const char *am_pm, *lon_dir, *lat_dir;
    float zone, longitude, latitude;
    const char* line3;
  } cases[] = {
      {"SMITH WEDDING - election chart", 5, 12, 2026, 5.30f, "P.M.", "WEST", "NORTH", 5, 73.59f,
       40.45f, "  05 Dec 2026    TZ = 5.0      5.30 P.M.   73w59    40n45"},
      {"Now", 31, 1, 1999, 12.05f, "A.M.", "EAST", "SOUTH", -5.5f, -2.2f, -33.52f,
       "  31 Jan 1999    TZ = -5.5      12.05 A.M.   2e20    33s52"},
      {"Now", 1, 7, 2030, 0.0f, "A.M.", "EAST", "NORTH", -10, -151.15f, 0,
       "  01 Jul 2030    TZ = -10.0      0.00 A.M.   151e15    0n00"},
  };
  for (const auto& c : cases) {
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
    Buffered b;
    b.buffer.StartReport();
    AppendReportHeader(b.buffer, chart);
    EXPECT_EQ(b.buffer.report_line_count(), 3);
    EXPECT_EQ(b.buffer.data_line_count(), 3);
    EXPECT_EQ(b.buffer.report_lines(), (Lines{"", std::string("  ") + c.title, c.line3, ""}));
  }
}

}  // namespace
}  // namespace kairotex
