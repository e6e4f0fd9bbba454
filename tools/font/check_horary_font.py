#!/usr/bin/env python3
"""Checks that the glyph font has a drawn glyph for every code the program
prints with it, so that no symbol of the wheel or the aspect list comes out
as an empty box.

usage: check_horary_font.py FONT_FILE
Exit status 0 when the font passes, 1 when it does not (the problems are
listed), 77 when fontTools is not installed (the test is skipped).
make_horary_font.py runs the same check before it writes the font.
"""
import os
import sys

try:
    from fontTools.pens.recordingPen import DecomposingRecordingPen
    from fontTools.ttLib import TTFont
except ImportError:
    # A python3 from pyenv or a virtual environment does not see the Debian
    # package; try the system interpreter before giving up.
    system_python = "/usr/bin/python3"
    if (os.access(system_python, os.X_OK)
            and os.path.realpath(sys.executable) != os.path.realpath(system_python)):
        os.execv(system_python, [system_python] + sys.argv)
    print("fontTools is not installed (Debian: python3-fonttools); skipped")
    sys.exit(77)

FAMILY = "HORARY"

# The codes printed with the font, one 8-bit character each.
RETROGRADE = [156]
RETROGRADE_ALIAS = 0x211E         # the same mark at its Unicode code point
QUINTILE_ALIAS = 0xE0AD           # the quintile again, in the private use area
ASPECTS = list(range(161, 178))   # aspect code k is printed as 159 + k
SIGNS = list(range(192, 204))     # 191 + sign number
OBJECTS = list(range(224, 240))   # 223 + object number; 236 is also the Earth
SYMBOL_CODES = RETROGRADE + [RETROGRADE_ALIAS, QUINTILE_ALIAS] + ASPECTS + SIGNS + OBJECTS
# Digits, letters and the rest of printable ASCII (the heading lines).
TEXT_CODES = list(range(33, 127))
# Codes that must exist but may stay blank: space and "no aspect".
BLANK_CODES = [32, 160]


def contour_count(glyph_set, name):
    pen = DecomposingRecordingPen(glyph_set)
    glyph_set[name].draw(pen)
    return sum(1 for op, _ in pen.value if op in ("closePath", "endPath"))


def family_names(font):
    return {(record.nameID, record.platformID): record.toUnicode()
            for record in font["name"].names if record.nameID in (1, 4, 6)}


def problems(font):
    """Returns a list of what is wrong with the font, empty when nothing."""
    found = []
    cmap = font.getBestCmap()
    glyph_set = font.getGlyphSet()
    for code in BLANK_CODES:
        if code not in cmap:
            found.append(f"code {code}: no glyph")
    for code in SYMBOL_CODES + TEXT_CODES:
        name = cmap.get(code)
        if name is None or name == ".notdef":
            found.append(f"code {code}: no glyph")
        elif contour_count(glyph_set, name) == 0:
            found.append(f"code {code}: glyph '{name}' is empty")
    # Every symbol of one kind must look different from the others.
    for label, codes in (("sign", SIGNS), ("object", OBJECTS), ("aspect", ASPECTS)):
        names = [cmap.get(code) for code in codes]
        if len(set(names)) != len(names):
            found.append(f"two {label} codes share one glyph")
    names = family_names(font)
    if not names:
        found.append("no family name")
    for (name_id, platform), value in sorted(names.items()):
        if value != FAMILY:
            found.append(f"name {name_id} (platform {platform}) is '{value}', not '{FAMILY}'")
    return found


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    try:
        font = TTFont(sys.argv[1])
    except Exception as error:  # missing file or not a font
        print(f"{sys.argv[1]}: cannot read: {error}", file=sys.stderr)
        return 1
    found = problems(font)
    for line in found:
        print(f"{sys.argv[1]}: {line}", file=sys.stderr)
    if not found:
        print(f"{sys.argv[1]}: every code has its glyph")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
