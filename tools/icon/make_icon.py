#!/usr/bin/env python3
"""Draws the program icon and writes win32/res/Tallowen.ico.

The .ico is committed as a source asset; this script is how it was made. Run it again after
changing the drawing (python3 tools/icon/make_icon.py) and commit both. It uses only the
standard library and writes the same bytes on every run: no timestamps, fixed sampling.

The picture is a white playing card with a black spade in the middle and a small red heart in
its top-left corner. Each size is drawn on its own, with the card's edges on whole pixels, so
the small ones stay sharp; every frame is a 32-bit PNG inside the .ico (read by Windows Vista
and later at every size).
"""

import os
import struct
import sys
import zlib

SIZES = (16, 32, 48, 256)

OUTLINE = (48, 48, 48)
PAPER = (255, 255, 255)
SPADE = (16, 16, 16)
HEART = (214, 18, 38)

# Samples per pixel along each axis: the edges get 8 x 8 grey levels (4 x 4 for 256 px, where
# a pixel is small beside the shapes anyway).
SAMPLES = {32: 8, 48: 8, 256: 4}

# Per size, in pixels: the card's box, its corner radius and its outline width; the spade's
# centre and half-width; the heart's centre and half-width. The small sizes are placed by hand
# so that the outline and the stem fall on whole pixels.
LAYOUT = {
    32: dict(card=(4, 1, 28, 31), radius=3.0, line=1.0,
             spade=(16.5, 17.1, 7.5), heart=(9.5, 7.4, 3.0)),
    48: dict(card=(6, 1, 42, 47), radius=4.0, line=2.0,
             spade=(24.5, 25.37, 12.0), heart=(13.5, 9.5, 4.6)),
    256: dict(card=(32, 6, 224, 250), radius=20.0, line=6.0,
              spade=(128.0, 136.0, 62.0), heart=(70.0, 48.0, 24.0)),
}


def in_rounded_box(x, y, box, radius):
    left, top, right, bottom = box
    if x < left or x > right or y < top or y > bottom:
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius


def in_heart_curve(u, v):
    # The classic implicit heart, lobes up and point down: about 2.28 wide, from v=-1 to 1.24.
    a = u * u + v * v - 1.0
    return a * a * a - u * u * v * v * v <= 0.0


def in_heart(x, y, centre):
    cx, cy, half = centre
    s = half / 1.14
    return in_heart_curve((x - cx) / s, (cy - y) / s - 0.12)


def in_spade(x, y, centre):
    cx, cy, half = centre
    s = half / 1.14
    # The body is the heart upside down, raised a little to leave room for the stem.
    u = (x - cx) / s
    v = (y - cy) / s + 0.35
    if in_heart_curve(u, v):
        return True
    # The stem widens towards its foot with curved sides, as printed cards draw it.
    top, foot = 0.2 - 0.35, 1.55 - 0.35
    t = (y - cy) / s
    if t < top or t > foot:
        return False
    k = (t - top) / (foot - top)
    return abs(u) <= 0.12 + 0.48 * k * k


def pixel_colour(x, y, layout):
    if in_heart(x, y, layout["heart"]):
        return HEART
    if in_spade(x, y, layout["spade"]):
        return SPADE
    box = layout["card"]
    line = layout["line"]
    inner = (box[0] + line, box[1] + line, box[2] - line, box[3] - line)
    if in_rounded_box(x, y, inner, max(layout["radius"] - line, 0.0)):
        return PAPER
    if in_rounded_box(x, y, box, layout["radius"]):
        return OUTLINE
    return None


# At 16 px smooth shapes turn into blobs, so that size is drawn pixel by pixel: the card's
# outline with softened corners, a heart five pixels wide and a spade with a visible stem.
PIXELS_16 = (
    "  cooooooooooc  ",
    "  oprwrpwwwwwo  ",
    "  orrrrrwwwwwo  ",
    "  owrrrwwwwwwo  ",
    "  owwrwwwwwwwo  ",
    "  owwwwwwwwwwo  ",
    "  owwwwwkwwwwo  ",
    "  owwwwkkkwwwo  ",
    "  owwwkkkkkwwo  ",
    "  owwkkkkkkkwo  ",
    "  owwkkkkkkkwo  ",
    "  owwgkkkkkgwo  ",
    "  owwwlgkglwwo  ",
    "  owwwwkkkwwwo  ",
    "  owwwwwwwwwwo  ",
    "  cooooooooooc  ",
)
PALETTE_16 = {
    " ": (0, 0, 0, 0),
    "o": OUTLINE + (255,),
    "c": OUTLINE + (112,),
    "w": PAPER + (255,),
    "r": HEART + (255,),
    "p": (236, 140, 148, 255),
    "k": SPADE + (255,),
    "g": (112, 112, 112, 255),
    "l": (200, 200, 200, 255),
}


def draw_16():
    assert len(PIXELS_16) == 16 and all(len(line) == 16 for line in PIXELS_16)
    return [b"".join(bytes(PALETTE_16[c]) for c in line) for line in PIXELS_16]


def draw(size):
    if size == 16:
        return draw_16()
    layout = LAYOUT[size]
    n = SAMPLES[size]
    rows = []
    for py in range(size):
        row = bytearray()
        for px in range(size):
            r = g = b = covered = 0
            for sy in range(n):
                for sx in range(n):
                    colour = pixel_colour(px + (sx + 0.5) / n, py + (sy + 0.5) / n, layout)
                    if colour is not None:
                        r += colour[0]
                        g += colour[1]
                        b += colour[2]
                        covered += 1
            if covered:
                # Straight (not premultiplied) alpha, as PNG stores it.
                row += bytes((r // covered, g // covered, b // covered,
                              (covered * 255 + n * n // 2) // (n * n)))
            else:
                row += bytes(4)
        rows.append(bytes(row))
    return rows


def png(size, rows):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    raw = b"".join(b"\x00" + row for row in rows)  # filter type 0 on every row
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def ico(images):
    # ICONDIR, then one 16-byte entry per image (0 stands for 256), then the PNG data.
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        side = 0 if size >= 256 else size
        out += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, data in images)


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    target = os.path.join(here, "..", "..", "win32", "res", "Tallowen.ico")
    frames = argv[1] if len(argv) > 1 else None  # a folder for the frames as .png, to look at
    images = []
    for size in SIZES:
        data = png(size, draw(size))
        images.append((size, data))
        if frames:
            with open(os.path.join(frames, "icon-%d.png" % size), "wb") as f:
                f.write(data)
    with open(os.path.normpath(target), "wb") as f:
        f.write(ico(images))


if __name__ == "__main__":
    main(sys.argv)
