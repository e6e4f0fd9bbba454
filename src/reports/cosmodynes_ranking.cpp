#include "reports/cosmodynes_ranking.h"

#include <numeric>
#include <utility>

#include "settings/text_formats.h"

namespace kairotex {
namespace {

std::string Percent(double value) {
  return PadTo2(FormatNumber(value, "#0.0"));
}

std::vector<size_t> OrderBy(const std::vector<DynesRow>& rows, double DynesRow::*field) {
  std::vector<double> values;
  for (const DynesRow& row : rows) values.push_back(row.*field);
  return ExchangeSortOrder(values);
}

}  // namespace

std::vector<size_t> ExchangeSortOrder(const std::vector<double>& values) {
  std::vector<size_t> order(values.size());
  std::iota(order.begin(), order.end(), size_t{0});
  for (size_t i = 0; i < order.size(); ++i) {
    for (size_t j = i + 1; j < order.size(); ++j) {
      if (values[order[j]] > values[order[i]]) std::swap(order[i], order[j]);
    }
  }
  return order;
}

double PercentOf(double value, double whole) {
  return whole == 0 ? 0.0 : value * 100 / whole;
}

std::vector<double> NetHarmonyPercents(const std::vector<DynesRow>& rows) {
  double harmony = 0, discord = 0;
  for (const DynesRow& row : rows) {
    if (row.net_harmony > 0) harmony += row.net_harmony;
    if (row.net_harmony < 0) discord -= row.net_harmony;
  }
  std::vector<double> percents;
  for (const DynesRow& row : rows) {
    const double n = row.net_harmony;
    percents.push_back(n < 0 ? PercentOf(n, discord) : PercentOf(n, harmony));
  }
  return percents;
}

std::string DynesNumber(double value) {
  return PadTo4(FormatNumber(value, "###0.00"));
}

std::vector<std::string> DynesRankingLines(std::string_view heading,
                                           const std::vector<DynesRow>& rows) {
  double total_power = 0, total_net = 0;
  for (const DynesRow& row : rows) {
    total_power += row.power;
    total_net += row.net_harmony;
  }
  std::vector<std::string> lines = {"", std::string(heading)};
  for (size_t r : OrderBy(rows, &DynesRow::power)) {
    const DynesRow& row = rows[r];
    lines.push_back(row.label + DynesNumber(row.power) + "  " +
                    Percent(PercentOf(row.power, total_power)) + std::string(7, ' ') +
                    DynesNumber(row.net_harmony));
  }
  lines.push_back("");
  lines.push_back("  TOTALS" + std::string(11, ' ') + DynesNumber(total_power) +
                  std::string(13, ' ') + DynesNumber(total_net));
  lines.push_back(std::string(51, ' ') + "%");
  const std::vector<double> percents = NetHarmonyPercents(rows);
  for (size_t r : OrderBy(rows, &DynesRow::net_harmony)) {
    const DynesRow& row = rows[r];
    lines.push_back(row.label + DynesNumber(row.power) + std::string(13, ' ') +
                    DynesNumber(row.net_harmony) + "   " + Percent(percents[r]));
  }
  return lines;
}

}  // namespace kairotex
