// The chartwheel's geometry in the main window's drawing units, as the
// drawing code uses it, plus the text sizes assumed for the delivered
// options. The cusp label places (HCDATA.DAT) and the planet glyph radii
// (RADIUS.DAT) are computed from these numbers alone.
#pragma once

namespace kairotex::tools::wheel {

// Coordinate system: origin at the wheel's centre, x to the right, y upwards;
// angles in degrees counter-clockwise from +x. Text is placed by its top-left
// corner: a text cell at (x, y) covers x .. x + width and y - height .. y.

// Drawing scale: the window is StartScale units wide on each side of the
// centre; every screen class has a 4:3 drawing size, so the half-height is
// three quarters of that.
inline constexpr double kStartScale = 287;
inline constexpr double kDrawingAspect = 480.0 / 640.0;
inline constexpr double kHalfWidth = kStartScale;
inline constexpr double kHalfHeight = kStartScale * kDrawingAspect;  // 215.25

// The printed page of an American wheel (StartScale 265) is narrower: its
// drawing area runs from 16 - 265 to 265 - 15 across.
inline constexpr double kPrintLeft = 16 - 265;
inline constexpr double kPrintRight = 265 - 15;

// Circles. The window's units are not square on the screen: a circle of
// radius r spans r units across but only r * kVerticalFactor units up and
// down, which is why the spokes are drawn with y scaled by that factor. Every
// circle is therefore an ellipse in drawing units.
inline constexpr double kOuterRadius = 217;
inline constexpr double kInnerRadius = 120;
inline constexpr double kVerticalFactor = 0.9675;

// Intercepted-sign glyphs stand at this radius, 15 degrees into each sector.
inline constexpr double kInterceptRadius = 236;
inline constexpr double kInterceptOffset = 15;

// American wheel: the 10th cusp (wheel position 1) is at the top and the
// positions follow counter-clockwise, 30 degrees apart.
inline constexpr double kFirstCuspAngle = 90;
inline constexpr double kSectorWidth = 30;

// The heading block in the upper left corner: seven lines from the top edge,
// starting 10 units in from the left edge; sized for the delivered 8-point
// heading font and lines of about 20 characters.
inline constexpr double kHeadingLeft = -kHalfWidth + 10;
inline constexpr double kHeadingWidth = 100;
inline constexpr double kHeadingHeight = 7 * 10;

// Text cells, in drawing units, for the delivered font sizes (cusp degrees
// and signs 10 pt, cusp minutes 8 pt, planet glyphs 12 pt, planet position
// 9 pt). The wheel's text keeps its size against the wheel on every device,
// about 1.16 points to a unit, so the cells are the glyph font's advances
// (digits 0.636 em, sign glyphs 0.896 em) and line height (1.164 em) at those
// sizes, rounded up to whole units.
inline constexpr double kDegreeDigitWidth = 6;
inline constexpr double kSignGlyphWidth = 8;
inline constexpr double kMinuteDigitWidth = 5;
inline constexpr double kLabelHeight = 11;
inline constexpr double kMinuteHeight = 9;
// Minutes are set in a smaller font; lowering them by this much keeps their
// baseline on that of the degrees.
inline constexpr double kMinuteDrop = 2;
// Gap between the degrees and the sign glyph, and between sign and minutes.
inline constexpr double kLabelSpacing = 1;

inline constexpr double kPlanetBoxWidth = 12;
inline constexpr double kPlanetBoxHeight = 14;
// The planet's position is written in three items stepping inward from the
// glyph by one box each, the vertical step shortened by 480/640.
inline constexpr int kColumnItems = 3;
inline constexpr double kColumnItemWidth = 2 * kDegreeDigitWidth;
inline constexpr double kColumnStepFactorY = 480.0 / 640.0;

// Clearances.
inline constexpr double kLabelGap = 3;    // cusp label to the outer circle
inline constexpr double kSpokeGap = 3;    // label inside the ring to its spoke
inline constexpr double kGlyphGap = 2;    // planet glyph to the circles and labels
inline constexpr double kEdgeMargin = 2;  // anything to the edge of the drawing

}  // namespace kairotex::tools::wheel
