// The grid of pairs at the end of the Cosmodynes report.
#include <string_view>

#include "reports/cosmodynes_report.h"
#include "settings/name_tables.h"
#include "settings/text_formats.h"

namespace kairotex {
namespace {

constexpr const char* kGridColumns =
    "          Sun    Mer    Ven    Mar    Jup    Sat    Ura    Nep    Plu    Moo    Asc    MC";

// A "#0.00" text that shows no digit but 0 (0.00, and -0.00 from a small
// negative) reads as 0.
bool ReadsAsZero(std::string_view text) {
  return text.find_first_of("123456789") == std::string_view::npos;
}

std::string GridCell(const DynesGrid& grid, int i, int j) {
  if (i == j) return "  **** ";
  const std::string text =
      FormatNumber(grid[static_cast<size_t>(i)][static_cast<size_t>(j)], "#0.00");
  if (ReadsAsZero(text)) return "  ---- ";
  return PadTo3(text) + " ";
}

}  // namespace

std::vector<std::string> DynesGridLines(const DynesGrid& grid) {
  std::vector<std::string> lines = {
      "",
      "",
      std::string(25, ' ') + "Power is listed in upper right section.",
      std::string(25, ' ') + "Harmony is listed in lower left section.",
      "",
      kGridColumns};
  for (int i : kDynesObjects) {
    std::string line = "  " + std::string(kObjectName[static_cast<size_t>(i)].substr(0, 3)) + "  ";
    for (int j : kDynesObjects) line += GridCell(grid, i, j);
    lines.push_back(line);
  }
  return lines;
}

void AppendDynesGrid(const DynesGrid& grid, ReportBuffer& buffer) {
  buffer.AppendLines(DynesGridLines(grid));
}

}  // namespace kairotex
