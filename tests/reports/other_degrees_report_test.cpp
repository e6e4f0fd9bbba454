// The other-degrees report of a hand-built chart, line by line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "moon_test_chart.h"
#include "reports/other_degrees.h"

namespace kairotex {
namespace {

TEST(OtherDegreesReport, EveryLineOfOneChart) {
  test::MoonTestChart t;
  const double planets[] = {0.0, 8.5, 22.5, 149.9, 177.5, 359.9, 98.0, 138.5, 229.5, 298.0};
  for (int i = kSun; i <= kMoon; ++i) t.Put(i, planets[i - 1]);
  // Cusps at 5 degrees of each sign, the 10th in Capricorn.
  for (int i = 1; i <= 12; ++i) t.Cusp(i, (i * 30 + 245) % 360);
  // The wheel's own tables (a heliocentric or declination wheel) are not read.
  t.chart.ObjectPos.fill(200.0);
  t.chart.CuspWheel.fill(200.0);

  const std::vector<std::string> expected = {
      "",
      "                                                     Increasing",
      "  Object            M/F    L/D/S/V   Pitted   Lame    Fortune   Decanate   Dwad",
      "  SUN                M        D        -        -        -        ARI      ARI",
      "  MERCURY            F        D        -        -        -        ARI      CAN",
      "  VENUS              M        V        P        -        -        SAG      CPR",
      "  MARS               M        L        -        -        -        ARI      CAN",
      "  JUPITER            M        V        -        -        -        TAU      LEO",
      "  SATURN             M        D        -        -        -        SCO      AQU",
      "  URANUS             M        L        -        L        -        CAN      LIB",
      "  NEPTUNE            F        S        -        -        I        SAG      PIS",
      "  PLUTO              F        L        -        -        I        PIS      GEM",
      "  MOON               M        D        P        L        -        VIR      SAG",
      "  10TH house cusp    M        D        -        -        -        CPR      PIS",
      "  11TH house cusp    F        L        -        -        -        AQU      ARI",
      "  12TH house cusp    M        D        -        -        -        PIS      TAU",
      "   1ST house cusp    M        L        P        -        -        ARI      GEM",
      "   2ND house cusp    M        L        -        L        -        TAU      CAN",
      "   3RD house cusp    M        D        -        -        -        GEM      LEO",
      "   4TH house cusp    F        L        -        -        -        CAN      VIR",
      "   5TH house cusp    F        D        P        -        -        LEO      LIB",
      "   6TH house cusp    F        L        -        -        -        VIR      SCO",
      "   7TH house cusp    F        D        -        -        -        LIB      SAG",
      "   8TH house cusp    F        L        -        -        -        SCO      CPR",
      "   9TH house cusp    M        L        -        -        -        SAG      AQU",
      "",
      "  M/F = masculine/feminine",
      "  L/D/S/V = light/dark/smoky/void",
  };
  EXPECT_EQ(t.Write(WriteOtherDegrees), expected);
}

}  // namespace
}  // namespace kairotex
