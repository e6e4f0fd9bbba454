// The saved data file, the proposed file name and the print file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

#include "reports/saved_data_file.h"
#include "settings/safe_file_write.h"
#include "test_messages.h"
#include "test_paths.h"

namespace kairotex {
namespace {

namespace fs = std::filesystem;

void AppendLines(ReportBuffer& buffer, int count) {
  for (int i = 1; i <= count; ++i) buffer.AppendLines({"L" + std::to_string(i)});
}

struct Buffered {
  test::RecordingMessages messages;
  ReportBuffer buffer{messages};
  test::RecordingView view;

  // Reports of 2 and then 1 line, the first shown, the second shown when asked.
  void TwoReports(bool show_second) {
    buffer.StartReport();
    AppendLines(buffer, 2);
    buffer.ShowReport(view, "");
    buffer.StartReport();
    AppendLines(buffer, 1);
    if (show_second) buffer.ShowReport(view, "");
  }
  void ExpectOneMessage(const std::string& text, const std::string& title) const {
    ASSERT_EQ(messages.all.size(), 1u);
    EXPECT_EQ(messages.all[0].text, text);
    EXPECT_EQ(messages.all[0].title, title);
    EXPECT_EQ(messages.all[0].icon, MessageIcon::kExclamation);
  }
};

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

// The title up to its first blank or its 8th character, then cleaned of the
// characters a file name cannot hold.
TEST(SavedDataFile, ProposedName) {
  const std::pair<const char*, const char*> cases[] = {
      {"SMITH WEDDING - election chart", "SMITH.DOC"},
      {"Wednesday meeting - election chart", "Wednesda.DOC"},
      {"Now", "Now.DOC"},
      {"Abcdefg hij - election chart", "Abcdefg.DOC"},
      {"Abcdefgh ij - election chart", "Abcdefgh.DOC"},
      {"A:B*C?D\"E - election chart", "ABCD.DOC"},
      {"x/y z - election chart", "xy.DOC"},
      {"<a|b>\\c - election chart", "abc.DOC"},
      {"Ab\tcd ef", "Abcd.DOC"},
      {"", ".DOC"}};
  for (const auto& [title, name] : cases) EXPECT_EQ(ProposedDataFileName(title), name) << title;
}

// The spare slot is the last line and can be a multiple; a step below 1 gives
// only the closing form feed; 3.5 lines go to 4 and 2.5 to 2.
TEST(SavedDataFile, FormFeedLinesByOption50) {
  const struct {
    int lines;
    float option50;
    std::vector<int> form_feeds_after;
  } cases[] = {{130, 61, {60, 120, 130}},
               {10, 3, {2, 4, 6, 8, 10, 10}},
               {3, 2, {1, 2, 3, 3}},
               {5, 1, {5}},
               {5, 0, {5}},
               {5, -4, {5}},
               {9, 4.5f, {4, 8, 9}},
               {9, 3.5f, {2, 4, 6, 8, 9}}};
  for (const auto& c : cases) {
    Buffered b;
    AppendLines(b.buffer, c.lines);
    const std::string text = DataFileText(b.buffer, c.option50);
    EXPECT_EQ(FormFeedPositions(text), c.form_feeds_after) << c.lines << " " << c.option50;
    EXPECT_EQ(text.rfind("L1\r\nL2\r\n", 0), 0u);
    EXPECT_EQ(text.substr(text.size() - 5), "\r\n\f\r\n");
  }
}

TEST(SavedDataFile, SavesEveryBufferedLine) {
  Buffered b;
  b.TwoReports(false);
  const std::string path = test::MakeTempDir("save") + "/SMITH.DOC";
  ASSERT_TRUE(SaveDataFile(path, b.buffer, 61, b.messages));
  EXPECT_EQ(test::ReadText(path), "L1\r\nL2\r\n\r\nL1\r\n\r\n\f\r\n");
  EXPECT_TRUE(b.messages.all.empty());
}

TEST(SavedDataFile, EmptyBufferWritesNothing) {
  Buffered b;
  const std::string path = test::MakeTempDir("save-empty") + "/EMPTY.DOC";
  EXPECT_FALSE(SaveDataFile(path, b.buffer, 61, b.messages));
  EXPECT_FALSE(fs::exists(path));
  b.ExpectOneMessage("No data to write to file.", "Information");
}

TEST(SavedDataFile, FailedWriteKeepsTheOldFile) {
  Buffered b;
  AppendLines(b.buffer, 3);
  const std::string path = test::MakeTempDir("save-fail") + "/OLD.DOC";
  std::ofstream(path, std::ios::binary) << "earlier report\r\n";
  fs::create_directory(ReplacementScratchPath(path));

  EXPECT_FALSE(SaveDataFile(path, b.buffer, 61, b.messages));
  EXPECT_EQ(test::ReadText(path), "earlier report\r\n");
  ASSERT_EQ(b.messages.all.size(), 1u);
  EXPECT_NE(b.messages.all[0].text.find(path), std::string::npos);
  EXPECT_EQ(b.messages.all[0].title, "Warning!");
}

TEST(PrintFile, PageAndDataGoToPrntFile) {
  Buffered b;
  const std::string dir = test::MakeTempDir("print");
  const std::string print_file = dir + "/PRNTFILE.XXX";
  b.buffer.StartReport();
  EXPECT_FALSE(WriteReportPrintFile(dir, b.buffer, b.messages));  // empty report: nothing
  EXPECT_FALSE(fs::exists(print_file));

  b.TwoReports(true);
  ASSERT_TRUE(WriteReportPrintFile(dir, b.buffer, b.messages));
  EXPECT_EQ(test::ReadText(print_file), "L1\r\n\r\n\r\n");
  ASSERT_TRUE(WriteDataPrintFile(dir, b.buffer, b.messages));
  EXPECT_EQ(test::ReadText(print_file), "L1\r\nL2\r\n\r\nL1\r\n\r\n\r\n");
  EXPECT_TRUE(b.messages.all.empty());
}

TEST(PrintFile, EmptyBufferHasNoDataToPrint) {
  Buffered b;
  const std::string dir = test::MakeTempDir("print-empty");
  EXPECT_FALSE(WriteDataPrintFile(dir, b.buffer, b.messages));
  EXPECT_FALSE(fs::exists(dir + "/PRNTFILE.XXX"));
  b.ExpectOneMessage("No data to print.", "Information");
}

}  // namespace
}  // namespace kairotex
