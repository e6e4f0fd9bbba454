// Other degrees and dwads: the traditional degree tables, decanate and dwad
// sign of the ten planets and the twelve cusps.
#pragma once

#include <array>

#include "chart/chart_state.h"
#include "reports/report_context.h"

namespace kairotex {

// What the degree tables say of one longitude.
struct DegreeClass {
  char masculine_feminine = ' ';  // 'M', 'F'; blank off the circle
  char light_dark = ' ';          // 'L', 'D', 'S', 'V'; blank off the circle
  char pitted = '-';              // 'P' or '-'
  char lame = '-';                // 'L' or '-'
  char fortune = '-';             // 'I' (increasing fortune) or '-'
  int decanate_sign = 1;          // 1 Aries .. 12 Pisces
  int dwad_sign = 1;              // 1 Aries .. 12 Pisces

  bool operator==(const DegreeClass&) const = default;
};

// The tables are keyed by longitude in [0, 360): outside it there is no M/F
// or L/D/S/V letter and the other tables give their "-". The decanate and
// dwad are those of the same point brought onto the circle.
DegreeClass ClassifyDegree(double lon);

// The sign (1..12) of the decanate, a third of a sign, holding lon: the sign
// itself, then the next two signs of its triplicity. lon is taken onto the
// circle; a non-finite lon, which no chart gives, counts as 0 Aries.
int DecanateSign(double lon);
// The sign (1..12) of the dwad, a twelfth of a sign, holding lon, counted on
// from the sign itself; lon as for DecanateSign.
int DwadSign(double lon);

// The report's rows, indexed like the chart's tables.
struct OtherDegreeClasses {
  std::array<DegreeClass, 11> planets{};  // 1..10: Sun .. Pluto, Moon
  std::array<DegreeClass, 13> cusps{};    // 1..12 in wheel order, 10th first
};
OtherDegreeClasses ClassifyChartDegrees(const ChartState& chart);

// A blank line, the column headings, a row per planet and per cusp, a blank
// line and the key to the letters.
void WriteOtherDegrees(ReportContext& context);

}  // namespace kairotex
