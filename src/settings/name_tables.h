// Fixed name tables of the program: objects, signs, houses, aspects, months.
#pragma once

#include <array>
#include <string_view>

namespace kairotex {

// Display names of objects 1..16 (index 0 empty).
inline constexpr std::array<std::string_view, 17> kObjectName = {
    "",      "SUN",  "MERCURY", "VENUS",   "MARS",    "JUPITER", "SATURN", "URANUS", "NEPTUNE",
    "PLUTO", "MOON", "N. NODE", "S. NODE", "PART F.", "ASC",     "MC ",    "CHIRON "};

// Ten-character report names of objects 1..16, in one fixed-width text.
inline constexpr std::string_view kObjectReportNames =
    "SUN       MERCURY   VENUS     MARS      JUPITER   SATURN    URANUS    NEPTUNE   "
    "PLUTO     MOON      N. NODE   S. NODE   P. OF F.  ASC       MC        CHIRON    ";

// Nine-character names the driver refills on every chart (blank where none is set).
inline constexpr std::array<std::string_view, 17> kObjectNamePadded = {
    "",          "SUN      ", "MERCURY  ", "VENUS    ", "MARS     ", "JUPITER  ",
    "SATURN   ", "URANUS   ", "NEPTUNE  ", "PLUTO    ", "MOON     ", "NN       ",
    "",          "PART F.  ", "ASCENDANT", "",          ""};

inline constexpr std::string_view kSignAbbreviations = "ARITAUGEMCANLEOVIRLIBSCOSAGCPRAQUPIS";

// Aspect names, twelve characters a field; field k names aspect code k.
inline constexpr std::string_view kAspectNames =
    "            Conjunct    Sextile     Square      Trine       Opposite    "
    "PARALLEL    S.Sextile   S.Square    Ses.Square  Quincunx    S.Quintile  "
    "Nonagen     Quintile    Trecile     BiQuintile  ";

// House names of the eight house systems, in menu order.
inline constexpr std::array<std::string_view, 8> kHouseSystemNames = {
    "Placidus", "Regiomontanus", "Koch", "Campanus", "Porphyry", "Equal", "Meridian", "Morinus"};
inline constexpr std::string_view kHouseSystemLetters = "PRKCOEMI";

inline constexpr std::array<int, 13> kDaysPerMonth = {0,  31, 28, 31, 30, 31, 30,
                                                      31, 31, 30, 31, 30, 31};

// The ten-character report name of an object, blanks included.
inline std::string_view ObjectReportName(int object) {
  return kObjectReportNames.substr(static_cast<size_t>(object - 1) * 10, 10);
}

// The aspect name field of code k (1..16), twelve characters.
inline std::string_view AspectName(int code) {
  return kAspectNames.substr(static_cast<size_t>(code - 1) * 12, 12);
}

// Name of house system letter; Placidus for unknown letters.
std::string_view HouseSystemName(char letter);

}  // namespace kairotex
