#!/usr/bin/python3
"""The dialog fonts carry Tessaro's family names in their name table, and
every other table is byte for byte the one they had before the renaming, so
the windows draw exactly the same glyphs. head holds the file checksum
(bytes 8 to 11), which must follow the name table: it is checked, not compared.
The tables are found through the font's own table directory.
    tst_fonttables.py FONT_DIRECTORY"""
import hashlib, struct, sys
from pathlib import Path

# SHA-256 over tag and bytes of every table but name, in tag order.
FONTS = {"tessaro-dialog.ttf": ("Tessaro Dialog", "87e858e0e323c9082b8745d39df682998046bf4365256a9e82429d7f0c4e0a41"),
         "tessaro-dialog-pixels.ttf": ("Tessaro Dialog Pixels", "4903b37434abd583a5f8ed5de5386ff137cf49138a729fd10f129194af918f0b")}
faults = []
for file, (family, expected) in FONTS.items():
    raw = (Path(sys.argv[1]) / file).read_bytes()
    # After a 12-byte header (the table count at byte 4): tag, checksum, offset and length of each table.
    tables = {tag.decode(): (offset, length) for tag, _, offset, length
              in struct.iter_unpack(">4sIII", raw[12:12 + 16 * struct.unpack_from(">H", raw, 4)[0]])}
    head, at = tables["head"][0], tables["name"][0]
    unsummed = raw[:head + 8] + bytes(4) + raw[head + 12:]
    digest = hashlib.sha256(b"".join(tag.encode() + unsummed[offset:offset + length]
                                     for tag, (offset, length) in sorted(tables.items()) if tag != "name"))
    faults += [f"{file}: a table other than name changed"] * (digest.hexdigest() != expected)
    # name: record count and string offset at bytes 2 and 4, then six 16-bit fields a record; Mac Roman or UTF-16.
    count, strings = struct.unpack_from(">HH", raw, at + 2)
    names = {(i, raw[at + strings + start:at + strings + start + n].decode("mac_roman" if platform == 1 else "utf_16_be"))
             for platform, _, _, i, n, start in struct.iter_unpack(">6H", raw[at + 6:at + 6 + 12 * count]) if i in (1, 4, 6)}
    faults += [f"{file}: names {sorted(names)}"] * (names != {(1, family), (4, family), (6, family.replace(" ", ""))})
    words = unsummed + bytes(-len(raw) % 4)
    adjustment = (0xB1B0AFBA - sum(struct.unpack(f">{len(words) // 4}I", words))) % 2**32
    faults += [f"{file}: stale file checksum in head"] * (adjustment != struct.unpack_from(">I", raw, head + 8)[0])
print("\n".join(faults) or "both fonts: every table but name as before, names of their own")
sys.exit(1 if faults else 0)
