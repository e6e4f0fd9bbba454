// Where the glyphs go: slots of the American wheel, the European crowding
// rule, full houses, and the declination chart's sectors.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "chartview/wheel_geometry.h"
#include "chartview/wheel_steps.h"
#include "wheel_test_chart.h"

namespace kairotex::test {
namespace {

struct GlyphPlace {
  int object;
  double angle, radius, x, y;
};

// Every object glyph of the paint, in the planet glyph font.
std::vector<GlyphPlace> GlyphPlaces(const RecordingSurface& surface) {
  std::vector<GlyphPlace> places;
  for (int object = 1; object <= ObjectCount; ++object) {
    for (const DrawnText& t : ObjectGlyphs(surface, object)) {
      places.push_back({object, AngleOf(t.x, t.y), RadiusOf(t.x, t.y), t.x, t.y});
    }
  }
  return places;
}

GlyphPlace PlaceOf(const RecordingSurface& surface, int object) {
  const auto glyphs = ObjectGlyphs(surface, object);
  EXPECT_EQ(glyphs.size(), 1u) << "object " << object;
  if (glyphs.empty()) return {};
  return {object, AngleOf(glyphs[0].x, glyphs[0].y), RadiusOf(glyphs[0].x, glyphs[0].y),
          glyphs[0].x, glyphs[0].y};
}

void ExpectApartAndInsideTheRing(const std::vector<GlyphPlace>& places, double min_gap) {
  for (size_t i = 0; i < places.size(); ++i) {
    EXPECT_GT(places[i].radius, 120) << "object " << places[i].object;
    EXPECT_LT(places[i].radius, 217) << "object " << places[i].object;
    for (size_t j = i + 1; j < places.size(); ++j) {
      EXPECT_GT(std::hypot(places[i].x - places[j].x, places[i].y - places[j].y), min_gap)
          << "objects " << places[i].object << " and " << places[j].object;
    }
  }
}

// A glyph's text (hanging down and to the right of its corner) crosses no
// spoke of the frame: no spoke passes between two of its box's corners.
void ExpectClearOfTheSpokes(const RecordingSurface& surface, const GlyphPlace& glyph) {
  const double width = kCharWidthFactor * 12, height = kLineHeightFactor * 12;
  const wheel::Point corners[] = {{glyph.x, glyph.y},
                                  {glyph.x + width, glyph.y},
                                  {glyph.x, glyph.y - height},
                                  {glyph.x + width, glyph.y - height}};
  for (const DrawnLine& spoke : surface.lines) {
    if (spoke.colour != QBColor(DeliveredProgram().options[102])) continue;
    const double dx = spoke.x2 - spoke.x1, dy = spoke.y2 - spoke.y1;
    double low = 1e9, high = -1e9, along_low = 1e9, along_high = -1e9;
    for (const wheel::Point& c : corners) {
      const double side = (dx * (c.y - spoke.y1) - dy * (c.x - spoke.x1)) / std::hypot(dx, dy);
      low = std::min(low, side);
      high = std::max(high, side);
      const double along = (dx * (c.x - spoke.x1) + dy * (c.y - spoke.y1)) / (dx * dx + dy * dy);
      along_low = std::min(along_low, along);
      along_high = std::max(along_high, along);
    }
    constexpr double kTouch = 0.5;  // units either side
    const bool across = low < -kTouch && high > kTouch && along_high > 0 && along_low < 1;
    EXPECT_FALSE(across) << "object " << glyph.object << " at " << glyph.angle << " spoke at "
                         << AngleOf(spoke.x2, spoke.y2, 0.9675) << " low " << low << " high "
                         << high;
  }
}

TEST(PutPlanetsInChartwheel, ObjectOnACuspTakesTheFirstSlotOfItsHouse) {
  // Equal houses from 10 Aries; Mars is moved onto a cusp (or a hair before it).
  struct Case {
    double position;
    double angle;  // the sector start of the house it opens
  };
  for (const Case& c :
       {Case{10, 180}, Case{100, 272}, Case{190, 4}, Case{280, 95}, Case{100 - 1e-6, 272}}) {
    WheelCase wheel{HandChart(10, {{kMars, c.position}})};
    const RecordingSurface surface = wheel.Paint();
    const GlyphPlace mars = PlaceOf(surface, kMars);
    EXPECT_NEAR(mars.angle, c.angle, 1e-6) << c.position;
    EXPECT_NEAR(mars.radius, DeliveredProgram().tables.RadiusData[static_cast<int>(c.angle)], 1e-6);
  }
}

TEST(PutPlanetsInChartwheel, SingleObjectTakesTheSlotOfItsPlaceInTheHouse) {
  // 4 degree slots from the sector start; 22 degrees into a 30 degree house is slot 5.
  WheelCase wheel{HandChart(10, {{kMars, 122}})};
  EXPECT_NEAR(PlaceOf(wheel.Paint(), kMars).angle, 272 + 5 * 4, 1e-6);
}

TEST(PutPlanetsInChartwheel, CrowdedHousesNeverStackGlyphsNorLeaveTheRing) {
  struct Case {
    int crowded;  // objects 1.. moved into the 1st house
    int16_t style;
  };
  for (const Case& c :
       {Case{7, kAmericanStyle}, Case{8, kAmericanStyle}, Case{9, kAmericanStyle},
        Case{16, kAmericanStyle}, Case{8, kEuropeanStyle}, Case{16, kEuropeanStyle}}) {
    ChartState chart = HandChart(10);
    for (int object = 1; object <= c.crowded; ++object) {
      chart.ObjectPos[object] = 12.0 + 0.5 * object;
    }
    FindHousePositions(chart);
    WheelCase wheel{chart};
    wheel.style = c.style;
    const auto places = GlyphPlaces(wheel.Paint());
    EXPECT_EQ(places.size(), 16u);
    SCOPED_TRACE(testing::Message() << c.crowded << " objects, style " << c.style);
    ExpectApartAndInsideTheRing(places, 10);
  }
}

TEST(PutPlanetsInChartwheel, EighthObjectOfAFullHouseGoesOnToTheNextHousesSlots) {
  ChartState chart = HandChart(10);
  for (int object = 1; object <= 8; ++object) chart.ObjectPos[object] = 12.0 + object;
  FindHousePositions(chart);
  const auto places = GlyphPlaces(WheelCase{chart}.Paint());
  int in_first_sector = 0, in_second_sector = 0;
  for (const GlyphPlace& p : places) {
    if (p.object > 8) continue;
    if (p.angle >= 180 - 1e-6 && p.angle <= 204 + 1e-6) ++in_first_sector;
    if (p.angle >= 209 - 1e-6 && p.angle <= 233 + 1e-6) ++in_second_sector;
  }
  EXPECT_EQ(in_first_sector, 7);
  EXPECT_EQ(in_second_sector, 1);
}

TEST(PutPlanetsInChartwheel, EuropeanGlyphFollowsThePreviousOneWhenCrowded) {
  // Equal houses from 0 Aries: the Descendant at 180 gives longitude 220 the
  // wheel angle 40. Mercury (and Venus, when given) stand just before the
  // Sun; the rest far away.
  struct Case {
    double mercury, venus, sun;
    double sun_angle;
  };
  constexpr double kFar = 100;
  const std::vector<Case> cases = {
      {220, kFar, 222, 44},   // just ahead: one slot past Mercury
      {220, 220.5, 221, 48},  // behind Venus, pushed on by Mercury: one slot past Venus
      {220, kFar, 225, 45},   // a slot ahead: its own place
      {40, kFar, 20, 202},    // lower left: a little further on
  };
  for (const Case& c : cases) {
    ChartState chart = HandChart(0, {{kMercury, c.mercury}, {kVenus, c.venus}, {kSun, c.sun}});
    for (int object = kMars; object <= ObjectCount; ++object) {
      chart.ObjectPos[object] = 60.0 + 5.3 * object;
    }
    FindHousePositions(chart);
    WheelCase wheel{chart};
    wheel.style = kEuropeanStyle;
    const RecordingSurface surface = wheel.Paint();
    EXPECT_NEAR(PlaceOf(surface, kSun).angle, c.sun_angle, 1e-6)
        << "Mercury " << c.mercury << " Sun " << c.sun;
  }
}

TEST(PutPlanetsInChartwheel, EuropeanGlyphJustPastASpokeMovesOnUntilItClearsIt) {
  // Equal houses from 0 Aries, spokes every 30 degrees from the Descendant.
  // Across 0 degrees the Sun would stand one slot past Mercury at 358, at 2,
  // on the Descendant's spoke; just past the 9th cusp it would be moved off
  // the cusp to 122 only. Both move on a few degrees more, no further.
  struct Case {
    double mercury, sun;
    double spoke, crowded_angle;
  };
  for (const Case& c : {Case{178, 181, 0, 2}, Case{40, 300.5, 120, 122}}) {
    ChartState chart = HandChart(0, {{kMercury, c.mercury}, {kSun, c.sun}});
    for (int object = kVenus; object <= ObjectCount; ++object) {
      chart.ObjectPos[object] = 60.0 + 5.3 * object;
    }
    FindHousePositions(chart);
    WheelCase wheel{chart};
    wheel.style = kEuropeanStyle;
    const GlyphPlace sun = PlaceOf(wheel.Paint(), kSun);
    EXPECT_GT(sun.angle, c.crowded_angle) << c.sun;
    EXPECT_LE(sun.angle, c.spoke + 10) << c.sun;
    // The glyph's box, hanging down and to the right of its corner, stays on
    // the spoke's counter-clockwise side.
    const double box_width = 0.6 * 12, box_height = 1.2 * 12;
    const double nx = -SinDeg(c.spoke), ny = CosDeg(c.spoke);
    EXPECT_GT(
        nx * sun.x + ny * sun.y + std::min(0.0, nx * box_width) - std::max(0.0, ny * box_height), 0)
        << c.sun;
  }
}

TEST(PutPlanetsInChartwheel, EuropeanConjunctionOfObjectsDrawnApartIsSpread) {
  // The Sun and the Moon at the same place are not drawn one after the other.
  ChartState chart = HandChart(0, {{kSun, 222}, {kMoon, 222}});
  WheelCase wheel{chart};
  wheel.style = kEuropeanStyle;
  const RecordingSurface surface = wheel.Paint();
  EXPECT_GE(AngleGap(PlaceOf(surface, kSun).angle, PlaceOf(surface, kMoon).angle), 4 - 1e-9);
}

TEST(PutPlanetsInChartwheel, GlyphsOfAHouseKeepTheZodiacalOrderInCastCharts) {
  // Charts every 11 days and 7 hours through a year at London, in both styles:
  // within each house, the glyph of the object further into the house stands
  // further on counter-clockwise, no two glyphs stand on top of each other and
  // no European glyph lies across a spoke.
  ChartSettings settings;
  for (int step = 0; step < 33; ++step) {
    const int day = 1 + (step * 11) % 28, month = 1 + step % 12, hour = (step * 7) % 24;
    const ChartState chart = CastChart(2021, month, day, hour, 0, settings);
    for (const int16_t style : {kAmericanStyle, kEuropeanStyle}) {
      WheelCase wheel{chart};
      wheel.style = style;
      const RecordingSurface surface = wheel.Paint();
      SCOPED_TRACE(testing::Message()
                   << "2021-" << month << "-" << day << " " << hour << "h, style " << style);
      const auto places = GlyphPlaces(surface);
      ExpectApartAndInsideTheRing(places, 9);
      // The European glyphs stand at their own places, which may be next to a
      // spoke; the American ones in sectors laid out beside the spokes.
      if (style == kEuropeanStyle) {
        for (const GlyphPlace& p : places) ExpectClearOfTheSpokes(surface, p);
      }
      for (const GlyphPlace& a : places) {
        for (const GlyphPlace& b : places) {
          const int house = HouseOfObject(chart, a.object);
          if (house != HouseOfObject(chart, b.object)) continue;
          const double cusp = chart.CuspWheel[(house + 2) % 12 + 1];
          // An angle a hair before its cusp (by rounding) stands on it.
          const auto into = [&](int object) {
            const double d = Normalize360(chart.ObjectPos[object] - cusp);
            return d > 360 - 1.0 / 36000 ? 0.0 : d;
          };
          if (into(a.object) >= into(b.object)) continue;
          // b is further into the house: its glyph is less than half a turn on.
          const double on = Normalize360(b.angle - a.angle);
          EXPECT_GT(on, 0) << a.object << " before " << b.object;
          EXPECT_LT(on, 180) << a.object << " before " << b.object;
        }
      }
    }
  }
}

TEST(PutPlanetsInChartwheelDeclination, SectorLayoutWidensWithItsNumberOfObjects) {
  // Objects 1.. moved into the sector from 300 to 330 degrees (the 11th,
  // drawn from 122 degrees); the others spread over other sectors.
  struct Case {
    int count;
    double slot_width;
  };
  for (const Case& c : {Case{3, 7.5}, Case{4, 7.5}, Case{5, 6}, Case{9, 30.0 / 9}}) {
    ChartState chart = DeclinationChart({});
    for (int object = 1; object <= ObjectCount; ++object) {
      chart.ObjectPos[object] = object <= c.count ? 300.5 + object : 10.0 + 20.0 * object;
      if (chart.ObjectPos[object] >= 295 && object > c.count) chart.ObjectPos[object] -= 200;
    }
    FindHousePositions(chart);
    const WheelCase wheel{chart};
    RecordingSurface surface;
    const wheel::WheelPaint paint =
        wheel::MakeWheelPaint(surface, wheel.Inputs(), wheel::kScreenProfile, {}, false);
    const wheel::Placement placement =
        wheel::PlacePlanets(paint, wheel::ComputeHouseSizes(chart.CuspWheel), {});
    std::vector<double> angles;
    for (int object = 1; object <= c.count; ++object) angles.push_back(placement.angle[object]);
    std::sort(angles.begin(), angles.end());
    for (int k = 0; k < c.count; ++k) {
      EXPECT_NEAR(angles[k], 122 + k * c.slot_width, 1e-6) << c.count << " objects, slot " << k;
    }
  }
}

TEST(PutPlanetsInChartwheelDeclination, GlyphsAreLightBlue) {
  const RecordingSurface surface = WheelCase{DeclinationChart({})}.Paint();
  for (int object : {kSun, kMoon, kAscendant, kChiron}) {
    EXPECT_EQ(ObjectGlyphs(surface, object).at(0).colour, QBColor(9)) << object;
  }
}

}  // namespace
}  // namespace kairotex::test
