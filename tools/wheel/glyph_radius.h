// Radius at which a planet glyph is drawn for each whole degree of wheel
// angle (RADIUS.DAT). The glyph is placed by its top-left corner at
// (r cos a, r sin a); its position is written in three items stepping from
// it towards the centre.
#pragma once

#include <array>
#include <vector>

#include "wheel/wheel_shapes.h"

namespace kairotex::tools::wheel {

inline constexpr int kRadiusEntries = 361;  // degrees 0..360; 360 repeats 0

Box GlyphCell(double angle, double radius);
std::array<Box, 3> ColumnCells(double angle, double radius);

// The largest whole radius that keeps the glyph inside the outer circle and
// off every box in keep_clear (the cusp labels).
std::array<int, kRadiusEntries> ComputeGlyphRadii(const std::vector<Box>& keep_clear);

}  // namespace kairotex::tools::wheel
