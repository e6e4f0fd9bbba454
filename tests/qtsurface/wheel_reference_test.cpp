// The wheel command's 1024 x 768 image compared with reference images made by
// this code once the drawing was checked by eye. A changed drawing that is
// right is taken over with KAIROTEX_UPDATE_REFERENCE=1 (the test then
// rewrites tests/qtsurface/reference/ and passes).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "qt_test_support.h"

namespace kairotex {
namespace {

TEST(WheelReference, RendersMatchTheReferenceImages) {
  const std::string dir = test::MakeTempDir("wheel-reference");
  // Antialiased edges change a little with Qt and FreeType versions, mostly
  // by less than 64 in a channel. At most 0.05% of the pixels (393) may differ
  // by more: the chart of one minute later already differs in about 700,
  // through the minutes of its cusp labels.
  const int allowed = static_cast<int>(0.0005 * 1024 * 768);
  const std::vector<std::string> cases[] = {{"american-geo", "american", "geo"},
                                            {"european-geo", "european", "geo"},
                                            {"american-helio", "american", "helio"},
                                            {"american-decl", "american", "decl"}};
  for (const auto& c : cases) {
    const std::string render_path = dir + "/" + c[0] + ".png";
    const cli::CliRun run = test::RunWheel({"--out", render_path, "--style", c[1], "--kind", c[2]});
    ASSERT_EQ(run.status, cli::kExitOk) << run.err;
    const std::string reference_path = test::SourceDir() + "/qtsurface/reference/" + c[0] + ".png";
    if (const char* update = std::getenv("KAIROTEX_UPDATE_REFERENCE"); update && *update == '1') {
      std::filesystem::copy_file(render_path, reference_path,
                                 std::filesystem::copy_options::overwrite_existing);
    }
    const QImage render = test::ImageAt(render_path), reference = test::ImageAt(reference_path);
    ASSERT_EQ(render.size(), reference.size()) << reference_path;
    int differing = 0;
    for (int y = 0; y < render.height(); ++y) {
      for (int x = 0; x < render.width(); ++x) {
        const QColor a = render.pixelColor(x, y), b = reference.pixelColor(x, y);
        differing += std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                               std::abs(a.blue() - b.blue())}) > 64;
      }
    }
    EXPECT_LE(differing, allowed) << c[0] << ": pixels differ from " << reference_path
                                  << "\n  this render: " << render_path
                                  << "\n  (KAIROTEX_UPDATE_REFERENCE=1 takes the render over)";
  }
  if (!HasFailure()) std::filesystem::remove_all(dir);  // a failing render is kept for a look
}

}  // namespace
}  // namespace kairotex
