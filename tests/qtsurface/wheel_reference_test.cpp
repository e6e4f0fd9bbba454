// The wheel drawn into a 1024 x 768 image, compared with reference images
// made by this code once the drawing was checked by eye. A changed drawing
// that is right is taken over with KAIROTEX_UPDATE_REFERENCE=1 (the test then
// rewrites tests/qtsurface/reference/ and passes).
#include <gtest/gtest.h>

#include <QImage>
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

std::string ReferencePath(const std::string& name) {
  return test::SourceDir() + "/qtsurface/reference/" + name + ".png";
}

bool Updating() {
  const char* value = std::getenv("KAIROTEX_UPDATE_REFERENCE");
  return value != nullptr && std::string(value) == "1";
}

// Where a failing render goes: beside the test's output, in its working folder.
std::string FailedRenderPath(const std::string& name) {
  const std::filesystem::path dir = std::filesystem::current_path() / "qtsurface-renders";
  std::filesystem::create_directories(dir);
  return (dir / (name + ".png")).string();
}

int DifferingPixels(const QImage& a, const QImage& b) {
  int count = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
      if (std::abs(p.red() - q.red()) > kChannelTolerance ||
          std::abs(p.green() - q.green()) > kChannelTolerance ||
          std::abs(p.blue() - q.blue()) > kChannelTolerance) {
        ++count;
      }
    }
  }
  return count;
}

void CompareWithReference(const std::string& name, test::ChartKind kind, int16_t style) {
  const QString glyph_family = test::StartQtWithGlyphFont();
  ASSERT_FALSE(glyph_family.isEmpty()) << "data/horary.ttf did not load";
  const test::ReferenceChart chart = test::CastReferenceChart(kind);
  const QImage render = RenderWheelImage(QSize(kWindowDrawingWidth, kWindowDrawingHeight),
                                         chart.Inputs(style), glyph_family)
                            .convertToFormat(QImage::Format_RGB32);
  const std::string reference_path = ReferencePath(name);
  if (Updating()) {
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
    const std::string failed = FailedRenderPath(name);
    render.save(QString::fromStdString(failed), "PNG");
    ADD_FAILURE() << name << ": " << differing << " pixels differ (at most " << allowed
                  << " may)\n  reference: " << reference_path << "\n  this render: " << failed
                  << "\n  (KAIROTEX_UPDATE_REFERENCE=1 takes the render over)";
  }
}

TEST(WheelReference, AmericanGeocentric) {
  CompareWithReference("american-geo", test::ChartKind::kGeocentric, kAmericanStyle);
}

TEST(WheelReference, EuropeanGeocentric) {
  CompareWithReference("european-geo", test::ChartKind::kGeocentric, kEuropeanStyle);
}

TEST(WheelReference, AmericanHeliocentric) {
  CompareWithReference("american-helio", test::ChartKind::kHeliocentric, kAmericanStyle);
}

TEST(WheelReference, AmericanDeclinations) {
  CompareWithReference("american-decl", test::ChartKind::kDeclination, kAmericanStyle);
}

}  // namespace
}  // namespace kairotex
