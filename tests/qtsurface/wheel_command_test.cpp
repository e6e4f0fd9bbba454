// kairotex-cli wheel: the file by its extension, style, size and page, the
// refusals and the write failures.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_run.h"
#include "settings/window_settings.h"
#include "test_paths.h"

namespace kairotex::cli {
namespace {

namespace fs = std::filesystem;

class WheelCommandTest : public ::testing::Test {
 protected:
  void SetUp() override { dir_ = test::MakeTempDir("wheel-command"); }
  void TearDown() override { fs::remove_all(dir_); }

  // The wheel of the reference moment from the given program folder.
  CliRun RunWheel(std::vector<std::string> args, const std::string& data_dir = test::DataDir()) {
    args.insert(args.begin(),
                {"wheel", "--data-dir", data_dir, "--date-order", "mdy", "--date", "1990-03-21",
                 "--time", "6.15", "--pm", "--zone", "5", "--lon", "73w59", "--lat", "40n45"});
    return RunCliArgs(args);
  }

  // A program folder with the delivered files, minus those named.
  std::string CopyOfData(const std::vector<std::string>& leave_out = {}) {
    const std::string copy = dir_ + "/program";
    fs::create_directories(copy);
    for (const auto& entry : fs::directory_iterator(test::DataDir())) {
      const std::string name = entry.path().filename().string();
      if (std::find(leave_out.begin(), leave_out.end(), name) != leave_out.end()) continue;
      fs::copy_file(entry.path(), copy + "/" + name);
    }
    return copy;
  }

  std::string dir_;
};

TEST_F(WheelCommandTest, PngOfTheDefaultOrTheGivenSizeSvgAndPdfByTheExtension) {
  const CliRun run = RunWheel({"--out", dir_ + "/wheel.png"});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(QImage(QString::fromStdString(dir_ + "/wheel.png")).size(), QSize(1024, 768));
  ASSERT_EQ(RunWheel({"--out", dir_ + "/small.PNG", "--size", "640x480"}).status, kExitOk);
  EXPECT_EQ(QImage(QString::fromStdString(dir_ + "/small.PNG")).size(), QSize(640, 480));
  ASSERT_EQ(RunWheel({"--out", dir_ + "/wheel.svg"}).status, kExitOk);
  EXPECT_NE(test::ReadText(dir_ + "/wheel.svg").find("<svg"), std::string::npos);
  ASSERT_EQ(RunWheel({"--out", dir_ + "/full.pdf"}).status, kExitOk);
  ASSERT_EQ(RunWheel({"--out", dir_ + "/half.pdf", "--page", "half"}).status, kExitOk);
  EXPECT_EQ(test::ReadText(dir_ + "/full.pdf").substr(0, 5), "%PDF-");
  EXPECT_NE(test::ReadText(dir_ + "/full.pdf"), test::ReadText(dir_ + "/half.pdf"));
}

TEST_F(WheelCommandTest, BadFlagsAreRefusedByNameAndNothingIsWritten) {
  struct Case {
    std::vector<std::string> flags;
    const char* named;
  };
  std::vector<Case> cases = {{{"--out", dir_ + "/x.pdf", "--page", "quarter"}, "--page"},
                             {{"--out", dir_ + "/x.png", "--style", "roman"}, "--style"},
                             {{"--out", dir_ + "/x.png", "--kind", "sideways"}, "--kind"}};
  for (const char* name : {"/wheel.bmp", "/wheel", "/wheel.png.txt"}) {
    cases.push_back({{"--out", dir_ + name}, ".png, .svg or .pdf"});
  }
  for (const char* bad : {"640", "640x", "x480", "0x480", "640x480x2", "20000x480", "-640x480"}) {
    cases.push_back({{"--out", dir_ + "/x.png", "--size", bad}, "--size"});
  }
  for (const Case& c : cases) {
    const CliRun run = RunWheel(c.flags);
    EXPECT_EQ(run.status, kExitInputRefused) << c.flags.back();
    EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
  }
  EXPECT_TRUE(fs::is_empty(dir_));
  EXPECT_EQ(RunCliArgs({"wheel"}).status, kExitInputRefused);  // --out is required
}

TEST_F(WheelCommandTest, AFailedWriteNamesTheFile) {
  const std::string out = dir_ + "/missing folder/wheel.png";
  const CliRun run = RunWheel({"--out", out});
  EXPECT_EQ(run.status, kExitDataFile);
  EXPECT_NE(run.err.find(out), std::string::npos) << run.err;
}

TEST_F(WheelCommandTest, StyleDefaultsToTheWindowSettingsFile) {
  const std::string program = CopyOfData({kWindowSettingsFileName});
  ASSERT_EQ(RunWheel({"--out", dir_ + "/american.png", "--style", "american"}, program).status,
            kExitOk);
  ASSERT_EQ(RunWheel({"--out", dir_ + "/european.png", "--style", "European"}, program).status,
            kExitOk);
  ASSERT_EQ(RunWheel({"--out", dir_ + "/no-ini.png"}, program).status, kExitOk);
  WindowSettings settings;
  settings.TypeChart = 1;
  ASSERT_TRUE(SaveWindowSettings(program, settings, nullptr));
  ASSERT_EQ(RunWheel({"--out", dir_ + "/ini.png"}, program).status, kExitOk);

  const auto image = [&](const char* name) { return QImage(QString::fromStdString(dir_ + name)); };
  EXPECT_NE(image("/american.png"), image("/european.png"));
  EXPECT_EQ(image("/no-ini.png"), image("/american.png"));
  EXPECT_EQ(image("/ini.png"), image("/european.png"));
}

TEST_F(WheelCommandTest, WithoutTheGlyphFontItWarnsAndDrawsWithTheDefaultFont) {
  const std::string program = CopyOfData({"horary.ttf"});
  const CliRun run = RunWheel({"--out", dir_ + "/wheel.png"}, program);
  EXPECT_EQ(run.status, kExitOk);
  EXPECT_NE(run.err.find("horary.ttf"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("default font"), std::string::npos) << run.err;
  EXPECT_EQ(QImage(QString::fromStdString(dir_ + "/wheel.png")).size(), QSize(1024, 768));
}

}  // namespace
}  // namespace kairotex::cli
