// Fixed geometry of the chartwheel: radii and factors in drawing units, the
// sector tables, the slot layouts and the glyph codes. Every drawing step
// takes its numbers from here.
#pragma once

#include <array>

namespace kairotex::wheel {

// Radii of the wheel.
inline constexpr double kInnerRadius = 120;
inline constexpr double kOuterRadius = 217;
inline constexpr double kLabelRadius = 236;  // intercepted signs and European cusp labels
inline constexpr double kRadiusUnit = 200;   // the declination ring and its aspect lines
inline constexpr double kDeclinationSpokeEnd = 230;

// Spokes are flattened slightly so that they meet the circles on a screen
// whose pixels are not square; circles keep the platform's own shape.
inline constexpr double kSpokeYFactor = 0.9675;
// European cusp labels stand on a flatter ellipse that clears the outer circle.
inline constexpr double kLabelYFactor = 0.91984662;

// A European cusp label row: how far its left end moves left of the anchor on
// the left half of the wheel and near the vertical. Its items are measured in
// their fonts and set with a small gap around the sign; the minutes' smaller
// font is lowered by the ascent's share of the difference in line height so
// that the baselines meet.
inline constexpr double kLabelRowShiftLeftHalf = 49;
inline constexpr double kLabelRowShiftVertical = 23;
inline constexpr double kLabelItemGap = 1;
inline constexpr double kAscentShare = 0.8;
// Clearances of a label row from the outer circle and from the drawing's
// edges, and the most unit steps it moves out to clear the circle.
inline constexpr double kLabelGap = 2;
inline constexpr double kEdgeMargin = 2;
inline constexpr int kLabelMaxSteps = 60;

// Angle at which the glyphs of each house begin, houses 1..12 (index 0 unused).
inline constexpr std::array<double, 13> kSectorStart = {0, 180, 209, 240, 272, 304, 335,
                                                        4, 34,  65,  95,  124, 153};
inline constexpr std::array<double, 13> kDeclinationSectorStart = {0, 182, 212, 242, 272, 302, 332,
                                                                   2, 32,  62,  92,  122, 152};

// Slots for the glyphs of one house.
inline constexpr int kSlotsPerHouse = 7;
inline constexpr double kSlotWidth = 4.0;       // degrees; also the European crowding step
inline constexpr int kMaxSlots = 9;             // the widest declination layout
inline constexpr int kDeclinationFewSlots = 4;  // up to four objects in a sector
inline constexpr double kDeclinationFewSlotWidth = 7.5;
inline constexpr double kDeclinationManySlotWidth = 3.33;  // more than nine objects

// An object this close below 360 degrees past its cusp is on the cusp.
inline constexpr double kOnCuspTolerance = 1.0 / 36000.0;

// European crowding: an object this far behind (or up to one slot ahead of)
// the previously drawn one is set one slot past it.
inline constexpr double kCrowdedBehind = -16;
inline constexpr double kCrowdedAhead = 4;
// The first object of a house close past its cusp in the upper left is moved
// off the cusp so that it clears the spoke and the cusp label there.
inline constexpr double kNearCusp = 2;
inline constexpr double kCuspNudgeFrom = 102.5;
inline constexpr double kCuspNudgeTo = 137.5;
// Glyphs in the lower left quadrant stand a little further on.
inline constexpr double kLowerLeftFrom = 180;
inline constexpr double kLowerLeftTo = 270;
inline constexpr double kLowerLeftShift = 2;

// A European glyph just past a spoke moves on in these steps until its column
// keeps this far from the spoke, but no further than the limit past it.
inline constexpr double kSpokeClearance = 1;
inline constexpr double kSpokeNudgeStep = 0.25;
inline constexpr double kSpokeNudgeLimit = 10;
inline constexpr int kColumnItems = 3;  // degree, sign and minutes

// Planet columns read degrees first in the American style outside houses
// t..t+5; t moves back one house with option 28.
inline constexpr int kColumnSideHouse = 4;
inline constexpr int kColumnSideSpan = 5;
// European columns read degrees first from 75 up to 255 degrees.
inline constexpr double kDegreesFirstFrom = 75;
inline constexpr double kDegreesFirstTo = 255;

// The column step divides the box height by the drawing's aspect ratio.
inline constexpr double kScreenStepDivisor = 640.0 / 480.0;
inline constexpr double kPrinterStepDivisor = 600.0 / 480.0;
// Digit boxes shrink in the larger minute font sizes.
inline constexpr double kLargeMinuteFont = 9;
inline constexpr int kLargeMinuteShrink = 3;

// Glyph codes of the "HORARY" font.
inline constexpr int kSignGlyphBase = 191;  // + sign number 1..12
inline constexpr int kRetrogradeGlyph = 156;
inline constexpr char kDigitZero = '0';
inline constexpr const char* kFontFace = "HORARY";

// Colours that do not come from the options (QBColor numbers).
inline constexpr int kBlack = 0;
inline constexpr int kWhite = 15;
inline constexpr int kDeclinationGlyphColour = 9;  // light blue

// The window's scale: the vertical half-extent of a wide window, and the
// half-width of a tall one.
inline constexpr double kWideHalfHeight = 225;
inline constexpr int kTallStartScale = 244;
inline constexpr int kDefaultStartScale = 287;
inline constexpr double kHeadingIndent = 10;

// The printed page: its StartScale and the edges of its user scale, which put
// the wheel in the upper part of the page (0.8 is 480 / 600).
inline constexpr int kPageScaleAmerican = 265;
inline constexpr int kPageScaleEuropean = 272;
inline constexpr double kPageAspect = 0.8;
inline constexpr double kPageLeftInset = 16;
inline constexpr double kPageRightInset = 15;
inline constexpr double kPageTopRaise = 68;
inline constexpr double kPageBottomDrop = 40;

// The printed aspect grid: a cell is 1.25 times the extent of this sample.
inline constexpr const char* kGridSample = " 174";
inline constexpr double kGridCellFactor = 1.25;

// The declination chart's glyphs and values: how far their boxes keep from
// the ring, from the spokes and from each other (two values side by side
// further), how much nearer a value stands to its own glyph than to any
// other, and how many degrees a glyph may turn off its slot's ray to clear a
// spoke; drawing units unless said.
inline constexpr double kDeclinationRingGap = 1;
inline constexpr double kDeclinationSpokeGap = 2.5;
inline constexpr double kDeclinationBoxGap = 0.5;
inline constexpr double kDeclinationValueGap = 3;
inline constexpr double kDeclinationNearer = 2;
inline constexpr double kDeclinationGlyphTurn = 1.5;  // degrees

}  // namespace kairotex::wheel
