#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vantrello developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes a copy of a font file with TrueType (quadratic) outlines.

Every embedded face is given TrueType outlines, so that every caption of the window is rendered
and blended alike. Qt darkens the stems of faces with PostScript (CFF) outlines and blends their
glyphs in linear light, which makes them look heavier than the TrueType faces beside them: the
value labels' digits would differ by up to two thirds of full intensity, their edges
depending on the picture beneath. A face that already has TrueType outlines is copied as it
is. Each cubic curve becomes quadratic ones that stray from it by at most one font unit; the
new glyphs carry no hinting instructions, and FreeType hints them as it hints any such face.

usage: truetype_outlines.py SOURCE OUTPUT
"""

import sys

from fontTools.pens.cu2quPen import Cu2QuPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont, newTable


def to_truetype(font):
    order = font.getGlyphOrder()
    glyph_set = font.getGlyphSet()
    glyphs = {}
    for name in order:
        pen = TTGlyphPen(glyph_set)
        # PostScript contours run the other way round from TrueType ones.
        glyph_set[name].draw(Cu2QuPen(pen, max_err=1.0, reverse_direction=True))
        glyphs[name] = pen.glyph()
    font["loca"] = newTable("loca")
    glyf = font["glyf"] = newTable("glyf")
    glyf.glyphOrder = order
    glyf.glyphs = glyphs
    del font["CFF "]
    # The version of the maximum profile that TrueType outlines need; no instructions, no zones
    # beyond the glyph's own.
    maxp = font["maxp"]
    maxp.tableVersion = 0x00010000
    maxp.maxZones = 1
    for field in ("maxTwilightPoints", "maxStorage", "maxFunctionDefs", "maxInstructionDefs",
                  "maxStackElements", "maxSizeOfInstructions", "maxComponentElements",
                  "maxComponentDepth"):
        setattr(maxp, field, 0)
    # Glyph names move from the CFF table to the 'post' table.
    post = font["post"]
    post.formatType = 2.0
    post.extraNames = []
    post.mapping = {}
    post.glyphOrder = order
    font["head"].glyphDataFormat = 0
    font.sfntVersion = "\x00\x01\x00\x00"


def main(argv):
    if len(argv) != 3:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    font = TTFont(argv[1])
    if "CFF " in font:
        to_truetype(font)
    font.save(argv[2])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
