#!/usr/bin/env python3
"""Draws the built-in skin of the composition and candidate windows and the three panel buttons,
and writes them as 24-bit bitmaps with a resource script that names them by their resource ids.

The skin is light and plain: a white face, a one-pixel slate border with a softer inner line and a
faint cool shade towards the bottom. The stretch keeps five-pixel margins unscaled, so the border
stays one pixel wide at every size; nothing in the images depends on the text's size, which keeps
them clean at any display scaling. Button glyphs stand on pure green, the key colour buttons are
drawn with.

Usage: make_skin_bitmaps.py OUTPUT_FOLDER
"""
import os
import struct
import sys

BORDER = (150, 165, 190)
INNER = (232, 238, 247)
FACE_TOP = (255, 255, 255)
FACE_BOTTOM = (242, 246, 252)
GLYPH = (62, 90, 140)
KEY = (0, 255, 0)


def bitmap_bytes(width, height, pixel):
    """A bottom-up 24-bit BMP of the image given by pixel(x, y) -> (r, g, b)."""
    row_size = (width * 3 + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += bytes(row_size - len(row))
        rows.append(bytes(row))
    image = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(image), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    return header + info + image


def blend(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def panel(width, height):
    def pixel(x, y):
        if x in (0, width - 1) or y in (0, height - 1):
            return BORDER
        if x in (1, width - 2) or y in (1, height - 2):
            return INNER
        return blend(FACE_TOP, FACE_BOTTOM, (y - 2) / max(height - 5, 1))
    return pixel


def page_arrow(up):
    # A filled triangle, 7 wide and 4 high, in a 12 x 12 cell.
    def pixel(x, y):
        row = (y - 4) if up else (7 - y)
        if 0 <= row <= 3 and abs(x - 5.5) <= row + 0.5 and 4 <= y <= 7:
            return GLYPH
        return KEY
    return pixel


def lookup():
    # A magnifier: a ring of radius 3.5 around (5, 5) and a handle towards the lower right.
    def pixel(x, y):
        distance = ((x - 5) ** 2 + (y - 5) ** 2) ** 0.5
        if 2.6 <= distance <= 3.9:
            return GLYPH
        if 8 <= x <= 10 and 8 <= y <= 10 and abs(x - y) <= 1:
            return GLYPH
        return KEY
    return pixel


IMAGES = {
    134: (94, 41, panel(94, 41)),
    145: (66, 22, panel(66, 22)),
    146: (66, 24, panel(66, 24)),
    164: (12, 12, page_arrow(True)),
    165: (12, 12, page_arrow(False)),
    167: (12, 12, lookup()),
}


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    script = []
    for resource, (width, height, pixel) in sorted(IMAGES.items()):
        name = "skin_%d.bmp" % resource
        with open(os.path.join(folder, name), "wb") as out:
            out.write(bitmap_bytes(width, height, pixel))
        path = os.path.abspath(os.path.join(folder, name)).replace("\\", "/")
        script.append('%d BITMAP "%s"\n' % (resource, path))
    with open(os.path.join(folder, "skin_bitmaps.rc"), "w") as out:
        out.writelines(script)


if __name__ == "__main__":
    main()
