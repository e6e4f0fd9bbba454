// Every writer of the program's own files, on a full disk and in a read-only
// folder: the write fails, the old file stays whole, no scratch file is left,
// and the user is told which file was not written.
#include "write_faults.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "mainwindow/options_editor.h"
#include "mainwindow/orb_commands.h"
#include "mainwindow/program_context.h"
#include "reports/saved_data_file.h"
#include "settable_clock.h"
#include "settings/safe_file_write.h"
#include "settings/window_settings.h"
#include "test_messages.h"
#include "test_paths.h"

namespace kairotex::test {
namespace {

struct Writer {
  const char* file_name;
  // Writes into the folder; false and the reason (or the message shown) when it fails.
  std::function<bool(const std::string& dir, ProgramContext&, std::string& said)> write;
};

// Whatever the writers' messages were, the last one shown.
std::string LastShown(const RecordingMessages& messages) {
  return messages.texts.empty() ? "" : messages.texts.back();
}

const Writer kWriters[] = {
    {"KAIROTEX.INI",
     [](const std::string& dir, ProgramContext&, std::string& said) {
       return SaveWindowSettings(dir, WindowSettings{}, &said);
     }},
    {"OPTIONS.OPT",
     [](const std::string& dir, ProgramContext& context, std::string& said) {
       return SaveOptionsEditorText(dir, "8\n119\n", context.program.options, &said);
     }},
    {"ASPECTS.ORB",
     [](const std::string& dir, ProgramContext& context, std::string& said) {
       const bool saved = SaveOrbEditorText(context, dir + "/ASPECTS.ORB", "8\n8\n6\n");
       said = LastShown(dynamic_cast<RecordingMessages&>(context.messages));
       return saved;
     }},
    {"SATURDAY.DOC",
     [](const std::string& dir, ProgramContext& context, std::string& said) {
       context.reports.current_line = "Saturn in Capricorn";
       context.reports.AppendLine();
       const bool saved =
           SaveDataFile(dir + "/SATURDAY.DOC", context.reports, 0.0f, context.messages);
       said = LastShown(dynamic_cast<RecordingMessages&>(context.messages));
       return saved;
     }},
    {kPrintFileName,
     [](const std::string& dir, ProgramContext& context, std::string& said) {
       const bool saved = WritePrintFile(dir, {"Page one", "of the report"}, 1, context.messages);
       said = LastShown(dynamic_cast<RecordingMessages&>(context.messages));
       return saved;
     }},
};

TEST(WriteFaults, EveryWriterKeepsTheOldFileAndSaysWhichFile) {
  const std::string old_bytes = "the old copy\r\n";
  for (const WriteFault fault : {WriteFault::kFullDisk, WriteFault::kReadOnlyFolder}) {
    for (const Writer& writer : kWriters) {
      SCOPED_TRACE(std::string(WriteFaultName(fault)) + ", " + writer.file_name);
      FaultyFolder folder(fault, {{writer.file_name, old_bytes}});
      if (!folder.Ready()) GTEST_SKIP() << folder.Why();
      SettableClock clock{{2026, 12, 7, 10, 30, 0}, 5};
      RecordingMessages messages;
      ProgramContext context{clock, messages};
      std::string said;
      EXPECT_FALSE(writer.write(folder.dir(), context, said));
      EXPECT_EQ(ReadText(folder.Path(writer.file_name)), old_bytes);
      EXPECT_FALSE(std::filesystem::exists(ReplacementScratchPath(folder.Path(writer.file_name))));
      EXPECT_NE(said.find(folder.Path(writer.file_name)), std::string::npos) << said;
    }
  }
}

}  // namespace
}  // namespace kairotex::test
