#include "aspects/orb_file.h"

#include <string>
#include <string_view>

#include "settings/file_text.h"
#include "settings/numeric_line.h"
#include "settings/text_formats.h"

namespace kairotex {
namespace {

constexpr size_t kOrbFieldWidth = 7;  // the number; the rest of a line is a label
constexpr size_t kQuotedLineLength = 40;
constexpr double kLargestOrb = 180;
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
  const FileText file = ReadFileText(path);
  if (file.problem == FileProblem::kMissing) {
    Warn(messages, OrbFileNotFoundMessage(path));
    return false;
  }
  if (file.problem != FileProblem::kNone) {
    Warn(messages, "Orb file could not be read: " + path + " " +
                       DescribeFileProblem(path, file.problem) + std::string(kOrbsKept));
    return false;
  }
  // A short file leaves the later entries alone, so start from the table as it is;
  // the copy is committed only once the whole file has been read.
  OrbTable read = orbs;
  std::string_view rest = file.text;
  for (int n = 1; n <= kOrbCount && !rest.empty(); ++n) {
    const size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) break;
    const std::string at = "Line " + std::to_string(n) + " of " + path;
    // A line whose field holds no number would silently become an orb of 0,
    // which hides every aspect of its kind: say which line it is instead.
    if (!StartsWithNumber(line.substr(0, kOrbFieldWidth))) {
      Warn(messages, at + " is not a number: \"" + QuoteExcerpt(line, kQuotedLineLength) + "\"" +
                         std::string(kOrbsKept));
      return false;
    }
    const double orb = ReadNumericField(line);
    // A negative orb empties the list; one above 180 makes every pair an aspect.
    if (orb < 0.0 || orb > kLargestOrb) {
      Warn(messages, at + ": the orb " + CompactNumberText(orb, kSingleDigits) +
                         " is outside 0 to 180" + std::string(kOrbsKept));
      return false;
    }
    read[n] = static_cast<float>(orb);
  }
  orbs = read;
  return true;
}

}  // namespace kairotex
