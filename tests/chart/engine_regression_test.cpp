// Every output of the chart engine for a few thousand seeded moments against
// the values it gave when golden/engine_values.txt was written: numbers may
// move by 1e-9 at most (degrees the short way round the circle), texts and
// flags not at all. KAIROTEX_UPDATE_REFERENCE=1 rewrites the file from the
// engine as it stands; an unchanged engine writes the same bytes again.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "chart/calculate_chart.h"
#include "chart/chart_program.h"
#include "chart/election_checks.h"
#include "settings/data_file_error.h"
#include "settings/file_text.h"
#include "test_messages.h"
#include "test_paths.h"

namespace kairotex::test {
namespace {

constexpr uint32_t kSeed = 19640212;
constexpr int kCycledMoments = 2000;       // each in one combination, in turn
constexpr int kAllCombinationMoments = 4;  // each in every combination
constexpr int kCombinations = 72;          // 8 house systems x 3 kinds x 3 zodiacs
constexpr int kDecimals = 10;              // a twentieth of the tolerance
constexpr double kTolerance = 1e-9;
constexpr int kListedFailures = 20;
constexpr char kSystems[] = "PRKCOEMI";
constexpr const char* kKinds[] = {"geo", "helio", "decl"};

std::string GoldenPath() {
  return SourceDir() + "/chart/golden/engine_values.txt";
}

ChartProgram& Program() {
  static ChartProgram program = LoadChartProgram(DataDir(), RegionalFormat{});
  return program;
}

// ---- The moments ----

// Raw 32-bit draws mapped to ranges by hand: the standard distributions may
// draw differently in another library version, and the file must not change.
class Draws {
 public:
  explicit Draws(uint32_t seed) : rng_(seed) {}
  int Between(int low, int high) {
    return low +
           static_cast<int>(static_cast<uint32_t>(rng_()) % static_cast<uint32_t>(high - low + 1));
  }

 private:
  std::mt19937 rng_;
};

struct Combination {
  char system;
  int kind;    // 0 geocentric, 1 heliocentric, 2 declinations
  int zodiac;  // option 123
};

Combination CombinationNumber(int c) {
  return {kSystems[c % 8], c / 8 % 3, c / 24 % 3};
}

// One in twenty moments before 1900 and one in twenty after 2063, where
// Chiron's tables end; zones in quarter hours, some refused (far east zones
// with a western longitude). Every moment takes the same number of draws.
ElectionEntry DrawMoment(Draws& d, int number, bool high_latitudes) {
  ElectionEntry e;
  e.name = "Moment " + std::to_string(number);
  const int era = d.Between(0, 19);
  e.year = era == 0 ? d.Between(1, 1899) : era == 1 ? d.Between(2064, 2099) : d.Between(1900, 2063);
  e.month = d.Between(1, 12);
  e.day = d.Between(1, DaysInMonth(*e.year, *e.month));
  e.hour = d.Between(1, 12);
  e.minute = d.Between(0, 59);
  e.pm = d.Between(0, 1) == 1;
  e.zone = -13.0 + 0.25 * d.Between(0, 100);
  const int lat_minutes = d.Between(0, high_latitudes ? 90 * 60 - 1 : 66 * 60);
  e.lat_degrees = lat_minutes / 60;
  e.lat_minutes = lat_minutes % 60;
  e.south = d.Between(0, 1) == 1;
  const int lon_minutes = d.Between(0, 180 * 60);
  e.lon_degrees = lon_minutes / 60;
  e.lon_minutes = lon_minutes % 60;
  e.west = d.Between(0, 1) == 1;
  return e;
}

struct Case {
  std::string label;  // the moment and the combination, enough to cast it by hand
  Combination combination;
  std::optional<ElectionData> election;  // nullopt: the checks refuse the moment
};

Case MakeCase(const ElectionEntry& e, Combination c) {
  char label[160];
  std::snprintf(label, sizeof label,
                "%s: %04d-%02d-%02d %d.%02d %s zone %g %d%c%02d %d%c%02d, %c %s %d", e.name.c_str(),
                *e.year, *e.month, *e.day, *e.hour, *e.minute, e.pm ? "PM" : "AM", *e.zone,
                *e.lon_degrees, e.west ? 'w' : 'e', *e.lon_minutes, *e.lat_degrees,
                e.south ? 's' : 'n', *e.lat_minutes, c.system, kKinds[c.kind], c.zodiac);
  RecordingMessages messages;
  const bool meridian_or_morinus = c.system == 'M' || c.system == 'I';
  return {label, c, StoreElectionData(e, meridian_or_morinus, messages)};
}

// Moment k of the first part in combination k % 72 (house system k % 8, kind
// k / 8 % 3, zodiac k / 24 % 3); the moments of the second part, below 66
// degrees of latitude, in all 72.
std::vector<Case> AllCases() {
  Draws draws(kSeed);
  std::vector<Case> cases;
  for (int k = 0; k < kCycledMoments; ++k) {
    const Combination c = CombinationNumber(k % kCombinations);
    cases.push_back(MakeCase(DrawMoment(draws, k, c.system == 'M' || c.system == 'I'), c));
  }
  for (int k = kCycledMoments; k < kCycledMoments + kAllCombinationMoments; ++k) {
    const ElectionEntry e = DrawMoment(draws, k, false);
    for (int c = 0; c < kCombinations; ++c) cases.push_back(MakeCase(e, CombinationNumber(c)));
  }
  return cases;
}

struct CastChart {
  ChartState state;
  std::string messages;  // what casting showed, one message a line
};

CastChart Cast(const Case& c, EnginePath path) {
  ChartSettings settings = ChartSettings::ForHouseSystem(c.combination.system);
  settings.HelioChart = c.combination.kind == 1;
  settings.DeclinationChart = c.combination.kind == 2;
  const ChartProgram& p = Program();
  OptionsTable options = p.options;
  options[123] = static_cast<float>(c.combination.zodiac);
  RecordingMessages messages;
  const FixedClock clock({2026, 12, 6, 10, 49, 30}, 5);
  OrbitalElements elements = p.elements;
  elements.path = path;
  const ChartContext context{options, p.tables, elements,     p.regional,
                             clock,   messages, p.program_dir};
  CastChart cast;
  CalculateChart(cast.state, *c.election, settings, context);
  for (const std::string& text : messages.texts) cast.messages += text + "\n";
  return cast;
}

// ---- The outputs ----

enum class Kind { kDegrees, kRadians, kNumber, kCount, kText };

// One line of a chart in the file: a table, a group of single numbers or a text.
struct Value {
  std::vector<double> numbers;
  std::string text;
};
using Record = std::vector<Value>;  // one Value per field, in field order

struct Field {
  const char* name;  // the state's member, or the name of a group
  const char* tag;   // its short name in the file
  Kind kind;
  const char* members;  // a group's members, space-separated; nullptr: a table from index 1
  void (*take)(const CastChart&, Value&);
};

template <typename Table>
void TakeTable(const Table& table, int last, Value& v) {
  for (int i = 1; i <= last; ++i) v.numbers.push_back(table[i]);
}
template <ObjectTable ChartState::*member>
void TakeObjects(const CastChart& c, Value& v) {
  TakeTable(c.state.*member, ObjectCount, v);
}
template <CuspTable ChartState::*member, int last>
void TakeCusps(const CastChart& c, Value& v) {
  TakeTable(c.state.*member, last, v);
}
template <std::string ChartState::*member>
void TakeText(const CastChart& c, Value& v) {
  v.text = c.state.*member;
}
template <int line>
void TakeHeading(const CastChart& c, Value& v) {
  v.text = c.state.ChartHeading[line];
}

const Field kFields[] = {
    {"ObjectLon", "Lon", Kind::kDegrees, nullptr, TakeObjects<&ChartState::ObjectLon>},
    {"ObjectPos", "Pos", Kind::kDegrees, nullptr, TakeObjects<&ChartState::ObjectPos>},
    {"ObjectHelioLon", "Hel", Kind::kDegrees, nullptr, TakeObjects<&ChartState::ObjectHelioLon>},
    {"ObjectLat", "Lat", Kind::kDegrees, nullptr, TakeObjects<&ChartState::ObjectLat>},
    {"ObjectDecl", "Dec", Kind::kDegrees, nullptr, TakeObjects<&ChartState::ObjectDecl>},
    {"ObjectLonNextDay", "Nxt", Kind::kDegrees, nullptr,
     TakeObjects<&ChartState::ObjectLonNextDay>},
    {"ObjectLonTomorrow", "Tmr", Kind::kDegrees, nullptr,
     TakeObjects<&ChartState::ObjectLonTomorrow>},
    {"ObjectDailyMotion", "Mot", Kind::kDegrees, nullptr,
     TakeObjects<&ChartState::ObjectDailyMotion>},
    {"CuspByHouse", "CuH", Kind::kDegrees, nullptr, TakeCusps<&ChartState::CuspByHouse, 12>},
    {"CuspComputed", "CuC", Kind::kDegrees, nullptr, TakeCusps<&ChartState::CuspComputed, 13>},
    {"CuspWheel", "CuW", Kind::kDegrees, nullptr, TakeCusps<&ChartState::CuspWheel, 13>},
    {"Angles", "Ang", Kind::kDegrees, "AscLon McLon MeanNode TrueNode SvpOffset AyanamsaOffset",
     [](const CastChart& c, Value& v) {
       const ChartState& s = c.state;
       v.numbers = {s.AscLon, s.McLon, s.MeanNode, s.TrueNode, s.SvpOffset, s.AyanamsaOffset};
     }},
    {"Ramc", "Rmc", Kind::kRadians, nullptr,
     [](const CastChart& c, Value& v) { v.numbers = {c.state.Ramc}; }},
    {"Numbers", "Num", Kind::kNumber,
     "ObliquityDeg NegObliquityRad NutationLon JulianDayNumber JulianDate DayFraction CenturiesT",
     [](const CastChart& c, Value& v) {
       const ChartState& s = c.state;
       v.numbers = {s.ObliquityDeg, s.NegObliquityRad, s.NutationLon, s.JulianDayNumber,
                    s.JulianDate,   s.DayFraction,     s.CenturiesT};
     }},
    {"Flags", "Flg", Kind::kCount,
     "NightChart MoonAppliesFlag ChironAvailable DeclinationMode InputError SiderealHours "
     "SiderealMinutes SiderealSeconds ChartMonth ChartDay ChartYear",
     [](const CastChart& c, Value& v) {
       const ChartState& s = c.state;
       for (const double x : {0.0 + s.NightChart, 0.0 + s.MoonAppliesFlag, 0.0 + s.ChironAvailable,
                              0.0 + s.DeclinationMode, 0.0 + s.InputError, 0.0 + s.SiderealHours,
                              0.0 + s.SiderealMinutes, 0.0 + s.SiderealSeconds, 0.0 + s.ChartMonth,
                              0.0 + s.ChartDay, 0.0 + s.ChartYear})
         v.numbers.push_back(x);
     }},
    {"DegreeOrderObject", "Ord", Kind::kCount, nullptr,
     [](const CastChart& c, Value& v) { TakeTable(c.state.DegreeOrderObject, 15, v); }},
    {"RetroFlags", "Ret", Kind::kText, nullptr, TakeText<&ChartState::RetroFlags>},
    {"RetroFlagsSaved", "RtS", Kind::kText, nullptr, TakeText<&ChartState::RetroFlagsSaved>},
    {"HousePosText", "Hou", Kind::kText, nullptr, TakeText<&ChartState::HousePosText>},
    {"HouseSystemLetter", "Sys", Kind::kText, nullptr,
     [](const CastChart& c, Value& v) { v.text = std::string(1, c.state.HouseSystemLetter); }},
    {"AmPm", "AmP", Kind::kText, nullptr, TakeText<&ChartState::AmPm>},
    {"LongitudeDir", "LoD", Kind::kText, nullptr, TakeText<&ChartState::LongitudeDir>},
    {"LatitudeDir", "LaD", Kind::kText, nullptr, TakeText<&ChartState::LatitudeDir>},
    {"ChartDateText", "Dat", Kind::kText, nullptr, TakeText<&ChartState::ChartDateText>},
    {"ChartTitle", "Tit", Kind::kText, nullptr, TakeText<&ChartState::ChartTitle>},
    {"SiderealTimeText", "Sid", Kind::kText, nullptr, TakeText<&ChartState::SiderealTimeText>},
    {"ChartHeading1", "H1", Kind::kText, nullptr, TakeHeading<1>},
    {"ChartHeading2", "H2", Kind::kText, nullptr, TakeHeading<2>},
    {"ChartHeading3", "H3", Kind::kText, nullptr, TakeHeading<3>},
    {"ChartHeading4", "H4", Kind::kText, nullptr, TakeHeading<4>},
    {"ChartHeading5", "H5", Kind::kText, nullptr, TakeHeading<5>},
    {"ChartHeading6", "H6", Kind::kText, nullptr, TakeHeading<6>},
    {"ChartHeading7", "H7", Kind::kText, nullptr, TakeHeading<7>},
    {"Messages", "Msg", Kind::kText, nullptr,
     [](const CastChart& c, Value& v) { v.text = c.messages; }},
};
constexpr int kFieldCount = sizeof kFields / sizeof kFields[0];

Record RecordOf(const CastChart& cast) {
  Record record(kFieldCount);
  for (int f = 0; f < kFieldCount; ++f) kFields[f].take(cast, record[f]);
  return record;
}

// How many numbers each field holds, whatever the chart.
const std::vector<size_t>& FieldSizes() {
  static const std::vector<size_t> sizes = [] {
    std::vector<size_t> result;
    for (const Value& v : RecordOf(CastChart{})) result.push_back(v.numbers.size());
    return result;
  }();
  return sizes;
}

// "ObjectLon[10]", or the member of a group: "JulianDate".
std::string ElementName(const Field& field, size_t i) {
  if (!field.members) return std::string(field.name) + "[" + std::to_string(i + 1) + "]";
  std::istringstream words(field.members);
  std::string word;
  for (size_t k = 0; k <= i && words >> word;) ++k;
  return word;
}

// How far apart two values are for their kind; 0 when both are NaN.
double Distance(double a, double b, Kind kind) {
  if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b) ? 0 : INFINITY;
  if (a == b) return 0;
  if (kind == Kind::kDegrees) return std::fabs(std::remainder(a - b, 360.0));
  if (kind == Kind::kRadians) return std::fabs(std::remainder(a - b, 2 * std::numbers::pi));
  if (kind == Kind::kCount) return INFINITY;
  return std::fabs(a - b);
}

// ---- The file ----
//
// After the comment lines (#) a line "charts STORED of CAST", then each stored
// chart: a line "chart LABEL" and a line for each field, its tag and its
// values, and at the end a line "end". A field left out is as in the chart
// before; "=TAG" stands for the values of an earlier field of this chart. A
// number is written to 10 decimals, trailing zeros dropped; "~" stands for the
// same element of the chart before, "@n" for the n-th number of this chart. A
// text is quoted, with \\, \", \t, \n, \r and \xNN escapes.

struct LabelledRecord {
  std::string label;
  Record record;
};

struct GoldenFile {
  int cast = 0;
  std::vector<LabelledRecord> charts;
};

std::string NumberText(double x, Kind kind) {
  char buffer[512];
  const int decimals = kind == Kind::kCount ? 0 : kDecimals;
  auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, decimals);
  if (error != std::errc()) end = std::to_chars(buffer, buffer + sizeof buffer, x).ptr;
  std::string text(buffer, end);
  if (text.find('.') != std::string::npos && text.find('e') == std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  return text == "-0" ? "0" : text;
}

std::string QuotedText(std::string_view text) {
  std::string out = "\"";
  for (const char ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    if (ch == '\\' || ch == '"') {
      out += '\\';
      out += ch;
    } else if (ch == '\t') {
      out += "\\t";
    } else if (ch == '\n') {
      out += "\\n";
    } else if (ch == '\r') {
      out += "\\r";
    } else if (byte < 0x20 || byte >= 0x7f) {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      out += hex;
    } else {
      out += ch;
    }
  }
  return out + "\"";
}

std::string GoldenText(const std::vector<LabelledRecord>& charts, int cast) {
  std::string out =
      "# The chart engine's outputs for seeded moments (tests/chart/engine_regression_test.cpp: "
      "mt19937 seed " +
      std::to_string(kSeed) + ", " + std::to_string(kCycledMoments) + " moments in turn and " +
      std::to_string(kAllCombinationMoments) +
      " in all 72 combinations), written by that test with KAIROTEX_UPDATE_REFERENCE=1.\n"
      "# Each chart: \"chart\" and its moment, then a line for each output that changed from "
      "the chart before: numbers to 10 decimals, \"~\" as in the chart before, \"@n\" as the "
      "n-th number of this chart, \"=TAG\" as the line TAG of this chart.\n#";
  for (const Field& field : kFields) {
    out += std::string(" ") + field.tag + " " + (field.members ? field.members : field.name) + ";";
  }
  out.back() = '\n';
  out += "charts " + std::to_string(charts.size()) + " of " + std::to_string(cast) + "\n";
  std::vector<std::vector<std::string>> previous;  // the chart before, its values as text
  for (const LabelledRecord& chart : charts) {
    out += "chart " + chart.label + "\n";
    std::vector<std::vector<std::string>> current(kFieldCount);
    std::unordered_map<std::string, int> first_at;  // number text -> its place in this chart
    int numbers = 0;
    for (int f = 0; f < kFieldCount; ++f) {
      const Value& value = chart.record[f];
      const Kind kind = kFields[f].kind;
      std::string line;
      if (kind == Kind::kText) {
        current[f] = {value.text};
        line = " " + QuotedText(value.text);
      }
      for (size_t i = 0; i < value.numbers.size(); ++i) {
        const std::string text = NumberText(value.numbers[i], kind);
        current[f].push_back(text);
        std::string token = text;
        if (!previous.empty() && previous[f][i] == text) {
          token = "~";
        } else if (const auto at = first_at.find(text); at != first_at.end()) {
          std::string reference = std::to_string(at->second);
          reference.insert(reference.begin(), '@');
          if (reference.size() < text.size()) token = reference;
        }
        first_at.emplace(text, ++numbers);
        line += " " + token;
      }
      if (!previous.empty() && previous[f] == current[f]) continue;
      for (int earlier = 0; earlier < f; ++earlier) {
        if (kFields[earlier].kind == kind && current[earlier] == current[f]) {
          line = std::string(" =") + kFields[earlier].tag;
          break;
        }
      }
      out += kFields[f].tag + line + "\n";
    }
    previous = std::move(current);
  }
  return out + "end\n";
}

class GoldenReader {
 public:
  explicit GoldenReader(std::string file) : file_(std::move(file)) {}

  GoldenFile Read(std::string_view text) {
    ForEachLine(text, [this](std::string_view line, int number) {
      line_ = number;
      Take(line);
    });
    line_ = 0;
    if (!counted_) Fail("no \"charts STORED of CAST\" line");
    if (!ended_) Fail("no \"end\" line: the file is cut short");
    if (golden_.charts.size() != stored_) {
      Fail("holds " + std::to_string(golden_.charts.size()) + " charts, its count line says " +
           std::to_string(stored_));
    }
    return std::move(golden_);
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const { throw DataFileError(file_, line_, what); }

  void Take(std::string_view line) {
    if (!counted_) {
      if (line.empty() || line[0] == '#') return;
      char extra;
      if (std::sscanf(std::string(line).c_str(), "charts %zu of %d %c", &stored_, &golden_.cast,
                      &extra) != 2) {
        Fail("expected \"charts STORED of CAST\", found " + QuoteExcerpt(line));
      }
      counted_ = true;
      return;
    }
    if (ended_) Fail("text after the \"end\" line: " + QuoteExcerpt(line));
    if (line == "end" || line.substr(0, 6) == "chart ") {
      if (!golden_.charts.empty()) TakeFromChartBefore(kFieldCount);
      ended_ = line == "end";
      if (!ended_) golden_.charts.push_back({std::string(line.substr(6)), Record(kFieldCount)});
      field_ = 0;
      numbers_.clear();
      return;
    }
    if (golden_.charts.empty()) Fail("expected \"chart\", found " + QuoteExcerpt(line));
    const std::string_view name = line.substr(0, line.find(' '));
    int f = field_;
    while (f < kFieldCount && kFields[f].tag != name) ++f;
    if (f == kFieldCount || line.size() == name.size()) {
      Fail("not a field, or out of its place: " + QuoteExcerpt(line));
    }
    TakeFromChartBefore(f);
    const std::string_view rest = line.substr(name.size() + 1);
    Value& value = golden_.charts.back().record[f];
    if (!rest.empty() && rest[0] == '=') {
      value = Earlier(rest.substr(1), f);
      numbers_.insert(numbers_.end(), value.numbers.begin(), value.numbers.end());
    } else if (kFields[f].kind == Kind::kText) {
      value.text = Unquote(rest);
    } else {
      TakeNumbers(rest, f, value);
    }
    field_ = f + 1;
  }

  const Value& Before(int f) const {
    if (golden_.charts.size() < 2) {
      Fail(std::string("the first chart has no ") + kFields[f].tag + " line (" + kFields[f].name +
           "), or a \"~\" in it");
    }
    return golden_.charts[golden_.charts.size() - 2].record[f];
  }

  // The fields up to `to` left out of this chart: as in the chart before.
  void TakeFromChartBefore(int to) {
    for (; field_ < to; ++field_) {
      Value& value = golden_.charts.back().record[field_];
      value = Before(field_);
      numbers_.insert(numbers_.end(), value.numbers.begin(), value.numbers.end());
    }
  }

  void TakeNumbers(std::string_view rest, int f, Value& value) {
    const size_t expected = FieldSizes()[f];
    size_t start = 0;
    while (start <= rest.size() && value.numbers.size() <= expected) {
      size_t end = rest.find(' ', start);
      if (end == std::string_view::npos) end = rest.size();
      value.numbers.push_back(NumberOf(rest.substr(start, end - start), f, value.numbers.size()));
      numbers_.push_back(value.numbers.back());
      start = end + 1;
    }
    if (value.numbers.size() != expected) {
      Fail("expected " + std::to_string(expected) + " numbers, found " +
           (value.numbers.size() > expected ? "more" : std::to_string(value.numbers.size())));
    }
  }

  double NumberOf(std::string_view token, int f, size_t i) const {
    if (token == "~") return Before(f).numbers[i];
    if (!token.empty() && token[0] == '@') {
      size_t n = 0;
      const auto [end, error] = std::from_chars(token.data() + 1, token.data() + token.size(), n);
      if (error != std::errc() || end != token.data() + token.size() || n < 1 ||
          n > numbers_.size()) {
        Fail("no earlier number " + QuoteExcerpt(token) + " in this chart");
      }
      return numbers_[n - 1];
    }
    double x = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), x);
    if (token.empty() || error != std::errc() || end != token.data() + token.size()) {
      Fail("not a number: " + QuoteExcerpt(token));
    }
    return x;
  }

  // "=TAG": the values of an earlier field of this chart, of the same kind.
  const Value& Earlier(std::string_view tag, int f) const {
    for (int earlier = 0; earlier < f; ++earlier) {
      if (kFields[earlier].kind == kFields[f].kind && tag == kFields[earlier].tag &&
          FieldSizes()[earlier] == FieldSizes()[f])
        return golden_.charts.back().record[earlier];
    }
    Fail("no earlier field " + QuoteExcerpt(tag) + " of the same kind in this chart");
  }

  std::string Unquote(std::string_view quoted) const {
    if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"')
      Fail("expected a quoted text or \"=NAME\", found " + QuoteExcerpt(quoted));
    std::string text;
    for (size_t i = 1; i + 1 < quoted.size(); ++i) {
      if (quoted[i] != '\\') {
        text += quoted[i];
        continue;
      }
      const char escape = i + 2 < quoted.size() ? quoted[++i] : '?';
      if (escape == 'x' && i + 3 < quoted.size()) {
        unsigned byte = 0;
        const auto [end, error] =
            std::from_chars(quoted.data() + i + 1, quoted.data() + i + 3, byte, 16);
        if (error != std::errc() || end != quoted.data() + i + 3) Fail("bad escape \\x");
        text += static_cast<char>(byte);
        i += 2;
      } else if (escape == '\\' || escape == '"') {
        text += escape;
      } else if (escape == 't' || escape == 'n' || escape == 'r') {
        text += escape == 't' ? '\t' : escape == 'n' ? '\n' : '\r';
      } else {
        Fail("bad escape in " + QuoteExcerpt(quoted));
      }
    }
    return text;
  }

  std::string file_;
  int line_ = 0;
  bool counted_ = false, ended_ = false;
  size_t stored_ = 0;
  int field_ = 0;                // the next field of the chart, 0-based
  std::vector<double> numbers_;  // this chart's numbers so far, for "@n"
  GoldenFile golden_;
};

// ---- The comparison ----

class Differences {
 public:
  // Lists what differs in one chart, up to kListedFailures in all.
  void Compare(const std::string& label, const Record& now, const Record& before) {
    ++charts_;
    bool differs = false;
    for (int f = 0; f < kFieldCount; ++f) {
      const Field& field = kFields[f];
      if (field.kind == Kind::kText) {
        if (now[f].text != before[f].text) {
          differs = true;
          List(label + ": " + field.name + " is " + QuotedText(now[f].text) + ", was " +
               QuotedText(before[f].text));
        }
        continue;
      }
      for (size_t i = 0; i < now[f].numbers.size(); ++i) {
        const double a = now[f].numbers[i], b = before[f].numbers[i];
        const double off = Distance(a, b, field.kind);
        if (off <= kTolerance) continue;
        differs = true;
        std::ostringstream what;
        what.precision(17);
        what << label << ": " << ElementName(field, i) << " is " << a << ", was " << b
             << " (off by " << off << ")";
        List(what.str());
      }
    }
    differing_charts_ += differs;
  }

  std::string Summary() const {
    return std::to_string(values_) + " values of " + std::to_string(differing_charts_) + " of " +
           std::to_string(charts_) + " compared charts differ";
  }
  int values() const { return values_; }

 private:
  void List(const std::string& what) {
    if (++values_ <= kListedFailures) ADD_FAILURE() << what;
  }
  int charts_ = 0, differing_charts_ = 0, values_ = 0;
};

bool UpdateRequested() {
  const char* update = std::getenv("KAIROTEX_UPDATE_REFERENCE");
  return update && *update == '1';
}

GoldenFile ReadGolden(const std::string& text, const std::string& file = "engine_values.txt") {
  return GoldenReader(file).Read(text);
}

// On the plain path and on the fastest this processor has.
class EngineRegression : public ::testing::TestWithParam<EnginePath> {};

TEST_P(EngineRegression, EveryOutputOfEverySeededChartIsAsBefore) {
  if (GetParam() != EnginePath::kPlain && GetParam() != FastestEnginePath()) {
    GTEST_SKIP() << "this processor lacks the path";
  }
  const std::vector<Case> cases = AllCases();
  std::vector<const Case*> stored;
  for (const Case& c : cases) {
    if (c.election) stored.push_back(&c);
  }
  const std::string path = GoldenPath();
  std::vector<Record> casts(stored.size());  // cast on demand, once
  const auto record = [&](size_t i) -> const Record& {
    if (casts[i].empty()) casts[i] = RecordOf(Cast(*stored[i], GetParam()));
    return casts[i];
  };
  if (UpdateRequested()) {
    std::vector<LabelledRecord> charts;
    for (size_t i = 0; i < stored.size(); ++i) charts.push_back({stored[i]->label, record(i)});
    WriteText(path, GoldenText(charts, static_cast<int>(cases.size())));
  }
  const FileText file = ReadFileText(path);
  ASSERT_EQ(file.problem, FileProblem::kNone) << DescribeFileProblem(path, file.problem);
  GoldenFile golden;
  try {
    golden = ReadGolden(file.text, path);
  } catch (const DataFileError& e) {
    FAIL() << e.what();
  }
  // The file must hold every chart the test casts, of the same moments.
  ASSERT_EQ(golden.cast, static_cast<int>(cases.size()))
      << path << " was written for another number of moments";
  ASSERT_EQ(golden.charts.size(), stored.size())
      << path << " holds another number of charts than the checks let through";
  for (size_t i = 0; i < stored.size(); ++i) {
    ASSERT_EQ(golden.charts[i].label, stored[i]->label)
        << "chart " << i << " of " << path << " is of another moment";
  }

  Differences differences;
  for (size_t i = 0; i < stored.size(); ++i) {
    differences.Compare(stored[i]->label, record(i), golden.charts[i].record);
  }
  EXPECT_EQ(differences.values(), 0) << differences.Summary() << " (" << path << ")";
  // Refused moments (zones far east of a western longitude) are part of the
  // draw, but most moments are cast.
  EXPECT_GT(stored.size(), cases.size() * 2 / 3);
}
INSTANTIATE_TEST_SUITE_P(Paths, EngineRegression,
                         ::testing::Values(EnginePath::kPlain, EnginePath::kAvx2),
                         [](const auto& info) {
                           return info.param == EnginePath::kPlain ? "Plain" : "Avx2";
                         });

}  // namespace
}  // namespace kairotex::test
