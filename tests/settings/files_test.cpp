// Files the program keeps: a replacement through a scratch copy (byte for byte,
// keeping the permissions, never over a write-protected file, nothing lost on
// failure), the window settings, the user's data folder never overwritten.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "settings/data_folders.h"
#include "settings/safe_file_write.h"
#include "settings/window_settings.h"
#include "test_paths.h"

namespace kairotex {
namespace {

namespace fs = std::filesystem;

TEST(SafeFileWrite, ReplacesByteForByteKeepingThePermissions) {
  const std::string path = test::MakeTempDir("replace") + "/REPORT.DOC";
  const std::string text("one\r\n\0two\r\n", 11);
  const fs::perms perms = fs::perms::owner_all | fs::perms::group_read;
  test::WriteText(path, "old");
  fs::permissions(path, perms, fs::perm_options::replace);
  ASSERT_TRUE(WriteFileReplacing(path, text, nullptr));
  EXPECT_EQ(test::ReadText(path), text);
  EXPECT_EQ(fs::status(path).permissions(), perms);
  EXPECT_FALSE(fs::exists(ReplacementScratchPath(path)));
}

// Missing files and folders are not write-protected.
TEST(SafeFileWrite, WriteProtectedTargetIsRefusedAndKept) {
  const std::string path = test::MakeTempDir("safe-write") + "/SAVED.DOC";
  test::WriteText(path, "old text");
  fs::permissions(path, fs::perms::owner_read, fs::perm_options::replace);
  EXPECT_TRUE(IsWriteProtected(path));
  std::string error;
  EXPECT_FALSE(WriteFileReplacing(path, "new text", &error));
  EXPECT_EQ(error, path + " is write-protected");
  EXPECT_EQ(test::ReadText(path), "old text");
  EXPECT_FALSE(fs::exists(ReplacementScratchPath(path)));
  EXPECT_FALSE(IsWriteProtected(path + ".missing"));
  EXPECT_FALSE(IsWriteProtected(fs::path(path).parent_path()));
  fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
}

// A scratch file that cannot be made touches nothing, for the window settings
// too; a target that is a folder fails the rename and the scratch file goes.
TEST(SafeFileWrite, FailuresLeaveTheOldFileAndNoScratch) {
  const std::string dir = test::MakeTempDir("replace-fail"), path = dir + "/KAIROTEX.INI";
  test::WriteText(path, "FontSize= 11\r\n");
  fs::create_directory(ReplacementScratchPath(path));
  std::string error;
  EXPECT_FALSE(WriteFileReplacing(path, "new text", &error));
  EXPECT_NE(error.find(ReplacementScratchPath(path)), std::string::npos) << error;
  EXPECT_FALSE(SaveWindowSettings(dir, WindowSettings{}, nullptr));
  EXPECT_EQ(test::ReadText(path), "FontSize= 11\r\n");
  const std::string folder = dir + "/FOLDER.DOC";
  fs::create_directories(folder + "/inside");
  EXPECT_FALSE(WriteFileReplacing(folder, "new text", &error));
  EXPECT_FALSE(fs::exists(ReplacementScratchPath(folder)));
  EXPECT_TRUE(fs::is_directory(folder + "/inside"));
}

// The settings read from a file holding `text`, as the file they write.
std::string ReadBack(const std::string& text) {
  const std::string dir = test::MakeTempDir("ini");
  test::WriteText(dir + "/KAIROTEX.INI", text);
  return WindowSettingsText(LoadWindowSettings(dir));
}

// A missing file gives the defaults; what is written reads back the same.
TEST(WindowSettings, DefaultsTheWrittenLayoutAndARoundTrip) {
  EXPECT_EQ(WindowSettingsText(LoadWindowSettings(test::MakeTempDir("ini-missing"))),
            "[Kairotex] - Do NOT change the order of these variables.\r\n"
            "FontSize= 10\r\nFontBold= 0\r\nFontItalic= 0\r\nDataTop= 660\r\nDataLeft= 0\r\n"
            "DataHeight= 6540\r\nDataWidth= 9600\r\nStartScale= 287\r\nTypeChart= 0\r\n"
            "PrecisePositions= 0\r\n");
  const WindowSettings s{7.75, -1, -1, 1, -32768, 32767, 4321, -287, 1, true};
  const std::string dir = test::MakeTempDir("ini-roundtrip");
  ASSERT_TRUE(SaveWindowSettings(dir, s, nullptr));
  const std::string written =
      "[Kairotex] - Do NOT change the order of these variables.\r\n"
      "FontSize= 7.75\r\nFontBold=-1\r\nFontItalic=-1\r\nDataTop= 1\r\nDataLeft=-32768\r\n"
      "DataHeight= 32767\r\nDataWidth= 4321\r\nStartScale=-287\r\nTypeChart= 1\r\n"
      "PrecisePositions=-1\r\n";
  EXPECT_EQ(test::ReadText(dir + "/KAIROTEX.INI"), written);
  EXPECT_EQ(WindowSettingsText(LoadWindowSettings(dir)), written);
}

// A folder in the settings file's place gives the defaults, and says so.
TEST(WindowSettings, AFolderInPlaceOfTheFileIsTold) {
  const std::string dir = test::MakeTempDir("ini-folder");
  std::filesystem::create_directory(dir + "/KAIROTEX.INI");
  std::string warning;
  EXPECT_EQ(WindowSettingsText(LoadWindowSettings(dir, &warning)),
            WindowSettingsText(WindowSettings{}));
  EXPECT_EQ(warning,
            dir + "/KAIROTEX.INI is a folder, not a file. The window settings are the defaults.");
  std::string none;
  LoadWindowSettings(test::MakeTempDir("ini-none"), &none);
  EXPECT_EQ(none, "");
}

// Keys are case-sensitive; FontSize needs 7.75, DataTop, DataHeight and
// DataWidth more than 0 once rounded; halves go to the even neighbour; a value a 16-bit
// field cannot hold is ignored and leaves the value of an earlier line.
// Without "=" the whole line is the value text, which reads as 0. Bare LF
// line ends are read too.
TEST(WindowSettings, AcceptanceOfEachLine) {
  const std::pair<const char*, const char*> lines[] = {
      {"FontSize= 7.5\r\n", "FontSize= 10"},
      {"fontsize= 12\r\n", "FontSize= 10"},
      {"DataTop= 0\r\n", "DataTop= 660"},
      {"DataHeight= 0.5\r\n", "DataHeight= 6540"},
      {"DataWidth= 0.51\r\n", "DataWidth= 1"},
      {"StartScale= 300.5\r\n", "StartScale= 300"},
      {"StartScale= 301.5\r\n", "StartScale= 302"},
      {"StartScale= 32767.5\r\n", "StartScale= 287"},
      {"StartScale= 32767.4\r\n", "StartScale= 32767"},
      {"DataLeft= 5\r\nDataLeft=-32769\r\n", "DataLeft= 5"},
      {"StartScale 300\r\n", "StartScale= 0"},
      {"DataHeight= 5000\n", "DataHeight= 5000"},
      {"PrecisePositions= 1\r\n", "PrecisePositions=-1"},
      {"PrecisePositions=-1\r\nPrecisePositions= 0\r\n", "PrecisePositions= 0"}};
  for (const auto& [file, line] : lines) {
    // Built in steps: GCC 12 warns falsely (-Wrestrict) on "\n" + string + "\r\n".
    std::string whole_line = "\n";
    whole_line.append(line).append("\r\n");
    EXPECT_NE(ReadBack(file).find(whole_line), std::string::npos) << file;
  }
  EXPECT_NE(ReadBack("FontSize= 1" + std::string(400, '0') + "\r\nDataTop= 70\r\n")
                .find("\nFontSize= 10\r\nFontBold= 0\r\nFontItalic= 0\r\nDataTop= 70\r\n"),
            std::string::npos);
}

// A later start with a new delivered file adds only that one; folders are not
// delivered files.
TEST(DataFolders, FirstStartCopiesAndAUsersFileIsNeverOverwritten) {
  const std::string root = test::MakeTempDir("data-folders"), delivered = root + "/share",
                    user = root + "/user";
  fs::create_directories(delivered + "/a-folder");
  test::WriteText(delivered + "/NATAL.ORB", "delivered orbs\r\n");
  std::string error;
  EXPECT_FALSE(CopyMissingDeliveredFiles(root + "/nowhere", user, &error));
  EXPECT_NE(error.find(root + "/nowhere"), std::string::npos) << error;
  ASSERT_TRUE(CopyMissingDeliveredFiles(delivered, user, &error)) << error;
  EXPECT_EQ(test::ReadText(user + "/NATAL.ORB"), "delivered orbs\r\n");
  EXPECT_FALSE(fs::exists(user + "/a-folder"));
  test::WriteText(user + "/NATAL.ORB", "my orbs\r\n");
  test::WriteText(delivered + "/HINTS.HLP", "hints\r\n");
  ASSERT_TRUE(CopyMissingDeliveredFiles(delivered, user, &error)) << error;
  EXPECT_EQ(test::ReadText(user + "/HINTS.HLP"), "hints\r\n");
  EXPECT_EQ(test::ReadText(user + "/NATAL.ORB"), "my orbs\r\n");
}

// XDG_DATA_HOME when absolute, then HOME; a folder given on the command line
// as it is.
TEST(DataFolders, UserFolderFollowsXdgDataHomeThenHome) {
  const std::string xdg = std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "";
  const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
  setenv("XDG_DATA_HOME", "/tmp/xdg", 1);
  EXPECT_EQ(UserDataDir(), "/tmp/xdg/kairotex");
  setenv("XDG_DATA_HOME", "relative/ignored", 1);
  setenv("HOME", "/tmp/home", 1);
  EXPECT_EQ(UserDataDir(), "/tmp/home/.local/share/kairotex");
  EXPECT_EQ(ResolveProgramDir("/given/folder", nullptr), "/given/folder");
  xdg.empty() ? unsetenv("XDG_DATA_HOME") : setenv("XDG_DATA_HOME", xdg.c_str(), 1);
  setenv("HOME", home.c_str(), 1);
}

}  // namespace
}  // namespace kairotex
