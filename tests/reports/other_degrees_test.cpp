// The degree tables, decanates and dwads of single longitudes.
#include "reports/other_degrees.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>

namespace kairotex {
namespace {

using Column = char DegreeClass::*;

// One interval [low, high) of a table: its letter from low up to just below
// high, and the letters of its neighbours just below low and at high.
struct Bound {
  Column column;
  double low, high;
  char inside, below, at_high;
};

TEST(OtherDegrees, EveryTableAtItsIntervalBounds) {
  const Column mf = &DegreeClass::masculine_feminine, ldsv = &DegreeClass::light_dark,
               pitted = &DegreeClass::pitted, lame = &DegreeClass::lame,
               fortune = &DegreeClass::fortune;
  const Bound bounds[] = {
      {mf, 8, 9, 'F', 'M', 'M'},          {mf, 15, 22, 'F', 'M', 'M'},
      {mf, 100, 102, 'F', 'M', 'M'},      {mf, 327, 330, 'F', 'M', 'M'},
      {mf, 353, 358, 'F', 'M', 'M'},      {ldsv, 0, 3, 'D', ' ', 'L'},
      {ldsv, 20, 24, 'V', 'L', 'L'},      {ldsv, 108, 110, 'S', 'V', 'L'},
      {ldsv, 239, 240, 'D', 'V', 'L'},    {ldsv, 358, 360, 'D', 'L', ' '},
      {pitted, 5, 6, 'P', '-', '-'},      {pitted, 22, 23, 'P', '-', '-'},
      {pitted, 134, 135, 'P', '-', '-'},  {pitted, 141, 143, 'P', '-', '-'},
      {pitted, 356, 358, 'P', '-', '-'},  {lame, 35, 40, 'L', '-', '-'},
      {lame, 98, 105, 'L', '-', '-'},     {lame, 317, 319, 'L', '-', '-'},
      {fortune, 18, 19, 'I', '-', '-'},   {fortune, 281, 284, 'I', '-', '-'},
      {fortune, 349, 350, 'I', '-', '-'},
  };
  for (const Bound& b : bounds) {
    EXPECT_EQ(ClassifyDegree(b.low).*b.column, b.inside) << b.low;
    EXPECT_EQ(ClassifyDegree(b.high - 0.001).*b.column, b.inside) << b.high;
    EXPECT_EQ(ClassifyDegree(b.low - 0.001).*b.column, b.below) << b.low;
    EXPECT_EQ(ClassifyDegree(b.high).*b.column, b.at_high) << b.high;
  }
}

// The bounds are whole degrees, so counting the middles of the 360 degrees
// checks every interval of a table at once.
TEST(OtherDegrees, WholeDegreesPerLetter) {
  const std::pair<Column, std::map<char, int>> cases[] = {
      {&DegreeClass::masculine_feminine, {{'F', 166}, {'M', 194}}},
      {&DegreeClass::light_dark, {{'D', 97}, {'L', 163}, {'S', 33}, {'V', 67}}},
      {&DegreeClass::pitted, {{'-', 299}, {'P', 61}}},
      {&DegreeClass::lame, {{'-', 332}, {'L', 28}}},
      {&DegreeClass::fortune, {{'-', 337}, {'I', 23}}},
  };
  for (const auto& [column, expected] : cases) {
    std::map<char, int> counted;
    for (int d = 0; d < 360; ++d) ++counted[ClassifyDegree(d + 0.5).*column];
    EXPECT_EQ(counted, expected);
  }
}

// 0, 8.5, 22.5, 149.9, 177.5 and 359.9 are read whole in the report's test.
TEST(OtherDegrees, WholeClassOfChosenPoints) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::pair<double, DegreeClass> cases[] = {
      {20.0, {'F', 'V', '-', '-', '-', 9, 9}},
      {23.0, {'M', 'V', '-', '-', '-', 9, 10}},
      {179.9, {'M', 'V', '-', '-', '-', 2, 5}},
      // Off the circle the tables give nothing; the signs are those on it.
      {360.0, {' ', ' ', '-', '-', '-', 1, 1}},
      {365.5, {' ', ' ', '-', '-', '-', 1, 3}},
      {-0.1, {' ', ' ', '-', '-', '-', 8, 11}},
      {nan, {' ', ' ', '-', '-', '-', 1, 1}},
  };
  for (const auto& [lon, expected] : cases) EXPECT_EQ(ClassifyDegree(lon), expected) << lon;
}

TEST(OtherDegrees, DecanatesAndDwadsWrapPastPisces) {
  const struct {
    double lon;
    int decanate, dwad;
  } cases[] = {
      {0.0, 1, 1},    {2.49, 1, 1},   {2.5, 1, 2},   {9.99, 1, 4},    {10.0, 5, 5},   {20.0, 9, 9},
      {29.99, 9, 12}, {252.5, 1, 2},  {297.5, 6, 9}, {330.0, 12, 12}, {332.5, 12, 1}, {340.0, 4, 4},
      {350.0, 8, 8},  {357.5, 8, 11}, {370.0, 5, 5}, {-1e-20, 1, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DecanateSign(c.lon), c.decanate) << c.lon;
    EXPECT_EQ(DwadSign(c.lon), c.dwad) << c.lon;
  }
}

}  // namespace
}  // namespace kairotex
