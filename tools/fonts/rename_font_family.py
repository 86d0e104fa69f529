#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vantrello developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes a copy of a font file under a family name of its own.

The game embeds its faces. Were an embedded face to keep the family and style names of the
font package it comes from, the font database could resolve a request to an installed copy
(possibly another version) instead. Renaming gives each embedded face a family no installed
font carries.

Only the naming changes: the family (IDs 1 and 16), subfamily (2 and 17), unique identifier (3),
full name (4) and PostScript name (6) records of the 'name' table, and for CFF outlines the names
in the CFF top dictionary, which must agree with them. The style (Regular, Bold, Black) is kept,
so weights resolve as before. The copyright and licence records (0, 13, 14) and every other
record are kept as they are. The fonts are under the SIL Open Font License, which asks a
modified copy not to use the original's Reserved Font Names; the new name satisfies that.
The WWS names (21, 22) are dropped: they would name the old family. Glyphs, metrics and all
other tables are left untouched, and the font header keeps its dates, so a build reproduces
the same bytes.

usage: rename_font_family.py --family "Vantrello Sans" SOURCE OUTPUT
"""

import argparse
import os
import sys

try:
    from fontTools.ttLib import TTFont
except ImportError:
    sys.exit(
        "rename_font_family.py: the Python module fontTools is missing. Install the Debian "
        "package 'python3-fonttools' (apt-get install python3-fonttools)."
    )

FAMILY, SUBFAMILY, UNIQUE_ID, FULL_NAME, POSTSCRIPT_NAME = 1, 2, 3, 4, 6
TYPOGRAPHIC_FAMILY, TYPOGRAPHIC_SUBFAMILY = 16, 17
# Names that would carry the old family: Macintosh compatible full name, PostScript CID findfont
# name, WWS family and subfamily, variations PostScript name prefix.
DROPPED = {18, 20, 21, 22, 25}
# Styles the legacy family/subfamily pair (IDs 1, 2) may use.
LEGACY_STYLES = {"Regular", "Bold", "Italic", "Bold Italic"}


def name_string(names, name_id):
    record = names.getName(name_id, 3, 1, 0x409) or names.getName(name_id, 1, 0, 0)
    if record is None:
        return None
    return record.toUnicode()


def rename(font, family):
    names = font["name"]
    style = name_string(names, TYPOGRAPHIC_SUBFAMILY) or name_string(names, SUBFAMILY)
    legacy_style = name_string(names, SUBFAMILY)
    if not style or not legacy_style:
        raise ValueError("the font names no style")
    postscript_name = family.replace(" ", "") + "-" + style.replace(" ", "")
    full_name = family if style == "Regular" else family + " " + style
    version = name_string(names, 5) or "Version unknown"

    if style in LEGACY_STYLES:
        # The legacy pair says it all; typographic names equal to it are left out.
        values = {FAMILY: family, SUBFAMILY: style}
        dropped = DROPPED | {TYPOGRAPHIC_FAMILY, TYPOGRAPHIC_SUBFAMILY}
    else:
        # A style beyond the legacy four (Black): the new family holds this one face, so it is
        # the legacy "Regular" (or "Italic") of that family, and the typographic names carry the
        # real style.
        values = {
            FAMILY: family,
            SUBFAMILY: legacy_style,
            TYPOGRAPHIC_FAMILY: family,
            TYPOGRAPHIC_SUBFAMILY: style,
        }
        dropped = DROPPED
    values[UNIQUE_ID] = version + ";" + postscript_name
    values[FULL_NAME] = full_name
    values[POSTSCRIPT_NAME] = postscript_name

    platforms = {(r.platformID, r.platEncID, r.langID) for r in names.names}
    names.names = [r for r in names.names if r.nameID not in dropped and r.nameID not in values]
    for platform_id, encoding_id, language_id in sorted(platforms):
        for name_id, value in values.items():
            names.setName(value, name_id, platform_id, encoding_id, language_id)
    names.names.sort(key=lambda r: (r.platformID, r.platEncID, r.langID, r.nameID))

    if "CFF " in font:
        cff = font["CFF "].cff
        cff.fontNames = [postscript_name]
        top = cff.topDictIndex[0]
        top.FamilyName = family
        top.FullName = full_name


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--family", required=True, help="the new family name")
    parser.add_argument("source")
    parser.add_argument("output")
    arguments = parser.parse_args()
    if not arguments.family.isascii() or not arguments.family.replace(" ", "").isalnum():
        sys.exit("rename_font_family.py: the family name must be ASCII letters, digits, spaces")

    try:
        font = TTFont(arguments.source, recalcBBoxes=False, recalcTimestamp=False)
        rename(font, arguments.family)
        temporary = arguments.output + ".part"
        font.save(temporary)
        os.replace(temporary, arguments.output)
    except Exception as error:  # any failure ends the build with the file named
        sys.exit(f"rename_font_family.py: {arguments.source}: {error}")


if __name__ == "__main__":
    main()
