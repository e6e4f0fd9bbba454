// The antiscia report: each object's antiscion (its mirror image across the
// solstice axis, 0 Cancer - 0 Capricorn) and contra-antiscion (the point
// opposite), and the objects that stand conjunct one of them.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "chart/chart_state.h"
#include "reports/report_context.h"

namespace kairotex {

// Object `object` stands within a degree of the antiscion (or the
// contra-antiscion) of object `mirrored`; the two may be the same object.
struct MirrorConjunction {
  int object = 0;
  int mirrored = 0;
};

struct AntisciaFacts {
  ObjectTable lon{};        // the objects' zodiac longitudes, 1..16
  ObjectTable antiscion{};  // [0, 360)
  ObjectTable contra{};     // [0, 360)
  // The objects the chart has, 1..16; the others are neither listed nor mirrored.
  std::array<bool, ObjectCount + 1> available{};
  // In the order of the object, then of the mirrored object.
  std::vector<MirrorConjunction> antiscion_conjunctions;
  std::vector<MirrorConjunction> contra_conjunctions;
};

// The sign mirrored across the solstice axis: Aries <-> Virgo, Taurus <-> Leo,
// Gemini <-> Cancer, Libra <-> Pisces, Scorpio <-> Aquarius, Sagittarius <-> Capricorn.
int MirroredSign(int sign);

// 10 Gemini gives 20 Cancer; 0 of a sign gives 0 of the sign after the
// mirrored one (0 Aries gives 0 Libra, 0 Libra gives 0 Aries).
double Antiscion(double lon);
double ContraAntiscion(double antiscion);

// Within a degree either way, across 0 Aries too.
bool WithinOneDegree(double lon, double point);

// Reads the chart's zodiac longitudes, whatever the wheel shows.
AntisciaFacts ComputeAntiscia(const ChartState& chart);

// The report lines, from the blank line before the table heading to the last
// contra-antiscion conjunction; an empty string is a blank line.
std::vector<std::string> AntisciaLines(const AntisciaFacts& facts);

// Computes the facts of the context's chart and appends the lines to its buffer.
void WriteAntiscia(ReportContext& context);

}  // namespace kairotex
