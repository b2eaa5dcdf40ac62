#!/usr/bin/python3
"""Turns one bitmap strike of a TrueType font into an outline font.

    pixel-outlines.py INPUT.ttf OUTPUT.ttf [--ppem 13] [--family NAME]

Every set pixel of the strike becomes part of a square-edged outline on the
strike's pixel grid: at a pixel size equal to the strike's ppem one font pixel
is one pixel, at twice that size a crisp 2 x 2 block, and so on. Advances,
ascent and descent are the strike's, in whole pixels, so text set in the
outline font is exactly as wide and as high as in the strike at every scale.
The glyph order, the character map and the substitutions (ligatures) are kept,
so the same text gives the same glyphs.

Tessaro's window font is a bitmap-only font; its outline form draws the
window text on high-density screens. Only needed to regenerate
resources/fonts/tessaro-dialog-pixels.ttf, not to build or test Tessaro.
Needs fontTools (Debian: apt-get install python3-fonttools).
"""

import argparse
import sys

from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont, newTable

# Font units per pixel of the strike: the em is ppem * UNITS, so that every
# edge lies on a whole number of units and scales to whole device pixels.
UNITS = 128


def strike_for(font, ppem):
    for index, strike in enumerate(font["EBLC"].strikes):
        size = strike.bitmapSizeTable
        if size.ppemX == ppem and size.ppemY == ppem:
            if size.bitDepth != 1:
                sys.exit(f"strike {ppem} has {size.bitDepth} bits a pixel; only 1 is handled")
            return strike, font["EBDT"].strikeData[index]
    sys.exit(f"no strike of {ppem} pixels to the em")


def shared_metrics(strike):
    """Metrics of glyphs whose index subtable holds them for all its glyphs."""
    metrics = {}
    for subtable in strike.indexSubTables:
        if subtable.indexFormat in (2, 5):
            for name in subtable.names:
                metrics[name] = subtable.metrics
    return metrics


def glyph_metrics(bitmap, shared, name):
    """(width, height, bearing x, bearing y, advance) in pixels."""
    if name in shared:
        m = shared[name]
        return m.width, m.height, m.horiBearingX, m.horiBearingY, m.horiAdvance
    m = bitmap.metrics
    if hasattr(m, "horiAdvance"):
        return m.width, m.height, m.horiBearingX, m.horiBearingY, m.horiAdvance
    return m.width, m.height, m.BearingX, m.BearingY, m.Advance


def set_pixels(bitmap, format_, width, height):
    """(column, row) of every set pixel, row 0 at the top."""
    data = bitmap.imageData
    if format_ in (2, 5):  # bit-aligned: rows follow each other bit by bit
        bit = lambda i: (data[i >> 3] >> (7 - (i & 7))) & 1
        return {(c, r) for r in range(height) for c in range(width) if bit(r * width + c)}
    if format_ in (1, 6):  # byte-aligned: every row starts on a byte
        stride = (width + 7) // 8
        return {(c, r) for r in range(height) for c in range(width)
                if (data[r * stride + (c >> 3)] >> (7 - (c & 7))) & 1}
    sys.exit(f"bitmap image format {format_} is not handled")


def contours(cells):
    """Closed outlines, clockwise in y-up coordinates, around a set of unit
    cells (x, y) = lower left corner; holes come out anticlockwise."""
    edges = {}
    for x, y in cells:
        corners = [(x, y), (x, y + 1), (x + 1, y + 1), (x + 1, y)]
        for a, b in zip(corners, corners[1:] + corners[:1]):
            if (b, a) in edges:  # the side two cells share is no outline
                del edges[(b, a)]
            else:
                edges[(a, b)] = True
    leaving = {}
    for a, b in edges:
        leaving.setdefault(a, []).append(b)
    for ends in leaving.values():
        ends.sort()

    def turn(previous, here, candidates):
        # Where two cells touch only at a corner, keep to the right (turn
        # clockwise), so that each cell group gets its own outline.
        dx, dy = here[0] - previous[0], here[1] - previous[1]
        order = [(dy, -dx), (dx, dy), (-dy, dx)]  # right, straight, left
        for ox, oy in order:
            target = (here[0] + ox, here[1] + oy)
            if target in candidates:
                return target
        return candidates[0]

    result = []
    for start in sorted(leaving):
        while leaving.get(start):
            points = [start]
            here = leaving[start].pop(0)
            previous = start
            while here != start:
                points.append(here)
                ends = leaving[here]
                following = turn(previous, here, ends)
                ends.remove(following)
                previous, here = here, following
            result.append(simplified(points))
    return result


def simplified(points):
    """The corners of a closed rectilinear outline."""
    corners = []
    n = len(points)
    for i, p in enumerate(points):
        before, after = points[i - 1], points[(i + 1) % n]
        if (before[0] == p[0] == after[0]) or (before[1] == p[1] == after[1]):
            continue
        corners.append(p)
    return corners


def covered(outlines, x, y):
    """Non-zero winding at the centre of cell (x, y)."""
    cx, cy = x + 0.5, y + 0.5
    winding = 0
    for outline in outlines:
        for a, b in zip(outline, outline[1:] + outline[:1]):
            if a[0] == b[0] and a[0] > cx and min(a[1], b[1]) < cy < max(a[1], b[1]):
                winding += 1 if b[1] > a[1] else -1
    return winding != 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("input")
    parser.add_argument("output")
    parser.add_argument("--ppem", type=int, default=13)
    parser.add_argument("--family", default="Tessaro Dialog Pixels")
    args = parser.parse_args()

    font = TTFont(args.input, recalcTimestamp=False)
    strike, bitmaps = strike_for(font, args.ppem)
    shared = shared_metrics(strike)
    formats = {name: subtable.imageFormat for subtable in strike.indexSubTables for name in subtable.names}
    size = strike.bitmapSizeTable
    ascent, descent = size.hori.ascender, size.hori.descender  # descender < 0
    em = args.ppem * UNITS

    glyf, hmtx = font["glyf"], font["hmtx"]
    for name in font.getGlyphOrder():
        pen = TTGlyphPen(None)
        advance = 0
        if name in bitmaps:
            bitmap = bitmaps[name]
            width, height, bearing_x, bearing_y, advance = glyph_metrics(bitmap, shared, name)
            pixels = set_pixels(bitmap, formats[name], width, height)
            cells = {(bearing_x + c, bearing_y - r - 1) for c, r in pixels}
            outlines = contours(cells)
            span = range(bearing_x - 1, bearing_x + width + 1), range(bearing_y - height - 1, bearing_y + 1)
            for x in span[0]:
                for y in span[1]:
                    if covered(outlines, x, y) != ((x, y) in cells):
                        sys.exit(f"outline of {name} does not cover its pixels at {x},{y}")
            for outline in outlines:
                pen.moveTo((outline[0][0] * UNITS, outline[0][1] * UNITS))
                for x, y in outline[1:]:
                    pen.lineTo((x * UNITS, y * UNITS))
                pen.closePath()
        glyph = pen.glyph()
        glyph.recalcBounds(glyf)
        glyf[name] = glyph
        hmtx[name] = (advance * UNITS, glyph.xMin if glyph.numberOfContours else 0)

    # The strike's pixels and whole-pixel metrics replace the bitmaps.
    for tag in ("EBDT", "EBLC", "EBSC", "FFTM", "hdmx", "LTSH", "VDMX", "kern"):
        if tag in font:
            del font[tag]
    head = font["head"]
    original_em = head.unitsPerEm
    head.unitsPerEm = em
    head.modified = head.created  # the same file from the same input
    head.lowestRecPPEM = args.ppem
    hhea = font["hhea"]
    hhea.ascent, hhea.descent, hhea.lineGap = ascent * UNITS, descent * UNITS, 0
    os2 = font["OS/2"]
    os2.sTypoAscender, os2.sTypoDescender, os2.sTypoLineGap = ascent * UNITS, descent * UNITS, 0
    os2.usWinAscent, os2.usWinDescent = ascent * UNITS, -descent * UNITS
    if os2.version < 4:
        os2.version = 4
        os2.ulCodePageRange1 = getattr(os2, "ulCodePageRange1", 1)  # Latin 1
        os2.ulCodePageRange2 = getattr(os2, "ulCodePageRange2", 0)
        os2.usDefaultChar, os2.usBreakChar = 0, 0x20
        os2.usMaxContext = max((len(component) + 1 for lookup in font["GSUB"].table.LookupList.Lookup
                               for subtable in lookup.SubTable for ligatures in getattr(subtable, "ligatures", {}).values()
                               for component in (ligature.Component for ligature in ligatures)), default=1) \
            if "GSUB" in font and font["GSUB"].table.LookupList else 1
    cmap = font.getBestCmap()
    os2.sxHeight = glyf[cmap[ord("x")]].yMax
    os2.sCapHeight = glyf[cmap[ord("H")]].yMax
    os2.fsSelection |= 1 << 7  # USE_TYPO_METRICS
    os2.yStrikeoutPosition, os2.yStrikeoutSize = 3 * UNITS, UNITS
    for field in ("ySubscriptXSize", "ySubscriptYSize", "ySubscriptXOffset", "ySubscriptYOffset",
                  "ySuperscriptXSize", "ySuperscriptYSize", "ySuperscriptXOffset", "ySuperscriptYOffset"):
        setattr(os2, field, round(getattr(os2, field) * em / original_em))
    os2.recalcAvgCharWidth(font)
    post = font["post"]
    post.underlinePosition, post.underlineThickness = -UNITS, UNITS
    gasp = newTable("gasp")
    gasp.version = 1
    gasp.gaspRange = {0xFFFF: 0x000A}  # no grid fitting: the edges are on the grid
    font["gasp"] = gasp

    name = font["name"]
    original = name.getDebugName(1)
    postscript = args.family.replace(" ", "")
    for record in list(name.names):
        if record.nameID in (1, 4, 16):
            name.setName(args.family, record.nameID, record.platformID, record.platEncID, record.langID)
        elif record.nameID == 3:
            name.setName(f"{postscript} {args.ppem} pixels", 3, record.platformID, record.platEncID, record.langID)
        elif record.nameID == 6:
            name.setName(postscript, 6, record.platformID, record.platEncID, record.langID)
        elif record.nameID == 8:
            name.removeNames(nameID=8, platformID=record.platformID)
    name.addMultilingualName({"en": f"The {args.ppem}-pixel strike of {original} with each pixel as a square outline."},
                             font, nameID=10, mac=True)

    font.save(args.output, reorderTables=True)


if __name__ == "__main__":
    main()
