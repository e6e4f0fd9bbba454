// The election conditions: each one a rule of the traditional authors that a
// chart meets or fails, with the name astrologers use, one parameter with its
// default, and the book it comes from.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kairotex {

enum class ConditionKind {
  kMoonNotVoid,
  kMoonNotViaCombusta,
  kMoonNotUnderBeams,
  kMoonNotOppositeSun,
  kMoonWaxing,
  kMoonFast,
  kMoonFreeOfMalefics,
  kMoonFarFromNodes,
  kMoonNotCadent,
  kMoonAppliesToBenefic,
  kAscendantNotEarlyOrLate,
  kAscendantInSigns,
  kAscRulerDignified,
  kAscRulerAngularOrSuccedent,
  kAscRulerDirect,
  kAscRulerNotCombust,
  kAscRulerNotInEvilHouse,
  kBeneficsAngular,
  kMaleficsNotAngular,
  kSignificatorDirect,
  kNoStricture,
  kPlanetaryHour,
};

// What the one parameter of a condition is.
enum class ParameterType {
  kNone,
  kVoidRule,     // "modern" or "lilly"
  kViaCombusta,  // "15lib-15sco", "19lib-3sco" or "libra-scorpio"
  kDegrees,      // a number of degrees (or degrees a day), 0..180
  kStrength,     // a whole number, -100..100
  kSigns,        // signs by name or the words cardinal, fixed, mutable
  kPlanet,       // one planet, Sun to Pluto
  kPlanets,      // planets by name, Sun to Moon
};

struct ConditionInfo {
  ConditionKind kind;
  std::string_view id;    // the command-line name
  std::string_view name;  // the name astrologers use
  ParameterType parameter = ParameterType::kNone;
  std::string_view parameter_default;
  std::string_view source;
};

// Every condition, in the order they are listed.
std::span<const ConditionInfo> ConditionCatalog();
const ConditionInfo& InfoOf(ConditionKind kind);
// nullptr when no condition has this id.
const ConditionInfo* FindCondition(std::string_view id);

// The parameter read into what the evaluation needs.
struct ConditionParameter {
  std::string text;   // as written, or the default
  double number = 0;  // degrees or strength
  int choice = 0;     // void rule 0 modern 1 Lilly; Via Combusta extent 0..2
  uint32_t set = 0;   // bit i for sign i (1..12) or object i (1..10)
};

// A condition as a search uses it: required, or weighted with its weight.
struct ConditionSetting {
  ConditionKind kind = ConditionKind::kMoonNotVoid;
  ConditionParameter parameter;
  bool required = true;
  double weight = 0;
};

// Reads a parameter text (empty: the default) for the condition; on a bad
// text returns false and says why in `error`.
bool ParseParameter(ConditionKind kind, std::string_view text, ConditionParameter& parameter,
                    std::string& error);

// "moon-not-voc", "moon-not-voc=lilly": the condition and its parameter; on
// an unknown id or a bad parameter returns false and says why in `error`.
bool ParseConditionWord(std::string_view written, ConditionSetting& setting, std::string& error);

// What the parameter means, for the catalog listing ("degrees", "signs" ...).
std::string_view ParameterTypeText(ParameterType type);

// "moon-not-voc" or "moon-not-voc=lilly" when the parameter is not the default.
std::string ConditionWordOf(const ConditionSetting& setting);

}  // namespace kairotex
