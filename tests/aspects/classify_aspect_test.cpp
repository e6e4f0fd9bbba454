// The aspect rule and the parallel rule at their edges.
#include "aspects/classify_aspect.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "aspects/parallels.h"

namespace kairotex {
namespace {

// Orbs by orb file line; lines not named are 0.
OrbTable Orbs(std::initializer_list<std::pair<int, float>> lines) {
  OrbTable orbs{};
  for (auto [line, orb] : lines) orbs[line] = orb;
  return orbs;
}

struct Case {
  const char* name;
  double a, b;
  OrbTable orbs;
  int code;
};

void ExpectCodes(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(ClassifyAspect(c.a, c.b, c.orbs), c.code) << c.name;
    EXPECT_EQ(ClassifyAspect(c.b, c.a, c.orbs), c.code) << c.name << " (swapped)";
  }
}

TEST(ClassifyAspect, SeparationIsTheShorterArc) {
  ExpectCodes({
      {"359 and 1 are 2 apart", 359, 1, Orbs({{1, 2}, {5, 10}}), kConjunction},
      {"350 and 10 are 20 apart", 350, 10, Orbs({{1, 19.5f}}), kNoAspect},
      {"300 and 60 are 120 apart", 300, 60, Orbs({{4, 0}}), kTrine},
      {"0 and 180", 0, 180, Orbs({}), kOpposition},
  });
}

TEST(ClassifyAspect, WhereOrbsOverlapTheLaterTestWins) {
  ExpectCodes({
      {"wide semisextile", 28, 0, Orbs({{7, 3}}), kSemisextile},
      {"conjunction beats semiquintile", 11.5, 0, Orbs({{1, 12}, {11, 25}}), kConjunction},
      {"nonagen beats semisquare", 45, 0, Orbs({{8, 1}, {12, 6}}), kNonagen},
      {"semisextile beats wide opposition", 30, 0, Orbs({{5, 150}, {7, 1}}), kSemisextile},
      {"opposition beats wide trine", 170, 0, Orbs({{4, 60}, {5, 10}}), kOpposition},
      {"septile beats biquintile", 100, 0, Orbs({{15, 50}, {16, 50}}), kSeptile},
      {"conjunction beats septile", 0, 0, Orbs({{16, 60}}), kConjunction},
      {"the parallel orb plays no part", 10, 0, Orbs({{6, 180}}), kNoAspect},
  });
}

TEST(ClassifyAspect, AllOrbsZeroFindsOnlyExactAngles) {
  const OrbTable zero{};
  ExpectCodes({
      {"conjunction", 17, 17, zero, kConjunction},
      {"sextile", 60, 0, zero, kSextile},
      {"quincunx", 150, 0, zero, kQuincunx},
      {"tredecile", 108, 0, zero, kTredecile},
      {"septile as a double", 360.0 / 7.0, 0, zero, kSeptile},
      {"septile rounded", 51.43, 0, zero, kNoAspect},
      {"rounds to 60 as a float", 60.0000001, 0, zero, kSextile},
      {"one float step off 60", 60.00001, 0, zero, kNoAspect},
  });
}

TEST(ClassifyAspect, BoundsAreInclusiveIn32BitFloats) {
  // 60 + 0.1f is 60.0999985 in float, 60 + 0.2f is 60.2000008, 60 - 0.2f 59.7999992.
  ExpectCodes({
      {"lower bound", 58, 0, Orbs({{2, 2}}), kSextile},
      {"upper bound", 62, 0, Orbs({{2, 2}}), kSextile},
      {"below lower bound", 57.99, 0, Orbs({{2, 2}}), kNoAspect},
      {"60.1 rounds onto the bound", 60.1, 0, Orbs({{2, 0.1f}}), kSextile},
      {"just past 60 + 0.1f", 60.1000015, 0, Orbs({{2, 0.1f}}), kNoAspect},
      {"float upper bound above 60.2", 60.20000076, 0, Orbs({{2, 0.2f}}), kSextile},
      {"float lower bound below 59.8", 59.79999924, 0, Orbs({{2, 0.2f}}), kSextile},
      {"opposition lower bound", 175, 0, Orbs({{5, 5}}), kOpposition},
      {"below opposition bound", 174.9, 0, Orbs({{5, 5}}), kNoAspect},
      {"conjunction bound", 3, 0, Orbs({{1, 3}}), kConjunction},
  });
}

TEST(Parallels, DeclinationsOfEqualSizeWithinTheOrb) {
  const OrbTable orbs = Orbs({{6, 1}});
  const struct {
    double p, q;
    bool parallel, contraparallel;
  } cases[] = {
      {10, 10.5, true, false}, {10, -10.5, true, true}, {-10, -11, true, false},
      {0, 0, true, false},     {0, -0.5, true, true},   {10, 11.01, false, false},
      {-3, 5, false, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsParallel(c.p, c.q, orbs), c.parallel) << c.p << " " << c.q;
    EXPECT_EQ(IsParallel(c.q, c.p, orbs), c.parallel) << c.q << " " << c.p;
    EXPECT_EQ(IsContraparallel(c.p, c.q), c.contraparallel) << c.p << " " << c.q;
    EXPECT_EQ(IsContraparallel(c.q, c.p), c.contraparallel) << c.q << " " << c.p;
  }
  EXPECT_TRUE(IsParallel(5, 5, Orbs({})));
  // The difference 0.100000005 exceeds 0.1f but rounds to it as a float.
  EXPECT_TRUE(IsParallel(5, 5.100000005, Orbs({{6, 0.1f}})));
  EXPECT_FALSE(IsParallel(5, 5.10000001, Orbs({{6, 0.1f}})));
}

}  // namespace
}  // namespace kairotex
