#!/usr/bin/python3
"""Gives a font a new family name and changes nothing but its name table.

    rename-family.py INPUT.ttf OUTPUT.ttf FAMILY

The family, full and unique names become FAMILY, the PostScript name FAMILY
without spaces, on every platform the name table has; the note of the tool
that made the font goes. Copyright, licence, designer, vendor and version
records stay as they are. Every other table is copied byte for byte; only
the file checksum in head follows the new name table, as it must.
Needs fontTools (Debian: apt-get install python3-fonttools).
"""

import argparse

from fontTools.ttLib import TTFont

FAMILY_IDS = (1, 3, 4, 16, 21)  # family, unique, full, typographic and WWS family
POSTSCRIPT_ID = 6
TOOL_NOTE_ID = 8


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("input")
    parser.add_argument("output")
    parser.add_argument("family")
    args = parser.parse_args()

    # Lazy: a table that is never read is written back from its raw bytes.
    font = TTFont(args.input, lazy=True, recalcBBoxes=False, recalcTimestamp=False)
    name = font["name"]
    for record in list(name.names):
        ids = (record.platformID, record.platEncID, record.langID)
        if record.nameID in FAMILY_IDS:
            name.setName(args.family, record.nameID, *ids)
        elif record.nameID == POSTSCRIPT_ID:
            name.setName(args.family.replace(" ", ""), POSTSCRIPT_ID, *ids)
    name.removeNames(nameID=TOOL_NOTE_ID)
    font.save(args.output, reorderTables=False)


if __name__ == "__main__":
    main()
