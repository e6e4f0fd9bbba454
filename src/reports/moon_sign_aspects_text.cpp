#include "reports/moon_sign_aspects_text.h"

#include "settings/name_tables.h"

namespace kairotex {
namespace {

std::string Entries(const std::vector<SignAspectEntry>& entries) {
  std::string text;
  for (const SignAspectEntry& e : entries) {
    text += std::string(e.word) + std::string(kObjectName[e.object]) + "  ";
  }
  return text;
}

}  // namespace

std::vector<std::string> MoonSignAspectLines(const MoonSignAspects& aspects) {
  std::string to = "  To   - " + Entries(aspects.to);
  if (aspects.void_of_course) to += "VOID OF COURSE (modern)";
  return {"", "  Moon's Aspects - ", "  From - " + Entries(aspects.from), to};
}

}  // namespace kairotex
