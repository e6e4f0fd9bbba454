// The report buffer (its spare empty slot, the 16-bit count, the warnings, the
// header lines, a minimised data window), the saved data file, the print
// file and the print window's pages.
#include "reports/report_buffer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "reports/print_pages.h"
#include "reports/saved_data_file.h"
#include "settings/safe_file_write.h"
#include "test_messages.h"
#include "test_paths.h"

namespace kairotex {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// A buffer, the messages it shows and a data window.
struct Buffered {
  test::RecordingMessages messages;
  ReportBuffer buffer{messages};
  test::RecordingView view;

  // A report of lines "line 1" ... "line n", shown when asked.
  Buffered& Report(int n, bool show = true) {
    buffer.StartReport();
    for (int i = 1; i <= n; ++i) buffer.AppendLines({"line " + std::to_string(i)});
    if (show) buffer.ShowReport(view, "");
    return *this;
  }
  std::pair<int, int> Counts() const {
    return {buffer.report_line_count(), buffer.data_line_count()};
  }
  void ExpectOneMessage(const std::string& text, const std::string& title, MessageIcon icon) {
    ASSERT_EQ(messages.all.size(), 1u);
    const test::RecordedMessage& m = messages.all[0];
    EXPECT_EQ(std::tie(m.text, m.title, m.icon), std::tie(text, title, icon));
    messages.all.clear();
    messages.texts.clear();
  }
};

TEST(ReportBuffer, ShownReportEndsWithClosingLineAndSpareSlot) {
  Buffered b;
  b.Report(3, false).buffer.ShowReport(b.view, "T - ");
  EXPECT_EQ(b.view.shown.back(), "line 1\r\nline 2\r\nline 3\r\n\r\n\r\n");
  EXPECT_EQ(b.view.last_caption, "T - Data");
  // Each showing (a font change shows the report again) adds one more line.
  b.buffer.ShowReport(b.view, "");
  EXPECT_EQ(b.view.shown.back(), "line 1\r\nline 2\r\nline 3\r\n\r\n\r\n\r\n");
  EXPECT_EQ(b.Counts(), std::pair(5, 5));
  EXPECT_TRUE(b.messages.all.empty());

  // AppendLine keeps the current line; a blank line empties it.
  Buffered k;
  k.buffer.current_line = "kept";
  k.buffer.AppendLine();
  k.buffer.AppendLine();
  k.buffer.AppendBlankLine();
  EXPECT_EQ(k.buffer.data_lines(), (Lines{"kept", "kept", "", ""}));
  EXPECT_EQ(k.buffer.ReportText("\n"), "kept\nkept\n\n\n");
}

TEST(ReportBuffer, SixteenBitCountRefusesTheLinePast32767) {
  Buffered b;
  b.Report(32768, false);
  EXPECT_EQ(b.Counts(), std::pair(32767, 32767));
  ASSERT_EQ(b.buffer.data_lines().size(), 32768u);
  EXPECT_EQ(b.buffer.data_lines()[32766], "line 32767");
  EXPECT_EQ(b.buffer.data_lines()[32767], "");
  b.ExpectOneMessage(kBufferFullMessage, "Warning!", MessageIcon::kCritical);
  // Every further line gives the message again and is lost; showing still
  // works, warning that the buffer is nearly full.
  b.buffer.ShowReport(b.view, "");
  EXPECT_EQ(b.messages.texts, (Lines{kBufferFullMessage, kBufferNearlyFullMessage}));
  EXPECT_EQ(b.view.shown.size(), 1u);
  EXPECT_EQ(b.buffer.data_line_count(), 32767);
  // Clearing makes room again, telling the user; the current report stays.
  b.messages.all.clear();
  b.buffer.ClearAllData();
  b.ExpectOneMessage(kAllDataClearedMessage, "Information!", MessageIcon::kExclamation);
  EXPECT_EQ(b.buffer.data_lines(), (Lines{"", ""}));
  EXPECT_EQ(b.buffer.report_line_count(), 32767);
  b.buffer.ShowReport(b.view, "");  // nothing buffered: not shown
  EXPECT_EQ(b.view.shown.size(), 1u);
  b.Report(1, false);
  EXPECT_EQ(b.buffer.data_line_count(), 1);
}

// The closing empty line of ShowReport comes on top of the lines appended;
// the report is shown all the same.
TEST(ReportBuffer, NearlyFullOnceMoreThan1000LinesAreBuffered) {
  Buffered quiet, warned;
  EXPECT_TRUE(quiet.Report(999).messages.all.empty());
  warned.Report(1000).ExpectOneMessage(kBufferNearlyFullMessage, "Warning!",
                                       MessageIcon::kInformation);
  EXPECT_EQ(warned.view.shown.size(), 1u);
}

TEST(ReportBuffer, MinimisedWindowKeepsTheLinesBuffered) {
  Buffered b;
  b.view.minimised = true;
  b.Report(3);
  EXPECT_TRUE(b.view.shown.empty());
  EXPECT_EQ(b.Counts(), std::pair(3, 3));
  b.view.minimised = false;
  b.Report(1);
  ASSERT_EQ(b.view.shown.size(), 1u);
  EXPECT_EQ(b.view.shown[0], "line 1\r\n\r\n\r\n");
  EXPECT_EQ(b.buffer.data_lines()[2], "line 3");
  EXPECT_EQ(b.buffer.data_line_count(), 5);
}

TEST(ReportHeader, ThreeLinesOfTitleMomentAndPlace) {
  const std::tuple<int, int, int, float, const char*, float, float, float, const char*> cases[] = {
      {5, 12, 2026, 5.30f, "P.M.", 5, 73.59f, 40.45f,
       "  05 Dec 2026    TZ = 5.0      5.30 P.M.   73w59    40n45"},
      {31, 1, 1999, 12.05f, "A.M.", -5.5f, -2.2f, -33.52f,
       "  31 Jan 1999    TZ = -5.5      12.05 A.M.   2e20    33s52"},
      {1, 7, 2030, 0.0f, "A.M.", -10, -151.15f, 0,
       "  01 Jul 2030    TZ = -10.0      0.00 A.M.   151e15    0n00"}};
  for (const auto& [day, month, year, time, am_pm, zone, lon, lat, line3] : cases) {
    ChartState chart;
    chart.ChartTitle = "SMITH WEDDING - election chart";
    chart.ChartDay = day;
    chart.ChartMonth = month;
    chart.ChartYear = year;
    chart.ChartTimeHMM = time;
    chart.AmPm = am_pm;
    chart.ChartZone = zone;
    chart.ChartLongitude = lon;
    chart.LongitudeDir = lon < 0 ? "EAST" : "WEST";
    chart.ChartLatitude = lat;
    chart.LatitudeDir = lat < 0 ? "SOUTH" : "NORTH";
    Buffered b;
    b.buffer.StartReport();
    AppendReportHeader(b.buffer, chart);
    EXPECT_EQ(b.buffer.data_line_count(), 3);
    EXPECT_EQ(b.buffer.report_lines(), (Lines{"", "  " + chart.ChartTitle, line3, ""}));
  }
}

// The title up to its first blank or its 8th character, then cleaned of the
// characters a file name cannot hold.
TEST(SavedDataFile, ProposedName) {
  const std::pair<const char*, const char*> cases[] = {
      {"SMITH WEDDING - election chart", "SMITH.DOC"},
      {"Wednesday meeting - election chart", "Wednesda.DOC"},
      {"Abcdefgh ij - election chart", "Abcdefgh.DOC"},
      {"A:B*C?D\"E - election chart", "ABCD.DOC"},
      {"<a|b>\\c/d - election chart", "abc.DOC"},  // 8 characters end at the slash
      {"Ab\tcd ef", "Abcd.DOC"},
      {"", ".DOC"}};
  for (const auto& [title, name] : cases) EXPECT_EQ(ProposedDataFileName(title), name) << title;
}

// For each form-feed line of the file the buffer line it follows; every line
// ends with CR LF. The spare slot is the last line and can be a multiple; a
// step below 1 gives only the closing form feed; 3.5 lines go to 4, 2.5 to 2.
TEST(SavedDataFile, FormFeedLinesByOption50) {
  const std::tuple<int, float, std::vector<int>> cases[] = {
      {130, 61, {60, 120, 130}}, {3, 2, {1, 2, 3, 3}},      {5, 1, {5}}, {5, -4, {5}},
      {9, 4.5f, {4, 8, 9}},      {9, 3.5f, {2, 4, 6, 8, 9}}};
  for (const auto& [lines, option50, form_feeds_after] : cases) {
    Buffered b;
    b.Report(lines, false);
    const std::string text = DataFileText(b.buffer, option50);
    std::vector<int> after;
    int buffer_line = -1;
    ASSERT_EQ(text.substr(text.size() - 2), "\r\n");
    for (size_t start = 0, end; start < text.size(); start = end + 2) {
      end = text.find("\r\n", start);
      const std::string line = text.substr(start, end - start);
      EXPECT_EQ(line.find('\n'), std::string::npos);
      line == "\f" ? after.push_back(buffer_line) : void(++buffer_line);
    }
    EXPECT_EQ(after, form_feeds_after) << lines << " " << option50;
  }
}

// Reports of 2 and then 1 line, the first shown, the second shown when asked.
void TwoReports(Buffered& b, bool show_second) {
  b.Report(2).buffer.StartReport();
  b.buffer.AppendLines({"line 1"});
  if (show_second) b.buffer.ShowReport(b.view, "");
}

TEST(SavedDataFile, SavesEveryLineOrNothingAndKeepsTheOldFile) {
  Buffered b;
  const std::string dir = test::MakeTempDir("save");
  EXPECT_FALSE(SaveDataFile(dir + "/EMPTY.DOC", b.buffer, 61, b.messages));
  EXPECT_FALSE(fs::exists(dir + "/EMPTY.DOC"));
  b.ExpectOneMessage(kNoDataToWriteMessage, "Information", MessageIcon::kExclamation);

  TwoReports(b, false);
  ASSERT_TRUE(SaveDataFile(dir + "/SMITH.DOC", b.buffer, 61, b.messages));
  EXPECT_EQ(test::ReadText(dir + "/SMITH.DOC"), "line 1\r\nline 2\r\n\r\nline 1\r\n\r\n\f\r\n");
  EXPECT_TRUE(b.messages.all.empty());

  // A failed write keeps the earlier file and names it.
  const std::string old = dir + "/OLD.DOC";
  std::ofstream(old, std::ios::binary) << "earlier report\r\n";
  fs::create_directory(ReplacementScratchPath(old));
  EXPECT_FALSE(SaveDataFile(old, b.buffer, 61, b.messages));
  EXPECT_EQ(test::ReadText(old), "earlier report\r\n");
  ASSERT_EQ(b.messages.all.size(), 1u);
  EXPECT_NE(b.messages.all[0].text.find(old), std::string::npos);
  EXPECT_EQ(b.messages.all[0].title, "Warning!");
}

TEST(PrintFile, PageAndDataGoToPrntFile) {
  Buffered b;
  const std::string dir = test::MakeTempDir("print"), print_file = dir + "/" + kPrintFileName;
  b.buffer.StartReport();
  EXPECT_FALSE(WriteReportPrintFile(dir, b.buffer, b.messages));  // empty report: nothing
  EXPECT_FALSE(WriteDataPrintFile(dir, b.buffer, b.messages));
  EXPECT_FALSE(fs::exists(print_file));
  b.ExpectOneMessage(kNoDataToPrintMessage, "Information", MessageIcon::kExclamation);

  TwoReports(b, true);
  ASSERT_TRUE(WriteReportPrintFile(dir, b.buffer, b.messages));
  EXPECT_EQ(test::ReadText(print_file), "line 1\r\n\r\n\r\n");
  ASSERT_TRUE(WriteDataPrintFile(dir, b.buffer, b.messages));
  EXPECT_EQ(test::ReadText(print_file), "line 1\r\nline 2\r\n\r\nline 1\r\n\r\n\r\n");
  EXPECT_TRUE(b.messages.all.empty());
}

// Lines split at line ends; a line longer than option 51 makes the text wide;
// option 49 lines to a page, with no empty page after a full last page, and
// one page for a count the counter never reaches (below 1 or not whole).
TEST(PrintPages, LinesWideTextAndPages) {
  const std::pair<std::string, Lines> texts[] = {
      {"", {}}, {"a\r\nb\r\n", {"a", "b"}}, {"a\r\n\r\n", {"a", ""}}, {"a\nb", {"a", "b"}}};
  for (const auto& [text, lines] : texts) EXPECT_EQ(PrintFileLines(text), lines) << text;
  EXPECT_FALSE(IsWideText({"short", std::string(80, 'x')}, 80));
  EXPECT_TRUE(IsWideText({"short", std::string(81, 'x'), ""}, 80));

  const std::tuple<int, float, std::vector<size_t>> cases[] = {
      {120, 60, {60, 60}}, {121, 60, {60, 60, 1}}, {3, 1, {1, 1, 1}}, {100, 0, {100}},
      {100, -5, {100}},    {100, 49.5f, {100}},    {0, 49, {0}}};
  for (const auto& [count, option49, page_sizes] : cases) {
    Lines lines;
    for (int i = 0; i < count; ++i) lines.push_back(std::to_string(i));
    const std::vector<Lines> pages = PrintPages(lines, option49);
    std::vector<size_t> sizes;
    for (const Lines& page : pages) sizes.push_back(page.size());
    EXPECT_EQ(sizes, page_sizes) << count << " lines, option " << option49;
    EXPECT_EQ(pages.back().empty() ? "" : pages.back().back(),
              count > 0 ? std::to_string(count - 1) : "");
  }
}

}  // namespace
}  // namespace kairotex
