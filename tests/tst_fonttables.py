#!/usr/bin/python3
"""The dialog fonts carry Tessaro's family names in their name table, and
every other table is byte for byte the one they had before the renaming, so
the windows draw exactly the same glyphs. head holds the file checksum
(bytes 8 to 11), which must follow the name table: it is checked, not compared.
    tst_fonttables.py FONT_DIRECTORY"""
import hashlib, struct, sys
from pathlib import Path
try:
    from fontTools.ttLib import TTFont
except ImportError:
    sys.exit(print("fontTools is not installed: skipped") or 77)

# SHA-256 over tag and bytes of every table but name, in tag order.
FONTS = {"tessaro-dialog.ttf": ("Tessaro Dialog", "87e858e0e323c9082b8745d39df682998046bf4365256a9e82429d7f0c4e0a41"),
         "tessaro-dialog-pixels.ttf": ("Tessaro Dialog Pixels", "4903b37434abd583a5f8ed5de5386ff137cf49138a729fd10f129194af918f0b")}
faults = []
for file, (family, expected) in FONTS.items():
    raw = (Path(sys.argv[1]) / file).read_bytes()
    font, digest = TTFont(Path(sys.argv[1]) / file, lazy=True), hashlib.sha256()
    for tag in sorted(t for t in font.reader.keys() if t != "name"):
        digest.update(tag.encode() + (font.reader[tag][:8] + bytes(4) + font.reader[tag][12:] if tag == "head" else font.reader[tag]))
    faults += [f"{file}: a table other than name changed"] * (digest.hexdigest() != expected)
    names = {(r.nameID, r.toUnicode()) for r in font["name"].names if r.nameID in (1, 4, 6)}
    faults += [f"{file}: names {sorted(names)}"] * (names != {(1, family), (4, family), (6, family.replace(" ", ""))})
    head = font.reader.tables["head"].offset
    words = raw[:head + 8] + bytes(4) + raw[head + 12:] + bytes(-len(raw) % 4)
    adjustment = (0xB1B0AFBA - sum(struct.unpack(f">{len(words) // 4}I", words))) % 2**32
    faults += [f"{file}: stale file checksum in head"] * (adjustment != struct.unpack(">I", raw[head + 8:head + 12])[0])
print("\n".join(faults) or "both fonts: every table but name as before, names of their own")
sys.exit(1 if faults else 0)
