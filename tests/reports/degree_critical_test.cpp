// Critical degrees: the bands of each quarter of the zodiac and the line.
#include <gtest/gtest.h>

#include "moon_test_chart.h"
#include "reports/critical_degrees.h"
#include "reports/critical_degrees_text.h"

namespace kairotex {
namespace {

TEST(DegreeCritical, BandsRepeatInEveryQuarter) {
  const struct {
    double lon;
    bool critical;
  } cases[] = {
      {12.4, true},     {13.4, false},   {102.4, true},  // 12.4 Cancer: cardinal
      {192.4, true},    {282.4, true},   {42.4, false},  // 12.4 Taurus: a fixed sign
      {0.0, true},      {0.5, true},     {0.51, false},    {89.49, false},    {89.5, true},
      {359.9, true},    {12.357, true},  {12.356, false},  {13.357, true},    {13.358, false},
      {25.214, true},   {26.215, false}, {38.071, true},   {39.071, true},    {50.92857, true},
      {50.9285, false}, {64.7857, true}, {64.7858, false}, {76.642857, true}, {77.642857, true},
      {77.643, false},  {45.0, false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsCriticalDegree(c.lon), c.critical) << c.lon;
}

TEST(DegreeCritical, OnlyTheTenPlanetsCount) {
  test::MoonTestChart t(45);
  t.Put(kSun, 12.4).Put(kMoon, 90.2).Put(kPartOfFortune, 0.0).Put(kAscendant, 12.4);
  EXPECT_EQ(CriticalObjects(t.chart), (std::vector<int>{kSun, kMoon}));
}

TEST(DegreeCritical, LineListsThePaddedNames) {
  test::MoonTestChart t(45);
  EXPECT_EQ(CriticalDegreesLine(t.chart, {}), "  In Critical Degrees:  ");
  EXPECT_EQ(CriticalDegreesLine(t.chart, {kSun, kMoon}),
            "  In Critical Degrees:  SUN       MOON      ");
}

}  // namespace
}  // namespace kairotex
