#include "wheel/wheel_check.h"

#include <cmath>
#include <vector>

#include "common/dat_file.h"
#include "wheel/cusp_labels.h"
#include "wheel/glyph_radius.h"
#include "wheel/wheel_geometry.h"

namespace kairotex::tools::wheel {

namespace {

constexpr int kLabelValues = 2 * kLabelItems * kWheelPositions + 1;  // 121, the last one spare
constexpr double kMaxLabelDrift = 20;  // degrees between a label's centre and its spoke
constexpr double kSpokeSampleStep = 0.5;

std::vector<int> ReadWholeNumbers(const std::string& path, std::size_t expected) {
  const std::vector<double> values = ReadDatValues(path);
  if (values.size() != expected) {
    FailCheck(path + ": " + std::to_string(values.size()) + " values, expected " +
              std::to_string(expected));
  }
  std::vector<int> numbers;
  for (double v : values) {
    if (v != std::round(v) || v < -32768 || v > 32767) {
      FailCheck(path + ": not a 16-bit whole number: " + std::to_string(v));
    }
    numbers.push_back(static_cast<int>(v));
  }
  return numbers;
}

std::vector<CuspLabel> ReadLabels(const std::string& path) {
  const std::vector<int> v = ReadWholeNumbers(path, kLabelValues);
  if (v.back() != 0) FailCheck(path + ": the spare last value is not 0");
  const auto layout = LayOutCuspLabels();  // for which ones sit inside the ring
  std::vector<CuspLabel> labels;
  for (int i = 0; i < kWheelPositions; ++i) {
    CuspLabel label;
    label.cusp_angle = CuspAngle(i + 1);
    label.inside_ring = layout[i].inside_ring;
    for (int k = 0; k < kLabelItems; ++k) {
      label.anchors[k] = {double(v[10 * i + 2 * k]), double(v[10 * i + 2 * k + 1])};
    }
    label.cells = LabelCells(label.anchors);
    label.box = label.cells[0];
    for (const Box& cell : label.cells) label.box = Union(label.box, cell);
    labels.push_back(label);
  }
  return labels;
}

double AngleOfCentre(const Box& box) {
  const double x = (box.left + box.right) / 2;
  const double y = (box.bottom + box.top) / 2 / kVerticalFactor;
  const double deg = std::atan2(y, x) * 180.0 / 3.14159265358979323846;
  return deg < 0 ? deg + 360 : deg;
}

double AngleBetween(double a, double b) {
  const double d = std::fabs(std::fmod(a - b, 360.0));
  return d > 180 ? 360 - d : d;
}

bool TouchesSpoke(const Box& box, double angle) {
  const Box zone = Grow(box, kSpokeGap - kSpokeSampleStep);
  for (double r = kInnerRadius; r <= kOuterRadius; r += kSpokeSampleStep) {
    const Point p = OnCircle(angle, r);
    if (p.x > zone.left && p.x < zone.right && p.y > zone.bottom && p.y < zone.top) return true;
  }
  return false;
}

Box HeadingBlock() {
  return {kHeadingLeft, kHeadingLeft + kHeadingWidth, kHalfHeight - kHeadingHeight, kHalfHeight};
}

Box InterceptCell(int wheel_position) {
  const double a = CuspAngle(wheel_position) + kInterceptOffset;
  return TextCell({kInterceptRadius * CosDeg(a), kInterceptRadius * SinDeg(a)}, kSignGlyphWidth,
                  kLabelHeight);
}

}  // namespace

void CheckCuspLabelFile(const std::string& path) {
  const std::vector<CuspLabel> labels = ReadLabels(path);
  const Box area = DrawingArea();
  for (int i = 0; i < kWheelPositions; ++i) {
    const CuspLabel& label = labels[i];
    const std::string which = path + ": label of wheel position " + std::to_string(i + 1);
    const Box& b = label.box;
    if (b.left < area.left || b.right > area.right || b.bottom < area.bottom || b.top > area.top) {
      FailCheck(which + " leaves the drawing area");
    }
    if (AngleBetween(AngleOfCentre(b), label.cusp_angle) > kMaxLabelDrift) {
      FailCheck(which + " is too far from its spoke");
    }
    if (label.inside_ring) {
      if (!InsideCircle(b, WheelCircle{kOuterRadius - kLabelGap}) ||
          !OutsideCircle(b, WheelCircle{kInnerRadius + kLabelGap})) {
        FailCheck(which + " is not inside the ring");
      }
      if (TouchesSpoke(b, label.cusp_angle)) FailCheck(which + " touches its spoke");
    } else if (!OutsideCircle(b, WheelCircle{kOuterRadius + kLabelGap})) {
      FailCheck(which + " touches the outer circle");
    }
    if (Overlaps(b, HeadingBlock())) FailCheck(which + " overlaps the heading lines");
    for (int j = 0; j < kWheelPositions; ++j) {
      if (j != i && Overlaps(Grow(b, 1), labels[j].box)) FailCheck(which + " crowds another");
      if (Overlaps(b, InterceptCell(j + 1))) FailCheck(which + " covers an intercepted sign");
    }
    for (int k = 0; k + 1 < kLabelItems; ++k) {
      for (int m = k + 1; m < kLabelItems; ++m) {
        if (Overlaps(label.cells[k], label.cells[m])) FailCheck(which + ": items overlap");
      }
    }
  }
}

void CheckRadiusFile(const std::string& radius_path, const std::string& label_path) {
  const std::vector<int> radii = ReadWholeNumbers(radius_path, kRadiusEntries);
  if (radii[360] != radii[0]) FailCheck(radius_path + ": entry 360 differs from entry 0");
  const std::vector<CuspLabel> labels = ReadLabels(label_path);
  for (int degree = 0; degree < kRadiusEntries; ++degree) {
    const std::string which = radius_path + ": angle " + std::to_string(degree);
    const double r = radii[degree];
    const Box glyph = GlyphCell(degree, r);
    if (!InsideCircle(glyph, WheelCircle{kOuterRadius - kGlyphGap})) {
      FailCheck(which + ": glyph crosses the outer circle");
    }
    for (const CuspLabel& label : labels) {
      if (Overlaps(Grow(glyph, kGlyphGap), label.box)) FailCheck(which + ": glyph on a label");
    }
    for (const Box& item : ColumnCells(degree, r)) {
      if (!OutsideCircle(item, WheelCircle{kInnerRadius + kGlyphGap}) ||
          !InsideCircle(item, WheelCircle{kOuterRadius})) {
        FailCheck(which + ": position column leaves the ring");
      }
    }
  }
}

}  // namespace kairotex::tools::wheel
