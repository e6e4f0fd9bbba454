#include "wheel/cusp_labels.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <string>

#include "wheel/wheel_geometry.h"

namespace kairotex::tools::wheel {

namespace {

struct ItemSize {
  double width;
  double height;
};

constexpr std::array<ItemSize, kLabelItems> kItemSizes = {{
    {kDegreeDigitWidth, kLabelHeight},
    {kDegreeDigitWidth, kLabelHeight},
    {kSignGlyphWidth, kLabelHeight},
    {kMinuteDigitWidth, kMinuteHeight},
    {kMinuteDigitWidth, kMinuteHeight},
}};

// Item anchors relative to the label's top-left corner.
using Shape = std::array<Point, kLabelItems>;

Shape RowShape() {
  const double sign_x = 2 * kDegreeDigitWidth + kLabelSpacing;
  const double minutes_x = sign_x + kSignGlyphWidth + kLabelSpacing;
  return {{{0, 0},
           {kDegreeDigitWidth, 0},
           {sign_x, 0},
           {minutes_x, -kMinuteDrop},
           {minutes_x + kMinuteDigitWidth, -kMinuteDrop}}};
}

Shape StackShape() {
  const double width = 2 * kDegreeDigitWidth;
  const double sign_y = -(kLabelHeight + kLabelSpacing);
  const double minutes_y = 2 * sign_y;
  const double minutes_x = std::floor((width - 2 * kMinuteDigitWidth) / 2);
  return {{{0, 0},
           {kDegreeDigitWidth, 0},
           {std::floor((width - kSignGlyphWidth) / 2), sign_y},
           {minutes_x, minutes_y},
           {minutes_x + kMinuteDigitWidth, minutes_y}}};
}

std::array<Point, kLabelItems> Place(const Shape& shape, Point top_left) {
  std::array<Point, kLabelItems> anchors{};
  for (int k = 0; k < kLabelItems; ++k) {
    anchors[k] = {top_left.x + shape[k].x, top_left.y + shape[k].y};
  }
  return anchors;
}

Box BoxOf(const std::array<Point, kLabelItems>& anchors) {
  const auto cells = LabelCells(anchors);
  Box box = cells[0];
  for (const Box& cell : cells) box = Union(box, cell);
  return box;
}

bool Within(const Box& box, const Box& area) {
  return box.left >= area.left && box.right <= area.right && box.bottom >= area.bottom &&
         box.top <= area.top;
}

CuspLabel Finish(double angle, bool inside, const std::array<Point, kLabelItems>& anchors) {
  CuspLabel label;
  label.cusp_angle = angle;
  label.inside_ring = inside;
  label.anchors = anchors;
  label.cells = LabelCells(anchors);
  label.box = BoxOf(anchors);
  return label;
}

// Outside the outer circle: slide the label's centre out along the spoke's
// line until the whole label clears the circle by kLabelGap.
std::optional<CuspLabel> PlaceOutside(double angle, const Shape& shape) {
  const Box size = BoxOf(Place(shape, {0, 0}));
  const double width = size.right - size.left;
  const double height = size.top - size.bottom;
  const WheelCircle clearance{kOuterRadius + kLabelGap};
  for (double rho = kOuterRadius; rho < 2 * kOuterRadius; rho += 0.25) {
    const Point centre = OnCircle(angle, rho);
    const Point top_left{std::round(centre.x - width / 2), std::round(centre.y + height / 2)};
    const auto anchors = Place(shape, top_left);
    if (!OutsideCircle(BoxOf(anchors), clearance)) continue;
    if (!Within(BoxOf(anchors), DrawingArea())) return std::nullopt;
    return Finish(angle, false, anchors);
  }
  return std::nullopt;
}

// Inside the ring: a row beside the spoke, in the house the cusp opens, as
// close to the outer circle as kLabelGap allows.
CuspLabel PlaceInside(double angle) {
  const Shape shape = RowShape();
  const Box size = BoxOf(Place(shape, {0, 0}));
  const double width = size.right - size.left;
  const bool house_on_left = CosDeg(angle + kSectorWidth / 2) < 0;
  const bool upper_half = SinDeg(angle) > 0;
  const double left = house_on_left ? -kSpokeGap - width : kSpokeGap;
  const WheelCircle limit{kOuterRadius - kLabelGap};
  // Walk from the outer circle towards the centre until the row fits.
  for (double depth = 0; depth < kOuterRadius; depth += 1) {
    const double edge = kOuterRadius * kVerticalFactor - depth;  // outermost y of the row
    const double top = upper_half ? std::floor(edge) : std::ceil(-edge + (size.top - size.bottom));
    const auto anchors = Place(shape, {left, top});
    if (InsideCircle(BoxOf(anchors), limit)) return Finish(angle, true, anchors);
  }
  throw std::runtime_error("no room for the cusp label at " + std::to_string(angle));
}

}  // namespace

double CuspAngle(int wheel_position) {
  return std::fmod(kFirstCuspAngle + kSectorWidth * (wheel_position - 1), 360.0);
}

std::array<Box, kLabelItems> LabelCells(const std::array<Point, kLabelItems>& anchors) {
  std::array<Box, kLabelItems> cells{};
  for (int k = 0; k < kLabelItems; ++k) {
    cells[k] = TextCell(anchors[k], kItemSizes[k].width, kItemSizes[k].height);
  }
  return cells;
}

Box DrawingArea() {
  const double left = std::max(-kHalfWidth, kPrintLeft) + kEdgeMargin;
  const double right = std::min(kHalfWidth, kPrintRight) - kEdgeMargin;
  return {left, right, -kHalfHeight + kEdgeMargin, kHalfHeight - kEdgeMargin};
}

std::array<CuspLabel, kWheelPositions> LayOutCuspLabels() {
  std::array<CuspLabel, kWheelPositions> labels;
  for (int i = 1; i <= kWheelPositions; ++i) {
    const double angle = CuspAngle(i);
    std::optional<CuspLabel> label = PlaceOutside(angle, RowShape());
    if (!label) label = PlaceOutside(angle, StackShape());
    labels[i - 1] = label ? *label : PlaceInside(angle);
  }
  return labels;
}

}  // namespace kairotex::tools::wheel
