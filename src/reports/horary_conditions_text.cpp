// The lines of the accidental conditions: one line per condition, a heading
// and its entries.
#include <string_view>

#include "reports/fixed_stars_table.h"
#include "reports/horary_basics_text.h"
#include "settings/name_tables.h"

namespace kairotex {
namespace {

std::string NameEntry(int object) {
  return std::string(kObjectName.at(object)) + " ";
}

std::string PairEntry(const ReceptionPair& pair) {
  return std::string(kObjectName.at(pair.first)) + "-" + std::string(kObjectName.at(pair.second)) +
         "   ";
}

std::string StarEntry(const FixedStarHit& hit) {
  return std::string(kObjectName.at(hit.object)) + std::string(kFixedStars.at(hit.star).text);
}

// Builds a condition line from its entries; `always` writes the heading even
// when no entry follows.
template <typename Item, typename EntryText>
void AddConditionLine(std::vector<std::string>& lines, std::string_view heading,
                      const std::vector<Item>& items, EntryText entry, bool always = false) {
  if (items.empty() && !always) return;
  std::string line = "  " + std::string(heading);
  for (const Item& item : items) line += entry(item);
  lines.push_back(line);
}

}  // namespace

std::vector<std::string> ConditionLines(const HoraryConditions& c) {
  std::vector<std::string> lines = {""};
  AddConditionLine(lines, "Peregrine - ", c.peregrine, NameEntry, true);
  AddConditionLine(lines, "Detriment - ", c.detriment, NameEntry, true);
  AddConditionLine(lines, "Fall - ", c.fall, NameEntry, true);
  AddConditionLine(lines, "Mutual Reception (by sign) - ", c.receptions.by_sign, PairEntry);
  AddConditionLine(lines, "Mutual Reception (by exaltation) - ", c.receptions.by_exaltation,
                   PairEntry);
  AddConditionLine(lines, "Mixed Reception (sign/exaltation) - ", c.receptions.mixed, PairEntry);
  lines.push_back("");
  AddConditionLine(lines, "Via Combusta - ", c.via_combusta, NameEntry);
  AddConditionLine(lines, "Cazimi - ", c.sun_distance.cazimi, NameEntry);
  AddConditionLine(lines, "Combust - ", c.sun_distance.combust, NameEntry);
  AddConditionLine(lines, "Under Sun's Beam - ", c.sun_distance.under_sun_beams, NameEntry);
  AddConditionLine(lines, "Fateful Degree - ", c.fateful_degree, NameEntry);
  AddConditionLine(lines, "House of Joy - ", c.house_of_joy, NameEntry);
  AddConditionLine(lines, "Besieged Planets - ", c.besieged, NameEntry);
  AddConditionLine(lines, "Fixed Stars - ", c.fixed_stars, StarEntry);
  return lines;
}

}  // namespace kairotex
