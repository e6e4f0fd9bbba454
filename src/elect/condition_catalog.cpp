#include <array>
#include <exception>
#include <string>

#include "elect/conditions.h"

namespace kairotex {
namespace {

using K = ConditionKind;
using P = ParameterType;

constexpr std::string_view kLilly = "Lilly, Christian Astrology (1647)";
constexpr std::string_view kSahl = "Sahl ibn Bishr, On Elections (tr. Dykes)";
constexpr std::string_view kBonatti = "Bonatti, Liber Astronomiae, On Elections (tr. Dykes)";

constexpr std::array<ConditionInfo, 22> kCatalog = {{
    {K::kMoonNotVoid, "moon-not-voc", "Moon not void of course", P::kVoidRule, "modern",
     "the program's own rule (she perfects a major aspect before leaving her sign); "
     "Lilly's exception for Taurus, Cancer, Sagittarius and Pisces: Lilly, Christian "
     "Astrology (1647)"},
    {K::kMoonNotViaCombusta, "moon-not-via-combusta", "Moon not in the Via Combusta",
     P::kViaCombusta, "15lib-15sco",
     "15 Libra to 15 Scorpio: Lilly, Christian Astrology (1647); 19 Libra to 3 Scorpio: Sahl "
     "ibn Bishr as Dykes reads him; all of Libra and Scorpio: Dorotheus, Carmen Astrologicum V"},
    {K::kMoonNotUnderBeams, "moon-not-under-beams", "Moon not combust or under the beams",
     P::kDegrees, "12", kSahl},
    {K::kMoonNotOppositeSun, "moon-not-opposite-sun", "Moon not opposite the Sun", P::kDegrees,
     "13.5", kSahl},
    {K::kMoonWaxing, "moon-waxing", "Moon increasing in light", P::kNone, "",
     "Dorotheus, Carmen Astrologicum V"},
    {K::kMoonFast, "moon-fast", "Moon swift in motion", P::kDegrees, "13.176667", kLilly},
    {K::kMoonFreeOfMalefics, "moon-free-of-malefics", "Moon free of Mars and Saturn", P::kNone, "",
     kSahl},
    {K::kMoonFarFromNodes, "moon-far-from-nodes", "Moon away from the nodes", P::kDegrees, "12",
     kBonatti},
    {K::kMoonNotCadent, "moon-not-cadent", "Moon not cadent", P::kNone, "", kSahl},
    {K::kMoonAppliesToBenefic, "moon-applies-to-benefic",
     "Moon's next aspect a good one to a benefic", P::kPlanets, "venus,jupiter", kSahl},
    {K::kAscendantNotEarlyOrLate, "asc-not-early-late", "Ascendant neither early nor late",
     P::kNone, "", "the program's strictures before judgement; Bonatti, 146 Considerations"},
    {K::kAscendantInSigns, "asc-in-signs", "Ascendant in chosen signs", P::kSigns, "fixed", kSahl},
    {K::kAscRulerDignified, "asc-ruler-dignified", "Lord of the Ascendant strong", P::kStrength,
     "0", "the strength of the program's horary basics; Lilly, Christian Astrology (1647)"},
    {K::kAscRulerAngularOrSuccedent, "asc-ruler-angular-succedent",
     "Lord of the Ascendant angular or succedent", P::kNone, "", kBonatti},
    {K::kAscRulerDirect, "asc-ruler-direct", "Lord of the Ascendant direct", P::kNone, "",
     kBonatti},
    {K::kAscRulerNotCombust, "asc-ruler-not-combust", "Lord of the Ascendant not combust", P::kNone,
     "", kBonatti},
    {K::kAscRulerNotInEvilHouse, "asc-ruler-not-6-8-12",
     "Lord of the Ascendant not in the 6th, 8th or 12th", P::kNone, "", kBonatti},
    {K::kBeneficsAngular, "benefics-angular", "Benefics angular", P::kNone, "",
     "Ptolemy, Tetrabiblos; Sahl ibn Bishr, On Elections (tr. Dykes)"},
    {K::kMaleficsNotAngular, "malefics-not-angular", "Malefics not angular", P::kNone, "",
     "Ptolemy, Tetrabiblos; Sahl ibn Bishr, On Elections (tr. Dykes)"},
    {K::kSignificatorDirect, "significator-direct",
     "Significator neither retrograde nor stationary", P::kPlanet, "mercury", kLilly},
    {K::kNoStricture, "no-stricture", "No stricture against judgement", P::kNone, "",
     "the program's horary basics; Bonatti, 146 Considerations"},
    {K::kPlanetaryHour, "planetary-hour", "Planetary hour of a chosen planet", P::kPlanets,
     "sun,venus,jupiter", "the Chaldean order of the unequal hours; Lilly, Christian Astrology"},
}};

constexpr std::array<std::string_view, 13> kSignNames = {
    "",      "aries",   "taurus",      "gemini",    "cancer",   "leo",   "virgo",
    "libra", "scorpio", "sagittarius", "capricorn", "aquarius", "pisces"};

// Object numbers 1..10 of the chart, Sun to Moon.
constexpr std::array<std::string_view, 11> kPlanetNames = {
    "",       "sun",    "mercury", "venus", "mars", "jupiter",
    "saturn", "uranus", "neptune", "pluto", "moon"};

constexpr std::array<std::string_view, 3> kViaCombustaExtents = {"15lib-15sco", "19lib-3sco",
                                                                 "libra-scorpio"};

std::vector<std::string_view> SplitCommas(std::string_view text) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t comma = text.find(',', start);
    const size_t end = comma == std::string_view::npos ? text.size() : comma;
    parts.push_back(text.substr(start, end - start));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return parts;
}

int IndexIn(std::span<const std::string_view> names, std::string_view word) {
  for (size_t i = 1; i < names.size(); ++i) {
    if (names[i] == word) return static_cast<int>(i);
  }
  return 0;
}

bool ParseNumber(std::string_view text, double low, double high, double& number) {
  const std::string copy(text);
  size_t used = 0;
  try {
    number = std::stod(copy, &used);
  } catch (const std::exception&) {
    return false;
  }
  return used == copy.size() && number >= low && number <= high;
}

bool ParseSigns(std::string_view text, uint32_t& set) {
  set = 0;
  for (std::string_view word : SplitCommas(text)) {
    int first = 0;  // the quality words: every third sign from this one
    if (word == "cardinal") first = 1;
    if (word == "fixed") first = 2;
    if (word == "mutable") first = 3;
    if (first) {
      for (int sign = first; sign <= 12; sign += 3) set |= 1u << sign;
      continue;
    }
    const int sign = IndexIn(kSignNames, word);
    if (!sign) return false;
    set |= 1u << sign;
  }
  return set != 0;
}

bool ParsePlanets(std::string_view text, bool one, uint32_t& set) {
  set = 0;
  const std::vector<std::string_view> words = SplitCommas(text);
  if (one && words.size() != 1) return false;
  for (std::string_view word : words) {
    const int object = IndexIn(kPlanetNames, word);
    if (!object) return false;
    set |= 1u << object;
  }
  return set != 0;
}

}  // namespace

std::span<const ConditionInfo> ConditionCatalog() {
  return kCatalog;
}

const ConditionInfo& InfoOf(ConditionKind kind) {
  return kCatalog.at(static_cast<size_t>(kind));
}

const ConditionInfo* FindCondition(std::string_view id) {
  for (const ConditionInfo& info : kCatalog) {
    if (info.id == id) return &info;
  }
  return nullptr;
}

std::string_view ParameterTypeText(ParameterType type) {
  switch (type) {
    case P::kNone:
      return "";
    case P::kVoidRule:
      return "modern or lilly";
    case P::kViaCombusta:
      return "15lib-15sco, 19lib-3sco or libra-scorpio";
    case P::kDegrees:
      return "degrees";
    case P::kStrength:
      return "strength points, -100 to 100";
    case P::kSigns:
      return "signs by name, or cardinal, fixed, mutable, comma-separated";
    case P::kPlanet:
      return "one planet, sun to pluto";
    case P::kPlanets:
      return "planets, sun to moon, comma-separated";
  }
  return "";
}

bool ParseParameter(ConditionKind kind, std::string_view text, ConditionParameter& parameter,
                    std::string& error) {
  const ConditionInfo& info = InfoOf(kind);
  if (text.empty()) text = info.parameter_default;
  parameter = ConditionParameter{};
  parameter.text = std::string(text);
  bool good = true;
  switch (info.parameter) {
    case P::kNone:
      good = text.empty();
      break;
    case P::kVoidRule:
      good = text == "modern" || text == "lilly";
      parameter.choice = text == "lilly" ? 1 : 0;
      break;
    case P::kViaCombusta:
      good = false;
      for (size_t i = 0; i < kViaCombustaExtents.size(); ++i) {
        if (kViaCombustaExtents[i] == text) {
          parameter.choice = static_cast<int>(i);
          good = true;
        }
      }
      break;
    case P::kDegrees:
      good = ParseNumber(text, 0, 180, parameter.number);
      break;
    case P::kStrength:
      good = ParseNumber(text, -100, 100, parameter.number);
      break;
    case P::kSigns:
      good = ParseSigns(text, parameter.set);
      break;
    case P::kPlanet:
      good = ParsePlanets(text, true, parameter.set) && !(parameter.set & (1u << 10));
      break;
    case P::kPlanets:
      good = ParsePlanets(text, false, parameter.set);
      break;
  }
  if (good) return true;
  error = info.id;
  if (info.parameter == P::kNone) {
    error += " takes no parameter";
  } else {
    error += " takes ";
    error += ParameterTypeText(info.parameter);
    error += ", not \"";
    error += text;
    error += '"';
  }
  return false;
}

bool ParseConditionWord(std::string_view written, ConditionSetting& setting, std::string& error) {
  const size_t equals = written.find('=');
  const std::string_view id = written.substr(0, equals);
  const ConditionInfo* info = FindCondition(id);
  if (!info) {
    error = "there is no condition \"";
    error += id;
    error += "\" (elect --list-conditions lists them)";
    return false;
  }
  setting.kind = info->kind;
  if (equals != std::string_view::npos && equals + 1 == written.size()) {
    error = id;
    error += " has an empty parameter";
    return false;
  }
  const std::string_view text =
      equals == std::string_view::npos ? std::string_view{} : written.substr(equals + 1);
  return ParseParameter(info->kind, text, setting.parameter, error);
}

std::string ConditionWordOf(const ConditionSetting& setting) {
  const ConditionInfo& info = InfoOf(setting.kind);
  std::string written(info.id);
  if (setting.parameter.text != info.parameter_default) written += "=" + setting.parameter.text;
  return written;
}

}  // namespace kairotex
