// The heading lines of the chart in the upper left corner.
#include <array>
#include <span>
#include <string>

#include "chartview/wheel_steps.h"

namespace kairotex::wheel {
namespace {

constexpr int kHeadingLines = 7;

// Writes the lines downwards from (left, top), one line height apart.
void WriteLines(const WheelPaint& paint, double left, double top,
                std::span<const std::string> lines) {
  const WheelProfile& p = paint.profile;
  paint.UseFont(p.heading_size);
  const double line_height = paint.surface.MeasureText("0").height;
  const Rgb colour = paint.Colour(p.heading_colour);
  double y = top;
  for (const std::string& line : lines) {
    paint.surface.Text(left, y, line, colour);
    y -= line_height;
  }
}

}  // namespace

void DrawChartHeader(const WheelPaint& paint, double left, double top) {
  WriteLines(paint, left, top, std::span(paint.chart.ChartHeading).subspan(1, kHeadingLines));
}

void PrintChartHeader(const WheelPaint& paint, double left, double top) {
  // The page names a sidereal zodiac on a line of its own below the heading.
  std::array<std::string, kHeadingLines + 1> lines;
  for (int i = 1; i <= kHeadingLines; ++i) lines[i - 1] = paint.chart.ChartHeading[i];
  const bool sidereal = ZodiacOf(paint.options) != Zodiac::kTropical;
  if (sidereal) lines[kHeadingLines] = "Sidereal";
  WriteLines(paint, left, top,
             std::span(lines).first(sidereal ? kHeadingLines + 1 : kHeadingLines));
}

}  // namespace kairotex::wheel
