#include "reports/print_pages.h"

#include <cmath>

namespace kairotex {

std::vector<std::string> PrintFileLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    size_t stop = end;
    if (stop > start && text[stop - 1] == '\r') --stop;
    lines.push_back(text.substr(start, stop - start));
    start = end + 1;
  }
  return lines;
}

bool IsWideText(const std::vector<std::string>& lines, float option51) {
  for (const std::string& line : lines) {
    if (static_cast<double>(line.size()) > static_cast<double>(option51)) return true;
  }
  return false;
}

int PrintPointSize(bool wide_text) {
  return wide_text ? kWidePrintPoints : kNarrowPrintPoints;
}

std::vector<std::vector<std::string>> PrintPages(const std::vector<std::string>& lines,
                                                 float option49) {
  // Only a whole count of 1 or more is ever equalled by the counter.
  const double per_page = static_cast<double>(option49);
  const bool paged = per_page >= 1.0 && std::floor(per_page) == per_page && per_page < 1e9;
  std::vector<std::vector<std::string>> pages(1);
  for (const std::string& line : lines) {
    if (paged && pages.back().size() == static_cast<size_t>(per_page)) pages.emplace_back();
    pages.back().push_back(line);
  }
  return pages;
}

}  // namespace kairotex
