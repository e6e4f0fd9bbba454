// kairotex-cli wheel: the PNG, SVG and PDF files, style, size and page, the
// refusals and the write failures.
#include <gtest/gtest.h>

#include <filesystem>

#include "qt_test_support.h"
#include "settings/window_settings.h"
#include "write_faults.h"

namespace kairotex::cli {
namespace {

namespace fs = std::filesystem;

class WheelCommandTest : public ::testing::Test {
 protected:
  void SetUp() override { dir_ = test::MakeTempDir("wheel-command"); }
  void TearDown() override { fs::remove_all(dir_); }
  std::string dir_;
};

TEST_F(WheelCommandTest, PngSvgAndPdfByTheExtensionInTheirSizeAndPage) {
  ASSERT_EQ(test::RunWheel({"--out", dir_ + "/wheel.png"}).status, kExitOk);
  const QImage png = test::ImageAt(dir_ + "/wheel.png");
  EXPECT_EQ(png.size(), QSize(1024, 768));
  EXPECT_TRUE(test::PixelIs(png, 2, 765, Rgb{255, 255, 255}));  // option 100: white
  // The smallest and the largest side.
  ASSERT_EQ(test::RunWheel({"--out", dir_ + "/thin.PNG", "--size", "16x8192"}).status, kExitOk);
  EXPECT_EQ(test::ImageAt(dir_ + "/thin.PNG").size(), QSize(16, 8192));
  ASSERT_EQ(test::RunWheel({"--out", dir_ + "/wheel.svg", "--size", "800x600"}).status, kExitOk);
  const std::string svg = test::ReadText(dir_ + "/wheel.svg");
  EXPECT_NE(svg.find("viewBox=\"0 0 800 600\""), std::string::npos);
  EXPECT_NE(svg.find("<path"), std::string::npos);  // text as outlines
  ASSERT_EQ(test::RunWheel({"--out", dir_ + "/full.pdf"}).status, kExitOk);
  ASSERT_EQ(test::RunWheel({"--out", dir_ + "/half.pdf", "--page", "half"}).status, kExitOk);
  for (const char* name : {"/full.pdf", "/half.pdf"}) {
    const std::string pdf = test::ReadText(dir_ + name);
    EXPECT_NE(pdf.find("/Count 1"), std::string::npos) << name;
    EXPECT_NE(pdf.find("/MediaBox [0 0 595.000000 842.000000]"), std::string::npos) << "A4";
  }
  EXPECT_NE(test::ReadText(dir_ + "/full.pdf"), test::ReadText(dir_ + "/half.pdf"));
}

TEST_F(WheelCommandTest, BadFlagsAreRefusedByNameAndAFailedWriteNamesTheFile) {
  std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"--out", dir_ + "/x.pdf", "--page", "quarter"}, "--page"},
      {{"--out", dir_ + "/x.png", "--style", "roman"}, "--style"},
      {{"--out", dir_ + "/x.png", "--kind", "sideways"}, "--kind"}};
  for (const char* name : {"/wheel.bmp", "/wheel", "/wheel.png.txt"}) {
    cases.push_back({{"--out", dir_ + name}, ".png, .svg or .pdf"});
  }
  for (const char* bad : {"640", "x480", "15x480", "640x480x2", "8193x480", "-640x480"}) {
    cases.push_back({{"--out", dir_ + "/x.png", "--size", bad}, "--size"});
  }
  for (const auto& [flags, named] : cases) {
    const CliRun run = test::RunWheel(flags);
    EXPECT_EQ(run.status, kExitInputRefused) << flags.back();
    EXPECT_NE(run.err.find(named), std::string::npos) << run.err;
  }
  EXPECT_EQ(RunCliArgs({"wheel"}, RunWheel).status, kExitInputRefused);  // --out is required
  for (const char* name : {"wheel.png", "wheel.svg", "wheel.pdf"}) {
    const std::string out = dir_ + "/missing folder/" + name;
    const CliRun run = test::RunWheel({"--out", out});
    EXPECT_EQ(run.status, kExitDataFile);
    EXPECT_NE(run.err.find(out), std::string::npos) << run.err;
  }
  EXPECT_TRUE(fs::is_empty(dir_));
}

// On a full disk or in a read-only folder each image keeps its old copy.
TEST_F(WheelCommandTest, AFailedImageWriteKeepsTheOldFile) {
  for (const test::WriteFault fault :
       {test::WriteFault::kFullDisk, test::WriteFault::kReadOnlyFolder}) {
    for (const char* name : {"wheel.png", "wheel.svg", "wheel.pdf"}) {
      SCOPED_TRACE(std::string(test::WriteFaultName(fault)) + ", " + name);
      test::FaultyFolder folder(fault, {{name, "the old picture"}});
      if (!folder.Ready()) GTEST_SKIP() << folder.Why();
      const CliRun run = test::RunWheel({"--out", folder.Path(name)});
      EXPECT_EQ(run.status, kExitDataFile);
      EXPECT_NE(run.err.find(folder.Path(name)), std::string::npos) << run.err;
      EXPECT_EQ(test::ReadText(folder.Path(name)), "the old picture");
    }
  }
}

TEST_F(WheelCommandTest, StyleDefaultsToTheWindowSettingsFileAndAMissingGlyphFontIsAWarning) {
  const std::string program = test::CopyOfDataDir("wheel-program");
  fs::remove(program + "/" + kWindowSettingsFileName);
  fs::remove(program + "/horary.ttf");
  const auto image = [&](const char* name, std::vector<std::string> flags) {
    flags.insert(flags.begin(), {"--out", dir_ + name});
    const CliRun run = test::RunWheel(flags, program);
    EXPECT_EQ(run.status, kExitOk) << run.err;
    EXPECT_NE(run.err.find("horary.ttf"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("drawing with the default font"), std::string::npos) << run.err;
    return test::ImageAt(dir_ + name);
  };
  const QImage american = image("/american.png", {"--style", "american"});
  const QImage european = image("/european.png", {"--style", "European"});
  EXPECT_NE(american, european);
  EXPECT_EQ(image("/no-ini.png", {}), american);
  WindowSettings settings;
  settings.TypeChart = 1;
  ASSERT_TRUE(SaveWindowSettings(program, settings, nullptr));
  EXPECT_EQ(image("/ini.png", {}), european);
  fs::remove_all(program);
}

}  // namespace
}  // namespace kairotex::cli
