#include "reports/cosmodynes_report.h"

#include "reports/cosmodynes_ranking.h"
#include "settings/name_tables.h"
#include "settings/text_formats.h"

namespace kairotex {
namespace {

constexpr const char* kPlanetHeading = "  Planet             Power    %         Har/Disc";
constexpr const char* kSignHeading = "  Sign               Power    %         Har/Disc";
constexpr const char* kHouseHeading = "  House              Power    %         Har/Disc";
constexpr const char* kGroupHeading = "  Signs              Power              Har/Disc";

constexpr std::array<const char*, kDynesGroupCount> kGroupNames = {
    "Fire", "Earth", "Air", "Water", "Cardinal", "Fixed", "Common"};

std::string PadRight(std::string text, size_t width) {
  if (text.size() < width) text.resize(width, ' ');
  return text;
}

std::string PadLeft(std::string text, size_t width) {
  if (text.size() < width) text.insert(0, width - text.size(), ' ');
  return text;
}

std::vector<DynesRow> ObjectRows(const CosmodynesFacts& f) {
  std::vector<DynesRow> rows;
  for (int i : kDynesObjects) {
    rows.push_back({"  " + std::string(ObjectReportName(i)) + std::string(7, ' '), f.total_power[i],
                    f.NetHarmony(i)});
  }
  return rows;
}

std::vector<DynesRow> SignRows(const CosmodynesFacts& f) {
  std::vector<DynesRow> rows;
  for (int s = 1; s <= 12; ++s) {
    const std::string_view name = kSignAbbreviations.substr(static_cast<size_t>(s - 1) * 3, 3);
    rows.push_back({"  " + std::string(name) + std::string(14, ' '), f.signs[s].power,
                    f.signs[s].NetHarmony()});
  }
  return rows;
}

std::vector<DynesRow> HouseRows(const CosmodynesFacts& f) {
  std::vector<DynesRow> rows;
  for (int h = 1; h <= 12; ++h) {
    rows.push_back({"   " + PadLeft(std::to_string(h), 3) + std::string(13, ' '), f.houses[h].power,
                    f.houses[h].NetHarmony()});
  }
  return rows;
}

std::string GroupLine(const char* name, const DynesSum& sum) {
  return "  " + PadRight(name, 17) + DynesNumber(sum.power) + std::string(13, ' ') +
         DynesNumber(sum.net_harmony);
}

// Two numbers as one column, right-justified by the first.
std::string NumberPair(double first, double second) {
  return PadTo4(FormatNumber(first, "###0.00") + " / " + FormatNumber(second, "###0.00"));
}

std::string HemisphereLine(const char* name, const DynesSum& a, const DynesSum& b) {
  return "  " + PadRight(name, 17) + NumberPair(a.power, b.power) + std::string(4, ' ') +
         NumberPair(a.net_harmony, b.net_harmony);
}

void Append(std::vector<std::string>& lines, const std::vector<std::string>& more) {
  lines.insert(lines.end(), more.begin(), more.end());
}

}  // namespace

std::vector<std::string> CosmodynesTableLines(const CosmodynesFacts& f) {
  std::vector<std::string> lines;
  Append(lines, DynesRankingLines(kPlanetHeading, ObjectRows(f)));
  Append(lines, DynesRankingLines(kSignHeading, SignRows(f)));
  Append(lines, DynesRankingLines(kHouseHeading, HouseRows(f)));
  Append(lines, {"", "", kGroupHeading});
  for (int g = kDynesFire; g <= kDynesWater; ++g)
    lines.push_back(GroupLine(kGroupNames[g], f.groups[g]));
  lines.push_back("");
  for (int g = kDynesCardinal; g <= kDynesCommon; ++g)
    lines.push_back(GroupLine(kGroupNames[g], f.groups[g]));
  lines.push_back("");
  lines.push_back(HemisphereLine("South/North", f.south, f.north));
  lines.push_back(HemisphereLine("East/West", f.east, f.west));
  return lines;
}

void CosmodynesReport(ReportContext& context) {
  const CosmodynesFacts facts = ComputeCosmodynes(context.chart);
  context.buffer.AppendLines(CosmodynesTableLines(facts));
  AppendDynesGrid(facts.grid, context.buffer);
}

}  // namespace kairotex
