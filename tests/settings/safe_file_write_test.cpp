// Replacing a file through a scratch copy.
#include "settings/safe_file_write.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "test_paths.h"

namespace kairotex {
namespace {

namespace fs = std::filesystem;

TEST(SafeFileWrite, CreatesAndReplacesByteForByte) {
  const std::string path = test::MakeTempDir("replace") + "/REPORT.DOC";
  const std::string first("one\r\n\0two\r\n", 11);
  ASSERT_TRUE(WriteFileReplacing(path, first, nullptr));
  EXPECT_EQ(test::ReadText(path), first);
  ASSERT_TRUE(WriteFileReplacing(path, "x", nullptr));
  EXPECT_EQ(test::ReadText(path), "x");
  EXPECT_FALSE(fs::exists(ReplacementScratchPath(path)));
}

TEST(SafeFileWrite, FailuresLeaveTheOldFileAndNoScratch) {
  const std::string dir = test::MakeTempDir("replace-fail");
  const std::string path = dir + "/OLD.DOC";
  std::ofstream(path, std::ios::binary) << "good old text";

  // The scratch file cannot be created: nothing is touched.
  fs::create_directory(ReplacementScratchPath(path));
  std::string error;
  EXPECT_FALSE(WriteFileReplacing(path, "new text", &error));
  EXPECT_NE(error.find(ReplacementScratchPath(path)), std::string::npos) << error;
  EXPECT_EQ(test::ReadText(path), "good old text");
  fs::remove(ReplacementScratchPath(path));

  // The target is a folder: the rename fails and the scratch file goes.
  const std::string folder = dir + "/FOLDER.DOC";
  fs::create_directory(folder);
  fs::create_directory(folder + "/inside");
  error.clear();
  EXPECT_FALSE(WriteFileReplacing(folder, "new text", &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(fs::exists(ReplacementScratchPath(folder)));
  EXPECT_TRUE(fs::is_directory(folder + "/inside"));

  // A missing folder.
  EXPECT_FALSE(WriteFileReplacing(dir + "/no such folder/A.DOC", "x", &error));
}

}  // namespace
}  // namespace kairotex
