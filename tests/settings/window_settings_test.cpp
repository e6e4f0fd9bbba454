// The window settings file: which lines are taken, the written layout, and
// a replacement that cannot destroy the file already there.
#include "settings/window_settings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "settings/safe_file_write.h"
#include "test_paths.h"

namespace kairotex {
namespace {

const std::string kDefaultText =
    "[Kairotex] - Do NOT change the order of these variables.\r\n"
    "FontSize= 10\r\nFontBold= 0\r\nFontItalic= 0\r\nDataTop= 660\r\nDataLeft= 0\r\n"
    "DataHeight= 6540\r\nDataWidth= 9600\r\nStartScale= 287\r\nTypeChart= 0\r\n";

// The settings read from a file holding `text`, as the file they write.
std::string ReadBack(const std::string& text) {
  const std::string dir = test::MakeTempDir("ini");
  test::WriteText(dir + "/KAIROTEX.INI", text);
  return WindowSettingsText(LoadWindowSettings(dir));
}

TEST(WindowSettings, MissingFileGivesDefaultsInTheWrittenLayout) {
  EXPECT_EQ(WindowSettingsText(LoadWindowSettings(test::MakeTempDir("ini-missing"))), kDefaultText);
  WindowSettings s;
  s.DataLeft = -20, s.FontSize = 10.75, s.FontItalic = -1;
  const std::string dir = test::MakeTempDir("ini-layout");
  std::string error;
  ASSERT_TRUE(SaveWindowSettings(dir, s, &error)) << error;
  std::string want = kDefaultText;
  want.replace(want.find("FontSize= 10"), 12, "FontSize= 10.75");
  want.replace(want.find("FontItalic= 0"), 13, "FontItalic=-1");
  want.replace(want.find("DataLeft= 0"), 11, "DataLeft=-20");
  EXPECT_EQ(test::ReadText(dir + "/KAIROTEX.INI"), want);
}

// Keys are case-sensitive; FontSize needs 7.75, DataTop, DataHeight and
// DataWidth more than 0; halves go to the even neighbour; a value a 16-bit
// field cannot hold is ignored and leaves the value of an earlier line.
// Without "=" the whole line is the value text, which reads as 0. Bare LF
// line ends are read too.
TEST(WindowSettings, AcceptanceOfEachLine) {
  struct Case {
    const char* file;
    const char* line;  // as written back
  };
  const Case cases[] = {
      {"FontSize= 7.5\r\n", "FontSize= 10"},
      {"FontSize= 7.75\r\n", "FontSize= 7.75"},
      {"FontSize= 11.5\r\n", "FontSize= 11.5"},
      {"fontsize= 12\r\n", "FontSize= 10"},
      {"FontBold=-1\r\n", "FontBold=-1"},
      {"DataTop=-20\r\n", "DataTop= 660"},
      {"DataTop= 0\r\n", "DataTop= 660"},
      {"DataTop= 15\r\n", "DataTop= 15"},
      {"DataLeft=-20\r\n", "DataLeft=-20"},
      {"DataHeight=-1\r\n", "DataHeight= 6540"},
      {"DataWidth= 12000\r\n", "DataWidth= 12000"},
      {"TypeChart= 1\r\n", "TypeChart= 1"},
      {"StartScale= 300.5\r\n", "StartScale= 300"},
      {"StartScale= 301.5\r\n", "StartScale= 302"},
      {"DataLeft=-2.5\r\n", "DataLeft=-2"},
      {"DataWidth= 9600.4\r\n", "DataWidth= 9600"},
      {"DataWidth= 40000\r\n", "DataWidth= 9600"},
      {"StartScale= 32767.5\r\n", "StartScale= 287"},
      {"StartScale= 32767.4\r\n", "StartScale= 32767"},
      {"DataLeft=-32768.5\r\n", "DataLeft=-32768"},
      {"DataLeft= 5\r\nDataLeft=-32769\r\n", "DataLeft= 5"},
      {"DataTop= 100\r\nDataTop=-5\r\n", "DataTop= 100"},
      {"FontSize= 9\r\nFontSize= 1\r\n", "FontSize= 9"},
      {"StartScale 300\r\n", "StartScale= 0"},
      {"[Kairotex] - Do NOT change the order.\r\nTypeChart= 1\r\n", "TypeChart= 1"},
      {"DataHeight= 5000\n", "DataHeight= 5000"}};
  for (const Case& c : cases) {
    EXPECT_NE(ReadBack(c.file).find("\n" + std::string(c.line) + "\r\n"), std::string::npos)
        << c.file;
  }
  const std::string huge = ReadBack("FontSize= 1" + std::string(400, '0') + "\r\nDataTop= 70\r\n");
  EXPECT_NE(huge.find("\nFontSize= 10\r\nFontBold= 0\r\nFontItalic= 0\r\nDataTop= 70\r\n"),
            std::string::npos);
}

TEST(WindowSettings, WrittenFileReadsBackTheSameValues) {
  const WindowSettings s{7.75, -1, -1, 1, -32768, 32767, 4321, -287, 1};
  const std::string dir = test::MakeTempDir("ini-roundtrip");
  ASSERT_TRUE(SaveWindowSettings(dir, s, nullptr));
  EXPECT_EQ(WindowSettingsText(LoadWindowSettings(dir)),
            "[Kairotex] - Do NOT change the order of these variables.\r\n"
            "FontSize= 7.75\r\nFontBold=-1\r\nFontItalic=-1\r\nDataTop= 1\r\nDataLeft=-32768\r\n"
            "DataHeight= 32767\r\nDataWidth= 4321\r\nStartScale=-287\r\nTypeChart= 1\r\n");
}

TEST(WindowSettings, FailedSaveKeepsTheOldFile) {
  const std::string dir = test::MakeTempDir("ini-blocked"), path = dir + "/KAIROTEX.INI";
  test::WriteText(path, "FontSize= 11\r\n");
  // A folder where the scratch file must go makes the write fail.
  std::filesystem::create_directory(ReplacementScratchPath(path));
  std::string error;
  EXPECT_FALSE(SaveWindowSettings(dir, WindowSettings{}, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(test::ReadText(path), "FontSize= 11\r\n");
}

}  // namespace
}  // namespace kairotex
