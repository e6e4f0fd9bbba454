// House cusps against Swiss Ephemeris 2.10 (swe_houses_armc) for the same
// RAMC, latitude and obliquity: tests/reference/houses.csv.
#include "chart/house_systems.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "chart/angles.h"
#include "chart/time_angles.h"
#include "test_paths.h"

namespace kairotex {
namespace {

double AngleDiff(double a, double b) {
  return std::fabs(std::remainder(a - b, 360.0));
}

HouseFrame FrameFor(double armc_deg, double lat_deg, double obliquity_deg) {
  HouseFrame f;
  f.ramc = DegToRad(armc_deg);
  f.obliquity = DegToRad(obliquity_deg);
  f.latitude = DegToRad(lat_deg);
  f.mc = MidheavenFromRamc(f.ramc, f.obliquity);
  f.asc = AscendantFromRamc(f.ramc, f.obliquity, f.latitude);
  return f;
}

TEST(HouseSystems, MatchReferenceCuspsInEverySystem) {
  const auto rows = test::ReadCsvRows(test::ReferenceDir() + "/houses.csv");
  ASSERT_GT(rows.size(), 600u);
  int compared = 0;
  for (const auto& row : rows) {
    const double armc = std::stod(row[0]), lat = std::stod(row[1]), obl = std::stod(row[2]);
    const char letter = row[3][0];
    const HouseCusps cusps = HousesForSystem(letter, FrameFor(armc, lat, obl));
    // The program's pi (3.1415926535) and its 1e-05 radian stand-in for the
    // equator limit agreement to about 1e-5 degree; Placidus at the equator and
    // Campanus (whose house angles are offset by a millionth of a degree, which
    // the high latitudes amplify) to about 1e-4.
    const double tolerance = ((letter == 'P' && lat == 0.0) || letter == 'C') ? 2e-4 : 2e-5;
    for (int k = 1; k <= 12; ++k) {
      EXPECT_LT(AngleDiff(cusps[k], std::stod(row[3 + k])), tolerance)
          << "system " << letter << " armc " << armc << " lat " << lat << " cusp " << k;
    }
    ++compared;
  }
  EXPECT_EQ(compared, static_cast<int>(rows.size()));
}

// Beyond the reference: Porphyry and Equal keep the angles exactly, the
// semi-arc iteration settles at high latitude (one more round from its answer
// changes nothing), and an unknown letter is Regiomontanus.
TEST(HouseSystems, ExactAnglesSettledPlacidusAndTheDefault) {
  const HouseFrame f = FrameFor(211.5, 51.5, 23.44);
  const HouseCusps porphyry = PorphyryHouses(f), equal = EqualHouses(f);
  EXPECT_DOUBLE_EQ(porphyry[10], Normalize360(f.mc));
  EXPECT_DOUBLE_EQ(porphyry[4], Normalize360(f.mc + 180.0));
  EXPECT_DOUBLE_EQ(porphyry[1], f.asc);
  EXPECT_NEAR(equal[10], Normalize360(f.asc + 270.0), 1e-9);
  for (double lat : {60.0, 63.0, 66.0}) {
    const HouseFrame high = FrameFor(75.0, lat, 23.44);
    const double cusp = PlacidusCusp(high.ramc + DegToRad(30.0), 3.0, true, high);
    EXPECT_NEAR(PlacidusCusp(DegToRad(cusp), 3.0, true, high), cusp, 1e-8) << lat;
  }
  EXPECT_EQ(HousesForSystem('X', f), RegiomontanusHouses(f));
}

}  // namespace
}  // namespace kairotex
