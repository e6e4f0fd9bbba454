// Chiron outside its tables (1899 to 2064) is "not available": the table, the
// JSON, the aspect list, every report and the wheel leave it out, while a
// date inside the tables keeps it everywhere.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <regex>
#include <string>
#include <vector>

#include "chartview/wheel_test_chart.h"
#include "cli_run.h"
#include "reports/report_commands.h"

namespace kairotex::cli {
namespace {

struct ChironCase {
  int year;
  bool available;
};
constexpr ChironCase kChironCases[] = {{1000, false}, {2080, false}, {2000, true}};

CliRun RunAt(const std::string& command, int year, std::vector<std::string> more = {}) {
  more.insert(more.begin(), {"--date", std::to_string(year) + "-06-15", "--time", "12:00", "--zone",
                             "0", "--lon", "0w07", "--lat", "51n29"});
  return RunCommand(command, more);
}

bool NamesChiron(const std::string& text) {
  return text.find("CHIRON") != std::string::npos;
}

TEST(ChironAvailability, TableAndJsonSayNotAvailable) {
  for (const ChironCase& c : kChironCases) {
    const CliRun table = RunAt("chart", c.year);
    ASSERT_EQ(table.status, kExitOk) << table.err;
    EXPECT_EQ(table.out.find("CHIRON      not available\n") != std::string::npos, !c.available)
        << c.year;
    EXPECT_EQ(std::regex_search(table.out, std::regex("CHIRON +[0-9]+ [A-Z]{3} [0-9]{2}")),
              c.available)
        << c.year;

    const CliRun json_run = RunAt("chart", c.year, {"--json"});
    ASSERT_EQ(json_run.status, kExitOk) << json_run.err;
    const nlohmann::json objects = nlohmann::json::parse(json_run.out)["objects"];
    ASSERT_EQ(objects.size(), 16u);
    for (const nlohmann::json& object : objects) {
      const bool expected = object["number"] != kChiron || c.available;
      EXPECT_EQ(object["available"], expected) << c.year << " " << object["name"];
      EXPECT_EQ(object["pos"].is_null(), !expected) << c.year << " " << object["name"];
      EXPECT_EQ(object["decl"].is_null(), !expected) << c.year << " " << object["name"];
    }
  }
}

TEST(ChironAvailability, AspectListAndEveryReportLeaveItOut) {
  std::vector<std::string> reports;
  for (std::string_view name : ReportCommandNames()) reports.emplace_back(name);
  reports.insert(reports.begin(), "--user-name=Test");
  for (const ChironCase& c : kChironCases) {
    for (const std::vector<std::string>& more :
         {std::vector<std::string>{}, {"--kind", "helio"}, {"--kind", "decl"}}) {
      const CliRun aspects = RunAt("aspects", c.year, more);
      ASSERT_EQ(aspects.status, kExitOk) << aspects.err;
      EXPECT_EQ(NamesChiron(aspects.out), c.available) << c.year << aspects.out;
    }
    const CliRun all = RunAt("report", c.year, reports);
    ASSERT_EQ(all.status, kExitOk) << all.err;
    // The almutens report always names Chiron among the dispositors; the
    // critical-degree strip labels it CH.
    EXPECT_EQ(NamesChiron(all.out), c.available) << c.year << all.out;
    EXPECT_EQ(std::regex_search(all.out, std::regex("\\bCH\\b")), c.available) << c.year;
  }
}

TEST(ChironAvailability, WheelsAndThePrintedPageDrawNoChiron) {
  const int chiron_glyph = 223 + kChiron;
  for (const ChironCase& c : kChironCases) {
    for (bool declination : {false, true}) {
      ChartSettings settings = ChartSettings::ForHouseSystem('P');
      settings.DeclinationChart = declination;
      test::WheelCase wheel{test::CastChart(c.year, 6, 15, 12, 0, settings)};
      ASSERT_EQ(wheel.chart.ChironAvailable, c.available) << c.year;
      for (int16_t style : {kAmericanStyle, kEuropeanStyle}) {
        wheel.style = style;
        const size_t drawn = wheel.Paint().TextsOfCode(chiron_glyph).size();
        EXPECT_EQ(drawn, c.available ? 1u : 0u) << c.year << " style " << style;
      }
      // The printed page: the wheel's glyph and the aspect grid's row label.
      wheel.style = kAmericanStyle;
      wheel.options[122] = 1;
      test::RecordingMessages messages;
      const size_t printed = wheel.Print(messages).TextsOfCode(chiron_glyph).size();
      EXPECT_EQ(printed, c.available ? 2u : 0u) << c.year << " decl " << declination;
    }
  }
}

}  // namespace
}  // namespace kairotex::cli
