// The help files: every item of the Help menu has its delivered file, and the
// help window's text and message.
#include "mainwindow/help_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "test_paths.h"

namespace kairotex {
namespace {

TEST(HelpFiles, EveryHelpItemHasItsDeliveredFile) {
  for (const HelpItem& item : kHelpItems) {
    const std::optional<std::string> text = ReadHelpText(test::DataDir(), item.file_name);
    ASSERT_TRUE(text.has_value()) << item.file_name;
    EXPECT_GT(text->size(), 200u) << item.file_name;
  }
  // The data window's help is delivered too.
  EXPECT_TRUE(ReadHelpText(test::DataDir(), "OUTPUTD1.HLP").has_value());
}

TEST(HelpFiles, LinesEndInCrLfAndAMissingFileIsNamed) {
  const std::string dir = test::MakeTempDir("help");
  std::ofstream(dir + "/HINTS.HLP", std::ios::binary) << "first\nsecond\r\nthird";
  EXPECT_EQ(ReadHelpText(dir, "HINTS.HLP"), "first\r\nsecond\r\nthird\r\n");
  EXPECT_EQ(ReadHelpText(dir, "ABOUT.HLP"), std::nullopt);
  EXPECT_EQ(HelpFileNotFoundMessage("ABOUT.HLP"), "ABOUT.HLP Help File Not Found");
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace kairotex
