// The Magi Society aspects report as text.
#include "reports/magi_aspects_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "aspects/magi_linkages.h"
#include "written_lines.h"

namespace kairotex {
namespace {

// Magi objects parked at 5, 12 ... 75 with declinations 1.5, 3 ... 16.5: no
// aspect and no parallel until a test moves one. k = 11 sets Chiron.
struct MagiReportChart {
  ChartState chart;
  OptionsTable options;

  MagiReportChart() {
    for (int k = 1; k <= kMagiObjectCount; ++k) Put(k, 5.0 + 7.0 * (k - 1), 1.5 * k);
  }
  MagiReportChart& Put(int k, double lon, double decl) {
    chart.ObjectLon[k == kMagiChiron ? kChiron : k] = lon;
    chart.ObjectDecl[k == kMagiChiron ? kChiron : k] = decl;
    return *this;
  }
  std::vector<std::string> Write() const {
    return test::WrittenLines(WriteMagiAspects, chart, options, nullptr, "Garden party");
  }
};

TEST(MagiAspectsReport, TitleAspectsThenParallels) {
  MagiReportChart t;
  t.Put(kSun, 126, 21).Put(kJupiter, 244.5, 7.5).Put(kUranus, 47, 21.2);
  t.Put(kVenus, 19, 20).Put(kPluto, 61, -19.5);
  const std::vector<std::string> expected = {
      "",
      "  Magi Society Aspects for Garden party",
      "",
      "  SUN       Trine         JUPITER      1d 30m   fidelity AND SUPER",
      "",
      "  SUN       parallel    VENUS        1d 00m   cupid linkage",
      "  SUN       parallel    URANUS       0d 12m   SUPER",
      "  VENUS     parallel    URANUS       1d 12m   Silver linkage AND SUPER",
      "  VENUS     c.parallel  PLUTO        0d 30m   sexual AND Golden linkage AND SUPER",
  };
  EXPECT_EQ(t.Write(), expected);
}

TEST(MagiAspectsReport, MinutesThatRoundToSixtyCarryIntoTheDegrees) {
  const std::pair<double, const char*> cases[] = {
      {0.0, "   0d 00m"}, {0.5, "   0d 30m"},    {2.999, "   3d 00m"}, {0.991, "   0d 59m"},
      {1.2, "   1d 12m"}, {0.9917, "   1d 00m"}, {9.9999, "  10d 00m"}};
  for (const auto& [degrees, text] : cases) EXPECT_EQ(MagiDegreesMinutes(degrees), text);
}

TEST(MagiAspectsReport, ChironOutsideItsTablesIsLeftOutAndTheChartIsUntouched) {
  for (const auto& [lon, decl] : {std::pair{0.0, 0.0}, {0.0, 0.25}}) {
    MagiReportChart t;
    // Venus conjunct Chiron; the North Node on the Sun in longitude and declination.
    t.Put(kMagiChiron, lon, decl).Put(kVenus, 359, 0.5).Put(kSun, 200, 22);
    t.chart.ObjectLon[kNorthNode] = 200;
    t.chart.ObjectDecl[kNorthNode] = 22;
    t.chart.ChironAvailable = decl != 0.0;
    const ObjectTable lons = t.chart.ObjectLon, decls = t.chart.ObjectDecl;
    int chiron_lines = 0;
    for (const std::string& line : t.Write()) chiron_lines += line.find("CHIRON") != line.npos;
    EXPECT_EQ(chiron_lines, decl == 0.0 ? 0 : 2) << decl;
    EXPECT_EQ(t.chart.ObjectLon, lons);
    EXPECT_EQ(t.chart.ObjectDecl, decls);
  }
}

}  // namespace
}  // namespace kairotex
