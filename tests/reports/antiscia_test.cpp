// Antiscia, contra-antiscia and the objects conjunct them.
#include "reports/antiscia.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/arabic_parts_text.h"
#include "written_lines.h"

namespace kairotex {
namespace {

// Every object parked at 15 Taurus, whose antiscion (15 Leo) and
// contra-antiscion (15 Aquarius) no parked object touches.
ChartState ParkedChart() {
  ChartState chart;
  for (int i = 1; i <= ObjectCount; ++i) chart.ObjectLon[i] = 45.0;
  return chart;
}

// The conjunction lines, after the table and its blank line.
std::vector<std::string> ConjunctionLines(const ChartState& chart) {
  const auto lines = AntisciaLines(ComputeAntiscia(chart));
  return {lines.begin() + 3 + 15 + 1, lines.end()};
}

// 0 Libra mirrors to 30 Pisces, not 360; the solstices mirror to themselves.
// 0 Aries and 10 Gemini are read in the table below.
TEST(Antiscia, MirrorAcrossTheSolsticeAxis) {
  const struct {
    double lon;
    const char *antiscion, *contra;
  } cases[] = {{180.0, "00 ARI 00", "00 LIB 00"},  {90.0, "00 CAN 00", "00 CPR 00"},
               {270.0, "00 CPR 00", "00 CAN 00"},  {45.0, "15 LEO 00", "15 AQU 00"},
               {200.0, "10 PIS 00", "10 VIR 00"},  {359.5, "00 LIB 30", "00 ARI 30"},
               {29.9999, "00 VIR 00", "00 PIS 00"}};
  for (const auto& c : cases) {
    const double antiscion = Antiscion(c.lon);
    EXPECT_GE(antiscion, 0.0) << c.lon;
    EXPECT_LT(antiscion, 360.0) << c.lon;
    EXPECT_EQ(PrintedPosition(antiscion), c.antiscion) << c.lon;
    EXPECT_EQ(PrintedPosition(ContraAntiscion(antiscion)), c.contra) << c.lon;
  }
}

// Differences of 359.3 either way round and of exactly 359 count; 358.9 does not.
TEST(Antiscia, WithinOneDegreeAcrossAries) {
  const struct {
    double lon, point;
    bool conjunct;
  } cases[] = {{359.5, 0.2, true}, {0.2, 359.5, true},  {10.0, 11.0, true}, {10.0, 11.01, false},
               {0.5, 359.5, true}, {0.6, 359.5, false}, {180.0, 0.0, false}};
  for (const auto& c : cases)
    EXPECT_EQ(WithinOneDegree(c.lon, c.point), c.conjunct) << c.lon << " " << c.point;
}

TEST(Antiscia, TableOmitsTheSouthNodeInItsColumns) {
  ChartState chart = ParkedChart();
  chart.ObjectLon[kSun] = 70.0;
  chart.ObjectPos[kSun] = 200.0;  // the wheel's position is not read
  chart.ObjectLon[kChiron] = 0.0;
  const auto lines = AntisciaLines(ComputeAntiscia(chart));
  ASSERT_GE(lines.size(), 3u + 15u + 1u);  // heading, 15 rows, blank
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], "  Planet name     Degree            Antiscion        Contrantiscion");
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(lines[3], "  SUN            10 GEM 00          20 CAN 00          20 CPR 00");
  EXPECT_EQ(lines[3 + 10], "  N. NODE        15 TAU 00          15 LEO 00          15 AQU 00");
  EXPECT_EQ(lines[3 + 11], "  P. OF F.       15 TAU 00          15 LEO 00          15 AQU 00");
  EXPECT_EQ(lines[3 + 14], "  CHIRON         00 ARI 00          00 LIB 00          00 ARI 00");
  EXPECT_EQ(lines[3 + 15], "");
  // The parked objects make no conjunctions; Chiron at 0 Aries meets its own
  // contra-antiscion.
  ASSERT_EQ(lines.size(), 3u + 15u + 1u + 1u);
  EXPECT_EQ(lines.back(), "  CHIRON     conjunct contrantiscion of CHIRON    ");
}

TEST(Antiscia, ConjunctionsAcrossAriesWithOwnPointsAndTheSouthNode) {
  ChartState chart = ParkedChart();
  chart.ObjectLon[kSun] = 359.5;        // antiscion 0 Libra 30, contra 0 Aries 30
  chart.ObjectLon[kVenus] = 80.0;       // 20 Gemini, antiscion 10 Cancer
  chart.ObjectLon[kMars] = 179.8;       // antiscion 0 Aries 12, contra 0 Libra 12
  chart.ObjectLon[kSouthNode] = 100.5;  // 10 Cancer 30, antiscion 19 Gemini 30
  const std::vector<std::string> expected = {
      "  SUN        conjunct antiscion of MARS      ",
      "  VENUS      conjunct antiscion of S. NODE   ",
      "  MARS       conjunct antiscion of SUN       ",
      "  S. NODE    conjunct antiscion of VENUS     ",
      "  SUN        conjunct contrantiscion of SUN       ",
      "  MARS       conjunct contrantiscion of MARS      ",
  };
  EXPECT_EQ(ConjunctionLines(chart), expected);
}

TEST(Antiscia, WriteAppendsTheLines) {
  ChartState chart = ParkedChart();
  chart.ObjectLon[kSun] = 359.5;
  EXPECT_EQ(test::WrittenLines(WriteAntiscia, chart), AntisciaLines(ComputeAntiscia(chart)));
}

}  // namespace
}  // namespace kairotex
