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

CliRun RunAt(const std::string& command, int year, std::vector<std::string> more = {}) {
  more.insert(more.begin(), {"--date", std::to_string(year) + "-06-15", "--time", "12:00", "--zone",
                             "0", "--lon", "0w07", "--lat", "51n29"});
  return RunCommand(command, more);
}

// The almutens report always names Chiron among the dispositors; the
// critical-degree strip labels it CH. Both wheel styles draw its glyph.
TEST(ChironAvailability, TableJsonAspectsEveryReportAndTheWheels) {
  std::vector<std::string> reports = {"--user-name=Test"};
  for (std::string_view name : ReportCommandNames()) reports.emplace_back(name);
  for (const auto& [year, available] : {std::pair{1000, false}, {2080, false}, {2000, true}}) {
    const std::string table = RunAt("chart", year).out;
    EXPECT_EQ(table.find("CHIRON      not available\n") != std::string::npos, !available) << year;
    EXPECT_EQ(std::regex_search(table, std::regex("CHIRON +[0-9]+ [A-Z]{3} [0-9]{2}")), available);
    const nlohmann::json chiron =
        nlohmann::json::parse(RunAt("chart", year, {"--json"}).out)["objects"][kChiron - 1];
    EXPECT_EQ(chiron["available"], available) << year;
    EXPECT_EQ(chiron["pos"].is_null() && chiron["decl"].is_null(), !available) << year;
    for (const char* kind : {"geo", "helio", "decl"}) {
      const std::string aspects = RunAt("aspects", year, {"--kind", kind}).out;
      EXPECT_EQ(aspects.find("CHIRON") != std::string::npos, available) << year << " " << kind;
    }
    const CliRun all = RunAt("report", year, reports);
    ASSERT_EQ(all.status, kExitOk) << all.err;
    EXPECT_EQ(all.out.find("CHIRON") != std::string::npos, available) << year;
    EXPECT_EQ(std::regex_search(all.out, std::regex("\\bCH\\b")), available) << year;
    for (bool declination : {false, true}) {
      ChartSettings settings = ChartSettings::ForHouseSystem('P');
      settings.DeclinationChart = declination;
      test::WheelCase wheel{test::CastChart(year, 6, 15, 12, 0, settings)};
      for (int16_t style : {kEuropeanStyle, kAmericanStyle}) {
        wheel.style = style;
        EXPECT_EQ(wheel.Paint().TextsOfCode(223 + kChiron).size(), available ? 1u : 0u) << year;
      }
      wheel.options[122] = 1;  // the printed page, American: the glyph and the grid's row label
      test::RecordingMessages messages;
      EXPECT_EQ(wheel.Print(messages).TextsOfCode(223 + kChiron).size(), available ? 2u : 0u)
          << year << " decl " << declination;
    }
  }
}

}  // namespace
}  // namespace kairotex::cli
