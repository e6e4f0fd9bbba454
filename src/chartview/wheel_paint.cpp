#include "chartview/wheel_paint.h"

#include <algorithm>
#include <string_view>

#include "aspects/aspect_codes.h"
#include "chartview/wheel_constants.h"

namespace kairotex::wheel {

ChartKind KindOfChart(const ChartState& chart) {
  if (chart.DeclinationMode) return ChartKind::kDeclination;
  constexpr std::string_view kHelioSuffix = " - heliocentric";
  if (std::string_view(chart.ChartHeading[1]).ends_with(kHelioSuffix)) {
    return ChartKind::kHeliocentric;
  }
  return ChartKind::kGeocentric;
}

Point KeepInsideArea(const UserArea& area, Point top_left, double width, double height) {
  // An area not yet set (no scale) keeps the box where it was asked for.
  if (area.right <= area.left || area.top <= area.bottom) return top_left;
  return {std::max(std::min(top_left.x, area.right - kEdgeMargin - width), area.left + kEdgeMargin),
          std::max(std::min(top_left.y, area.top - kEdgeMargin), area.bottom + kEdgeMargin + height)};
}

Rgb WheelPaint::Colour(int option_index) const {
  return QBColor(options[option_index]);
}

void WheelPaint::UseFont(int size_option_index, bool bold) const {
  surface.SetFont(FontSpec{kFontFace, options[size_option_index], bold});
}

int WheelPaint::ObjectGlyphCode(int object) const {
  if (object == kSun && Heliocentric()) return kEarthGlyph;
  return ObjectGlyph(object);
}

WheelPaint MakeWheelPaint(DrawingSurface& surface, const WheelInputs& inputs,
                          const WheelProfile& profile, const UserArea& area,
                          bool print_background) {
  return WheelPaint{.surface = surface,
                    .chart = inputs.chart,
                    .options = inputs.options,
                    .tables = inputs.tables,
                    .profile = profile,
                    .area = area,
                    .kind = KindOfChart(inputs.chart),
                    .european = inputs.type_chart == kEuropeanStyle,
                    .chart_exists = inputs.chart_exists,
                    .print_background = print_background};
}

}  // namespace kairotex::wheel
