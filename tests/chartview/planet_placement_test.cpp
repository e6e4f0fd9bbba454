// Where the glyphs go (slots of the American wheel, the European crowding
// rule, full houses, the declination chart's sectors, the heliocentric
// chart's objects) and a planet's column of degree, sign and minutes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "chartview/wheel_paint.h"
#include "chartview/wheel_steps.h"
#include "wheel_test_chart.h"

namespace kairotex::test {
namespace {

struct GlyphPlace {
  int object;
  double angle, radius, x, y;
};

GlyphPlace Place(int object, const DrawnText& t) {
  return {object, AngleOf(t.x, t.y), RadiusOf(t.x, t.y), t.x, t.y};
}

// Every object glyph of the paint, in the planet glyph font.
std::vector<GlyphPlace> GlyphPlaces(const RecordingSurface& surface) {
  std::vector<GlyphPlace> places;
  for (int object = 1; object <= ObjectCount; ++object) {
    for (const DrawnText& t : ObjectGlyphs(surface, object)) places.push_back(Place(object, t));
  }
  return places;
}

GlyphPlace PlaceOf(const RecordingSurface& surface, int object) {
  const auto glyphs = ObjectGlyphs(surface, object);
  EXPECT_EQ(glyphs.size(), 1u) << "object " << object;
  return glyphs.empty() ? GlyphPlace{} : Place(object, glyphs[0]);
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

// A glyph's text (hanging down and to the right of its corner) lies across
// no spoke of the frame: no spoke passes between two of its box's corners.
void ExpectClearOfTheSpokes(const RecordingSurface& surface, const GlyphPlace& g) {
  for (const DrawnLine& s : surface.LinesOfColour(QBColor(DeliveredProgram().options[102]))) {
    const double dx = s.x2 - s.x1, dy = s.y2 - s.y1, length = std::hypot(dx, dy);
    double low = 1e9, high = -1e9, near = 1e9, far = -1e9;
    for (const double x : {g.x, g.x + kCharWidthFactor * 12}) {
      for (const double y : {g.y, g.y - kLineHeightFactor * 12}) {
        const double side = (dx * (y - s.y1) - dy * (x - s.x1)) / length;
        const double along = (dx * (x - s.x1) + dy * (y - s.y1)) / (length * length);
        low = std::min(low, side), high = std::max(high, side);
        near = std::min(near, along), far = std::max(far, along);
      }
    }
    EXPECT_FALSE(low < -0.5 && high > 0.5 && far > 0 && near < 1)
        << "object " << g.object << " at " << g.angle << " spoke at "
        << AngleOf(s.x2, s.y2, 0.9675);
  }
}

TEST(PutPlanetsInChartwheel, SingleObjectTakesTheSlotOfItsPlaceInItsHouse) {
  // Equal houses from 10 Aries; Mars is moved onto a cusp (or a hair before
  // it) and takes the first slot of the house it opens, or into a house.
  struct Case {
    double position;
    double angle;
  };
  // 4 degree slots from the sector start; 22 degrees into a 30 degree house is slot 5.
  for (const Case& c : {Case{10, 180}, Case{100, 272}, Case{190, 4}, Case{280, 95},
                        Case{100 - 1e-6, 272}, Case{122, 272 + 5 * 4}}) {
    const GlyphPlace mars = PlaceOf(WheelCase{HandChart(10, {{kMars, c.position}})}.Paint(), kMars);
    EXPECT_NEAR(mars.angle, c.angle, 1e-6) << c.position;
    EXPECT_NEAR(mars.radius, DeliveredProgram().tables.RadiusData[static_cast<int>(c.angle)], 1e-6);
  }
}

TEST(PutPlanetsInChartwheel, CrowdedHousesNeverStackGlyphsNorLeaveTheRing) {
  for (const int16_t style : {kAmericanStyle, kEuropeanStyle}) {
    for (const int crowded : {7, 8, 9, 16}) {  // objects 1.. moved into the 1st house
      ChartState chart = HandChart(10);
      for (int object = 1; object <= crowded; ++object) chart.ObjectPos[object] = 12 + 0.5 * object;
      FindHousePositions(chart);
      const auto places = GlyphPlaces(WheelCase{chart}.Style(style).Paint());
      SCOPED_TRACE(testing::Message() << crowded << " objects, style " << style);
      EXPECT_EQ(places.size(), 16u);
      ExpectApartAndInsideTheRing(places, 10);
    }
  }
}

TEST(PutPlanetsInChartwheel, EighthObjectOfAFullHouseGoesOnToTheNextHousesSlots) {
  ChartState chart = HandChart(10);
  for (int object = 1; object <= 8; ++object) chart.ObjectPos[object] = 12.0 + object;
  FindHousePositions(chart);
  int in_first_sector = 0, in_second_sector = 0;
  for (const GlyphPlace& p : GlyphPlaces(WheelCase{chart}.Paint())) {
    if (p.object > 8) continue;
    in_first_sector += p.angle >= 180 - 1e-6 && p.angle <= 204 + 1e-6;
    in_second_sector += p.angle >= 209 - 1e-6 && p.angle <= 233 + 1e-6;
  }
  EXPECT_EQ(in_first_sector, 7);
  EXPECT_EQ(in_second_sector, 1);
}

// A European wheel of equal houses from 0 Aries (the Descendant at 180
// gives longitude 220 the wheel angle 40) with the objects from `far_from` on
// spread far from the moved ones.
RecordingSurface EuropeanPaint(std::initializer_list<std::pair<int, double>> moved, int far_from) {
  ChartState chart = HandChart(0, moved);
  for (int object = far_from; object <= ObjectCount; ++object) {
    chart.ObjectPos[object] = 60.0 + 5.3 * object;
  }
  FindHousePositions(chart);
  return WheelCase{chart}.Style(kEuropeanStyle).Paint();
}

TEST(PutPlanetsInChartwheel, EuropeanGlyphFollowsThePreviousOneWhenCrowded) {
  struct Case {
    double mercury, venus, sun;
    double sun_angle;
  };
  constexpr double kFar = 100;
  const Case cases[] = {
      {220, kFar, 222, 44},   // just ahead: one slot past Mercury
      {220, 220.5, 221, 48},  // behind Venus, pushed on by Mercury: one slot past Venus
      {220, kFar, 225, 45},   // a slot ahead: its own place
      {40, kFar, 20, 202}     // lower left: a little further on
  };
  for (const Case& c : cases) {
    const RecordingSurface surface =
        EuropeanPaint({{kMercury, c.mercury}, {kVenus, c.venus}, {kSun, c.sun}}, kMars);
    EXPECT_NEAR(PlaceOf(surface, kSun).angle, c.sun_angle, 1e-6)
        << "Mercury " << c.mercury << " Sun " << c.sun;
  }
  // The Sun and the Moon at the same place are not drawn one after the other.
  const RecordingSurface conjunction = EuropeanPaint({{kSun, 222}, {kMoon, 222}}, ObjectCount + 1);
  EXPECT_GE(AngleGap(PlaceOf(conjunction, kSun).angle, PlaceOf(conjunction, kMoon).angle),
            4 - 1e-9);
}

TEST(PutPlanetsInChartwheel, EuropeanGlyphJustPastASpokeMovesOnUntilItClearsIt) {
  // Across 0 degrees the Sun would stand one slot past Mercury at 358, at 2,
  // on the Descendant's spoke; just past the 9th cusp it would be moved off
  // the cusp to 122 only. Both move on a few degrees more, no further.
  struct Case {
    double mercury, sun;
    double spoke, crowded_angle;
  };
  for (const Case& c : {Case{178, 181, 0, 2}, Case{40, 300.5, 120, 122}}) {
    const GlyphPlace sun =
        PlaceOf(EuropeanPaint({{kMercury, c.mercury}, {kSun, c.sun}}, kVenus), kSun);
    EXPECT_GT(sun.angle, c.crowded_angle) << c.sun;
    EXPECT_LE(sun.angle, c.spoke + 10) << c.sun;
    // The glyph's box stays on the spoke's counter-clockwise side.
    const double nx = -SinDeg(c.spoke), ny = CosDeg(c.spoke);
    EXPECT_GT(nx * sun.x + ny * sun.y + std::min(0.0, nx * kCharWidthFactor * 12) -
                  std::max(0.0, ny * kLineHeightFactor * 12),
              0)
        << c.sun;
  }
}

TEST(PutPlanetsInChartwheel, GlyphsOfAHouseKeepTheZodiacalOrderInCastCharts) {
  // Charts every 11 days and 7 hours through a year at London, in both styles:
  // within each house, the glyph of the object further into the house stands
  // further on counter-clockwise, no two glyphs stand on top of each other and
  // no European glyph lies across a spoke (American ones stand in sectors
  // laid out beside the spokes).
  ChartSettings settings;
  for (int step = 0; step < 33; ++step) {
    const int day = 1 + (step * 11) % 28, month = 1 + step % 12, hour = (step * 7) % 24;
    const ChartState chart = CastChart(2021, month, day, hour, 0, settings);
    for (const int16_t style : {kAmericanStyle, kEuropeanStyle}) {
      const RecordingSurface surface = WheelCase{chart}.Style(style).Paint();
      SCOPED_TRACE(testing::Message()
                   << "2021-" << month << "-" << day << " " << hour << "h, style " << style);
      const auto places = GlyphPlaces(surface);
      ExpectApartAndInsideTheRing(places, 9);
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
    std::vector<double> angles(placement.angle.begin() + 1, placement.angle.begin() + 1 + c.count);
    std::sort(angles.begin(), angles.end());
    for (int k = 0; k < c.count; ++k) {
      EXPECT_NEAR(angles[k], 122 + k * c.slot_width, 1e-6) << c.count << " objects, slot " << k;
    }
  }
}

TEST(HeliocentricChart, EarthStandsInTheSunsPlaceAndTheMoonNodesPartAndAnglesAreLeftOut) {
  ChartSettings settings = ChartSettings::ForHouseSystem('P');
  settings.HelioChart = true;
  ChartState chart = CastChart(2024, 3, 14, 15, 30, settings);
  // Retrograde as seen from the Earth: seen from the Sun no planet turns back.
  chart.RetroFlags[kMars - 1] = 'R';
  ASSERT_TRUE(chart.ChartHeading[1].ends_with(" - heliocentric"));
  for (int16_t style : {kAmericanStyle, kEuropeanStyle}) {
    const RecordingSurface surface = WheelCase{chart}.Style(style).Paint();
    // The Earth takes the Part of Fortune's glyph: one of them, and no Part.
    EXPECT_EQ(surface.TextsOfCode(236).size(), 1u) << "the Earth, style " << style;
    for (int object = 1; object <= ObjectCount; ++object) {
      if (object == kPartOfFortune) continue;
      const bool shown = (object >= kMercury && object <= kPluto) || object == kChiron;
      EXPECT_EQ(ObjectGlyphs(surface, object).size(), shown ? 1u : 0u) << object << " " << style;
    }
    EXPECT_TRUE(surface.TextsOfCode(156).empty()) << "no retrograde mark, style " << style;
  }
}

// Planet glyphs 12.5, degrees 9.5, sign glyphs 10.5, minutes 7.5 and
// retrograde marks 6.5: sizes that nothing else of the wheel uses.
WheelCase ColumnCase(ChartState chart) {
  WheelCase wheel{std::move(chart)};
  wheel.Set({{72, 12.5f}, {73, 9.5f}, {74, 10.5f}, {75, 7.5f}, {76, 6.5f}, {117, 14}});
  // Colours: glyph 1, degree 0, sign 4, minutes 8, retrograde mark 5, applying Moon 2.
  return wheel.Set({{92, 1}, {93, 0}, {94, 4}, {95, 8}, {96, 5}, {118, 2}});
}

// An object's glyph and the three texts that follow it.
std::vector<DrawnText> ColumnOf(const RecordingSurface& surface, int object) {
  for (size_t i = 0; i + 3 < surface.texts.size(); ++i) {
    if (surface.texts[i].text == std::string(1, static_cast<char>(223 + object))) {
      return {surface.texts.begin() + static_cast<long>(i),
              surface.texts.begin() + static_cast<long>(i) + 4};
    }
  }
  ADD_FAILURE() << "no glyph of object " << object;
  return {};
}

TEST(DrawPlanetColumn, DegreeSignAndMinutesRunFromTheGlyphTowardsTheCentre) {
  // Mars at 5 Taurus 30 in the 2nd house: degrees first.
  const auto column = ColumnOf(ColumnCase(HandChart(10, {{kMars, 35.5}})).Paint(), kMars);
  ASSERT_EQ(column.size(), 4u);
  const std::string texts[] = {{char(223 + kMars)}, "05", {char(191 + 2)}, "30"};
  const double sizes[] = {12.5, 9.5, 10.5, 7.5};
  const bool bold[] = {false, true, false, false};
  const int colours[] = {1, 0, 4, 8};
  for (size_t k = 0; k < 4; ++k) {
    EXPECT_EQ(column[k].text, texts[k]) << k;
    EXPECT_EQ(column[k].font.size_points, sizes[k]) << k;
    EXPECT_EQ(column[k].font.bold, bold[k]) << k;
    EXPECT_EQ(column[k].colour, QBColor(colours[k])) << k;
    if (k > 0) {
      EXPECT_LT(RadiusOf(column[k].x, column[k].y), RadiusOf(column[k - 1].x, column[k - 1].y));
    }
  }
}

TEST(DrawPlanetColumn, SideOfTheWheelDecidesWhetherDegreesOrMinutesComeFirst) {
  // Equal houses from 10 Aries; Mars moved to 15 degrees into a house.
  struct Case {
    int house;
    float option28;
    int16_t style;
    bool degrees_first;
  };
  // The European cases at wheel angles 285, 105 and 45.
  // clang-format off
  const Case cases[] = {
      {1, 0, kAmericanStyle, true}, {3, 0, kAmericanStyle, true}, {4, 0, kAmericanStyle, false},
      {9, 0, kAmericanStyle, false}, {10, 0, kAmericanStyle, true}, {12, 0, kAmericanStyle, true},
      {3, 1, kAmericanStyle, false}, {9, 1, kAmericanStyle, true}, {4, 1, kEuropeanStyle, false},
      {11, 0, kEuropeanStyle, true}, {8, 0, kEuropeanStyle, false}};
  // clang-format on
  for (const Case& c : cases) {
    WheelCase wheel = ColumnCase(HandChart(10, {{kMars, 10 + 30.0 * (c.house - 1) + 15}}));
    const auto column = ColumnOf(wheel.Style(c.style).Set({{28, c.option28}}).Paint(), kMars);
    ASSERT_EQ(column.size(), 4u);
    EXPECT_EQ(column[1].font.size_points, c.degrees_first ? 9.5 : 7.5)
        << "house " << c.house << " option 28 " << c.option28 << " style " << c.style;
  }
}

TEST(DrawPlanetColumn, ApplyingMoonIsBoldAndRetrogradeMarksFollowPlanetsOnly) {
  ChartState chart = HandChart(10);
  chart.RetroFlags = std::string(ObjectCount, ' ');
  chart.RetroFlags[kMars - 1] = 'R';
  chart.RetroFlags[kNorthNode - 1] = 'R';
  for (int16_t applies : {0, 1}) {
    chart.MoonAppliesFlag = applies;
    const RecordingSurface surface = ColumnCase(chart).Paint();
    const auto moon = ObjectGlyphs(surface, kMoon);
    ASSERT_EQ(moon.size(), 1u);
    EXPECT_EQ(moon[0].font.bold, applies == 1);
    EXPECT_EQ(moon[0].font.size_points, applies == 1 ? 14 : 12.5);
    EXPECT_EQ(moon[0].colour, applies == 1 ? QBColor(2) : QBColor(1));
    const auto marks = surface.TextsOfCode(156);
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0].font.size_points, 6.5);
    EXPECT_EQ(marks[0].colour, QBColor(5));
    const auto mars = ColumnOf(surface, kMars);
    ASSERT_EQ(mars.size(), 4u);
    EXPECT_LT(RadiusOf(marks[0].x, marks[0].y), RadiusOf(mars[3].x, mars[3].y));
  }
}

TEST(ComputeGlyphBoxes, LargeMinuteFontsShrinkTheDigitBoxByThree) {
  // Measured in a 12 point planet font: glyph and digit 7.2 wide, 14.4 high.
  struct Case {
    float minute_size;
    int digit_height;
  };
  for (const wheel::WheelProfile* profile : {&wheel::kScreenProfile, &wheel::kPrinterProfile}) {
    for (const Case& c : {Case{8, 14}, Case{8.9f, 14}, Case{9, 11}, Case{12, 11}}) {
      WheelCase wheel_case{HandChart(10)};
      wheel_case.Set(
          {{profile->planet_minute_size, c.minute_size}, {profile->digit_box_width_margin, 1}});
      wheel_case.Set(
          {{profile->planet_box_width_margin, 2}, {profile->planet_box_height_margin, 3}});
      wheel_case.options[profile->digit_box_height_margin] = 0;
      RecordingSurface surface;
      surface.SetFont(FontSpec{"HORARY", 12, false});
      const wheel::GlyphBoxes boxes = wheel::ComputeGlyphBoxes(
          wheel::MakeWheelPaint(surface, wheel_case.Inputs(), *profile, {}, false));
      EXPECT_EQ(boxes.planet_width, 9);
      EXPECT_EQ(boxes.planet_height, 17);
      EXPECT_EQ(boxes.digit_width, 8);
      EXPECT_EQ(boxes.digit_height, c.digit_height) << c.minute_size;
    }
  }
}

}  // namespace
}  // namespace kairotex::test
