// How the print window lays the print file out on the printer: the type size
// and the lines of each page.
#pragma once

#include <string>
#include <vector>

namespace kairotex {

inline constexpr int kNarrowPrintPoints = 12;
inline constexpr int kWidePrintPoints = 10;

// The print file's lines: split at CR LF (or a lone LF); a closing line end
// does not start one more line.
std::vector<std::string> PrintFileLines(const std::string& text);

// A line longer than option 51 characters makes the whole print wide.
bool IsWideText(const std::vector<std::string>& lines, float option51);

// 10 points for wide text, else 12.
int PrintPointSize(bool wide_text);

// The lines page by page, option 49 lines to a page. The counter starts at 1
// and a page ends when it equals option 49 after a line, so an option that no
// count reaches (0, negative, fractional) puts everything on one page. No
// empty page follows a full last page.
std::vector<std::vector<std::string>> PrintPages(const std::vector<std::string>& lines,
                                                 float option49);

}  // namespace kairotex
