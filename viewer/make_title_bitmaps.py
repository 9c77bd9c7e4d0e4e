#!/usr/bin/env python3
"""Draws the detail form's title bar: the stretched background, its two end pieces, the two pins
and the close symbol, and writes them as 24-bit bitmaps with a resource script naming them by the
ids of viewer/win32/title_bar.h.

The bar is a light grey gradient with a one-pixel darker line at the bottom; the end pieces round
it off. The pins and the close symbol stand on magenta, the key colour the form draws them with.

Usage: make_title_bitmaps.py OUTPUT_FOLDER
"""
import os
import sys
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "ime", "resources"))
from bitmap_drawing import bitmap_bytes, blend  # noqa: E402

TOP = (246, 246, 246)
BOTTOM = (214, 214, 216)
EDGE = (160, 160, 166)
GLYPH = (70, 74, 84)
PIN_HEAD = (200, 60, 56)
PIN_LIGHT = (236, 130, 120)
KEY = (255, 0, 255)


def bar_colour(y, height):
    if y == height - 1:
        return EDGE
    return blend(TOP, BOTTOM, y / max(height - 2, 1))


def background(width, height):
    return lambda x, y: bar_colour(y, height)


def end_piece(width, height, left):
    # The outer column is the edge line; the corner pixel next to the top is softened.
    def pixel(x, y):
        outer = 0 if left else width - 1
        if x == outer or (y == 0 and abs(x - outer) == 1):
            return EDGE
        return bar_colour(y, height)
    return pixel


def pin_side():
    # A pin lying on its side: a round head on the left, a needle to the right.
    def pixel(x, y):
        if (x - 5) ** 2 + (y - 8) ** 2 <= 12:
            return PIN_LIGHT if (x - 4) ** 2 + (y - 7) ** 2 <= 2 else PIN_HEAD
        if 8 <= x <= 15 and y == 8:
            return GLYPH
        if 8 <= x <= 9 and 6 <= y <= 10:
            return GLYPH
        return KEY
    return pixel


def pin_head_on():
    # A pin stuck in, seen from above: the round head with its highlight and a shadow ring.
    def pixel(x, y):
        distance = (x - 8.5) ** 2 + (y - 8.5) ** 2
        if distance <= 20:
            return PIN_LIGHT if (x - 7) ** 2 + (y - 7) ** 2 <= 3 else PIN_HEAD
        if distance <= 30:
            return GLYPH
        return KEY
    return pixel


def close_symbol():
    # A cross, two pixels wide, inside a 16 x 16 cell.
    def pixel(x, y):
        if 3 <= x <= 12 and 3 <= y <= 12 and (abs(x - y) <= 0.5 or abs(x + y - 15) <= 0.5 or
                                              abs(x - y - 1) <= 0.5 or abs(x + y - 16) <= 0.5):
            return GLYPH
        return KEY
    return pixel


IMAGES = {
    201: (213, 26, background(213, 26)),
    202: (10, 26, end_piece(10, 26, True)),
    203: (10, 26, end_piece(10, 26, False)),
    204: (18, 18, pin_side()),
    205: (18, 18, pin_head_on()),
    206: (16, 16, close_symbol()),
}


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    script = []
    for resource, (width, height, pixel) in sorted(IMAGES.items()):
        name = "title_%d.bmp" % resource
        with open(os.path.join(folder, name), "wb") as out:
            out.write(bitmap_bytes(width, height, pixel))
        path = os.path.abspath(os.path.join(folder, name)).replace("\\", "/")
        script.append('%d BITMAP "%s"\n' % (resource, path))
    with open(os.path.join(folder, "title_bitmaps.rc"), "w") as out:
        out.writelines(script)


if __name__ == "__main__":
    main()
