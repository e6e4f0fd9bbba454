#include "reports/other_degrees.h"

#include "chart/angles.h"
#include "reports/degree_tables.h"
#include "reports/other_degrees_text.h"

namespace kairotex {
namespace {

struct SignPlace {
  int sign;       // 1..12
  double degree;  // within the sign, [0, 30)
};

SignPlace PlaceInSign(double lon) {
  double x = Normalize360(lon);
  // A tiny negative rounds up to 360, and a non-finite lon gives NaN.
  if (!(x < 360.0)) x = 0.0;
  const int sign = static_cast<int>(x / 30.0) + 1;
  return {sign, x - 30.0 * (sign - 1)};
}

// Counting on past Pisces starts again at Aries.
int WrapSign(int sign) {
  return sign > 12 ? sign - 12 : sign;
}

}  // namespace

int DecanateSign(double lon) {
  const SignPlace place = PlaceInSign(lon);
  return WrapSign(place.sign + 4 * static_cast<int>(place.degree / 10.0));
}

int DwadSign(double lon) {
  const SignPlace place = PlaceInSign(lon);
  return WrapSign(place.sign + static_cast<int>(place.degree / 2.5));
}

DegreeClass ClassifyDegree(double lon) {
  return {DegreeLetter(kMasculineFeminine, lon),
          DegreeLetter(kLightDark, lon),
          DegreeLetter(kPitted, lon),
          DegreeLetter(kLame, lon),
          DegreeLetter(kIncreasingFortune, lon),
          DecanateSign(lon),
          DwadSign(lon)};
}

OtherDegreeClasses ClassifyChartDegrees(const ChartState& chart) {
  OtherDegreeClasses classes;
  for (int i = kSun; i <= kMoon; ++i) classes.planets[i] = ClassifyDegree(chart.ObjectLon[i]);
  for (int i = 1; i <= 12; ++i) classes.cusps[i] = ClassifyDegree(chart.CuspComputed[i]);
  return classes;
}

void WriteOtherDegrees(ReportContext& context) {
  context.buffer.AppendLines(OtherDegreesLines(ClassifyChartDegrees(context.chart)));
}

}  // namespace kairotex
