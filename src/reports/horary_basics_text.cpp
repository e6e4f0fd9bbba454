// The strictures at the head of the report and the strengths at its end.
#include "reports/horary_basics_text.h"

#include "settings/name_tables.h"
#include "settings/text_formats.h"

namespace kairotex {
namespace {

// The closing list names the planets in object order, the Moon last.
constexpr int kStrengthListed[] = {kSun, kMercury, kVenus, kMars, kJupiter, kSaturn, kMoon};

}  // namespace

std::vector<std::string> StricturesLines(const std::vector<Stricture>& strictures) {
  std::vector<std::string> lines = {"", "  STRICTURES and WARNINGS - "};
  for (Stricture stricture : strictures) {
    lines.push_back("  " + std::string(StrictureText(stricture)));
  }
  return lines;
}

std::vector<std::string> StrengthLines(const ObjectTable& strength) {
  std::vector<std::string> lines = {"", "  Planets' Strengths:"};
  for (int planet : kStrengthListed) {
    lines.push_back("  " + std::string(kObjectName[planet]) + ": " +
                    PlainNumberText(strength[planet]));
  }
  return lines;
}

}  // namespace kairotex
