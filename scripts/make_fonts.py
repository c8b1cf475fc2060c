#!/usr/bin/python3
"""Makes the window's scalable fonts from the bitmap strikes of a font file.

Every set pixel of a strike becomes a square of the outline, so the outline
rasterised at its design size gives back the bitmap exactly, at twice the size
every pixel is a 2x2 block, and in between the text is smooth and in
proportion. Each strike gives a regular face and a bold face made the classic
way: every glyph drawn a second time one pixel to the right, its advance one
pixel wider. The source's ligatures are left out: they would turn a typed
"TM" into a trademark sign.

Usage: make_fonts.py SOURCE.ttf OUTPUT-DIR
Writes OUTPUT-DIR/sans8.ttf, sans8-bold.ttf (from the 13-pixel strike, em 11
pixels: 8.25 pt) and sans10.ttf, sans10-bold.ttf (16-pixel strike, em 13
pixels: 9.75 pt), and font_advances.inc, the advance of every character
they map in each of the four, which the session fits its messages by.
"""
import os
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont, newTable
from fontTools.ttLib.tables.ttProgram import Program

# One pixel is 64 units: at the design size a unit is exactly FreeType's
# 1/64 pixel, so every edge lands on a pixel boundary.
UNITS_PER_PIXEL = 64
# (strike height in pixels, em in pixels, file stem, family)
FACES = [(13, 11, "sans8", "Kethmor Sans 8"), (16, 13, "sans10", "Kethmor Sans 10")]
# A fixed time stamp keeps the output the same from build to build.
TIMESTAMP = 3786912000  # 2024-01-01, in seconds since 1904


def strike_index(font, height):
    """The strike whose lines are `height` pixels high."""
    return next(i for i, s in enumerate(font["EBLC"].strikes)
                if s.bitmapSizeTable.hori.ascender - s.bitmapSizeTable.hori.descender == height)


def strike_bitmaps(font, height):
    """Returns {glyph: (rows of 0/1, left bearing, top bearing, advance)}."""
    eblc, ebdt = font["EBLC"], font["EBDT"]
    index = strike_index(font, height)
    shared = {}  # glyphs of constant-metric ranges keep their metrics in the index
    for sub in eblc.strikes[index].indexSubTables:
        if hasattr(sub, "metrics"):
            for name in sub.names:
                shared[name] = sub.metrics
    out = {}
    for name, glyph in ebdt.strikeData[index].items():
        glyph.ensureDecompiled()
        if glyph.getFormat() not in (2, 5):  # only rows packed bit to bit are read
            sys.exit(f"{name}: bitmap format {glyph.getFormat()} is not read")
        m = getattr(glyph, "metrics", None) or shared[name]
        width, rows = m.width, m.height
        left = getattr(m, "BearingX", getattr(m, "horiBearingX", 0))
        top = getattr(m, "BearingY", getattr(m, "horiBearingY", 0))
        advance = getattr(m, "Advance", getattr(m, "horiAdvance", 0))
        bits = int.from_bytes(glyph.imageData, "big")
        total = len(glyph.imageData) * 8
        pixels = [[(bits >> (total - 1 - (r * width + c))) & 1 for c in range(width)] for r in range(rows)]
        out[name] = (pixels, left, top, advance)
    return out


def embolden(pixels):
    """The bitmap drawn again one pixel to the right, one column wider."""
    return [[(c < len(row) and row[c]) | (c > 0 and row[c - 1]) for c in range(len(row) + 1)] for row in pixels]


def outline(pixels, left, top):
    """Rectangles covering the set pixels: runs of a row, joined down the rows while they match."""
    pen = TTGlyphPen(None)
    open_runs = {}  # (x0, x1) -> first row
    rects = []
    for r in range(len(pixels) + 1):
        row = pixels[r] if r < len(pixels) else []
        runs, c = set(), 0
        while c < len(row):
            if row[c]:
                start = c
                while c < len(row) and row[c]:
                    c += 1
                runs.add((start, c))
            c += 1
        for run in list(open_runs):
            if run not in runs:
                rects.append((run, open_runs.pop(run), r))
        for run in runs:
            open_runs.setdefault(run, r)
    u = UNITS_PER_PIXEL
    for (x0, x1), r0, r1 in sorted(rects, key=lambda t: (t[1], t[0])):
        xa, xb = (left + x0) * u, (left + x1) * u
        ya, yb = (top - r0) * u, (top - r1) * u
        # Clockwise, as TrueType fills.
        pen.moveTo((xa, yb))
        pen.lineTo((xa, ya))
        pen.lineTo((xb, ya))
        pen.lineTo((xb, yb))
        pen.closePath()
    return pen.glyph()


def build(source, height, em, family, bold):
    order = source.getGlyphOrder()
    bitmaps = strike_bitmaps(source, height)
    glyphs, metrics = {}, {}
    for name in order:
        pixels, left, top, advance = bitmaps.get(name, ([], 0, 0, 0))
        if bold and name in bitmaps:
            pixels, advance = embolden(pixels), advance + 1
        glyphs[name] = outline(pixels, left, top)
        metrics[name] = (advance * UNITS_PER_PIXEL, left * UNITS_PER_PIXEL)
    strike = source["EBLC"].strikes[strike_index(source, height)].bitmapSizeTable
    ascent, descent = strike.hori.ascender * UNITS_PER_PIXEL, -strike.hori.descender * UNITS_PER_PIXEL
    style = "Bold" if bold else "Regular"
    fb = FontBuilder(em * UNITS_PER_PIXEL, isTTF=True)
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap(source.getBestCmap())
    fb.setupGlyf(glyphs)
    fb.setupHorizontalMetrics(metrics)
    fb.setupHorizontalHeader(ascent=ascent, descent=-descent)
    fb.setupNameTable({
        "copyright": source["name"].getDebugName(0) or "",
        "familyName": family,
        "styleName": style,
        "uniqueFontIdentifier": f"{family} {style} outline of the {height}-pixel strike",
        "fullName": f"{family} {style}",
        "psName": f"{family.replace(' ', '')}-{style}",
        "version": "Version 1.0",
        "licenseDescription": "GNU Lesser General Public License, version 2.1 or later",
    })
    fb.setupOS2(usWeightClass=700 if bold else 400, fsSelection=0x20 if bold else 0x40,
                sTypoAscender=ascent, sTypoDescender=-descent, sTypoLineGap=0,
                usWinAscent=ascent, usWinDescent=descent, achVendID="KETH")
    fb.setupPost()
    # A control program of its own (dropout control on) makes FreeType use
    # the font's own instructions, which leave every edge where it is, instead
    # of analysing each glyph for its automatic hinter.
    fb.font["prep"] = newTable("prep")
    fb.font["prep"].program = Program()
    fb.font["prep"].program.fromAssembly(["PUSHW[ ]", "511", "SCANCTRL[ ]", "PUSHB[ ]", "4", "SCANTYPE[ ]"])
    fb.updateHead(macStyle=1 if bold else 0, created=TIMESTAMP, modified=TIMESTAMP)
    return fb.font


def advances(font, name):
    """ADVANCE(font, code point, pixels) for every character the font maps."""
    widths = font["hmtx"].metrics
    return "".join(f"ADVANCE({name}, 0x{cp:04X}, {widths[glyph][0] // UNITS_PER_PIXEL})\n"
                   for cp, glyph in sorted(font.getBestCmap().items()))


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    source = TTFont(sys.argv[1])
    os.makedirs(sys.argv[2], exist_ok=True)
    table = "// Made by make_fonts.py: each character's advance in pixels, by the window's font.\n"
    for height, em, stem, family in FACES:
        for bold in (False, True):
            font = build(source, height, em, family, bold)
            font.save(os.path.join(sys.argv[2], stem + ("-bold" if bold else "") + ".ttf"))
            table += advances(font, ("B" if bold else "R") + ("8" if em == 11 else "10"))
    with open(os.path.join(sys.argv[2], "font_advances.inc"), "w", encoding="ascii") as out:
        out.write(table)


if __name__ == "__main__":
    main()
