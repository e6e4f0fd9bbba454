// The wheel's PNG, SVG and PDF files.
#include "chartview/qt/wheel_export.h"

#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>

#include "qt_test_support.h"
#include "reference_chart.h"
#include "test_messages.h"
#include "test_paths.h"

namespace kairotex {
namespace {

class WheelExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    glyph_family_ = test::StartQtWithGlyphFont();
    dir_ = test::MakeTempDir("wheel-export");
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  QString glyph_family_;
  std::string dir_;
  test::ReferenceChart chart_ = test::CastReferenceChart(test::ChartKind::kGeocentric);
};

TEST_F(WheelExportTest, PngHasTheAskedSizeAndTheWheelOnAWhiteBackground) {
  const std::string path = dir_ + "/wheel.png";
  std::string error;
  ASSERT_TRUE(
      WriteWheelImage(path, QSize(640, 480), chart_.Inputs(kAmericanStyle), glyph_family_, &error))
      << error;
  const QImage image(QString::fromStdString(path));
  ASSERT_EQ(image.size(), QSize(640, 480));
  EXPECT_TRUE(test::PixelIs(image, 2, 477, Rgb{255, 255, 255}));  // option 100: white
  // The outer circle crosses the horizontal through the centre.
  EXPECT_GT(test::InkIn(image, QRect(0, 236, 320, 9), Rgb{255, 255, 255}), 0);
}

TEST_F(WheelExportTest, SvgIsAnSvgDrawingOfTheSize) {
  const std::string path = dir_ + "/wheel.svg";
  std::string error;
  ASSERT_TRUE(
      WriteWheelSvg(path, QSize(1024, 768), chart_.Inputs(kAmericanStyle), glyph_family_, &error))
      << error;
  const std::string text = test::ReadText(path);
  EXPECT_NE(text.find("<svg"), std::string::npos);
  EXPECT_NE(text.find("viewBox=\"0 0 1024 768\""), std::string::npos);
  EXPECT_NE(text.find("<path"), std::string::npos);  // text as outlines
}

TEST_F(WheelExportTest, PdfFullAndHalfPagesAreOnePageEach) {
  test::RecordingMessages messages;
  for (const PdfPage page : {PdfPage::kFull, PdfPage::kHalf}) {
    const std::string path = dir_ + (page == PdfPage::kFull ? "/full.pdf" : "/half.pdf");
    std::string error;
    ASSERT_TRUE(
        WriteWheelPdf(path, page, chart_.Inputs(kAmericanStyle), glyph_family_, messages, &error))
        << error;
    const std::string pdf = test::ReadText(path);
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_NE(pdf.find("/Count 1"), std::string::npos);
    EXPECT_NE(pdf.find("/MediaBox [0 0 595.000000 842.000000]"), std::string::npos);  // A4 portrait
  }
  EXPECT_TRUE(messages.texts.empty());
  EXPECT_NE(test::ReadText(dir_ + "/full.pdf"), test::ReadText(dir_ + "/half.pdf"));
}

TEST_F(WheelExportTest, AFileThatCannotBeWrittenIsReportedByName) {
  test::RecordingMessages messages;
  const std::string path = dir_ + "/no such folder/wheel";
  std::string error;
  EXPECT_FALSE(WriteWheelImage(path + ".png", QSize(100, 100), chart_.Inputs(kAmericanStyle),
                               glyph_family_, &error));
  EXPECT_NE(error.find(path + ".png"), std::string::npos) << error;
  EXPECT_FALSE(WriteWheelSvg(path + ".svg", QSize(100, 100), chart_.Inputs(kAmericanStyle),
                             glyph_family_, &error));
  EXPECT_NE(error.find(path + ".svg"), std::string::npos) << error;
  EXPECT_FALSE(WriteWheelPdf(path + ".pdf", PdfPage::kFull, chart_.Inputs(kAmericanStyle),
                             glyph_family_, messages, &error));
  EXPECT_NE(error.find(path + ".pdf"), std::string::npos) << error;
  EXPECT_TRUE(std::filesystem::is_empty(dir_));
}

}  // namespace
}  // namespace kairotex
