#include "reports/magi_aspects_report.h"

#include <cmath>
#include <string_view>

#include "settings/name_tables.h"
#include "settings/text_formats.h"

namespace kairotex {
namespace {

// Ten characters a name, objects 1..11 of the Magi numbering (Chiron last).
constexpr std::string_view kMagiNames =
    "SUN       MERCURY   VENUS     MARS      JUPITER   SATURN    URANUS    NEPTUNE   "
    "PLUTO     MOON      CHIRON    ";

std::string_view MagiName(int object) {
  return kMagiNames.substr(static_cast<size_t>(object - 1) * 10, 10);
}

std::string PairLine(int first, std::string_view middle, int second, double amount) {
  std::string line = "  ";
  line += MagiName(first);
  line += middle;
  line += "  ";
  line += MagiName(second);
  line += MagiDegreesMinutes(std::fabs(amount));
  return line;
}

}  // namespace

std::string MagiDegreesMinutes(double degrees) {
  double whole = std::floor(degrees);
  std::string minutes = FormatNumber((degrees - whole) * 60.0, "00");
  if (minutes == "60") {
    whole += 1.0;
    minutes = "00";
  }
  return PadTo4(FormatNumber(whole, "#0")) + "d " + minutes + "m";
}

std::vector<std::string> MagiAspectLines(const MagiFacts& facts, const std::string& event_name) {
  std::vector<std::string> lines = {"", "  Magi Society Aspects for " + event_name, ""};
  for (const MagiAspect& a : facts.aspects) {
    lines.push_back(PairLine(a.first, AspectName(a.code), a.second, a.deviation) + a.labels);
  }
  lines.emplace_back();
  for (const MagiParallel& p : facts.parallels) {
    const std::string_view label = p.contraparallel ? "c.parallel" : "parallel  ";
    lines.push_back(PairLine(p.first, label, p.second, p.difference) + p.labels);
  }
  return lines;
}

void WriteMagiAspects(ReportContext& context) {
  context.buffer.AppendLines(
      MagiAspectLines(ComputeMagiAspects(context.chart), context.event_name));
}

}  // namespace kairotex
