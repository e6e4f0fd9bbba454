// Aspects in the same whole degree to the benefics, the malefics and the
// nodes, scored on the receiving planet's strength.
#include "reports/horary_aspect_points.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "aspects/aspect_codes.h"
#include "horary_test_chart.h"

namespace kairotex {
namespace {

using test::HoraryTestChart;

// Objects 1..16 at distinct whole degrees of their signs (none at 10), so
// that only the objects a test moves to a 10th degree can score.
HoraryTestChart Spread() {
  HoraryTestChart t;
  for (int i = 1; i <= ObjectCount; ++i) t.Put(i, std::fmod(i * 23.0 + 0.5, 360.0));
  for (int planet = kSun; planet <= kMoon; ++planet) t.Orb(planet, 5.0f);
  return t;
}

// Object, caster, aspect and points of each point found.
using Points = std::vector<std::array<int, 4>>;

Points Found(const HoraryTestChart& t) {
  Points found;
  for (const AspectPoint& p : FindAspectPoints(t.chart, t.options))
    found.push_back({p.object, p.caster, p.aspect, p.points});
  return found;
}

TEST(HoraryAspectPoints, WhatTheCasterDoesToMercury) {
  const struct {
    int caster;
    double caster_lon;  // Mercury at 10.5 Aries
    Points expected;
  } cases[] = {
      {kVenus, 10.2, {{kMercury, kVenus, kConjunction, 5}}},
      {kJupiter, 70.2, {{kMercury, kJupiter, kSextile, 3}}},
      {kJupiter, 130.5, {{kMercury, kJupiter, kTrine, 4}}},
      {kJupiter, 100.5, {}},  // a square from a benefic counts for nothing
      {kMars, 10.9, {{kMercury, kMars, kConjunction, -5}}},
      {kMars, 100.5, {{kMercury, kMars, kSquare, -3}}},
      {kSaturn, 190.5, {{kMercury, kSaturn, kOpposition, -4}}},
      {kSaturn, 130.5, {}},  // a trine from a malefic counts for nothing
      {kNorthNode, 10.2, {{kMercury, kNorthNode, kConjunction, 4}}},
      {kSouthNode, 10.2, {{kMercury, kSouthNode, kConjunction, -4}}},
      {kNorthNode, 70.2, {}},  // the nodes count by conjunction only
      {kVenus, 11.2, {}},      // conjunct, but not in the same whole degree
      {kVenus, 40.5, {}},      // same degree, no aspect
  };
  for (const auto& c : cases) {
    HoraryTestChart t = Spread();
    t.Put(kMercury, 10.5).Put(c.caster, c.caster_lon);
    EXPECT_EQ(Found(t), c.expected) << c.caster << " at " << c.caster_lon;
  }
}

TEST(HoraryAspectPoints, BothWaysWhenBothObjectsScore) {
  HoraryTestChart t = Spread();
  t.Put(kVenus, 10.5).Put(kMars, 10.2);
  EXPECT_EQ(Found(t),
            (Points{{kMars, kVenus, kConjunction, 5}, {kVenus, kMars, kConjunction, -5}}));
}

TEST(HoraryAspectPoints, OrbIsTheSumOfBothPlanetsOrbs) {
  HoraryTestChart t = Spread();
  t.Put(kMercury, 10.0).Put(kVenus, 250.9);  // 119.1 apart
  t.Orb(kMercury, 0.4f).Orb(kVenus, 0.4f);
  EXPECT_TRUE(Found(t).empty());
  t.Orb(kMercury, 0.6f);
  EXPECT_EQ(Found(t), (Points{{kMercury, kVenus, kTrine, 4}}));
}

TEST(HoraryAspectPoints, ObjectsWithoutOrbCountThroughTheirPartner) {
  // The Part of Fortune has no orb of its own; Jupiter's carries it.
  HoraryTestChart t = Spread();
  t.Put(kPartOfFortune, 10.5).Put(kJupiter, 10.2);
  EXPECT_EQ(Found(t), (Points{{kPartOfFortune, kJupiter, kConjunction, 5}}));
  t.Orb(kJupiter, 0.0f);
  EXPECT_TRUE(Found(t).empty());
}

}  // namespace
}  // namespace kairotex
