// The saved data file, the proposed file name and the print file.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "reports/saved_data_file.h"
#include "settings/safe_file_write.h"
#include "test_messages.h"
#include "test_paths.h"

namespace kairotex {
namespace {

namespace fs = std::filesystem;

void AppendLines(ReportBuffer& buffer, int count) {
  std::vector<std::string> lines;
  for (int i = 1; i <= count; ++i) {
    char line[16];
    std::snprintf(line, sizeof line, "L%d", i);
    lines.emplace_back(line);
  }
  buffer.AppendLines(lines);
}

// The file's CR LF lines, and for each form-feed line the index of the
// buffer line it follows.
std::vector<int> FormFeedPositions(const std::string& text) {
  std::vector<int> after;
  int buffer_line = -1;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "line without CR LF";
    if (end == std::string::npos) break;
    const std::string line = text.substr(start, end - start);
    EXPECT_EQ(line.find('\n'), std::string::npos);
    if (line == "\f") {
      after.push_back(buffer_line);
    } else {
      ++buffer_line;
    }
    start = end + 2;
  }
  return after;
}

TEST(SavedDataFile, ProposedName) {
  struct Case {
    const char* title;
    const char* name;
  };
  const Case cases[] = {
      {"SMITH WEDDING - election chart", "SMITH.DOC"},
      {"Wednesday meeting - election chart", "Wednesda.DOC"},
      {"Now", "Now.DOC"},
      {"Abcdefg hij - election chart", "Abcdefg.DOC"},   // blank at position 8
      {"Abcdefgh ij - election chart", "Abcdefgh.DOC"},  // blank at position 9
      {"A:B*C?D\"E - election chart", "ABCD.DOC"},       // cut first, then cleaned
      {"x/y z - election chart", "xy.DOC"},
      {"<a|b>\\c - election chart", "abc.DOC"},
      {"Ab\tcd ef", "Abcd.DOC"},
      {"", ".DOC"},
  };
  for (const Case& c : cases) EXPECT_EQ(ProposedDataFileName(c.title), c.name) << c.title;
}

TEST(SavedDataFile, FormFeedLinesByOption50) {
  struct Case {
    int lines;
    float option50;
    std::vector<int> form_feeds_after;
  };
  const Case cases[] = {
      {130, 61, {60, 120, 130}},
      {10, 3, {2, 4, 6, 8, 10, 10}},  // the spare slot is line 10 and a multiple
      {3, 2, {1, 2, 3, 3}},
      {5, 1, {5}},  // a step of 0: only the closing form feed
      {5, 0, {5}},
      {5, -4, {5}},
      {9, 4.5f, {4, 8, 9}},        // 3.5 lines go to 4
      {9, 3.5f, {2, 4, 6, 8, 9}},  // 2.5 lines go to 2
  };
  for (const Case& c : cases) {
    test::RecordingMessages messages;
    ReportBuffer buffer(messages);
    AppendLines(buffer, c.lines);
    const std::string text = DataFileText(buffer, c.option50);
    EXPECT_EQ(FormFeedPositions(text), c.form_feeds_after) << c.lines << " " << c.option50;
    EXPECT_EQ(text.rfind("L1\r\nL2\r\n", 0), 0u);
    EXPECT_EQ(text.substr(text.size() - 5), "\r\n\f\r\n");
  }
}

TEST(SavedDataFile, SavesEveryBufferedLine) {
  test::RecordingMessages messages;
  ReportBuffer buffer(messages);
  test::RecordingView view;
  buffer.StartReport();
  AppendLines(buffer, 2);
  buffer.ShowReport(view, "");
  buffer.StartReport();
  AppendLines(buffer, 1);

  const std::string path = test::MakeTempDir("save") + "/SMITH.DOC";
  ASSERT_TRUE(SaveDataFile(path, buffer, 61, messages));
  EXPECT_EQ(test::ReadText(path), "L1\r\nL2\r\n\r\nL1\r\n\r\n\f\r\n");
  EXPECT_TRUE(messages.all.empty());
}

TEST(SavedDataFile, EmptyBufferWritesNothing) {
  test::RecordingMessages messages;
  ReportBuffer buffer(messages);
  const std::string path = test::MakeTempDir("save-empty") + "/EMPTY.DOC";
  EXPECT_FALSE(SaveDataFile(path, buffer, 61, messages));
  EXPECT_FALSE(fs::exists(path));
  ASSERT_EQ(messages.all.size(), 1u);
  EXPECT_EQ(messages.all[0].text, "No data to write to file.");
  EXPECT_EQ(messages.all[0].title, "Information");
  EXPECT_EQ(messages.all[0].icon, MessageIcon::kExclamation);
}

TEST(SavedDataFile, FailedWriteKeepsTheOldFile) {
  test::RecordingMessages messages;
  ReportBuffer buffer(messages);
  AppendLines(buffer, 3);
  const std::string path = test::MakeTempDir("save-fail") + "/OLD.DOC";
  std::ofstream(path, std::ios::binary) << "earlier report\r\n";
  fs::create_directory(ReplacementScratchPath(path));

  EXPECT_FALSE(SaveDataFile(path, buffer, 61, messages));
  EXPECT_EQ(test::ReadText(path), "earlier report\r\n");
  ASSERT_EQ(messages.all.size(), 1u);
  EXPECT_NE(messages.all[0].text.find(path), std::string::npos);
  EXPECT_EQ(messages.all[0].title, "Warning!");
}

TEST(PrintFile, PageAndDataGoToPrntFile) {
  test::RecordingMessages messages;
  ReportBuffer buffer(messages);
  test::RecordingView view;
  const std::string dir = test::MakeTempDir("print");
  const std::string print_file = dir + "/PRNTFILE.XXX";

  buffer.StartReport();
  EXPECT_FALSE(WriteReportPrintFile(dir, buffer, messages));  // empty report: nothing
  EXPECT_FALSE(fs::exists(print_file));
  EXPECT_TRUE(messages.all.empty());

  AppendLines(buffer, 2);
  buffer.ShowReport(view, "");
  buffer.StartReport();
  AppendLines(buffer, 1);
  buffer.ShowReport(view, "");

  ASSERT_TRUE(WriteReportPrintFile(dir, buffer, messages));
  EXPECT_EQ(test::ReadText(print_file), "L1\r\n\r\n\r\n");
  ASSERT_TRUE(WriteDataPrintFile(dir, buffer, messages));
  EXPECT_EQ(test::ReadText(print_file), "L1\r\nL2\r\n\r\nL1\r\n\r\n\r\n");
  EXPECT_TRUE(messages.all.empty());
}

TEST(PrintFile, EmptyBufferHasNoDataToPrint) {
  test::RecordingMessages messages;
  ReportBuffer buffer(messages);
  const std::string dir = test::MakeTempDir("print-empty");
  EXPECT_FALSE(WriteDataPrintFile(dir, buffer, messages));
  EXPECT_FALSE(fs::exists(dir + "/PRNTFILE.XXX"));
  ASSERT_EQ(messages.all.size(), 1u);
  EXPECT_EQ(messages.all[0].text, "No data to print.");
  EXPECT_EQ(messages.all[0].title, "Information");
  EXPECT_EQ(messages.all[0].icon, MessageIcon::kExclamation);
}

}  // namespace
}  // namespace kairotex
