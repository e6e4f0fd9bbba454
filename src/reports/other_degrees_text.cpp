#include "reports/other_degrees_text.h"

#include "chart/angles.h"
#include "settings/name_tables.h"

namespace kairotex {
namespace {

// Planet and cusp labels are both 21 characters, so the columns line up
// under the headings.
std::string PlanetLabel(int planet) {
  return "  " + std::string(ObjectReportName(planet).substr(0, 7)) + "  " + std::string(10, ' ');
}

std::string CuspLabel(int wheel_index) {
  return "  " + std::string(kHouseLabels + 4 * (wheel_index - 1), 4) + " house cusp    ";
}

}  // namespace

std::string DegreeColumns(const DegreeClass& degree) {
  std::string text;
  for (char letter :
       {degree.masculine_feminine, degree.light_dark, degree.pitted, degree.lame, degree.fortune}) {
    text += letter;
    text += std::string(8, ' ');
  }
  return text + SignAbbreviation(degree.decanate_sign) + std::string(6, ' ') +
         SignAbbreviation(degree.dwad_sign);
}

std::vector<std::string> OtherDegreesLines(const OtherDegreeClasses& classes) {
  std::vector<std::string> lines = {
      "",
      std::string(53, ' ') + "Increasing",
      "  Object            M/F    L/D/S/V   Pitted   Lame    Fortune   Decanate   Dwad",
  };
  for (int i = kSun; i <= kMoon; ++i)
    lines.push_back(PlanetLabel(i) + DegreeColumns(classes.planets[i]));
  for (int i = 1; i <= 12; ++i) lines.push_back(CuspLabel(i) + DegreeColumns(classes.cusps[i]));
  lines.insert(lines.end(),
               {"", "  M/F = masculine/feminine", "  L/D/S/V = light/dark/smoky/void"});
  return lines;
}

}  // namespace kairotex
