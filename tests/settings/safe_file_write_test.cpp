// Replacing a file through a scratch copy: byte for byte, keeping the
// permissions, never over a write-protected file, and nothing lost on failure.
#include "settings/safe_file_write.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "test_paths.h"

namespace kairotex {
namespace {

namespace fs = std::filesystem;

std::string FileWith(const std::string& text, fs::perms perms) {
  const std::string path = test::MakeTempDir("safe-write") + "/SAVED.DOC";
  test::WriteText(path, text);
  fs::permissions(path, perms, fs::perm_options::replace);
  return path;
}

TEST(SafeFileWrite, CreatesAndReplacesByteForByteKeepingThePermissions) {
  const std::string path = test::MakeTempDir("replace") + "/REPORT.DOC";
  const std::string first("one\r\n\0two\r\n", 11);
  ASSERT_TRUE(WriteFileReplacing(path, first, nullptr));
  EXPECT_EQ(test::ReadText(path), first);
  EXPECT_FALSE(fs::exists(ReplacementScratchPath(path)));
  using enum fs::perms;
  for (const fs::perms perms :
       {owner_read | owner_write, owner_read | owner_write | group_read | others_read,
        owner_all | group_read}) {
    const std::string old = FileWith("old", perms);
    EXPECT_FALSE(IsWriteProtected(old));
    ASSERT_TRUE(WriteFileReplacing(old, "x", nullptr));
    EXPECT_EQ(test::ReadText(old), "x");
    EXPECT_EQ(fs::status(old).permissions(), perms);
  }
}

TEST(SafeFileWrite, WriteProtectedTargetIsRefusedAndKept) {
  const fs::perms read_only = fs::perms::owner_read | fs::perms::group_read;
  const std::string path = FileWith("old text", read_only);
  EXPECT_TRUE(IsWriteProtected(path));
  std::string error;
  EXPECT_FALSE(WriteFileReplacing(path, "new text", &error));
  EXPECT_EQ(error, path + " is write-protected");
  EXPECT_EQ(test::ReadText(path), "old text");
  EXPECT_EQ(fs::status(path).permissions(), read_only);
  EXPECT_FALSE(fs::exists(ReplacementScratchPath(path)));
  fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
  // Missing files and folders are not write-protected.
  EXPECT_FALSE(IsWriteProtected(path + ".missing"));
  EXPECT_FALSE(IsWriteProtected(fs::path(path).parent_path()));
}

TEST(SafeFileWrite, FailuresLeaveTheOldFileAndNoScratch) {
  const std::string dir = test::MakeTempDir("replace-fail"), path = dir + "/OLD.DOC";
  test::WriteText(path, "good old text");
  // The scratch file cannot be created: nothing is touched.
  fs::create_directory(ReplacementScratchPath(path));
  std::string error;
  EXPECT_FALSE(WriteFileReplacing(path, "new text", &error));
  EXPECT_NE(error.find(ReplacementScratchPath(path)), std::string::npos) << error;
  EXPECT_EQ(test::ReadText(path), "good old text");
  // The target is a folder: the rename fails and the scratch file goes.
  const std::string folder = dir + "/FOLDER.DOC";
  fs::create_directories(folder + "/inside");
  error.clear();
  EXPECT_FALSE(WriteFileReplacing(folder, "new text", &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(fs::exists(ReplacementScratchPath(folder)));
  EXPECT_TRUE(fs::is_directory(folder + "/inside"));
  EXPECT_FALSE(WriteFileReplacing(dir + "/no such folder/A.DOC", "x", &error));
}

}  // namespace
}  // namespace kairotex
