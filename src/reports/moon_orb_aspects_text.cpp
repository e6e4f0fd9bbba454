#include "reports/moon_orb_aspects_text.h"

#include "settings/name_tables.h"
#include "settings/text_formats.h"

namespace kairotex {
namespace {

constexpr size_t kQualifierWidth = 13;

const char* MotionText(AspectMotion motion) {
  switch (motion) {
    case AspectMotion::kApplying:
      return "APP";
    case AspectMotion::kSeparating:
      return "sep";
    case AspectMotion::kPartile:
      return "partile";
    default:
      return "";
  }
}

const char* SideText(AspectSide side) {
  switch (side) {
    case AspectSide::kSinister:
      return ", sin ";
    case AspectSide::kDexter:
      return ", dex ";
    default:
      return "";
  }
}

}  // namespace

std::string QualifierText(const OrbAspect& aspect) {
  return std::string(MotionText(aspect.motion)) + SideText(aspect.side);
}

std::string OrbAspectLine(const OrbAspect& a) {
  std::string qualifier = QualifierText(a);
  if (qualifier.size() < kQualifierWidth) qualifier.resize(kQualifierWidth, ' ');
  return "  " + std::string(ObjectReportName(a.faster)) + std::string(AspectName(a.code)) +
         qualifier + std::string(ObjectReportName(a.slower)) +
         PadTo2(FormatNumber(a.distance, "#0.0")) + " degree";
}

std::vector<std::string> AspectsWithinOrbLines(const std::vector<OrbAspect>& aspects) {
  std::vector<std::string> lines = {"", "  Moon's Aspects Within Orb",
                                    "  -------------------------"};
  for (const OrbAspect& a : aspects) lines.push_back(OrbAspectLine(a));
  return lines;
}

}  // namespace kairotex
