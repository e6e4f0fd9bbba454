// The wheel drawn into a 1024 x 768 image, compared with reference images
// made by this code once the drawing was checked by eye. A changed drawing
// that is right is taken over with KAIROTEX_UPDATE_REFERENCE=1 (the test then
// rewrites tests/qtsurface/reference/ and passes).
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "chartview/qt/wheel_export.h"
#include "qt_test_support.h"
#include "reference_chart.h"
#include "test_paths.h"

namespace kairotex {
namespace {

// Antialiased edges change a little with Qt and FreeType versions, mostly by
// less than 64 in a channel. At most 0.05% of the pixels (393 of 1024 x 768)
// may differ by more: the chart of one minute later already differs in about
// 700, through the minutes of its cusp labels.
constexpr int kChannelTolerance = 64;
constexpr double kDifferingShare = 0.0005;

int DifferingPixels(const QImage& a, const QImage& b) {
  int count = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QColor q = b.pixelColor(x, y);
      const Rgb other{uint8_t(q.red()), uint8_t(q.green()), uint8_t(q.blue())};
      count += !test::PixelIs(a, x, y, other, kChannelTolerance);
    }
  }
  return count;
}

struct ReferenceCase {
  const char* name;
  test::ChartKind kind;
  int16_t style;
};

class WheelReference : public ::testing::TestWithParam<ReferenceCase> {};

TEST_P(WheelReference, RenderMatchesTheReferenceImage) {
  const auto [name, kind, style] = GetParam();
  const QString glyph_family = test::StartQtWithGlyphFont();
  ASSERT_FALSE(glyph_family.isEmpty()) << "data/horary.ttf did not load";
  const test::ReferenceChart chart = test::CastReferenceChart(kind);
  const QImage render = RenderWheelImage(QSize(kWindowDrawingWidth, kWindowDrawingHeight),
                                         chart.Inputs(style), glyph_family)
                            .convertToFormat(QImage::Format_RGB32);
  const std::string reference_path = test::SourceDir() + "/qtsurface/reference/" + name + ".png";
  const char* update = std::getenv("KAIROTEX_UPDATE_REFERENCE");
  if (update != nullptr && std::string(update) == "1") {
    ASSERT_TRUE(render.save(QString::fromStdString(reference_path), "PNG")) << reference_path;
    return;
  }
  const QImage reference =
      QImage(QString::fromStdString(reference_path)).convertToFormat(QImage::Format_RGB32);
  if (reference.isNull()) {
    ADD_FAILURE() << "no reference image " << reference_path
                  << " (KAIROTEX_UPDATE_REFERENCE=1 makes it from this render)";
    return;
  }
  const int differing = reference.size() == render.size() ? DifferingPixels(render, reference)
                                                          : render.width() * render.height();
  const int allowed = static_cast<int>(kDifferingShare * render.width() * render.height());
  if (differing > allowed) {
    // The failing render goes beside the test's output, in its working folder.
    const std::filesystem::path dir = std::filesystem::current_path() / "qtsurface-renders";
    std::filesystem::create_directories(dir);
    const std::string failed = (dir / (std::string(name) + ".png")).string();
    render.save(QString::fromStdString(failed), "PNG");
    ADD_FAILURE() << name << ": " << differing << " pixels differ (at most " << allowed
                  << " may)\n  reference: " << reference_path << "\n  this render: " << failed
                  << "\n  (KAIROTEX_UPDATE_REFERENCE=1 takes the render over)";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Wheels, WheelReference,
    ::testing::Values(
        ReferenceCase{"american-geo", test::ChartKind::kGeocentric, kAmericanStyle},
        ReferenceCase{"european-geo", test::ChartKind::kGeocentric, kEuropeanStyle},
        ReferenceCase{"american-helio", test::ChartKind::kHeliocentric, kAmericanStyle},
        ReferenceCase{"american-decl", test::ChartKind::kDeclination, kAmericanStyle}),
    [](const auto& info) {
      std::string name = info.param.name;
      std::replace(name.begin(), name.end(), '-', '_');
      return name;
    });

}  // namespace
}  // namespace kairotex
