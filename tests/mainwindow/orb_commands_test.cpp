// The aspect window's list, choosing an orb file and the orb editor, on a
// copy of the delivered files.
#include "mainwindow/orb_commands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "aspects/aspect_list.h"
#include "aspects/aspect_list_glyphs.h"
#include "aspects/orb_file.h"
#include "mainwindow/chart_commands.h"
#include "mainwindow/orb_commands.h"
#include "program_copy.h"

namespace kairotex {
namespace {
namespace fs = std::filesystem;

class OrbCommands : public test::ProgramCopy {
 protected:
  void SetUp() override {
    ProgramCopy::SetUp();
    Start();
  }
  std::string ExpectedList(const std::string& orb_file) {
    OrbTable orbs{};
    EXPECT_TRUE(ReadOrbFile(orb_file, orbs, messages));
    return AspectListGlyphText(BuildAspectList(context.chart, orbs, false), false);
  }
};

TEST_F(OrbCommands, AspectListReadsTheCurrentOrbFileAnew) {
  EXPECT_EQ(AspectWindowText(context), ExpectedList(dir + "/NATAL.ORB"));
  // Orbs of 0 but for the conjunction: the list shrinks at the next opening.
  std::string tight = "10\r\n";
  for (int n = 2; n <= 17; ++n) tight += "0\r\n";
  Write("NATAL.ORB", tight);
  const std::optional<std::string> text = AspectWindowText(context);
  ASSERT_TRUE(text);
  EXPECT_EQ(*text, ExpectedList(dir + "/NATAL.ORB"));
  EXPECT_EQ(context.orbs[1], 10.0f);
  EXPECT_TRUE(messages.texts.empty());
}

TEST_F(OrbCommands, AnUnreadableOrbFileShowsNoListAndKeepsTheOrbs) {
  ASSERT_TRUE(AspectWindowText(context));
  const OrbTable before = context.orbs;
  struct Case {
    const char* name;
    std::string bytes;  // empty: the file is removed
    std::string message;
  };
  const Case cases[] = {
      {"missing", "", "Orb file not found: " + dir + "/NATAL.ORB. The orbs stay as they were."},
      {"a label where the number goes", "8\r\nsextile 4\r\n",
       "Line 2 of " + dir +
           "/NATAL.ORB is not a number: \"sextile 4\". The orbs stay as they were."},
  };
  for (const Case& c : cases) {
    fs::remove(dir + "/NATAL.ORB");
    if (!c.bytes.empty()) Write("NATAL.ORB", c.bytes);
    messages.texts.clear();
    EXPECT_EQ(AspectWindowText(context), std::nullopt) << c.name;
    EXPECT_EQ(context.orbs, before) << c.name;
    ASSERT_EQ(messages.texts.size(), 1u) << c.name;
    EXPECT_EQ(messages.texts[0], c.message);
  }
}

TEST_F(OrbCommands, AChosenOrbFileHoldsUntilTheNextChart) {
  fs::copy_file(dir + "/NATAL.ORB", dir + "/WIDE.ORB");
  EXPECT_EQ(OrbFileToPreselect(context), dir + "/NATAL.ORB");
  EXPECT_FALSE(TakeChosenOrbFile(context, ""));  // Cancel
  EXPECT_EQ(context.chart.CurrentOrbFile, dir + "/NATAL.ORB");
  EXPECT_TRUE(TakeChosenOrbFile(context, dir + "/WIDE.ORB"));
  EXPECT_EQ(context.chart.CurrentOrbFile, dir + "/WIDE.ORB");
  EXPECT_EQ(OrbEditorCaption(context), "Edit: " + dir + "/WIDE.ORB");
  ASSERT_TRUE(StepChart(context, TimeStep::kAddDay));
  EXPECT_EQ(context.chart.CurrentOrbFile, dir + "/NATAL.ORB");
  // A current file that has gone is said before the chooser opens.
  fs::remove(dir + "/NATAL.ORB");
  EXPECT_EQ(OrbFileToPreselect(context), dir + "/NATAL.ORB");
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0], OrbFileNotFoundMessage(dir + "/NATAL.ORB"));
}

TEST_F(OrbCommands, EditorSavesAsTypedAndTheNextReadNamesTheBadLine) {
  const std::optional<std::string> text = ReadOrbEditorText(context);
  ASSERT_TRUE(text);
  EXPECT_EQ(*text, File("NATAL.ORB"));
  // Unchanged, the file is written back with the same bytes.
  ASSERT_TRUE(SaveOrbEditorText(context, context.chart.CurrentOrbFile, *text));
  EXPECT_EQ(File("NATAL.ORB"), *text);
  // Not 17 numbers: written as typed; the aspect list then names the line.
  ASSERT_TRUE(SaveOrbEditorText(context, context.chart.CurrentOrbFile, "8\n6\nsix\n"));
  EXPECT_EQ(File("NATAL.ORB"), "8\r\n6\r\nsix\r\n");
  EXPECT_EQ(AspectWindowText(context), std::nullopt);
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_NE(messages.texts[0].find("Line 3 of"), std::string::npos) << messages.texts[0];
  // A missing file cannot be edited.
  messages.texts.clear();
  context.chart.CurrentOrbFile = dir + "/NOSUCH.ORB";
  EXPECT_EQ(ReadOrbEditorText(context), std::nullopt);
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0], OrbFileNotFoundMessage(dir + "/NOSUCH.ORB"));
}

}  // namespace
}  // namespace kairotex
