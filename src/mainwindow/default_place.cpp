#include "mainwindow/default_place.h"

#include <cmath>
#include <vector>

#include "settings/data_file_error.h"
#include "settings/file_text.h"
#include "settings/options.h"
#include "settings/program_dir.h"
#include "settings/safe_file_write.h"
#include "settings/text_formats.h"

namespace kairotex {
namespace {

constexpr int kFirstPlaceOption = 18;
constexpr size_t kValueWidth = 7;  // the numeric field of an option line

// The value in at most six characters, so that a blank parts it from the
// line's note: up to three decimals of an hour (present-day zones are whole
// quarter hours; the seconds of older zones are no default place's).
std::string ValueField(float value) {
  for (int decimals = 3; decimals >= 0; --decimals) {
    const double scale = std::pow(10.0, decimals);
    const std::string text = CompactNumberText(std::nearbyint(value * scale) / scale, 7);
    if (text.size() < kValueWidth) return text + std::string(kValueWidth - text.size(), ' ');
  }
  return std::string(kValueWidth, '0');
}

bool Fail(std::string* error, const std::string& why) {
  if (error) *error = why;
  return false;
}

}  // namespace

std::optional<std::array<float, 7>> DefaultPlaceOptions(const ElectionFields& fields,
                                                        std::optional<double> standard_zone_west,
                                                        MessageSink& messages) {
  ElectionEntry entry = EntryFromFields(fields);
  if (standard_zone_west) entry.zone = *standard_zone_west;
  // The Now chart is cast in every house system: 66 degrees at most.
  if (ValidateElectionData(entry, false, messages) != 0) return std::nullopt;
  return std::array<float, 7>{static_cast<float>(*entry.zone),
                              static_cast<float>(*entry.lon_degrees),
                              static_cast<float>(*entry.lon_minutes),
                              entry.west ? 0.0f : -1.0f,
                              static_cast<float>(*entry.lat_degrees),
                              static_cast<float>(*entry.lat_minutes),
                              entry.south ? -1.0f : 0.0f};
}

bool SaveDefaultPlace(ProgramContext& c, const std::array<float, 7>& values, std::string* error) {
  const std::string path = ProgramPath(c.program_dir(), "OPTIONS.OPT");
  const FileText file = ReadFileText(path);
  if (file.problem != FileProblem::kNone) {
    return Fail(error, path + " " + DescribeFileProblem(path, file.problem));
  }
  std::vector<std::string> lines;
  ForEachLine(file.text, [&lines](std::string_view line, int) { lines.emplace_back(line); });
  if (lines.size() < kFirstPlaceOption + values.size() - 1) {
    return Fail(error, path + " ends before option 24");
  }
  for (size_t i = 0; i < values.size(); ++i) {
    std::string& line = lines[kFirstPlaceOption - 1 + i];
    const std::string note = line.size() > kValueWidth ? line.substr(kValueWidth) : "";
    line = ValueField(values[i]) + note;
  }
  std::string text;
  for (const std::string& line : lines) text.append(line).append("\r\n");
  if (!WriteFileReplacing(path, text, error)) return false;
  try {
    LoadOptions(c.program_dir(), c.program.options);
  } catch (const DataFileError& e) {
    return Fail(error, e.what());
  }
  return true;
}

}  // namespace kairotex
