// Where each object's glyph goes: the visiting order, the slots of each house
// and the angle and radius of every glyph. Pure computation; nothing is drawn.
#pragma once

#include <array>

#include "chart/chart_state.h"
#include "chartview/wheel_paint.h"

namespace kairotex::wheel {

// The boxes a planet column steps by: the glyph's, then the digits'.
struct GlyphBoxes {
  int planet_width = 0, planet_height = 0;
  int digit_width = 0, digit_height = 0;
};

// House sizes in degrees, wheel order (index 1 = 10th house).
using HouseSizes = std::array<double, 13>;

// The objects to draw, in the order they are visited, with their houses.
struct VisitOrder {
  std::array<int, ObjectCount> object{};
  std::array<int, ObjectCount> house{};  // 1..12
  int size = 0;
  std::array<int, 13> per_house{};  // objects drawn in each house, 1..12
};

struct PlacedObject {
  int object = 0;
  int house = 0;       // the house the object stands in
  int slot_house = 0;  // the house whose slot it took (the next one when its own is full)
  int slot = 0;
  double angle = 0;   // degrees on the wheel
  double radius = 0;  // of the glyph's corner; the ring's in the declination chart
};

struct Placement {
  std::array<PlacedObject, ObjectCount> placed{};  // in drawing order
  int count = 0;
  std::array<bool, ObjectCount + 1> drawn{};    // by object number
  std::array<double, ObjectCount + 1> angle{};  // drawn angle by object number
};

// Whether a chart of this kind shows the object at all: the declination chart
// leaves out the nodes and the Part of Fortune, the heliocentric one the Moon,
// the nodes, the Part of Fortune and the angles.
bool IsObjectShown(ChartKind kind, int object);

// The shown objects that the chart has and that have a house, in the order of their places round
// the zodiac, with the count per house; the order is turned until its first
// and last entries stand in different houses.
VisitOrder CountObjectsPerHouse(const ChartState& chart, ChartKind kind);

// Angle and radius of every shown object, visiting the order from its start.
// A European glyph just past a spoke moves on until it and its column clear
// the spoke.
Placement PlacePlanets(const WheelPaint& paint, const HouseSizes& sizes, const GlyphBoxes& boxes);

}  // namespace kairotex::wheel
