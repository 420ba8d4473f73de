#!/usr/bin/env python3
"""Writes the small PNG images of the test skin (plain RGB, no libraries needed)."""
import struct
import zlib


def png(path, width, height, pixel):
    rows = b"".join(b"\0" + b"".join(bytes(pixel(x, y)) for x in range(width))
                    for y in range(height))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(rows, 9)))
        f.write(chunk(b"IEND", b""))


# Panel background, 200 by 120.
png("bkgrnd.png", 200, 120, lambda x, y: (0x20, 0x28, 0x30))
# Knob: 5 sections of 20 by 20 stacked vertically, lighter with each section.
png("knob.png", 20, 100, lambda x, y: (40 * (y // 20), 40 * (y // 20), 200))
# Button: 12 sections of 30 by 15 side by side; the corners are magenta (the
# transparent colour of the skin).
png("button.png", 360, 15,
    lambda x, y: (0xFF, 0x00, 0xFF) if (x % 30 in (0, 29) and y in (0, 14))
    else (10 * (x // 30), 100, 100))
