// The window settings file: which lines are taken, the written layout, and
// a replacement that cannot destroy the file already there.
#include "settings/window_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "settings/safe_file_write.h"
#include "test_paths.h"

namespace kairotex {
namespace {

std::string IniPath(const std::string& dir) {
  return dir + "/KAIROTEX.INI";
}

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

using Field = double (*)(const WindowSettings&);
const Field kFontSize = [](const WindowSettings& s) { return s.FontSize; };
const Field kFontBold = [](const WindowSettings& s) { return s.FontBold; };
const Field kDataTop = [](const WindowSettings& s) { return static_cast<double>(s.DataTop); };
const Field kDataLeft = [](const WindowSettings& s) { return static_cast<double>(s.DataLeft); };
const Field kDataHeight = [](const WindowSettings& s) { return static_cast<double>(s.DataHeight); };
const Field kDataWidth = [](const WindowSettings& s) { return static_cast<double>(s.DataWidth); };
const Field kStartScale = [](const WindowSettings& s) { return static_cast<double>(s.StartScale); };
const Field kTypeChart = [](const WindowSettings& s) { return static_cast<double>(s.TypeChart); };

TEST(WindowSettings, MissingFileGivesDefaults) {
  const WindowSettings s = LoadWindowSettings(test::MakeTempDir("ini-missing"));
  EXPECT_EQ(s.FontSize, 10.0);
  EXPECT_EQ(s.FontBold, 0.0);
  EXPECT_EQ(s.FontItalic, 0.0);
  EXPECT_EQ(s.DataTop, 660);
  EXPECT_EQ(s.DataLeft, 0);
  EXPECT_EQ(s.DataHeight, 6540);
  EXPECT_EQ(s.DataWidth, 9600);
  EXPECT_EQ(s.StartScale, 287);
  EXPECT_EQ(s.TypeChart, 0);
}

TEST(WindowSettings, AcceptanceOfEachLine) {
  struct Case {
    const char* file;
    Field field;
    double expected;
  };
  const Case cases[] = {
      {"FontSize= 7.5\r\n", kFontSize, 10.0},
      {"FontSize= 7.75\r\n", kFontSize, 7.75},
      {"FontSize= 11.5\r\n", kFontSize, 11.5},
      {"fontsize= 12\r\n", kFontSize, 10.0},  // keys are case-sensitive
      {"FontBold=-1\r\n", kFontBold, -1.0},
      {"DataTop=-20\r\n", kDataTop, 660},
      {"DataTop= 0\r\n", kDataTop, 660},
      {"DataTop= 15\r\n", kDataTop, 15},
      {"DataLeft=-20\r\n", kDataLeft, -20},
      {"DataHeight=-1\r\n", kDataHeight, 6540},
      {"DataWidth= 12000\r\n", kDataWidth, 12000},
      {"TypeChart= 1\r\n", kTypeChart, 1},
      // Halves go to the even neighbour.
      {"StartScale= 300.5\r\n", kStartScale, 300},
      {"StartScale= 301.5\r\n", kStartScale, 302},
      {"DataLeft=-2.5\r\n", kDataLeft, -2},
      {"DataWidth= 9600.4\r\n", kDataWidth, 9600},
      // Values a 16-bit field cannot hold are ignored.
      {"DataWidth= 40000\r\n", kDataWidth, 9600},
      {"StartScale= 32767.5\r\n", kStartScale, 287},
      {"StartScale= 32767.4\r\n", kStartScale, 32767},
      {"DataLeft=-32768.5\r\n", kDataLeft, -32768},
      {"DataLeft= 5\r\nDataLeft=-32769\r\n", kDataLeft, 5},
      // An ignored line leaves the value of an earlier line.
      {"DataTop= 100\r\nDataTop=-5\r\n", kDataTop, 100},
      {"FontSize= 9\r\nFontSize= 1\r\n", kFontSize, 9},
      // Without "=" the whole line is the value text, which reads as 0.
      {"StartScale 300\r\n", kStartScale, 0},
      {"[Kairotex] - Do NOT change the order of these variables.\r\nTypeChart= 1\r\n", kTypeChart,
       1},
      {"DataHeight= 5000\n", kDataHeight, 5000},  // a bare LF line end
  };
  for (const Case& c : cases) {
    const std::string dir = test::MakeTempDir("ini-line");
    WriteText(IniPath(dir), c.file);
    EXPECT_EQ(c.field(LoadWindowSettings(dir)), c.expected) << c.file;
  }
}

TEST(WindowSettings, DigitsNoDoubleCanHoldAreIgnored) {
  const std::string dir = test::MakeTempDir("ini-huge");
  WriteText(IniPath(dir), "FontSize= 1" + std::string(400, '0') + "\r\nDataTop= 70\r\n");
  const WindowSettings s = LoadWindowSettings(dir);
  EXPECT_EQ(s.FontSize, 10.0);
  EXPECT_EQ(s.DataTop, 70);
}

TEST(WindowSettings, WrittenLayout) {
  WindowSettings s;
  s.DataLeft = -20;
  s.FontSize = 10.75;
  s.FontItalic = -1;
  const std::string dir = test::MakeTempDir("ini-layout");
  std::string error;
  ASSERT_TRUE(SaveWindowSettings(dir, s, &error)) << error;
  EXPECT_EQ(test::ReadText(IniPath(dir)),
            "[Kairotex] - Do NOT change the order of these variables.\r\n"
            "FontSize= 10.75\r\n"
            "FontBold= 0\r\n"
            "FontItalic=-1\r\n"
            "DataTop= 660\r\n"
            "DataLeft=-20\r\n"
            "DataHeight= 6540\r\n"
            "DataWidth= 9600\r\n"
            "StartScale= 287\r\n"
            "TypeChart= 0\r\n");
}

TEST(WindowSettings, WrittenFileReadsBackTheSameValues) {
  WindowSettings s;
  s.FontSize = 7.75;
  s.FontBold = -1;
  s.FontItalic = -1;
  s.DataTop = 1;
  s.DataLeft = -32768;
  s.DataHeight = 32767;
  s.DataWidth = 4321;
  s.StartScale = -287;
  s.TypeChart = 1;
  const std::string dir = test::MakeTempDir("ini-roundtrip");
  ASSERT_TRUE(SaveWindowSettings(dir, s, nullptr));
  const WindowSettings back = LoadWindowSettings(dir);
  EXPECT_EQ(back.FontSize, s.FontSize);
  EXPECT_EQ(back.FontBold, s.FontBold);
  EXPECT_EQ(back.FontItalic, s.FontItalic);
  EXPECT_EQ(back.DataTop, s.DataTop);
  EXPECT_EQ(back.DataLeft, s.DataLeft);
  EXPECT_EQ(back.DataHeight, s.DataHeight);
  EXPECT_EQ(back.DataWidth, s.DataWidth);
  EXPECT_EQ(back.StartScale, s.StartScale);
  EXPECT_EQ(back.TypeChart, s.TypeChart);
}

TEST(WindowSettings, FailedSaveKeepsTheOldFile) {
  const std::string dir = test::MakeTempDir("ini-blocked");
  const std::string old_text = "FontSize= 11\r\n";
  WriteText(IniPath(dir), old_text);
  // A folder where the scratch file must go makes the write fail.
  std::filesystem::create_directory(ReplacementScratchPath(IniPath(dir)));
  std::string error;
  EXPECT_FALSE(SaveWindowSettings(dir, WindowSettings{}, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(test::ReadText(IniPath(dir)), old_text);
}

}  // namespace
}  // namespace kairotex
