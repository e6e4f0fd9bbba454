// A write-protected file is never replaced, and a replaced file keeps its
// permissions.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "settings/safe_file_write.h"
#include "test_paths.h"

namespace kairotex {
namespace {

namespace fs = std::filesystem;

std::string FileWith(const std::string& tag, const std::string& text, fs::perms perms) {
  const std::string path = test::MakeTempDir(tag) + "/SAVED.DOC";
  std::ofstream(path, std::ios::binary) << text;
  fs::permissions(path, perms, fs::perm_options::replace);
  return path;
}

TEST(SafeFileWriteProtection, WriteProtectedTargetIsRefusedAndKept) {
  const fs::perms read_only = fs::perms::owner_read | fs::perms::group_read;
  const std::string path = FileWith("protected", "old text", read_only);
  EXPECT_TRUE(IsWriteProtected(path));
  std::string error;
  EXPECT_FALSE(WriteFileReplacing(path, "new text", &error));
  EXPECT_EQ(error, path + " is write-protected");
  EXPECT_EQ(test::ReadText(path), "old text");
  EXPECT_EQ(fs::status(path).permissions(), read_only);
  EXPECT_FALSE(fs::exists(ReplacementScratchPath(path)));
  fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
}

TEST(SafeFileWriteProtection, ReplacementKeepsThePermissions) {
  const struct {
    fs::perms perms;
  } cases[] = {
      {fs::perms::owner_read | fs::perms::owner_write},
      {fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
       fs::perms::others_read},
      {fs::perms::owner_all | fs::perms::group_read},
  };
  for (const auto& c : cases) {
    const std::string path = FileWith("keeps-perms", "old", c.perms);
    EXPECT_FALSE(IsWriteProtected(path));
    ASSERT_TRUE(WriteFileReplacing(path, "new", nullptr));
    EXPECT_EQ(test::ReadText(path), "new");
    EXPECT_EQ(fs::status(path).permissions(), c.perms);
  }
}

TEST(SafeFileWriteProtection, MissingFilesAndFoldersAreNotWriteProtected) {
  const std::string dir = test::MakeTempDir("not-protected");
  EXPECT_FALSE(IsWriteProtected(dir + "/NEW.DOC"));
  EXPECT_FALSE(IsWriteProtected(dir));
}

}  // namespace
}  // namespace kairotex
