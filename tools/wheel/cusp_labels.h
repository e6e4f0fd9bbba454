// Places of the American wheel's twelve cusp labels (HCDATA.DAT): for each
// wheel position (1 = 10th cusp at the top, then counter-clockwise) five
// text items: tens and units of the degree, the sign glyph, tens and units of
// the minutes, each placed by its top-left corner.
#pragma once

#include <array>

#include "wheel/wheel_shapes.h"

namespace kairotex::tools::wheel {

inline constexpr int kWheelPositions = 12;
inline constexpr int kLabelItems = 5;

struct CuspLabel {
  double cusp_angle = 0;
  bool inside_ring = false;                  // placed inside the outer circle
  std::array<Point, kLabelItems> anchors{};  // whole drawing units
  std::array<Box, kLabelItems> cells{};
  Box box;  // all five cells
};

// Angle of the spoke of a wheel position 1..12.
double CuspAngle(int wheel_position);

// The items' text cells for the given anchors.
std::array<Box, kLabelItems> LabelCells(const std::array<Point, kLabelItems>& anchors);

// The usable drawing area: the screen window and the printed page together.
Box DrawingArea();

// Each label goes just outside the outer circle on the line of its spoke, as
// one row "dd<sign>mm"; where the row leaves the drawing area, as a narrow
// stack of degrees over sign over minutes; where neither fits (above and
// below the wheel), as a row inside the ring, beside the spoke in the house
// the cusp opens.
std::array<CuspLabel, kWheelPositions> LayOutCuspLabels();

}  // namespace kairotex::tools::wheel
