// The aspect grid of the printed page: each pair of objects once, the lower
// triangle of a table in the aspect window's object order, classified with
// the orbs of the chart's orb file as it is now on disk.
//
// The grid stands in the lower part of the page and grows upwards from its
// first row, which carries the column glyphs; above it come the rows of
// Chiron up to the Moon, each led by its glyph, so the table reads in the
// usual way from the top. The Sun's row and Chiron's column hold no cells;
// an object the chart does not have (Chiron outside its tables) has neither
// row nor column, its place left blank.
#include <array>
#include <cmath>

#include "aspects/aspect_codes.h"
#include "aspects/classify_aspect.h"
#include "aspects/orb_file.h"
#include "chartview/wheel_constants.h"
#include "chartview/wheel_geometry.h"
#include "chartview/wheel_steps.h"

namespace kairotex::wheel {
namespace {

constexpr std::array<int, ObjectCount> kGridOrder = {
    kSun,     kMoon,  kMercury,   kVenus,     kMars,          kJupiter,   kSaturn,    kUranus,
    kNeptune, kPluto, kNorthNode, kSouthNode, kPartOfFortune, kAscendant, kMidheaven, kChiron};

// Printed-grid options.
constexpr int kRowHeightFactor = 119;
constexpr int kGridFontSize = 120;
constexpr int kGridLeftOffset = 121;

// The colour option of a cell by its aspect.
int CellColourOption(int code) {
  switch (code) {
    case kConjunction:
      return 124;
    case kSextile:
    case kTrine:
      return 125;
    case kSquare:
    case kOpposition:
      return 126;
    case kQuincunx:
      return 127;
    case kSemisquare:
    case kSesquisquare:
      return 128;
    case kQuintile:
    case kBiquintile:
      return 129;
    default:
      return 130;
  }
}

struct GridLayout {
  double left = 0;  // of the label column
  double top = 0;   // of the label row
  double cell_width = 0, cell_height = 0, row_pitch = 0;
  double glyph_dx = 0, glyph_dy = 0;  // a glyph's corner inside its cell

  // Columns 1..15 right of the label column; rows by grid position 2..16,
  // the last one just above the label row.
  double CellLeft(int column) const { return left + column * cell_width; }
  double RowTop(int row) const { return top + (ObjectCount + 1 - row) * row_pitch; }
};

GridLayout MeasureGrid(const WheelPaint& paint, double page_width, double page_height) {
  const TextExtent sample = paint.surface.MeasureText(kGridSample);
  const double line_height = std::fabs(sample.height) * paint.options[kRowHeightFactor];
  GridLayout grid;
  grid.cell_width = kGridCellFactor * sample.width;
  grid.cell_height = kGridCellFactor * std::fabs(sample.height);
  grid.row_pitch = kGridCellFactor * line_height;
  grid.left = page_width / 2 - paint.options[kGridLeftOffset];
  grid.top = page_height / 2 + kGridCellFactor * line_height;
  grid.glyph_dx = sample.width / 3;
  grid.glyph_dy = (grid.cell_height - std::fabs(sample.height)) / 2;
  return grid;
}

void DrawCellBorder(const WheelPaint& paint, double left, double top, const GridLayout& grid) {
  const double right = left + grid.cell_width, bottom = top - grid.cell_height;
  const Rgb black = QBColor(kBlack);
  paint.surface.Line(left, top, right, top, black);
  paint.surface.Line(right, top, right, bottom, black);
  paint.surface.Line(right, bottom, left, bottom, black);
  paint.surface.Line(left, bottom, left, top, black);
}

void DrawGlyph(const WheelPaint& paint, double left, double top, const GridLayout& grid, int code,
               Rgb colour) {
  paint.surface.Text(left + grid.glyph_dx, top - grid.glyph_dy, Glyph(code), colour);
}

}  // namespace

void PrintAspectGrid(const WheelPaint& paint, double page_width, double page_height,
                     MessageSink& messages) {
  // The orb file may have been edited since the chart was cast. When it
  // cannot be read the user is told and the grid is printed without aspects.
  OrbTable orbs{};
  const bool have_orbs = ReadOrbFile(paint.chart.CurrentOrbFile, orbs, messages);

  paint.surface.SetFont(FontSpec{kFontFace, paint.options[kGridFontSize], false});
  const GridLayout grid = MeasureGrid(paint, page_width, page_height);
  const Rgb black = QBColor(kBlack);

  const ChartState& chart = paint.chart;
  for (int column = 1; column < ObjectCount; ++column) {
    if (!ObjectAvailable(chart, kGridOrder[column - 1])) continue;
    DrawGlyph(paint, grid.CellLeft(column), grid.top, grid, ObjectGlyph(kGridOrder[column - 1]),
              black);
  }
  for (int row = 2; row <= ObjectCount; ++row) {
    const int row_object = kGridOrder[row - 1];
    if (!ObjectAvailable(chart, row_object)) continue;
    const double top = grid.RowTop(row);
    DrawGlyph(paint, grid.left, top, grid, ObjectGlyph(row_object), black);
    for (int column = 1; column < row; ++column) {
      const int column_object = kGridOrder[column - 1];
      if (!ObjectAvailable(chart, column_object)) continue;
      const double left = grid.CellLeft(column);
      DrawCellBorder(paint, left, top, grid);
      if (!have_orbs) continue;
      const int code =
          ClassifyAspect(chart.ObjectPos[row_object], chart.ObjectPos[column_object], orbs);
      if (code == kNoAspect) continue;
      DrawGlyph(paint, left, top, grid, AspectGlyph(code), paint.Colour(CellColourOption(code)));
    }
  }
}

}  // namespace kairotex::wheel
