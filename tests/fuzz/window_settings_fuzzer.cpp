// KAIROTEX.INI through LoadWindowSettings: any file gives usable settings
// (no exception, finite values; strict: a window of positive size), and
// saving them and reading them back gives the same file.
#include <cmath>

#include "fuzz_support.h"
#include "settings/program_dir.h"
#include "settings/window_settings.h"

using namespace kairotex;
using fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  constexpr const char* kTarget = "window_settings";
  const std::string& dir = fuzz::ScratchDir();
  fuzz::WriteBytes(ProgramPath(dir, kWindowSettingsFileName), fuzz::Bytes(data, size));
  try {
    const WindowSettings s = LoadWindowSettings(dir);
    Check(std::isfinite(s.FontSize) && s.FontSize >= 7.75, kTarget,
          "FontSize " + std::to_string(s.FontSize));
    Check(std::isfinite(s.FontBold) && std::isfinite(s.FontItalic), kTarget,
          "FontBold or FontItalic is not finite");
    Check(s.DataTop > 0 && s.DataHeight > 0 && s.DataWidth > 0, kTarget,
          "data window geometry " + std::to_string(s.DataTop) + " " + std::to_string(s.DataHeight) +
              " " + std::to_string(s.DataWidth));

    std::string error;
    Check(SaveWindowSettings(dir, s, &error), kTarget, "saving failed: " + error);
    const std::string saved = WindowSettingsText(s);
    const std::string again = WindowSettingsText(LoadWindowSettings(dir));
    Check(again == saved, kTarget,
          "saved settings read back differently:\n" + saved + "\n" + again);
  } catch (const std::exception& e) {
    fuzz::Fail(kTarget, std::string("unexpected exception: ") + e.what());
  }
  return 0;
}
