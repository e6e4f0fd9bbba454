// The program on a copy of the delivered files, at 7 Dec 2026, 10:30 on a
// computer kept on zone 5 (New York, as option 18).
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "mainwindow/program_start.h"
#include "option_lines.h"
#include "settable_clock.h"
#include "test_messages.h"
#include "test_paths.h"

namespace kairotex::test {

class ProgramCopy : public ::testing::Test {
 protected:
  void SetUp() override { dir = CopyOfDataDir("program-copy"); }
  void TearDown() override { std::filesystem::remove_all(dir); }

  void Start() {
    ReadStartupSettings(context, dir, RegionalFormat{}, dir + "/MYNAME");
    CastFirstChart(context);
  }
  void SetOption(int index, const std::string& value) const { SetOptionLine(dir, index, value); }
  std::string File(const std::string& name) const { return ReadText(dir + "/" + name); }

  std::string dir;
  SettableClock clock{{2026, 12, 7, 10, 30, 0}, 5};
  RecordingMessages messages;
  ProgramContext context{clock, messages};
};

}  // namespace kairotex::test
