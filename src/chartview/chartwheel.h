// The chartwheel: the wheel, its cusps and signs, the planets with their
// positions, the aspect lines and the heading, in the American or European
// style, for the geocentric, heliocentric and declination charts; the window
// paint, and the printed full page with its aspect grid.
#pragma once

#include <cstdint>
#include <string>

#include "chart/chart_state.h"
#include "chart/data_files.h"
#include "chart/platform.h"
#include "chartview/drawing_surface.h"
#include "settings/options.h"

namespace kairotex {

inline constexpr int16_t kAmericanStyle = 0;
inline constexpr int16_t kEuropeanStyle = 1;

struct WheelInputs {
  const ChartState& chart;
  const OptionsTable& options;
  const DataTables& tables;  // HcData and RadiusData
  int16_t type_chart = kAmericanStyle;
  bool chart_exists = true;
  // The half-page print: white background, black spokes and sextile/trine lines.
  bool print_background = false;
};

// The window's scale rule: StartScale for a drawing area of width x height.
int16_t StartScaleForWindow(double width, double height);

// The window paint: the whole wheel in a drawing area of the given size (user
// units of the screen class, e.g. 1024 x 768) at the given StartScale.
void PaintChartwheel(DrawingSurface& surface, const WheelInputs& inputs, double drawing_width,
                     double drawing_height, int16_t start_scale);

// The printed full page: the wheel with the printer options, the heading
// (with "Sidereal" in a sidereal zodiac) and, when option 122 is not 0, the
// aspect grid classified with the orbs of the chart's current orb file (read
// afresh). screen_drawing_width is the drawing width of the screen class.
void PrintChartwheelPage(DrawingSurface& surface, const WheelInputs& inputs,
                         double screen_drawing_width, MessageSink& messages);

}  // namespace kairotex
