#include "cli/chart_output.h"

#include <cmath>
#include <cstdio>

#include "chart/angles.h"
#include "chart/ephemeris.h"
#include "settings/name_tables.h"
#include "settings/text_encoding.h"

namespace kairotex::cli {

double CuspOfHouse(const CuspTable& wheel, int house) {
  return wheel[house <= 9 ? house + 3 : house - 9];
}

std::string SignDegreeMinute(double lon) {
  const SplitLon split = SplitLongitude(lon);
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%2d %s %02d", split.degree,
                SignAbbreviation(split.sign).c_str(), split.minute);
  return buffer;
}

std::string DeclinationText(double decl) {
  const double whole = std::floor(std::fabs(decl));
  int minutes = static_cast<int>(std::floor((std::fabs(decl) - whole) * 60.0 + 0.5));
  if (minutes == 60) minutes = 59;  // as positions: minutes never carry
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%3d%c%02d   ", static_cast<int>(whole),
                decl < 0 ? 's' : 'n', minutes);
  return buffer;
}

nlohmann::json ChartJson(const ChartState& s) {
  nlohmann::json j;
  j["julian_date"] = s.JulianDate;
  j["julian_day_number"] = s.JulianDayNumber;
  j["day_fraction"] = s.DayFraction;
  j["centuries_t"] = s.CenturiesT;
  j["ramc_deg"] = RadToDeg(s.Ramc);
  j["obliquity_deg"] = s.ObliquityDeg;
  j["asc"] = s.AscLon;
  j["mc"] = s.McLon;
  // The chart's texts are 8-bit; JSON takes only UTF-8.
  j["sidereal_time"] = TextAsUtf8(s.SiderealTimeText);
  j["house_system"] = std::string(1, s.HouseSystemLetter);
  j["ephemeris"] = std::string(EphemerisName(s.EphemerisUsed));
  nlohmann::json cusps = nlohmann::json::array(), wheel = nlohmann::json::array();
  for (int h = 1; h <= 12; ++h) cusps.push_back(CuspOfHouse(s.CuspComputed, h));
  for (int k = 1; k <= 12; ++k) wheel.push_back(s.CuspWheel[k]);
  j["cusps"] = cusps;
  j["cusps_wheel"] = wheel;
  nlohmann::json heading = nlohmann::json::array();
  for (int line = 1; line <= 7; ++line) heading.push_back(TextAsUtf8(s.ChartHeading[line]));
  j["heading"] = heading;
  j["night_chart"] = s.NightChart == 1;
  j["moon_applies"] = s.MoonAppliesFlag == 1;
  j["svp_offset"] = s.SvpOffset;
  j["ayanamsa_offset"] = s.AyanamsaOffset;
  j["nutation_lon"] = s.NutationLon;
  j["mean_node"] = s.MeanNode;
  j["true_node"] = s.TrueNode;
  nlohmann::json objects = nlohmann::json::array();
  for (int i = 1; i <= ObjectCount; ++i) {
    // An object the chart does not have keeps its name and number; every
    // value is null, so that no reader mistakes the placeholder zeros for a place.
    const bool available = ObjectAvailable(s, i);
    const auto value = [available](auto v) { return available ? nlohmann::json(v) : nullptr; };
    objects.push_back({{"number", i},
                       {"name", std::string(kObjectName[i])},
                       {"available", available},
                       {"pos", value(s.ObjectPos[i])},
                       {"lon", value(s.ObjectLon[i])},
                       {"lat", value(s.ObjectLat[i])},
                       {"decl", value(s.ObjectDecl[i])},
                       {"helio_lon", value(s.ObjectHelioLon[i])},
                       {"next_day_lon", value(s.ObjectLonTomorrow[i])},
                       {"daily_motion", value(s.ObjectDailyMotion[i])},
                       {"retrograde", value(s.RetroFlags[i - 1] == 'R')},
                       {"house", value(HouseOfObject(s, i))}});
  }
  j["objects"] = objects;
  return j;
}

std::string ChartText(const ChartState& s) {
  const bool heliocentric = s.ChartHeading[1].ends_with(" - heliocentric");
  std::string out;
  for (int line = 1; line <= 7; ++line) out += s.ChartHeading[line] + "\n";
  out += "\nObject      Position    R  House   Latitude  Declination  Daily motion\n";
  char buffer[160];
  // Latitudes exist for the Sun, Moon and planets, declinations for all but the
  // nodes and the Part of Fortune, daily motions for the bodies and Chiron.
  const auto column = [&buffer](bool meaningful, const char* format, double value, int width) {
    if (meaningful) {
      std::snprintf(buffer, sizeof buffer, format, value);
    } else {
      std::snprintf(buffer, sizeof buffer, "%*s", width, "");
    }
    return std::string(buffer);
  };
  for (int i = 1; i <= ObjectCount; ++i) {
    std::string house_label = s.HousePosText.substr(static_cast<size_t>(i) * 10 - 10, 4);
    const bool body = i <= kMoon;
    // The declination wheel's positions are wheel angles: show the declination
    // itself. The heliocentric wheel has the Earth in the Sun's place and no
    // Moon, nodes, Part of Fortune or angles.
    std::string position =
        s.DeclinationMode ? DeclinationText(s.ObjectDecl[i]) : SignDegreeMinute(s.ObjectPos[i]);
    std::string name(ObjectReportName(i));
    if (!ObjectAvailable(s, i)) {
      out += name + "  not available\n";
      continue;
    }
    if (heliocentric && i == kSun) name = "EARTH     ";
    if (heliocentric && i >= kMoon && i <= kMidheaven) {
      position = std::string(position.size(), ' ');
      house_label = "    ";
    }
    std::string line = name + "  " + position + "   " + (s.RetroFlags[i - 1] == 'R' ? "R" : " ") +
                       "  " + house_label + "  ";
    line += column(body, "%9.4f", s.ObjectLat[i], 9) + "  ";
    line += column(i <= kMoon || i >= kAscendant, "%11.4f", s.ObjectDecl[i], 11) + "  ";
    line += column(body || i == kChiron, "%12.4f", s.ObjectDailyMotion[i], 12);
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out += line + "\n";
  }
  out += "\nHouse cusps\n";
  for (int h = 1; h <= 12; ++h) {
    const std::string label(std::string_view(kHouseLabels).substr(((h + 2) % 12) * 4, 4));
    std::snprintf(buffer, sizeof buffer, "%s  %s%s", label.c_str(),
                  SignDegreeMinute(CuspOfHouse(s.CuspWheel, h)).c_str(),
                  h % 3 == 0 ? "\n" : "     ");
    out += buffer;
  }
  return out;
}

}  // namespace kairotex::cli
