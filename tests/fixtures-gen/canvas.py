"""A plain RGB picture with just the drawing the game client's windows need, saved as a
Windows BMP (24-bit, or 16-bit 5-5-5 as the screen copies deliver it)."""

import struct

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
GRAY = (192, 192, 192)
RED = (255, 0, 0)
DARK_RED = (40, 0, 0)  # the information box frame: 5-bit levels 5, 0, 0
GREEN = (0, 128, 0)
NAVY = (0, 0, 128)
SILVER = (212, 208, 200)  # a button face: levels 26, 26, 25 (not an even gray)


class Canvas:
    def __init__(self, width, height, fill=WHITE):
        self.width = width
        self.height = height
        self.rows = [[fill] * width for _ in range(height)]

    def put(self, x, y, color):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = color

    def fill(self, left, top, right, bottom, color):
        """Fills columns left..right-1 of rows top..bottom-1."""
        for y in range(max(0, top), min(self.height, bottom)):
            row = self.rows[y]
            for x in range(max(0, left), min(self.width, right)):
                row[x] = color

    def hline(self, y, left, right, color):
        self.fill(left, y, right + 1, y + 1, color)

    def vline(self, x, top, bottom, color):
        self.fill(x, top, x + 1, bottom + 1, color)

    def columns(self, x, band_top, cols, color):
        """Draws column codes with the band's top row at band_top (bit 11 = band row 0)."""
        for i, code in enumerate(cols):
            for r in range(12):
                if code & (1 << (11 - r)):
                    self.put(x + i, band_top + r, color)
        return x + len(cols)

    def bmp(self, bits=24):
        w, h = self.width, self.height
        if bits == 24:
            stride = (w * 3 + 3) & ~3
        else:
            stride = (w * 2 + 3) & ~3
        data = bytearray()
        for y in range(h - 1, -1, -1):
            row = bytearray()
            for (r, g, b) in self.rows[y]:
                if bits == 24:
                    row += bytes((b, g, r))
                else:
                    row += struct.pack("<H", ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3))
            row += b"\0" * (stride - len(row))
            data += row
        header = struct.pack("<IiiHHIIiiII", 40, w, h, 1, bits, 0, len(data), 2835, 2835, 0, 0)
        offset = 14 + len(header)
        return b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset) + header + data
