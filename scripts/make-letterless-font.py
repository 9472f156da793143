#!/usr/bin/env python3
"""Makes the tests' letterless Verdana: a font named Verdana with Verdana's advances and vertical
metrics (tests/data/verdana-advances.txt) and no ink at all, regular and bold.

The window portraits lay every window out in it, so that a window is placed, wrapped and sized as
Windows lays it out in Verdana, the same on every machine, and its picture holds no letter shapes,
which differ between machines' fonts. Needs python3-fonttools; the fonts it writes are committed:
  scripts/make-letterless-font.py [tests/data/fonts]
"""
import pathlib
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen

UNITS = 2048
ASCENT, DESCENT = 2059, 430

root = pathlib.Path(__file__).resolve().parent.parent
out = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else root / "tests/data/fonts"
out.mkdir(parents=True, exist_ok=True)

regular, bold = {}, {}
for line in (root / "tests/data/verdana-advances.txt").read_text().splitlines():
    fields = line.split()
    if len(fields) < 3 or fields[0].startswith("#"):
        continue
    first = int(fields[0], 16)
    last = int(fields[1], 16) if len(fields) == 4 else first
    for code in range(first, last + 1):
        regular[code], bold[code] = int(fields[-2]), int(fields[-1])

for style, advances, weight in (("Regular", regular, 400), ("Bold", bold, 700)):
    # One empty glyph for each advance the table holds.
    widths = sorted(set(advances.values()))
    names = [".notdef"] + [f"w{width}" for width in widths]
    units = {f"w{width}": round(width * UNITS / 1000) for width in widths}
    units[".notdef"] = UNITS // 2
    empty = TTGlyphPen(None).glyph()
    builder = FontBuilder(UNITS, isTTF=True)
    builder.setupGlyphOrder(names)
    builder.setupCharacterMap({code: f"w{width}" for code, width in advances.items()})
    builder.setupGlyf({name: empty for name in names})
    builder.setupHorizontalMetrics({name: (units[name], 0) for name in names})
    builder.setupHorizontalHeader(ascent=ASCENT, descent=-DESCENT, lineGap=0)
    builder.setupNameTable({"familyName": "Verdana", "styleName": style,
                            "uniqueFontIdentifier": f"Velloran tests letterless Verdana {style}",
                            "fullName": f"Verdana {style}", "psName": f"Verdana-Letterless-{style}",
                            "version": "Version 1.0"})
    builder.setupOS2(usWeightClass=weight, sTypoAscender=ASCENT, sTypoDescender=-DESCENT,
                     sTypoLineGap=0, usWinAscent=ASCENT, usWinDescent=DESCENT,
                     fsSelection=0x20 if weight == 700 else 0x40, achVendID="VELL")
    builder.setupPost(underlinePosition=-180, underlineThickness=150)
    builder.font["head"].macStyle = 1 if weight == 700 else 0
    builder.font["head"].created = builder.font["head"].modified = 0  # the same bytes every time
    builder.save(out / f"letterless-verdana-{style.lower()}.ttf")
