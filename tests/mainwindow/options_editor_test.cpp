// The options editor's text, Save and Restore default, on a copy of the
// delivered files.
#include "mainwindow/options_editor.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "mainwindow/options_editor.h"
#include "program_copy.h"

namespace kairotex {
namespace {
namespace fs = std::filesystem;

using OptionsEditor = test::ProgramCopy;

TEST_F(OptionsEditor, TextIsEveryLineWithCrLf) {
  Write("OPTIONS.OPT", "4      sextile\n6      square");
  EXPECT_EQ(ReadOptionsEditorText(dir), "4      sextile\r\n6      square\r\n");
  EXPECT_EQ(ReadOptionsEditorText(dir + "/missing"), std::nullopt);
  // The delivered file comes back as it is.
  Write("OPTIONS.OPT", File("OPTIONS.MST"));
  EXPECT_EQ(ReadOptionsEditorText(dir), File("OPTIONS.MST"));
}

TEST_F(OptionsEditor, SaveWritesTheTextLessItsLastLineEndAndReadsTheOptions) {
  OptionsTable options;
  std::string error;
  // The text box's line ends are "\n"; the file gets CR LF.
  ASSERT_TRUE(SaveOptionsEditorText(dir, "0 unused\n4.5    sextile\n7\n", options, &error))
      << error;
  EXPECT_EQ(File("OPTIONS.OPT"), "0 unused\r\n4.5    sextile\r\n7\r\n");
  EXPECT_FLOAT_EQ(options[2], 4.5f);
  EXPECT_FLOAT_EQ(options[3], 7.0f);
  // Without a final line end the last character goes, as the editor's rule says.
  ASSERT_TRUE(SaveOptionsEditorText(dir, "0\r\n123", options, &error));
  EXPECT_EQ(File("OPTIONS.OPT"), "0\r\n1\r\n");
  EXPECT_FLOAT_EQ(options[2], 1.0f);
  // A text shorter than two characters is an empty line.
  ASSERT_TRUE(SaveOptionsEditorText(dir, "9", options, &error));
  EXPECT_EQ(File("OPTIONS.OPT"), "\r\n");
}

TEST_F(OptionsEditor, TooManyLinesAreRefusedAndTheFileStays) {
  const std::string before = File("OPTIONS.OPT");
  std::string text;
  for (int i = 0; i < 131; ++i) text += "1\n";
  OptionsTable options;
  options[5] = 8;
  std::string error;
  EXPECT_FALSE(SaveOptionsEditorText(dir, text + "\n", options, &error));
  EXPECT_NE(error.find("more than 130 option lines"), std::string::npos) << error;
  EXPECT_EQ(File("OPTIONS.OPT"), before);
  EXPECT_FLOAT_EQ(options[5], 8.0f);
  // 130 lines and an empty line after them are a whole file.
  std::string full;
  for (int i = 0; i < 130; ++i) full += "1\n";
  EXPECT_TRUE(
      SaveOptionsEditorText(dir, full + "\nnotes after the empty line\n\n", options, &error))
      << error;
}

TEST_F(OptionsEditor, RestoreDefaultCopiesTheMasterCopy) {
  Write("OPTIONS.OPT", "99\r\n");
  std::string error;
  ASSERT_TRUE(RestoreDefaultOptions(dir, &error)) << error;
  EXPECT_EQ(File("OPTIONS.OPT"), File("OPTIONS.MST"));

  fs::remove(fs::path(dir) / "OPTIONS.MST");
  Write("OPTIONS.OPT", "99\r\n");
  EXPECT_FALSE(RestoreDefaultOptions(dir, &error));
  EXPECT_NE(error.find("OPTIONS.MST"), std::string::npos);
  EXPECT_EQ(File("OPTIONS.OPT"), "99\r\n");
}

}  // namespace
}  // namespace kairotex
