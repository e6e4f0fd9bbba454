#include "reports/degree_strip_text.h"

#include <iterator>

#include "chart/angles.h"
#include "settings/text_formats.h"

namespace kairotex {
namespace {

constexpr int kBlockLines = 5;
constexpr size_t kCellWidth = 3;

}  // namespace

std::vector<std::string> StripBlockLines(const StripBlock& block) {
  std::vector<std::string> lines(kBlockLines, std::string(kStripCells * kCellWidth, ' '));
  for (size_t degree = 0; degree < block.size(); ++degree) {
    const StripCell& cell = block[degree];
    if (cell.object == 0) continue;
    const std::string details[] = {cell.label, SignAbbreviation(cell.sign),
                                   FormatNumber(cell.minute, "00"), cell.retrograde ? "R" : ""};
    for (size_t row = 0; row < std::size(details); ++row) {
      lines[row].replace(degree * kCellWidth, details[row].size(), details[row]);
    }
  }
  return lines;
}

std::vector<std::string> DegreeStripLines(const DegreeStripFacts& strip) {
  std::vector<std::string> lines = {"", std::string("  ") + kDegreeRuler};
  for (const StripBlock& block : strip.blocks) {
    for (const std::string& line : StripBlockLines(block)) lines.push_back("  " + line);
  }
  return lines;
}

}  // namespace kairotex
