// The ranked tables of the Cosmodynes report: rows by power with their share
// of the total, the totals, and rows by net harmony with their share of the
// harmony or discord of the table.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kairotex {

struct DynesRow {
  std::string label;  // 19 characters, the leading blanks included
  double power = 0;
  double net_harmony = 0;
};

// Positions of the values, largest first, as an exchange sort leaves them:
// a later entry changes place with an earlier one only when strictly larger,
// so equal values need not keep their order.
std::vector<size_t> ExchangeSortOrder(const std::vector<double>& values);

// value * 100 / whole, and 0 when the whole is 0.
double PercentOf(double value, double whole);

// A net harmony of 0 or more as a share of the table's positive net
// harmonies; a negative one as a (negative) share of the table's negative
// net harmonies taken by size.
std::vector<double> NetHarmonyPercents(const std::vector<DynesRow>& rows);

// A number column: "###0.00" right-justified to seven characters.
std::string DynesNumber(double value);

// A blank line and the heading, the rows by power, a blank line and the
// totals, the "%" line and the rows by net harmony.
std::vector<std::string> DynesRankingLines(std::string_view heading,
                                           const std::vector<DynesRow>& rows);

}  // namespace kairotex
