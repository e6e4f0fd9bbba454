// The facts of the Magi Society aspects report: the aspects and parallels of
// the ten planets and Chiron with a fixed orb, and the linkages they form.
#pragma once

#include <string>
#include <vector>

#include "aspects/aspect_codes.h"
#include "chart/chart_state.h"

namespace kairotex {

// Objects are numbered 1..11 as in aspects/magi_linkages.h (Chiron is 11).
struct MagiAspect {
  int first = 0;  // first < second
  int second = 0;
  AspectCode code = kNoAspect;
  double deviation = 0;  // separation minus the aspect's angle, signed
  std::string labels;    // linkage labels, each with its three leading blanks
};

struct MagiParallel {
  int first = 0;  // first < second
  int second = 0;
  bool contraparallel = false;
  double difference = 0;  // difference of the declinations' sizes, >= 0
  std::string labels;
};

struct MagiFacts {
  // 11, or 10 when the chart has no Chiron (a date outside its tables).
  int object_count = 0;
  std::vector<MagiAspect> aspects;      // pair order: (1,2), (1,3) ... (10,11)
  std::vector<MagiParallel> parallels;  // same order
};

// Reads the chart's longitudes and declinations; the chart is left as it is.
MagiFacts ComputeMagiAspects(const ChartState& chart);

// The code of the separation of two longitudes, kNoAspect when none fits, and
// its signed deviation from the aspect's angle.
struct MagiAspectFit {
  AspectCode code = kNoAspect;
  double deviation = 0;
};
MagiAspectFit FitMagiAspect(double lon_a, double lon_b);

// The linkage labels of a pair (either order) for an aspect code, and for a
// parallel or contraparallel.
std::string MagiAspectLabels(int a, int b, AspectCode code);
std::string MagiParallelLabels(int a, int b);

}  // namespace kairotex
