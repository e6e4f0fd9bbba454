// The print window's layout: lines, the wide-text rule and the pages.
#include "reports/print_pages.h"

#include <gtest/gtest.h>

namespace kairotex {
namespace {

using Lines = std::vector<std::string>;

TEST(PrintPages, FileLinesSplitAtLineEnds) {
  const struct {
    std::string text;
    Lines lines;
  } cases[] = {
      {"", {}},       {"a\r\nb\r\n", {"a", "b"}}, {"a\r\n\r\n", {"a", ""}}, {"a\nb", {"a", "b"}},
      {"\r\n", {""}},
  };
  for (const auto& c : cases) EXPECT_EQ(PrintFileLines(c.text), c.lines) << c.text;
}

TEST(PrintPages, ALineLongerThanOption51MakesTheTextWide) {
  const std::string line80(80, 'x');
  EXPECT_FALSE(IsWideText({"short", line80}, 80));
  EXPECT_TRUE(IsWideText({"short", line80 + "x", ""}, 80));
  EXPECT_FALSE(IsWideText({}, 0));
}

// No empty page after a full last page; a count the counter never reaches
// (below 1 or not whole) gives one page.
TEST(PrintPages, Option49LinesToAPage) {
  const struct {
    int line_count;
    float option49;
    std::vector<size_t> page_sizes;
  } cases[] = {{120, 60, {60, 60}}, {121, 60, {60, 60, 1}}, {3, 1, {1, 1, 1}}, {100, 0, {100}},
               {100, -5, {100}},    {100, 49.5f, {100}},    {0, 49, {0}}};
  for (const auto& c : cases) {
    Lines lines;
    for (int i = 0; i < c.line_count; ++i) lines.push_back(std::to_string(i));
    const std::vector<Lines> pages = PrintPages(lines, c.option49);
    std::vector<size_t> sizes;
    for (const Lines& page : pages) sizes.push_back(page.size());
    EXPECT_EQ(sizes, c.page_sizes) << c.line_count << " lines, option " << c.option49;
    if (c.line_count > 0) {
      EXPECT_EQ(pages.back().back(), std::to_string(c.line_count - 1));
    }
  }
}

}  // namespace
}  // namespace kairotex
