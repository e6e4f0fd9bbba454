#include "cli/wheel_command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <optional>

#include "chartview/qt/gui_application.h"
#include "chartview/qt/horary_font.h"
#include "chartview/qt/wheel_export.h"
#include "cli/chart_cast.h"
#include "cli/cli_app.h"
#include "cli/flag_checks.h"
#include "settings/window_settings.h"

namespace kairotex::cli {
namespace {

enum class WheelFormat { kPng, kSvg, kPdf };

constexpr int kSmallestSide = 16;
constexpr int kLargestSide = 8192;  // 256 MB of image

std::optional<WheelFormat> FormatOf(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".png") return WheelFormat::kPng;
  if (extension == ".svg") return WheelFormat::kSvg;
  if (extension == ".pdf") return WheelFormat::kPdf;
  return std::nullopt;
}

// "1024x768" -> 1024 by 768; nullopt when malformed or out of range.
std::optional<QSize> ParseSize(const std::string& text) {
  const size_t cross = text.find_first_of("xX");
  if (cross == std::string::npos) return std::nullopt;
  int width = 0, height = 0;
  const char* begin = text.data();
  const char* end = begin + text.size();
  const auto w = std::from_chars(begin, begin + cross, width);
  const auto h = std::from_chars(begin + cross + 1, end, height);
  if (w.ec != std::errc() || w.ptr != begin + cross || h.ec != std::errc() || h.ptr != end) {
    return std::nullopt;
  }
  if (std::min(width, height) < kSmallestSide || std::max(width, height) > kLargestSide) {
    return std::nullopt;
  }
  return QSize(width, height);
}

int16_t ChartStyle(const std::string& flag, const std::string& program_dir) {
  if (flag == "american") return kAmericanStyle;
  if (flag == "european") return kEuropeanStyle;
  return LoadWindowSettings(program_dir).TypeChart == kEuropeanStyle ? kEuropeanStyle
                                                                     : kAmericanStyle;
}

}  // namespace

int RunWheel(const ChartFlags& chart_flags, const WheelFlags& flags, std::ostream&,
             std::ostream& err, const Clock& clock) {
  const std::optional<WheelFormat> format = FormatOf(flags.out);
  if (!format) {
    err << "kairotex-cli: cannot write \"" << flags.out
        << "\": the file name must end in .png, .svg or .pdf\n";
    return kExitInputRefused;
  }
  const std::optional<QSize> size = ParseSize(flags.size);
  if (!size) {
    err << "kairotex-cli: --size must be WIDTHxHEIGHT, each side " << kSmallestSide << " to "
        << kLargestSide << " pixels\n";
    return kExitInputRefused;
  }

  StreamMessages messages(err);
  ChartRun run;
  if (const int status = CastChartFromFlags(chart_flags, clock, err, messages, run)) return status;

  EnsureGuiApplication();
  const HoraryFontLoad font = LoadHoraryFont(run.program.program_dir);
  if (!font.ok()) {
    err << "kairotex-cli: warning: " << font.error << "; drawing with the default font\n";
  }
  const WheelInputs inputs{run.state, run.program.options, run.program.tables,
                           ChartStyle(flags.style, run.program.program_dir)};
  std::string error;
  bool written = false;
  switch (*format) {
    case WheelFormat::kPng:
      written = WriteWheelImage(flags.out, *size, inputs, font.family, &error);
      break;
    case WheelFormat::kSvg:
      written = WriteWheelSvg(flags.out, *size, inputs, font.family, &error);
      break;
    case WheelFormat::kPdf:
      written = WriteWheelPdf(flags.out, flags.page == "half" ? PdfPage::kHalf : PdfPage::kFull,
                              inputs, font.family, messages, &error);
      break;
  }
  if (!written) {
    err << "kairotex-cli: cannot write the wheel: " << error << "\n";
    return kExitDataFile;
  }
  return kExitOk;
}

}  // namespace kairotex::cli
