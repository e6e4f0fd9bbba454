// The aspects within orb among the chart objects, by the horary planet-orb
// rule. Each pair is taken once, the faster object first; whether the aspect
// applies or separates, and on which side the slower object stands, follow
// from that order.
#pragma once

#include <vector>

#include "chart/chart_state.h"
#include "settings/options.h"

namespace kairotex {

// A deviation from exactness within this is partile (one minute of arc).
inline constexpr double kPartileBound = 0.0166666;

enum class AspectMotion { kNone, kApplying, kSeparating, kPartile };
enum class AspectSide { kNone, kSinister, kDexter };

struct OrbAspect {
  int faster = 0;
  int slower = 0;
  int code = 1;          // 2 conjunction .. 6 opposition
  double deviation = 0;  // shorter arc minus the exact angle, signed
  double distance = 0;   // |deviation| rounded to tenths
  // Both kNone when the slower object is not one of objects 1..10.
  AspectMotion motion = AspectMotion::kNone;
  AspectSide side = AspectSide::kNone;
};

// Objects 1..10 by absolute daily motion, fastest first (equal motions keep
// object-number order), then objects 11..16 in number order; an object the
// chart does not have (Chiron outside its tables) is left out.
std::vector<int> ObjectsBySpeed(const ChartState& chart);

// True when the slower object stands ahead of the faster one in the zodiac,
// within half a circle.
bool SlowerIsAhead(double faster_lon, double slower_lon);

// Applying, separating or partile for the faster object closing in on or
// drawing away from a slower one.
AspectMotion MotionOf(bool slower_ahead, double deviation);

// |deviation| rounded to tenths: the integer part of (d + 0.05) * 10, over 10.
double DistanceFromExact(double deviation);

std::vector<OrbAspect> ComputeAspectsWithinOrb(const ChartState& chart,
                                               const OptionsTable& options);

}  // namespace kairotex
