#!/usr/bin/env python3
"""Writes a 32 x 32, 16-colour .ico from a pixel map: make_icon.py map.txt out.ico

The map holds 32 lines of 32 characters (lines starting with # are comments);
each character is one pixel of the standard 16-colour palette below, '.' is
transparent."""
import struct
import sys

# The 16 colours of the standard VGA palette, in palette order.
PALETTE = [
    ('K', (0, 0, 0)), ('r', (128, 0, 0)), ('G', (0, 128, 0)), ('y', (128, 128, 0)),
    ('b', (0, 0, 128)), ('m', (128, 0, 128)), ('c', (0, 128, 128)), ('w', (192, 192, 192)),
    ('g', (128, 128, 128)), ('R', (255, 0, 0)), ('L', (0, 255, 0)), ('Y', (255, 255, 0)),
    ('B', (0, 0, 255)), ('M', (255, 0, 255)), ('C', (0, 255, 255)), ('W', (255, 255, 255)),
]
INDEX = {ch: i for i, (ch, _) in enumerate(PALETTE)}
SIZE = 32


def read_map(path):
    rows = [line.rstrip('\n') for line in open(path, encoding='utf-8') if not line.startswith('#')]
    rows = [r for r in rows if r]
    if len(rows) != SIZE or any(len(r) != SIZE for r in rows):
        sys.exit(f'{path}: want {SIZE} rows of {SIZE} pixels')
    for r in rows:
        for ch in r:
            if ch != '.' and ch not in INDEX:
                sys.exit(f'{path}: unknown colour {ch!r}')
    return rows


def ico_bytes(rows):
    colour = bytearray()
    mask = bytearray()
    for row in reversed(rows):  # bitmaps are stored bottom-up
        for x in range(0, SIZE, 2):
            hi, lo = (INDEX.get(row[x + i], 0) for i in (0, 1))
            colour.append(hi << 4 | lo)
        bits = 0
        for x, ch in enumerate(row):
            if ch == '.':
                bits |= 1 << (31 - x)
        mask += struct.pack('>I', bits)
    palette = b''.join(bytes((b, g, r, 0)) for _, (r, g, b) in PALETTE)
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 4, 0, len(colour) + len(mask), 0, 0, 16, 0)
    image = header + palette + bytes(colour) + bytes(mask)
    directory = struct.pack('<HHH', 0, 1, 1) + struct.pack('<BBBBHHII', SIZE, SIZE, 16, 0, 1, 4, len(image), 22)
    return directory + image


if __name__ == '__main__':
    with open(sys.argv[2], 'wb') as out:
        out.write(ico_bytes(read_map(sys.argv[1])))
