#include "chartview/european_angles.h"

#include <algorithm>

#include "chart/angles.h"
#include "chartview/wheel_constants.h"
#include "chartview/wheel_geometry.h"

namespace kairotex::wheel {
namespace {

// From 16 degrees behind to just under one slot ahead of the previous glyph,
// or just ahead of it across 0 degrees.
bool Crowded(double past_previous) {
  const bool near = past_previous >= kCrowdedBehind && past_previous < kCrowdedAhead;
  const bool across_zero = past_previous >= -360.0 && past_previous < kCrowdedAhead - 360.0;
  return near || across_zero;
}

// An uncrowded glyph stays at its place, but no deeper into its house than
// leaves a slot for each object of the house still to come; in the lower left
// quadrant it stands a little further on.
double UncrowdedAngle(double place, const HouseVisit& visit) {
  const double room = std::max(0.0, visit.size - visit.still_to_come * kSlotWidth);
  double angle = visit.into > room ? Normalize360(place - (visit.into - room)) : place;
  if (angle >= kLowerLeftFrom && angle < kLowerLeftTo) {
    angle = Normalize360(angle + kLowerLeftShift);
  }
  return angle;
}

}  // namespace

double EuropeanAngle(const ChartState& chart, const HouseVisit& visit,
                     std::optional<double> previous_angle) {
  const double descendant = chart.CuspWheel[WheelIndexOfHouse(7)];
  const double place = Normalize360(chart.ObjectPos[visit.object] - descendant);
  double angle;
  if (previous_angle && Crowded(place - *previous_angle)) {
    angle = Normalize360(*previous_angle + kSlotWidth);
  } else {
    angle = UncrowdedAngle(place, visit);
  }
  if (visit.placed_in_house == 1 && visit.into < kNearCusp && angle >= kCuspNudgeFrom &&
      angle <= kCuspNudgeTo) {
    angle = Normalize360(angle + kNearCusp - visit.into);
  }
  return angle;
}

double ClearOfEarlierGlyphs(double angle, const Placement& drawn) {
  constexpr double kTolerance = 1e-9;
  for (int pass = 0; pass <= ObjectCount; ++pass) {
    const PlacedObject* blocking = nullptr;
    for (int k = 0; k < drawn.count && blocking == nullptr; ++k) {
      if (ShorterArc(angle, drawn.placed[k].angle) < kSlotWidth - kTolerance) {
        blocking = &drawn.placed[k];
      }
    }
    if (blocking == nullptr) break;
    angle = Normalize360(blocking->angle + kSlotWidth);
  }
  return angle;
}

}  // namespace kairotex::wheel
