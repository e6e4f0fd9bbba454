// What one drawing of the wheel works with: the surface, the chart read only,
// the options, the data tables, the screen or printer profile, and the kind
// and style of the chart.
#pragma once

#include "chart/chart_state.h"
#include "chart/data_files.h"
#include "chartview/chartwheel.h"
#include "chartview/drawing_surface.h"
#include "chartview/wheel_geometry.h"
#include "chartview/wheel_profile.h"
#include "settings/options.h"

namespace kairotex::wheel {

enum class ChartKind { kGeocentric, kHeliocentric, kDeclination };

// The edges of the drawing in user units (top > bottom: y grows upwards).
struct UserArea {
  double left = 0, top = 0, right = 0, bottom = 0;
};

// Moves a text box (top-left corner, size) back inside the area when it would
// run past an edge, leaving a small margin; a box inside stays where it is.
Point KeepInsideArea(const UserArea& area, Point top_left, double width, double height);

// Declination when the chart says so; heliocentric when its first heading
// line carries the heliocentric suffix.
ChartKind KindOfChart(const ChartState& chart);

struct WheelPaint {
  DrawingSurface& surface;
  const ChartState& chart;
  const OptionsTable& options;
  const DataTables& tables;
  const WheelProfile& profile;
  UserArea area;
  ChartKind kind = ChartKind::kGeocentric;
  bool european = false;
  bool chart_exists = true;
  // The half-page print: white background, black spokes and sextile/trine lines.
  bool print_background = false;

  bool Declination() const { return kind == ChartKind::kDeclination; }
  bool Heliocentric() const { return kind == ChartKind::kHeliocentric; }
  // QBColor of the colour option at this index.
  Rgb Colour(int option_index) const;
  // The glyph font in the size of the option at this index.
  void UseFont(int size_option_index, bool bold = false) const;
  // The glyph that stands for an object: the Earth for the Sun of a
  // heliocentric chart.
  int ObjectGlyphCode(int object) const;
};

WheelPaint MakeWheelPaint(DrawingSurface& surface, const WheelInputs& inputs,
                          const WheelProfile& profile, const UserArea& area, bool print_background);

}  // namespace kairotex::wheel
