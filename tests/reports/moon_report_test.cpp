// The second section of the horary basics report, written into the buffer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "moon_test_chart.h"
#include "reports/moon_aspects.h"

namespace kairotex {
namespace {

// The Moon last in its sign, square the Sun by sign but sextile by orb;
// everything else parked at 5 Virgo, a quincunx to the Moon.
test::MoonTestChart VoidMoon() {
  test::MoonTestChart t(155);
  t.Put(kMoon, 29.9, 13).Orb(kMoon, 5).Put(kSun, 91.9, 1).Orb(kSun, 1);
  t.Cusp(4, 350).Nodes(155, 155);
  return t;
}

TEST(MoonReport, PartsThenAspectsBySignThenWithinOrb) {
  const std::vector<std::string> expected = {
      "  05 VIR 00   MEAN NORTH NODE" + std::string(32, ' ') + "05 VIR 00   TRUE NORTH NODE",
      "  20 PIS 00  P of ILLNESS      20 AQU 06  P/DEATH-trad.      15 LIB 00  P of MARRIAGE",
      "  23 TAU 06  P of FATALITY     10 AQU 00  Point of DEATH     22 TAU 00  P.F. - night",
      "",
      "  Moon's Aspects - ",
      "  From - SQUARE SUN  ",
      "  To   - VOID OF COURSE (modern)",
      "",
      "  Moon's Aspects Within Orb",
      "  -------------------------",
      "  MOON      Sextile     APP, sin     SUN        2.0 degree",
  };
  EXPECT_EQ(VoidMoon().Write(WriteMoonAspectsAndParts), expected);
}

TEST(MoonReport, WithinOrbAloneHasItsOwnHeading) {
  const std::vector<std::string> lines = VoidMoon().Write(WriteMoonAspectsWithinOrb);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1], "  Moon's Aspects Within Orb");
}

}  // namespace
}  // namespace kairotex
