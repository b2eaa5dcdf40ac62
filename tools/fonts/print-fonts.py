#!/usr/bin/python3
"""Makes the two fonts that printed pages are set in, from the regular and
the bold serif outline fonts that Debian ships in fonts-liberation2.

    print-fonts.py REGULAR.ttf BOLD.ttf OUTPUT_DIR

Each keeps only the characters a page can show (printable ASCII, Latin-1,
"…", "−" and "√"), without hinting (pages are drawn at print resolution),
and is renamed to the family "Tessaro Print": its copyright and licence
records stay, the records that named the original go. The output is the
same file for the same input. Needs fontTools (Debian: apt-get install
python3-fonttools).
"""

import argparse
import os

from fontTools import subset
from fontTools.ttLib import TTFont

CHARACTERS = [*range(0x20, 0x7F), *range(0xA0, 0x100), 0x2026, 0x2212, 0x221A]
FAMILY = "Tessaro Print"
KEPT_NAMES = [0, 13, 14]  # copyright, licence, licence address


def make(source, output, style):
    options = subset.Options()
    options.hinting = False
    options.name_IDs = KEPT_NAMES
    options.name_languages = ["*"]
    options.notdef_outline = True
    font = TTFont(source, recalcTimestamp=False)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=CHARACTERS)
    subsetter.subset(font)
    name = font["name"]
    for platform, encoding, language in ((3, 1, 0x409), (1, 0, 0)):
        for name_id, text in ((1, FAMILY), (2, style), (3, f"{FAMILY} {style}"), (4, f"{FAMILY} {style}"),
                              (6, f"{FAMILY.replace(' ', '')}-{style}")):
            name.setName(text, name_id, platform, encoding, language)
    font.save(output, reorderTables=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("regular")
    parser.add_argument("bold")
    parser.add_argument("output_dir")
    args = parser.parse_args()
    make(args.regular, os.path.join(args.output_dir, "tessaro-print.ttf"), "Regular")
    make(args.bold, os.path.join(args.output_dir, "tessaro-print-bold.ttf"), "Bold")


if __name__ == "__main__":
    main()
