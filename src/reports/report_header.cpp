// The three lines that head every report, and a fourth for precise positions.
#include "chart/angles.h"
#include "reports/report_buffer.h"
#include "settings/text_formats.h"

namespace kairotex {
namespace {

// Date, zone, clock time and place in fixed blank separators.
std::string MomentAndPlaceLine(const ChartState& chart) {
  std::string line = "  ";
  line += FormatDayMonthYear(chart.ChartDay, chart.ChartMonth, chart.ChartYear);
  line += "    TZ = ";
  line += FormatNumber(chart.ChartZone, "##0.0");
  line += "      ";
  line += FormatNumber(chart.ChartTimeHMM, "#0.00");
  line += ' ';
  line += chart.AmPm;
  line += "   ";
  line += FormatCoordinate(chart.ChartLongitude, chart.LongitudeDir);
  line += "    ";
  line += FormatCoordinate(chart.ChartLatitude, chart.LatitudeDir);
  return line;
}

}  // namespace

void AppendReportHeader(ReportBuffer& buffer, const ChartState& chart) {
  buffer.AppendBlankLine();
  buffer.current_line = "  " + chart.ChartTitle;
  buffer.AppendLine();
  buffer.current_line = MomentAndPlaceLine(chart);
  buffer.AppendLine();
  // A report of a chart from the precise ephemeris says so under its moment.
  if (chart.EphemerisUsed == EphemerisKind::kSwiss) {
    buffer.current_line = "  Precise positions (Swiss Ephemeris)";
    buffer.AppendLine();
  }
}

}  // namespace kairotex
