#include "reports/arabic_parts_text.h"

#include <string_view>

#include "chart/angles.h"
#include "settings/text_formats.h"

namespace kairotex {
namespace {

std::string Entry(double lon, std::string_view label) {
  return PrintedPosition(lon) + std::string(label);
}

}  // namespace

std::string PrintedPosition(double lon) {
  const SplitLon split = SplitLongitude(lon);
  return FormatNumber(split.degree, "00") + " " + SignAbbreviation(split.sign) + " " +
         FormatNumber(split.minute, "00");
}

std::vector<std::string> NodesAndPartsLines(const NodesAndParts& p) {
  const std::string six(6, ' ');
  const std::string five(5, ' ');
  return {
      "  " + Entry(p.mean_north_node, "   MEAN NORTH NODE") + std::string(32, ' ') +
          Entry(p.true_north_node, "   TRUE NORTH NODE"),
      "  " + Entry(p.illness, "  P of ILLNESS") + six +
          Entry(p.death_traditional, "  P/DEATH-trad.") + six +
          Entry(p.marriage, "  P of MARRIAGE"),
      "  " + Entry(p.fatality, "  P of FATALITY") + five +
          Entry(p.point_of_death, "  Point of DEATH") + five +
          Entry(p.fortune_night, "  P.F. - night"),
  };
}

}  // namespace kairotex
