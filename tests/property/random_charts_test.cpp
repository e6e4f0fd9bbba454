// Properties that hold for every chart, checked over seeded random charts:
// each house system, chart kind and zodiac in turn, with random moments from
// 1900 to 2063 and places up to the latitude each system accepts.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <nlohmann/json.hpp>
#include <random>
#include <string>
#include <vector>

#include "aspects/aspects.h"
#include "chart/angles.h"
#include "chart/chart_program.h"
#include "chart/election_checks.h"
#include "chartview/chartwheel.h"
#include "chartview/wheel_test_chart.h"
#include "cli/chart_output.h"
#include "reports/report_commands.h"
#include "test_messages.h"
#include "test_paths.h"

namespace kairotex::test {
namespace {

constexpr unsigned kSeed = 20240615;
constexpr int kCharts = 288;  // four of each house system, chart kind and zodiac
constexpr char kSystems[] = "PRKCOEMI";
constexpr const char* kKinds[] = {"geo", "helio", "decl"};

// One random chart, cast, with everything the properties read.
struct Subject {
  std::string label;  // enough to cast the chart again by hand
  ChartSettings settings;
  OptionsTable options;
  ChartState chart;
  std::string reports, aspects;
  std::vector<std::string> messages;  // what the program showed the user
};

Subject Cast(std::mt19937& rng, int k) {
  auto pick = [&rng](int low, int high) { return std::uniform_int_distribution(low, high)(rng); };
  Subject s;
  const char system = kSystems[k % 8];
  const int kind = k / 8 % 3;
  const int zodiac = k / 24 % 3;
  s.settings = ChartSettings::ForHouseSystem(system);
  s.settings.HelioChart = kind == 1;
  s.settings.DeclinationChart = kind == 2;
  s.options = DeliveredProgram().options;
  s.options[123] = static_cast<float>(zodiac);

  ElectionEntry e;
  e.name = pick(0, 3) == 0 ? "Caf\xe9 M\xfcller" : "Test " + std::to_string(k);  // Latin-1
  e.year = pick(1900, 2063);
  e.month = pick(1, 12);
  e.day = pick(1, DaysInMonth(*e.year, *e.month));
  e.hour = pick(1, 12);
  e.minute = pick(0, 59);
  e.pm = pick(0, 1) == 1;
  const bool high = system == 'M' || system == 'I';
  const int lat_minutes = pick(0, (high ? 90 : 66) * 60 - 1);
  e.lat_degrees = lat_minutes / 60;
  e.lat_minutes = lat_minutes % 60;
  e.south = pick(0, 1) == 1;
  const int lon_minutes = pick(0, 180 * 60 - 1);
  e.lon_degrees = lon_minutes / 60;
  e.lon_minutes = lon_minutes % 60;
  e.west = pick(0, 1) == 1;
  e.zone = std::round(*e.lon_degrees / 15.0) * (e.west ? 1 : -1);

  char label[160];
  std::snprintf(label, sizeof label,
                "chart %d: %04d-%02d-%02d %d.%02d %s %d%c%02d %d%c%02d %c %s 123=%d", k, *e.year,
                *e.month, *e.day, *e.hour, *e.minute, e.pm ? "PM" : "AM", *e.lon_degrees,
                e.west ? 'w' : 'e', *e.lon_minutes, *e.lat_degrees, e.south ? 's' : 'n',
                *e.lat_minutes, system, kKinds[kind], zodiac);
  s.label = label;

  RecordingMessages messages;
  const std::optional<ElectionData> election =
      StoreElectionData(e, s.settings.MeridianOrMorinus(), messages);
  if (!election) {
    s.label += " refused: " + (messages.texts.empty() ? "" : messages.texts[0]);
    return s;
  }
  const FixedClock clock({2026, 12, 6, 10, 49, 30}, 5);
  const ChartProgram& p = DeliveredProgram();
  const ChartContext context{s.options, p.tables, p.elements,   p.regional,
                             clock,     messages, p.program_dir};
  CalculateChart(s.chart, *election, s.settings, context);

  ReportBuffer buffer(messages);
  ReportContext report_context(s.chart, s.options, buffer, &p.tables, e.name);
  RecordingView view;
  ReportCommandHost host{view, "Test",
                         [&] { CalculateChart(s.chart, *election, s.settings, context); }};
  for (std::string_view name : ReportCommandNames()) {
    RunReportCommand(name, report_context, host);
    s.reports += buffer.ReportText("\n");
  }
  OrbTable orbs{};
  if (ReadOrbFile(s.chart.CurrentOrbFile, orbs, messages)) {
    const bool helio = s.settings.HelioChart;
    s.aspects = AspectListWords(BuildAspectList(s.chart, orbs, helio), helio, "\n");
  }
  s.messages = messages.texts;
  return s;
}

// Each property gives an empty string when it holds, else what is wrong.
using Check = std::string (*)(const Subject&);

int WheelIndexOfCusp(int house) {
  return house <= 9 ? house + 3 : house - 9;
}

std::string CuspsFollowTheZodiac(const Subject& s) {
  double total = 0;
  for (int w = 1; w <= 12; ++w) {
    const double span = Normalize360(s.chart.CuspComputed[w % 12 + 1] - s.chart.CuspComputed[w]);
    if (!(span > 0))
      return "cusp " + std::to_string(w) + " to the next goes back: " + std::to_string(span);
    total += span;
  }
  if (std::fabs(total - 360.0) > 1e-6) return "the twelve spans sum to " + std::to_string(total);
  const auto off = [&](int house, int object) {
    return ShorterArc(s.chart.CuspComputed[WheelIndexOfCusp(house)], s.chart.ObjectLon[object]);
  };
  const char letter = s.chart.HouseSystemLetter;
  if (letter != 'M' && letter != 'I' && off(1, kAscendant) > 1e-5) return "1st cusp is not ASC";
  if (letter != 'E' && letter != 'I' && off(10, kMidheaven) > 1e-5) return "10th cusp is not MC";
  return {};
}

std::string HousesAgreeWithTheCusps(const Subject& s) {
  const CuspTable& cusp = s.chart.CuspWheel;
  for (int object = 1; object <= ObjectCount; ++object) {
    if (!ObjectAvailable(s.chart, object)) continue;
    const double p = s.chart.ObjectPos[object];
    int expected = 0;
    bool on_cusp = false;
    for (int w = 1; w <= 12; ++w) {
      const double into = Normalize360(p - cusp[w]);
      on_cusp = on_cusp || ShorterArc(p, cusp[w]) < 1e-4;
      if (into < Normalize360(cusp[w % 12 + 1] - cusp[w])) expected = (w + 8) % 12 + 1;
    }
    if (on_cusp) continue;
    const int house = HouseOfObject(s.chart, object);
    if (house != expected) {
      return "object " + std::to_string(object) + " at " + std::to_string(p) + " is in house " +
             std::to_string(house) + ", the cusps say " + std::to_string(expected);
    }
  }
  return {};
}

// The number written at text[i...], and where it ends; -1 when no digit is there.
int NumberAt(const std::string& text, size_t i, size_t& end) {
  end = i;
  int value = -1;
  while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])) && end - i < 6) {
    value = (value < 0 ? 0 : value * 10) + (text[end++] - '0');
  }
  return value;
}

bool IsAlnum(const std::string& text, size_t i) {
  return i < text.size() && std::isalnum(static_cast<unsigned char>(text[i]));
}

// No "nan", "inf" or "???", and every sign position ("24 GEM 08"), degrees
// and minutes ("0d 57m") and place ("51n30") with its fields in range.
std::string TextIsClean(const std::string& text) {
  static const std::string signs = "ARITAUGEMCANLEOVIRLIBSCOSAGCPRAQUPIS";
  const auto shown = [&text](size_t from, size_t to) {
    return "shows \"" + text.substr(from, to - from) + "\"";
  };
  if (const size_t at = text.find("???"); at != std::string::npos) return shown(at, at + 3);
  for (size_t i = 0; i < text.size();) {
    if (std::isalpha(static_cast<unsigned char>(text[i]))) {
      size_t end = i;
      std::string word;
      while (end < text.size() && std::isalpha(static_cast<unsigned char>(text[end]))) {
        word += static_cast<char>(std::tolower(static_cast<unsigned char>(text[end++])));
      }
      if (word == "nan" || word == "inf") return shown(i, end);
      i = end;
      continue;
    }
    size_t end = i;
    const int number = i > 0 && IsAlnum(text, i - 1) ? -1 : NumberAt(text, i, end);
    if (number < 0) {
      ++i;
      continue;
    }
    size_t minute_end = end;
    int minute = -1;
    int limit = -1;
    const auto sign_follows = [&] {
      if (end + 5 >= text.size() || text[end] != ' ' || text[end + 4] != ' ') return false;
      for (size_t k = 0; k < signs.size(); k += 3) {
        if (text.compare(end + 1, 3, signs, k, 3) == 0) return true;
      }
      return false;
    };
    if (sign_follows()) {
      minute = NumberAt(text, end + 5, minute_end);  // a sign position
      limit = 29;
    } else if (text.compare(end, 2, "d ") == 0) {
      minute = NumberAt(text, end + 2, minute_end);  // degrees and minutes, "m" after
      if (text.compare(minute_end, 1, "m") != 0) minute = -1;
      limit = 360;
    } else if (end < text.size() && std::string_view("nswe").find(text[end]) != std::string::npos) {
      minute = NumberAt(text, end + 1, minute_end);  // a place
      if (IsAlnum(text, minute_end)) minute = -1;
      limit = 180;
    }
    if (minute >= 0 && (number > limit || minute > 59)) return shown(i, minute_end);
    i = end;
  }
  return {};
}

std::string ReportsAreClean(const Subject& s) {
  if (s.reports.empty()) return "no report text";
  return TextIsClean(s.reports);
}

std::string AspectListIsClean(const Subject& s) {
  return TextIsClean(s.aspects);
}

std::string InsideTheScale(const RecordingSurface& surface, const char* what) {
  if (surface.scales.empty()) return std::string(what) + " sets no scale";
  const UserScale& a = surface.scales.back();
  const auto inside = [&a](double x, double y) {
    return x >= std::fmin(a.left, a.right) && x <= std::fmax(a.left, a.right) &&
           y >= std::fmin(a.top, a.bottom) && y <= std::fmax(a.top, a.bottom);
  };
  const auto at = [what](double x, double y) {
    return std::string(what) + " draws at " + std::to_string(x) + ", " + std::to_string(y);
  };
  for (const DrawnLine& l : surface.lines) {
    if (!inside(l.x1, l.y1) || !inside(l.x2, l.y2)) return at(l.x1, l.y1) + " (a line)";
  }
  for (const DrawnCircle& c : surface.circles) {
    if (!inside(c.cx - c.radius, c.cy - c.radius) || !inside(c.cx + c.radius, c.cy + c.radius)) {
      return at(c.cx, c.cy) + " (a circle)";
    }
  }
  for (const DrawnText& t : surface.texts) {
    if (!inside(t.x, t.y)) return at(t.x, t.y) + " (\"" + t.text + "\")";
  }
  return {};
}

std::string WheelStaysInsideItsArea(const Subject& s) {
  for (int16_t style : {kAmericanStyle, kEuropeanStyle}) {
    const WheelInputs inputs{s.chart, s.options, DeliveredProgram().tables, style, true, false};
    RecordingSurface window;
    PaintChartwheel(window, inputs, 1024, 768, 300);
    std::string fault = InsideTheScale(window, style == kAmericanStyle ? "American" : "European");
    if (!fault.empty()) return fault;
  }
  return {};
}

std::string JsonParses(const Subject& s) {
  try {
    const nlohmann::json j = nlohmann::json::parse(cli::ChartJson(s.chart).dump());
    for (const nlohmann::json& object : j.at("objects")) {
      const nlohmann::json& pos = object.at("pos");
      if (object.at("available") != pos.is_number()) return "pos and available disagree";
      if (pos.is_number() && !(pos.get<double>() >= 0 && pos.get<double>() < 360)) {
        return "pos " + pos.dump();
      }
    }
  } catch (const nlohmann::json::exception& e) {
    return e.what();
  }
  return {};
}

std::string ShowsNoMessage(const Subject& s) {
  return s.messages.empty() ? std::string() : "shows \"" + s.messages[0] + "\"";
}

struct Property {
  const char* name;
  Check check;
};
constexpr Property kProperties[] = {
    {"cusps follow the zodiac", CuspsFollowTheZodiac},
    {"houses agree with the cusps", HousesAgreeWithTheCusps},
    {"reports show no bad number", ReportsAreClean},
    {"the aspect list shows no bad number", AspectListIsClean},
    {"the wheel stays inside its area", WheelStaysInsideItsArea},
    {"the JSON parses", JsonParses},
    {"casting and writing show no message", ShowsNoMessage},
};

// The text check itself, so that a clean run means something.
TEST(RandomCharts, TheTextCheckFindsBadFields) {
  struct Case {
    const char* text;
    bool clean;
  };
  for (const Case& c : {Case{"  SUN       24 GEM 08   MERCURY", true},
                        {"  MC  29 PIS 59", true},
                        {"FAST       1d 44m  51n30 0w00", true},
                        {"Influence 10TH 3RD", true},
                        {"  SUN       30 GEM 08", false},
                        {"  SUN        4 GEM 60", false},
                        {"SLOW 0d 60m", false},
                        {"51n60", false},
                        {"Power -nan", false},
                        {"inf degree", false},
                        {"???", false}}) {
    EXPECT_EQ(TextIsClean(c.text).empty(), c.clean) << c.text;
  }
}

TEST(RandomCharts, EveryPropertyHoldsForEveryChart) {
  std::mt19937 rng(kSeed);
  for (int k = 0; k < kCharts; ++k) {
    const Subject s = Cast(rng, k);
    ASSERT_EQ(s.chart.InputError, 0) << s.label;
    ASSERT_FALSE(s.label.find("refused") != std::string::npos) << s.label;
    for (const Property& p : kProperties) {
      const std::string fault = p.check(s);
      EXPECT_TRUE(fault.empty()) << p.name << ", seed " << kSeed << ", " << s.label << ": "
                                 << fault;
    }
  }
}

}  // namespace
}  // namespace kairotex::test
