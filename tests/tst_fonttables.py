#!/usr/bin/python3
"""The dialog fonts carry Tessaro's family names in their name table, and
every other table is byte for byte the one they had before the renaming, so
the windows draw exactly the same glyphs. head holds the file checksum
(bytes 8 to 11), which must follow the name table: it is checked, not compared.
The tables are found through the font's own table directory; Python's
standard library is all it needs.
    tst_fonttables.py FONT_DIRECTORY"""
import hashlib, struct, sys
from pathlib import Path

# SHA-256 over tag and bytes of every table but name, in tag order.
FONTS = {"tessaro-dialog.ttf": ("Tessaro Dialog", "87e858e0e323c9082b8745d39df682998046bf4365256a9e82429d7f0c4e0a41"),
         "tessaro-dialog-pixels.ttf": ("Tessaro Dialog Pixels", "4903b37434abd583a5f8ed5de5386ff137cf49138a729fd10f129194af918f0b")}

def tables(raw):
    """Tag: (offset, length) of each table, from the directory that follows
    the 12-byte header (version, table count, three search fields)."""
    count = struct.unpack_from(">H", raw, 4)[0]
    return {tag.decode("latin-1"): (offset, length)
            for tag, _, offset, length in struct.iter_unpack(">4sIII", raw[12:12 + 16 * count])}

def names(table):
    """(name id, text) of every record of a name table: Macintosh records
    in Mac Roman, Unicode and Windows records in UTF-16."""
    _, count, strings = struct.unpack_from(">HHH", table)
    for platform, _, _, name_id, length, offset in struct.iter_unpack(">6H", table[6:6 + 12 * count]):
        text = table[strings + offset:strings + offset + length]
        yield name_id, text.decode("mac_roman" if platform == 1 else "utf_16_be")

faults = []
for file, (family, expected) in FONTS.items():
    raw = (Path(sys.argv[1]) / file).read_bytes()
    directory, digest = tables(raw), hashlib.sha256()
    head = directory["head"][0]
    unsummed = raw[:head + 8] + bytes(4) + raw[head + 12:]
    for tag in sorted(t for t in directory if t != "name"):
        offset, length = directory[tag]
        digest.update(tag.encode("latin-1") + unsummed[offset:offset + length])
    faults += [f"{file}: a table other than name changed"] * (digest.hexdigest() != expected)
    offset, length = directory["name"]
    found = {(i, text) for i, text in names(raw[offset:offset + length]) if i in (1, 4, 6)}
    faults += [f"{file}: names {sorted(found)}"] * (found != {(1, family), (4, family), (6, family.replace(" ", ""))})
    words = unsummed + bytes(-len(raw) % 4)
    adjustment = (0xB1B0AFBA - sum(struct.unpack(f">{len(words) // 4}I", words))) % 2**32
    faults += [f"{file}: stale file checksum in head"] * (adjustment != struct.unpack_from(">I", raw, head + 8)[0])
print("\n".join(faults) or "both fonts: every table but name as before, names of their own")
sys.exit(1 if faults else 0)
