#include "settings/window_settings.h"

#include <cmath>
#include <limits>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string_view>

#include "settings/file_text.h"
#include "settings/numeric_line.h"
#include "settings/program_dir.h"
#include "settings/safe_file_write.h"
#include "settings/text_formats.h"

namespace kairotex {
namespace {

constexpr std::string_view kHeader = "[Kairotex] - Do NOT change the order of these variables.";
constexpr std::string_view kLineEnd = "\r\n";

// The value after the first "=", or the whole line; nullopt when the digits
// cannot be held by a double (a damaged file must not stop the start-up).
std::optional<double> LineValue(std::string_view line) {
  const size_t equals = line.find('=');
  const std::string_view text = equals == std::string_view::npos ? line : line.substr(equals + 1);
  const double value = ReadLeadingNumber(text);
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

// Rounds half to even into a 16-bit field; values that do not fit leave it alone.
void Take16(double value, int16_t& field) {
  const double rounded = std::nearbyint(value);
  if (rounded < std::numeric_limits<int16_t>::min() ||
      rounded > std::numeric_limits<int16_t>::max()) {
    return;
  }
  field = static_cast<int16_t>(rounded);
}

// The data window's top and size need more than 0 once rounded: 0.3 passes a
// plain greater-than-0 test but would store a window of no height.
void TakePositive16(double value, int16_t& field) {
  if (std::nearbyint(value) > 0) Take16(value, field);
}

void ApplyLine(std::string_view line, WindowSettings& s) {
  const auto starts = [&](std::string_view key) { return line.starts_with(key); };
  const std::optional<double> parsed = LineValue(line);
  if (!parsed) return;
  const double v = *parsed;
  if (starts("FontSize")) {
    if (v >= 7.75) s.FontSize = v;
  } else if (starts("FontBold")) {
    s.FontBold = v;
  } else if (starts("FontItalic")) {
    s.FontItalic = v;
  } else if (starts("DataTop")) {
    TakePositive16(v, s.DataTop);
  } else if (starts("DataLeft")) {
    Take16(v, s.DataLeft);
  } else if (starts("DataHeight")) {
    TakePositive16(v, s.DataHeight);
  } else if (starts("DataWidth")) {
    TakePositive16(v, s.DataWidth);
  } else if (starts("StartScale")) {
    Take16(v, s.StartScale);
  } else if (starts("TypeChart")) {
    Take16(v, s.TypeChart);
  } else if (starts("PrecisePositions")) {
    s.PrecisePositions = v != 0;
  }
}

}  // namespace

WindowSettings LoadWindowSettings(const std::string& program_dir, std::string* warning) {
  WindowSettings settings;
  const std::string path = ProgramPath(program_dir, kWindowSettingsFileName);
  const FileText file = ReadFileText(path);
  if (file.problem != FileProblem::kNone) {
    if (warning && file.problem != FileProblem::kMissing) {
      *warning = path + " " + DescribeFileProblem(path, file.problem) +
                 ". The window settings are the defaults.";
    }
    return settings;
  }
  std::istringstream in(file.text);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    ApplyLine(line, settings);
  }
  return settings;
}

std::string WindowSettingsText(const WindowSettings& s) {
  std::string text(kHeader);
  text += kLineEnd;
  const auto add = [&](std::string_view key, double value) {
    text += key;
    text += '=';
    text += PlainNumberText(value);
    text += kLineEnd;
  };
  add("FontSize", s.FontSize);
  add("FontBold", s.FontBold);
  add("FontItalic", s.FontItalic);
  add("DataTop", s.DataTop);
  add("DataLeft", s.DataLeft);
  add("DataHeight", s.DataHeight);
  add("DataWidth", s.DataWidth);
  add("StartScale", s.StartScale);
  add("TypeChart", s.TypeChart);
  // Last, so that an older copy's reader, which knows only the lines above, passes it by.
  add("PrecisePositions", s.PrecisePositions ? -1 : 0);
  return text;
}

bool SaveWindowSettings(const std::string& program_dir, const WindowSettings& settings,
                        std::string* error) {
  return WriteFileReplacing(ProgramPath(program_dir, kWindowSettingsFileName),
                            WindowSettingsText(settings), error);
}

}  // namespace kairotex
