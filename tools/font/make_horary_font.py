#!/usr/bin/env python3
"""Writes the glyph font "HORARY" (data/horary.ttf) from DejaVu Sans.

The program prints every chart symbol as one 8-bit character code; a code
reaches the font as the Unicode code point of the same number (U+0080 to
U+00FF), so those code points are pointed at DejaVu's own astrological
glyphs. The few symbols DejaVu lacks are drawn here from its shapes and
letters. Printable ASCII keeps its DejaVu glyphs. The font is cut down to
the codes 32 to 255 and renamed, as the DejaVu licence asks of a changed
font. It replaces the old file only after check_horary_font.py passes.

usage: make_horary_font.py [BASE_TTF [OUT_TTF]]
"""
import math
import os
import sys
import tempfile

from fontTools import subset
from fontTools.pens.recordingPen import DecomposingRecordingPen
from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_horary_font  # noqa: E402  (the same check as the test)

BASE = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data", "horary.ttf")
FAMILY = check_horary_font.FAMILY
RETROGRADE_ALIAS = check_horary_font.RETROGRADE_ALIAS
QUINTILE_ALIAS = check_horary_font.QUINTILE_ALIAS

# Codes that show a DejaVu glyph as it is: code -> DejaVu code point.
TAKEN = {
    156: 0x211E,   # retrograde, prescription take
    160: 0x00A0,   # aspect code 1, no aspect: blank
    161: 0x260C,   # conjunction
    165: 0x260D,   # opposition
    167: 0x22BB,   # semisextile: DejaVu has no U+26BA; U+22BB has its shape
    168: 0x2220,   # semisquare
    170: 0x22BC,   # quincunx: DejaVu has no U+26BB; U+22BC has its shape
    224: 0x2609,   # Sun
    225: 0x263F,   # Mercury
    226: 0x2640,   # Venus
    227: 0x2642,   # Mars
    228: 0x2643,   # Jupiter
    229: 0x2644,   # Saturn
    230: 0x2645,   # Uranus
    231: 0x2646,   # Neptune
    232: 0x2647,   # Pluto
    233: 0x263D,   # Moon
    234: 0x260A,   # North Node
    235: 0x260B,   # South Node
    236: 0x2295,   # Part of Fortune; the same code is the Earth of the helio chart
    239: 0x26B7,   # Chiron
}
TAKEN.update({191 + sign: 0x2647 + sign for sign in range(1, 13)})  # Aries..Pisces

STROKE = 160          # stem of DejaVu's symbol lines (parallel, minus)
SYMBOL_HEIGHT = 1500  # DejaVu's astrological symbols stand 0..1500 units
LETTER_SCALE = 0.66   # AC and MC keep about the width of a sign glyph
ASPECT_SCALE = 0.8    # one letter height for all lettered aspects
LETTER_GAP = 90       # ink to ink between the letters of a label
SIDE_BEARING = 100


def draw_glyphs(font, pen, parts):
    """Draws (glyph name, affine transform) parts of the font onto pen."""
    glyph_set = font.getGlyphSet()
    for name, transform in parts:
        recording = DecomposingRecordingPen(glyph_set)
        glyph_set[name].draw(recording)
        recording.replay(TransformPen(pen, transform))


def polygon(pen, points):
    """A closed straight-sided contour; points go clockwise (filled)."""
    pen.moveTo(points[0])
    for point in points[1:]:
        pen.lineTo(point)
    pen.closePath()


def bar(pen, x0, y0, x1, y1, width=STROKE):
    """A straight stroke of the given width between two points."""
    length = math.hypot(x1 - x0, y1 - y0)
    nx, ny = (y1 - y0) / length * width / 2, -(x1 - x0) / length * width / 2
    polygon(pen, [(round(x0 + nx), round(y0 + ny)), (round(x0 - nx), round(y0 - ny)),
                  (round(x1 - nx), round(y1 - ny)), (round(x1 + nx), round(y1 + ny))])


def on_baseline(font, code_point, height=None):
    """A DejaVu shape set on the baseline: its geometric shapes hang below it.
    With a height, upright strokes are stretched to it (only y is scaled, so
    the stems keep their width)."""
    name = font.getBestCmap()[code_point]
    glyph = font["glyf"][name]
    scale = height / (glyph.yMax - glyph.yMin) if height else 1
    pen = TTGlyphPen(None)
    draw_glyphs(font, pen, [(name, (1, 0, 0, scale, 0, -glyph.yMin * scale))])
    return pen, font["hmtx"][name][0]


def lettered(font, text, scale=LETTER_SCALE):
    """A label of DejaVu letters on the baseline, for symbols without a glyph.
    The letters are set closer than in text so that a label stays about as
    wide as a sign glyph."""
    cmap, glyf = font.getBestCmap(), font["glyf"]
    pen, x, parts = TTGlyphPen(None), SIDE_BEARING - LETTER_GAP, []
    for char in text:
        glyph = glyf[cmap[ord(char)]]
        x += LETTER_GAP - glyph.xMin * scale
        parts.append((cmap[ord(char)], (scale, 0, 0, scale, x, 0)))
        x += glyph.xMax * scale
    draw_glyphs(font, pen, parts)
    return pen, round(x + SIDE_BEARING)


def sextile(font):
    """Six arms, one of them upright; DejaVu has no U+26B9."""
    pen, advance = TTGlyphPen(None), 1716
    cx, cy, arm = advance / 2, SYMBOL_HEIGHT / 2, 700
    for degrees in (90, 30, 150):
        dx, dy = arm * math.cos(math.radians(degrees)), arm * math.sin(math.radians(degrees))
        bar(pen, cx - dx, cy - dy, cx + dx, cy + dy)
    return pen, advance


def sesquisquare(font):
    """A square with the semisquare's 45-degree angle standing on its top
    (90 + 45 degrees); DejaVu has no U+26BC."""
    pen, advance = TTGlyphPen(None), 1500
    left, right, top, line = 200, 1000, 750, 140
    polygon(pen, [(left, 0), (left, top), (right, top), (right, 0)])
    polygon(pen, [(left + line, line), (right - line, line),
                  (right - line, top - line), (left + line, top - line)])
    rise = SYMBOL_HEIGHT - top
    width = round(line * math.sqrt(2))  # the stroke's width measured level
    polygon(pen, [(left, top - line), (left, top), (left + rise, SYMBOL_HEIGHT),
                  (left + rise + width, SYMBOL_HEIGHT), (left + width, top),
                  (left + width, top - line)])
    return pen, advance


# Codes drawn here: code -> (glyph name, builder).
BUILT = {
    162: ("sextile", sextile),
    163: ("square", lambda font: on_baseline(font, 0x25A1)),
    164: ("trine", lambda font: on_baseline(font, 0x25B3)),
    166: ("parallel", lambda font: on_baseline(font, 0x2225, SYMBOL_HEIGHT)),
    169: ("sesquisquare", sesquisquare),
    171: ("semiquintile", lambda font: lettered(font, "SQ", ASPECT_SCALE)),
    172: ("nonagen", lambda font: lettered(font, "N", ASPECT_SCALE)),
    173: ("quintile", lambda font: lettered(font, "Q", ASPECT_SCALE)),
    174: ("tredecile", lambda font: lettered(font, "T", ASPECT_SCALE)),
    175: ("biquintile", lambda font: lettered(font, "bQ", ASPECT_SCALE)),
    176: ("septile", lambda font: lettered(font, "S7", ASPECT_SCALE)),
    177: ("contraparallel", lambda font: on_baseline(font, 0x2226, SYMBOL_HEIGHT)),
    237: ("ascendant", lambda font: lettered(font, "AC")),
    238: ("midheaven", lambda font: lettered(font, "MC")),
}


def add_glyph(font, name, pen, advance):
    glyph = pen.glyph()
    glyph.recalcBounds(font["glyf"])
    font["glyf"][name] = glyph  # also appends the name to the glyph order
    font["hmtx"][name] = (advance, glyph.xMin)


def map_codes(font):
    base_cmap = font.getBestCmap()
    codes = {code: base_cmap[code] for code in range(32, 127)}
    for code, code_point in TAKEN.items():
        if code_point not in base_cmap:
            sys.exit(f"base font has no glyph for U+{code_point:04X} (code {code})")
        codes[code] = base_cmap[code_point]
    for code, (name, build) in BUILT.items():
        add_glyph(font, name, *build(font))
        codes[code] = name
    # Code 156 is U+009C, which Qt also uses to separate the variants of one
    # string (QFontMetrics stops measuring there); the mark is therefore
    # also at its own code point, for callers that need to measure it.
    codes[RETROGRADE_ALIAS] = codes[156]
    # Code 173 is U+00AD, the soft hyphen, which text layout draws as nothing;
    # the quintile is also kept in the private use area for such callers.
    codes[QUINTILE_ALIAS] = codes[173]
    # Other Latin-1 codes keep their letters; the rest of Unicode goes.
    for code in range(0xA0, 0x100):
        codes.setdefault(code, base_cmap[code])
    for table in font["cmap"].tables:
        if table.isUnicode():
            table.cmap = {code: name for code, name in codes.items()}
    return codes


def cut_down(font, codes):
    options = subset.Options()
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.name_legacy = True
    options.notdef_outline = True   # a missing code shows a box, not nothing
    options.glyph_names = True      # readable names in the check's messages
    options.drop_tables += ["MATH", "FFTM"]
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=codes)
    subsetter.subset(font)


def rename(font):
    names = font["name"]
    version = f"Version 1.0; from DejaVu Sans {names.getDebugName(5).split()[-1]}"
    for record in list(names.names):
        if record.nameID in (3, 8, 11, 16, 17) or record.nameID >= 256:
            names.removeNames(nameID=record.nameID)  # DejaVu's own identity
    # Copyright (0) and licence (13, 14) stay as the licence requires.
    for name_id, value in ((1, FAMILY), (2, "Regular"), (3, FAMILY), (4, FAMILY),
                           (5, version), (6, FAMILY)):
        names.setName(value, name_id, 3, 1, 0x409)
        names.setName(value, name_id, 1, 0, 0)


def main():
    base = sys.argv[1] if len(sys.argv) > 1 else BASE
    out = os.path.abspath(sys.argv[2] if len(sys.argv) > 2 else OUT)
    font = TTFont(base, recalcTimestamp=False)  # same input, same bytes
    codes = map_codes(font)
    cut_down(font, codes)
    rename(font)
    handle, temporary = tempfile.mkstemp(suffix=".ttf", dir=os.path.dirname(out))
    os.close(handle)
    try:
        font.save(temporary)
        found = check_horary_font.problems(TTFont(temporary))
        if found:
            for line in found:
                print(f"horary font: {line}", file=sys.stderr)
            sys.exit(f"horary font not written; {out} left as it was")
        os.chmod(temporary, 0o644)
        os.replace(temporary, out)
    finally:
        if os.path.exists(temporary):
            os.remove(temporary)
    print(f"wrote {out}")


if __name__ == "__main__":
    main()
