#include "aspects/orb_file.h"

#include <filesystem>
#include <fstream>
#include <string>

#include "settings/numeric_line.h"

namespace kairotex {
namespace {

constexpr size_t kOrbFieldWidth = 7;  // the number; the rest of a line is a label
constexpr size_t kQuotedLineLength = 40;
constexpr std::string_view kOrbsKept = ". The orbs stay as they were.";

void Warn(MessageSink& messages, const std::string& text) {
  messages.ShowMessage(text, kWarningTitle, MessageIcon::kExclamation);
}

}  // namespace

std::string OrbFileNotFoundMessage(const std::string& path) {
  return "Orb file not found: " + path + std::string(kOrbsKept);
}

bool ReadOrbFile(const std::string& path, OrbTable& orbs, MessageSink& messages) {
  if (path.empty()) {
    Warn(messages, "No orb file is chosen" + std::string(kOrbsKept));
    return false;
  }
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    Warn(messages, OrbFileNotFoundMessage(path));
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  // A short file leaves the later entries alone, so start from the table as it is;
  // the copy is committed only once the whole file has been read.
  OrbTable read = orbs;
  std::string line;
  for (int n = 1; n <= kOrbCount && std::getline(in, line); ++n) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) break;
    // A line whose field holds no number would silently become an orb of 0,
    // which hides every aspect of its kind: say which line it is instead.
    if (!StartsWithNumber(std::string_view(line).substr(0, kOrbFieldWidth))) {
      Warn(messages, "Line " + std::to_string(n) + " of " + path + " is not a number: \"" +
                         line.substr(0, kQuotedLineLength) + "\"" + std::string(kOrbsKept));
      return false;
    }
    read[n] = static_cast<float>(ReadNumericField(line));
  }
  // A file that would not open, a folder, or a read that broke off: keep the old orbs.
  if (!in.is_open() || in.bad()) {
    Warn(messages, "Orb file could not be read: " + path + std::string(kOrbsKept));
    return false;
  }
  orbs = read;
  return true;
}

}  // namespace kairotex
