// The words of the explanation: measured values and thresholds as text.
#include <array>
#include <cmath>
#include <cstdio>

#include "elect/election_explain.h"

namespace kairotex {
namespace {

using K = ConditionKind;

constexpr std::array<const char*, 11> kPlanetNames = {"",        "Sun",     "Mercury", "Venus",
                                                      "Mars",    "Jupiter", "Saturn",  "Uranus",
                                                      "Neptune", "Pluto",   "Moon"};
constexpr std::array<const char*, 13> kSignNames = {
    "",      "Aries",   "Taurus",      "Gemini",    "Cancer",   "Leo",   "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
constexpr std::array<const char*, 3> kViaCombustaTexts = {
    "outside 15 Libra-15 Scorpio", "outside 19 Libra-3 Scorpio", "outside Libra and Scorpio"};

std::string Format(const char* pattern, double value) {
  std::array<char, 64> buffer{};
  std::snprintf(buffer.data(), buffer.size(), pattern, value);
  return buffer.data();
}

std::string Degrees(double value) {
  return Format("%.2f deg", value);
}

std::string ZodiacText(double lon) {
  const int sign = static_cast<int>(lon / 30.0) % 12 + 1;
  std::string text = Format("%.2f ", std::fmod(lon, 30.0));
  text += kSignNames.at(static_cast<size_t>(sign));
  return text;
}

std::string HouseText(double house) {
  return Format("house %.0f", house);
}

std::string SetText(uint32_t set, bool signs) {
  std::string text;
  const size_t last = signs ? 12 : 10;
  for (size_t i = 1; i <= last; ++i) {
    if (!((set >> i) & 1u)) continue;
    if (!text.empty()) text += ", ";
    text += signs ? kSignNames[i] : kPlanetNames[i];
  }
  return text;
}

std::string WithObject(const std::string& text, int object) {
  if (object < 1 || object > 10) return text;
  std::string with = PlanetName(object);
  with += ": ";
  with += text;
  return with;
}

}  // namespace

std::string PlanetName(int object) {
  if (object < 1 || object > 10) return "none";
  return kPlanetNames.at(static_cast<size_t>(object));
}

std::string MeasuredText(const ConditionVerdict& verdict) {
  const ConditionResult& r = verdict.result;
  switch (verdict.setting.kind) {
    case K::kMoonNotVoid:
      if (r.value == 0) return "void of course";
      return Format("%.0f aspects ahead in her sign, next ", r.value) + PlanetName(r.object);
    case K::kMoonNotViaCombusta:
      return "Moon at " + ZodiacText(r.value);
    case K::kMoonNotUnderBeams:
    case K::kMoonNotOppositeSun:
      return Degrees(r.value) + " from the Sun";
    case K::kMoonWaxing:
      return Degrees(r.value) + " ahead of the Sun";
    case K::kMoonFast:
    case K::kAscRulerDirect:
    case K::kSignificatorDirect:
      return WithObject(Format("%.4f deg a day", r.value), r.object);
    case K::kMoonFreeOfMalefics:
      if (r.value == 0) return "free";
      return Format("%.0f afflictions", r.value);
    case K::kMoonFarFromNodes:
      return Degrees(r.value) + " from the nearer node";
    case K::kMoonNotCadent:
    case K::kAscRulerAngularOrSuccedent:
    case K::kAscRulerNotInEvilHouse:
      return WithObject(HouseText(r.value), r.object);
    case K::kMoonAppliesToBenefic:
      if (r.object == 0) return "no aspect ahead in her sign";
      return Format("next aspect %.0f signs apart, to ", r.value) + PlanetName(r.object);
    case K::kAscendantNotEarlyOrLate:
      return Format("%.2f deg of its sign", r.value);
    case K::kAscendantInSigns:
      return kSignNames.at(static_cast<size_t>(r.value));
    case K::kAscRulerDignified:
      return WithObject(Format("strength %.0f", r.value), r.object);
    case K::kAscRulerNotCombust:
      return WithObject(Degrees(r.value) + " from the Sun", r.object);
    case K::kBeneficsAngular:
    case K::kMaleficsNotAngular:
      return Format("%.0f angular", r.value);
    case K::kNoStricture:
      return Format("%.0f strictures", r.value);
    case K::kPlanetaryHour:
      return Format("hour %.0f, of ", r.value) + PlanetName(r.object);
  }
  return {};
}

std::string ThresholdText(const ConditionSetting& setting) {
  const ConditionParameter& p = setting.parameter;
  switch (setting.kind) {
    case K::kMoonNotVoid:
      return p.choice == 1 ? "an aspect ahead, or Taurus, Cancer, Sagittarius, Pisces"
                           : "an aspect ahead in her sign";
    case K::kMoonNotViaCombusta:
      return kViaCombustaTexts.at(static_cast<size_t>(p.choice));
    case K::kMoonNotUnderBeams:
    case K::kMoonFarFromNodes:
      return "over " + Degrees(p.number);
    case K::kMoonNotOppositeSun:
      return "under " + Degrees(180.0 - p.number);
    case K::kMoonWaxing:
      return "0 to 180 deg";
    case K::kMoonFast:
      return Format("over %.4f deg a day", p.number);
    case K::kMoonFreeOfMalefics:
      return "no hard aspect of Mars or Saturn, not besieged";
    case K::kMoonNotCadent:
      return "not 3, 6, 9, 12";
    case K::kMoonAppliesToBenefic:
      return "conjunction, sextile or trine to " + SetText(p.set, false);
    case K::kAscendantNotEarlyOrLate:
      return "3 to 27 deg";
    case K::kAscendantInSigns:
      return SetText(p.set, true);
    case K::kAscRulerDignified:
      return Format("at least %.0f", p.number);
    case K::kAscRulerAngularOrSuccedent:
      return "not 3, 6, 9, 12";
    case K::kAscRulerDirect:
      return "direct";
    case K::kAscRulerNotCombust:
      return "not combust";
    case K::kAscRulerNotInEvilHouse:
      return "not 6, 8, 12";
    case K::kBeneficsAngular:
      return "Venus or Jupiter angular";
    case K::kMaleficsNotAngular:
      return "neither Mars nor Saturn angular";
    case K::kSignificatorDirect:
      return SetText(p.set, false) + " direct, not stationary";
    case K::kNoStricture:
      return "none";
    case K::kPlanetaryHour:
      return SetText(p.set, false);
  }
  return {};
}

std::vector<std::string> ExplanationLines(const MomentExplanation& e) {
  std::vector<std::string> lines;
  for (const ConditionVerdict& v : e.verdicts) {
    std::string line = v.result.pass ? "pass  " : "FAIL  ";
    line += InfoOf(v.setting.kind).name;
    line += ": ";
    line += MeasuredText(v);
    line += " (";
    line += ThresholdText(v.setting);
    line += v.setting.required
                ? "; required)"
                : Format("; weight %g", v.setting.weight) + Format(", +%.1f)", v.contribution);
    lines.push_back(line);
  }
  lines.push_back(Format("Score %.1f", e.score));
  lines.push_back("Strength of the Ascendant's ruler, " + PlanetName(e.ascendant_ruler) +
                  Format(": %.0f", e.ascendant_ruler_strength));
  lines.push_back(Format("Strength of the Moon: %.0f", e.moon_strength));
  return lines;
}

}  // namespace kairotex
