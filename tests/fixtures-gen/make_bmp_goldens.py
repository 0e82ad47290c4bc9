#!/usr/bin/env python3
"""Writes the small BMP files the BMP reader is checked against (tests/data/reading/bmp-*):
the same 5 x 3 picture as 24-bit bottom-up, 24-bit top-down, 16-bit 5-5-5 and 16-bit 5-6-5
with bit fields. Pixel (x, y) has 5-bit levels red = 6x + y, green = 31 - 5y, blue = 3x."""

import os
import struct
import sys

sys.dont_write_bytecode = True

W, H = 5, 3


def level(x, y):
    return (6 * x + y) % 32, (31 - 5 * y) % 32, (3 * x) % 32


def widen(v):
    return (v << 3) | (v >> 2)


def bmp(bits, top_down=False, bitfields=False):
    rows = []
    for y in range(H):
        row = bytearray()
        for x in range(W):
            r, g, b = level(x, y)
            if bits == 24:
                row += bytes((widen(b), widen(g), widen(r)))
            elif bitfields:
                row += struct.pack("<H", (r << 11) | ((g << 1 | g >> 4) << 5) | b)
            else:
                row += struct.pack("<H", (r << 10) | (g << 5) | b)
        row += b"\0" * (-len(row) % 4)
        rows.append(bytes(row))
    data = b"".join(rows if top_down else reversed(rows))
    masks = struct.pack("<III", 0xF800, 0x07E0, 0x001F) if bitfields else b""
    header = struct.pack("<IiiHHIIiiII", 40, W, -H if top_down else H, 1, bits,
                         3 if bitfields else 0, len(data), 2835, 2835, 0, 0)
    offset = 14 + len(header) + len(masks)
    return b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset) + header + masks + data


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "data", "reading")
    os.makedirs(out, exist_ok=True)
    for name, data in (("bmp-24.bmp", bmp(24)), ("bmp-24-topdown.bmp", bmp(24, top_down=True)),
                       ("bmp-16.bmp", bmp(16)), ("bmp-16-565.bmp", bmp(16, bitfields=True))):
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
