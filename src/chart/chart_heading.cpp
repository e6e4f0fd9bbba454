// The seven heading lines of the chart and the declinations of the angles.
#include "chart/angles.h"
#include "chart/calculate_chart.h"
#include "settings/name_tables.h"
#include "settings/text_formats.h"

namespace kairotex {

void ComputeAngleDeclinations(ChartState& s) {
  s.DeclWork[kAscendant] = EclipticToDeclination(s.ObjectPos[kAscendant], 0.0, s.ObliquityDeg);
  s.DeclWork[kMidheaven] = EclipticToDeclination(s.ObjectPos[kMidheaven], 0.0, s.ObliquityDeg);
}

void BuildChartHeading(ChartState& s) {
  s.ChartHeading[1] = s.ChartTitle;
  s.ChartHeading[2] = FormatDayMonthYear(s.ChartDay, s.ChartMonth, s.ChartYear);
  s.ChartHeading[3] = FormatNumber(s.ChartTimeHMM, "#0.00") + " " + s.AmPm + " (" +
                      CompactNumberText(s.ChartZone, kSingleDigits) + ")";
  s.ChartHeading[4] = FormatCoordinate(s.ChartLongitude, s.LongitudeDir);
  s.ChartHeading[5] = FormatCoordinate(s.ChartLatitude, s.LatitudeDir);
  s.ChartHeading[6] = s.SiderealTimeText;
  s.ChartHeading[7] = std::string(HouseSystemName(s.HouseSystemLetter));
  // A chart cast from the precise ephemeris says so on its last line.
  if (s.EphemerisUsed == EphemerisKind::kSwiss) s.ChartHeading[7] += " - precise";
}

}  // namespace kairotex
