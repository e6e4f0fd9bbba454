// The lines of the antiscia report.
#include "reports/antiscia.h"
#include "reports/arabic_parts_text.h"
#include "settings/name_tables.h"

namespace kairotex {
namespace {

std::string Name(int object) {
  return std::string(ObjectReportName(object));
}

void AddConjunctions(std::vector<std::string>& lines, const std::vector<MirrorConjunction>& found,
                     const char* relation) {
  for (const MirrorConjunction& c : found)
    lines.push_back("  " + Name(c.object) + relation + Name(c.mirrored));
}

}  // namespace

std::vector<std::string> AntisciaLines(const AntisciaFacts& facts) {
  const std::string five(5, ' ');
  const std::string ten(10, ' ');
  std::vector<std::string> lines = {
      "",
      "  Planet name" + five + "Degree" + std::string(12, ' ') + "Antiscion" + std::string(8, ' ') +
          "Contrantiscion",
      "",
  };
  for (int p = 1; p <= ObjectCount; ++p) {
    if (p == kSouthNode) continue;  // its points are the North Node's, swapped
    if (!facts.available[p]) continue;
    lines.push_back("  " + Name(p) + five + PrintedPosition(facts.lon[p]) + ten +
                    PrintedPosition(facts.antiscion[p]) + ten + PrintedPosition(facts.contra[p]));
  }
  lines.push_back("");
  AddConjunctions(lines, facts.antiscion_conjunctions, " conjunct antiscion of ");
  AddConjunctions(lines, facts.contra_conjunctions, " conjunct contrantiscion of ");
  return lines;
}

void WriteAntiscia(ReportContext& context) {
  context.buffer.AppendLines(AntisciaLines(ComputeAntiscia(context.chart)));
}

}  // namespace kairotex
