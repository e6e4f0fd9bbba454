// Charts cast from the precise ephemeris against the reference positions
// (Swiss Ephemeris 2.10 apparent places), Chiron beyond its tables, and the
// fallbacks to the program's theories.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "chart/calculate_chart.h"
#include "chart/chart_program.h"
#include "chart/chart_series.h"
#include "chart/election_steps.h"
#include "precise/swiss_ephemeris.h"
#include "reference_positions.h"
#include "test_messages.h"
#include "test_paths.h"

namespace kairotex {
namespace {

double AngleDiff(double a, double b) {
  return std::fabs(std::remainder(a - b, 360.0));
}

struct PreciseProgram {
  ChartProgram program = LoadChartProgram(test::DataDir(), RegionalFormat{});
  test::RecordingMessages messages;
  FixedClock clock{{2026, 1, 1, 0, 0, 0}, 0};
  PreciseProgram() {
    std::string error;
    program.ephemeris = SwissEphemeris::Open(SwissEphemeris::DefaultFolder(), error);
    EXPECT_NE(program.ephemeris, nullptr) << error;
  }
  ChartState Cast(const ElectionData& election, char house = 'P') {
    ChartState state;
    CalculateChart(state, election, ChartSettings::ForHouseSystem(house),
                   program.Context(clock, messages));
    return state;
  }
};

TEST(PreciseReference, EveryObjectWithinAnArcsecondAndTheAnglesWithinAThousandth) {
  PreciseProgram p;
  const std::map<std::string, int> objects = {
      {"Sun_app", kSun},       {"Moon_app", kMoon},     {"Mercury_app", kMercury},
      {"Venus_app", kVenus},   {"Mars_app", kMars},     {"Jupiter_app", kJupiter},
      {"Saturn_app", kSaturn}, {"Uranus_app", kUranus}, {"Neptune_app", kNeptune},
      {"Pluto_app", kPluto},   {"Chiron_app", kChiron},
  };
  const auto rows = test::LoadReferencePositions();
  ASSERT_EQ(rows.size(), 120u);
  for (const test::ReferencePosition& row : rows) {
    const ChartState s = p.Cast(test::ElectionOfRow(row));
    ASSERT_EQ(s.EphemerisUsed, EphemerisKind::kSwiss) << row.date;
    for (const auto& [column, object] : objects) {
      EXPECT_LT(AngleDiff(s.ObjectLon[object], row.at(column)), 0.0003)
          << column << " " << row.date;
    }
    EXPECT_LT(AngleDiff(s.MeanNode, row.at("MeanNode_app")), 0.0003) << row.date;
    EXPECT_LT(AngleDiff(s.TrueNode, row.at("TrueNode_app")), 0.0003) << row.date;
    EXPECT_NEAR(s.ObjectDecl[kSun], row.at("Sun_decl"), 0.0003) << row.date;
    EXPECT_NEAR(s.ObjectDecl[kMoon], row.at("Moon_decl"), 0.0003) << row.date;
    EXPECT_LT(AngleDiff(s.AscLon, row.at("asc")), 0.001) << row.date;
    EXPECT_LT(AngleDiff(s.McLon, row.at("mc")), 0.001) << row.date;
    EXPECT_LT(AngleDiff(s.Ramc * 180.0 / 3.1415926535, row.at("armc")), 0.001) << row.date;
  }
  EXPECT_TRUE(p.messages.texts.empty());
}

// Chiron's tables end in 2064; the ephemeris serves 1800 to 2399. The
// values are the library's own apparent places at the same moments.
TEST(PreciseReference, ChironBeyondItsTables) {
  PreciseProgram p;
  struct Case {
    ElectionData moment;
    double lon;
  };
  const Case cases[] = {
      {{3, 15, 2070, 12, 0, 1, 0, 0, 51, 30, 1, 0, 0.0f, "2070"}, 3.944707},
      {{9, 1, 1850, 6, 0, 0, 0, 0, 51, 30, 1, 0, 0.0f, "1850"}, 245.134393},
  };
  for (const Case& c : cases) {
    const ChartState s = p.Cast(c.moment);
    EXPECT_TRUE(ObjectAvailable(s, kChiron)) << c.moment.Name;
    EXPECT_LT(AngleDiff(s.ObjectLon[kChiron], c.lon), 0.001) << c.moment.Name;
  }
}

TEST(PreciseReference, HeadingAndDailyMotionsFromTheSameEphemeris) {
  PreciseProgram p;
  const ChartState s = p.Cast({3, 15, 2024, 12, 0, 1, 0, 0, 51, 30, 1, 0, 0.0f, "Noon"});
  EXPECT_EQ(s.ChartHeading[7], "Placidus - precise");
  // The Moon moves 11.8 to 15.4 degrees a day, the Sun 0.95 to 1.03.
  EXPECT_GT(s.ObjectDailyMotion[kMoon], 11.7);
  EXPECT_LT(s.ObjectDailyMotion[kMoon], 15.5);
  EXPECT_NEAR(s.ObjectDailyMotion[kSun], 1.0, 0.03);
}

TEST(PreciseFallback, ADateOutsideTheFilesIsCastWithTheProgramsTheoriesAndSaysSo) {
  PreciseProgram p;
  const ChartState s = p.Cast({6, 1, 1750, 12, 0, 1, 0, 0, 51, 30, 1, 0, 0.0f, "Old"});
  EXPECT_EQ(s.EphemerisUsed, EphemerisKind::kProgram);
  EXPECT_EQ(s.ChartHeading[7], "Placidus");
  ASSERT_EQ(p.messages.texts.size(), 1u);
  EXPECT_EQ(p.messages.texts[0],
            "Precise positions are not available for this chart: the ephemeris files serve the "
            "dates from 1800-01-01 to 2400-01-09 only. It is cast with the program's own "
            "theories.");
}

TEST(PreciseFallback, AMissingFileIsNamed) {
  const std::string folder = test::MakeTempDir("precise-missing");
  for (const char* name : {"sepl_18.se1", "seas_18.se1"}) {
    std::filesystem::copy_file(std::filesystem::path(SwissEphemeris::DefaultFolder()) / name,
                               std::filesystem::path(folder) / name);
  }
  std::string error;
  EXPECT_EQ(SwissEphemeris::Open(folder, error), nullptr);
  EXPECT_EQ(error, "The ephemeris file " + folder + "/semo_18.se1 is missing or cannot be read.");
  EXPECT_EQ(SwissEphemeris::Open(folder + "/nowhere", error), nullptr);
  std::filesystem::remove_all(folder);
}

// A damaged file is refused with the library's reason, and nothing is cast from it.
TEST(PreciseFallback, ADamagedFileIsRefused) {
  const std::string folder = test::MakeTempDir("precise-damaged");
  const std::filesystem::path system = SwissEphemeris::DefaultFolder();
  for (const char* name : {"semo_18.se1", "seas_18.se1"}) {
    std::filesystem::copy_file(system / name, std::filesystem::path(folder) / name);
  }
  const std::string whole = test::ReadText((system / "sepl_18.se1").string());
  for (const std::string& damaged : {std::string("not an ephemeris\n"), whole.substr(0, 4000)}) {
    test::WriteText(folder + "/sepl_18.se1", damaged);
    std::string error;
    EXPECT_EQ(SwissEphemeris::Open(folder, error), nullptr);
    EXPECT_TRUE(error.starts_with("The ephemeris files in " + folder + " cannot be used: "))
        << error;
  }
  std::filesystem::remove_all(folder);
}

// Steps that divide a day (5 minutes), where a series of the program's
// theories shares each moment's bodies with the chart a day earlier, and
// steps that do not (7): each precise chart is the chart cast alone.
TEST(PreciseSeries, TwoThreadsCastWhatEachChartCastsAlone) {
  PreciseProgram p;
  const ElectionData start{7, 1, 2026, 10, 30, 0, 73, 59, 40, 45, 1, 0, 5.0f, "Scan"};
  const ChartContext context = p.program.Context(p.clock, p.messages);
  for (const int step : {5, 7}) {
    std::vector<ChartState> charts(400);
    const int64_t cast =
        CastChartSeries({start, step, 400}, ChartSettings::ForHouseSystem('P'), context, 2,
                        [&](int64_t i, const ChartState& c) { charts[i] = c; });
    ASSERT_EQ(cast, 400);
    for (int i = 0; i < 400; i += 37) {
      ElectionData moment = start;
      for (int m = 0; m < step * i; ++m) StepElection(moment, TimeStep::kAddMinute);
      const ChartState alone = p.Cast(moment);
      EXPECT_EQ(charts[i].EphemerisUsed, EphemerisKind::kSwiss);
      for (int object = 1; object <= ObjectCount; ++object) {
        EXPECT_NEAR(charts[i].ObjectLon[object], alone.ObjectLon[object], 1e-9) << i;
        EXPECT_NEAR(charts[i].ObjectHelioLon[object], alone.ObjectHelioLon[object], 1e-9) << i;
        EXPECT_NEAR(charts[i].ObjectDailyMotion[object], alone.ObjectDailyMotion[object], 1e-9);
        EXPECT_NEAR(charts[i].ObjectDecl[object], alone.ObjectDecl[object], 1e-9) << i;
      }
      EXPECT_EQ(charts[i].RetroFlags, alone.RetroFlags) << i;
      EXPECT_EQ(charts[i].TrueNode, alone.TrueNode) << i;
    }
  }
  EXPECT_TRUE(p.messages.texts.empty());
}

// Every thread of a series opens the ephemeris files for itself; they are
// closed when it ends, however many series run.
TEST(PreciseSeries, ThreadsLeaveNoFileOpen) {
  PreciseProgram p;
  const auto open_files = [] {
    return std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                         std::filesystem::directory_iterator{});
  };
  const ElectionData start{7, 1, 2026, 10, 30, 0, 73, 59, 40, 45, 1, 0, 5.0f, "Scan"};
  const ChartContext context = p.program.Context(p.clock, p.messages);
  const auto before = open_files();
  for (int run = 0; run < 20; ++run) {
    CastChartSeries({start, 7, 130}, ChartSettings::ForHouseSystem('P'), context, 2,
                    [](int64_t, const ChartState&) {});
  }
  EXPECT_EQ(open_files(), before);
}

}  // namespace
}  // namespace kairotex
