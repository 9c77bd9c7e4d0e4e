#!/usr/bin/env python3
"""Draws the built-in skin of the composition and candidate windows, the three panel buttons and
the status bar with its ten buttons, and writes them as 24-bit bitmaps with a resource script that
names them by their resource ids.

The skin is light and plain: a white face, a one-pixel slate border with a softer inner line and a
faint cool shade towards the bottom. The stretch keeps five-pixel margins unscaled, so the border
stays one pixel wide at every size; nothing in the images depends on the text's size, which keeps
them clean at any display scaling. Button glyphs stand on pure green, the key colour buttons are
drawn with.

Usage: make_skin_bitmaps.py OUTPUT_FOLDER
"""
import os
import sys
from bitmap_drawing import bitmap_bytes, blend

BORDER = (150, 165, 190)
INNER = (232, 238, 247)
FACE_TOP = (255, 255, 255)
FACE_BOTTOM = (242, 246, 252)
GLYPH = (62, 90, 140)
KEY = (0, 255, 0)


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


# Pixel glyphs of the status buttons, drawn on a 20 x 20 cell: "#" is ink, anything else key colour.
HAN_ZHONG = [
    "....#....",
    "....#....",
    "#########",
    "#...#...#",
    "#...#...#",
    "#...#...#",
    "#########",
    "....#....",
    "....#....",
    "....#....",
]
LETTERS_DE = [
    "###.......",
    "#..#......",
    "#..#..##..",
    "#..#.#..#.",
    "#..#.####.",
    "#..#.#....",
    "###...###.",
]
CAPS_A = [
    "..#..",
    ".#.#.",
    "#...#",
    "#####",
    "#...#",
    "#...#",
    ".....",
    "#####",
]
CN_PUNCTUATION = [
    ".##.......",
    "#..#......",
    "#..#......",
    ".##.......",
    ".......##.",
    ".......##.",
    "........#.",
    ".......#..",
]
EN_PUNCTUATION = [
    "..........",
    "..........",
    "..........",
    "..........",
    "##.....##.",
    "##.....##.",
    "........#.",
    ".......#..",
]
KEYBOARD = [
    "#############",
    "#...........#",
    "#.#.#.#.#.#.#",
    "#...........#",
    "#.#.#.#.#.#.#",
    "#...........#",
    "#..#######..#",
    "#...........#",
    "#############",
]
MENU_LINES = [
    "#########",
    ".........",
    ".........",
    "#########",
    ".........",
    ".........",
    "#########",
]
HOVER_FACE = (222, 233, 250)
PRESSED_FACE = (188, 207, 238)
ACTIVE = (200, 70, 40)


def button(glyph, look, ink=GLYPH, disc=None):
    """A 20 x 20 button: the glyph centred on key colour (normal), on a rounded light face (hover)
    or on a darker one (pressed, the glyph one pixel lower). disc: "full" or "half" draws a moon of
    radius 6 instead of a glyph."""
    size = 20
    height = len(glyph) if glyph else 0
    width = len(glyph[0]) if glyph else 0
    drop = 1 if look == "pressed" else 0
    left = (size - width) // 2
    top = (size - height) // 2 + drop

    def face(x, y):
        if look == "normal":
            return None
        inside = 1 <= x <= size - 2 and 1 <= y <= size - 2
        corner = (x in (1, size - 2)) and (y in (1, size - 2))
        if not inside or corner:
            return None
        if x in (1, size - 2) or y in (1, size - 2):
            return BORDER
        return HOVER_FACE if look == "hover" else PRESSED_FACE

    def pixel(x, y):
        if disc is not None:
            dx, dy = x - 9.5, y - 9.5 - drop
            if dx * dx + dy * dy <= 36 and (disc == "full" or dx >= 0 or dx * dx + dy * dy >= 20):
                return ink
        elif 0 <= x - left < width and 0 <= y - top < height and glyph[y - top][x - left] == "#":
            return ink
        return face(x, y) or KEY
    return pixel


def status_bar(width, height):
    """The bar: the panel's face and frame, a grip of dots at the left and the mark of the module,
    a K in a rounded square."""
    base = panel(width, height)
    mark = [
        "#...##",
        "#..##.",
        "#.##..",
        "###...",
        "#.##..",
        "#..##.",
        "#...##",
    ]

    def pixel(x, y):
        if 4 <= x <= 5 and y in (6, 9, 12, 15):
            return BORDER
        if 10 <= x <= 27 and 3 <= y <= 20:
            corner = (x in (10, 27)) and (y in (3, 20))
            if corner:
                return base(x, y)
            mx, my = x - 16, y - 8
            if 0 <= mx < 6 and 0 <= my < 7 and mark[my][mx] == "#":
                return FACE_TOP
            return GLYPH
        return base(x, y)
    return pixel


# The status buttons: resource ids of the normal, hover and pressed images and what they show.
STATUS_BUTTONS = [
    ((155, 154, 153), dict(glyph=HAN_ZHONG)),
    ((152, 151, 150), dict(glyph=LETTERS_DE)),
    ((149, 148, 147), dict(glyph=CAPS_A)),
    ((116, 111, 112), dict(glyph=None, disc="full")),
    ((119, 120, 121), dict(glyph=None, disc="half")),
    ((126, 125, 127), dict(glyph=CN_PUNCTUATION)),
    ((122, 123, 124), dict(glyph=EN_PUNCTUATION)),
    ((128, 130, 129), dict(glyph=KEYBOARD, ink=ACTIVE)),
    ((131, 133, 132), dict(glyph=KEYBOARD)),
    ((115, 117, 118), dict(glyph=MENU_LINES)),
]


def status_images():
    images = {109: (150, 24, status_bar(150, 24))}
    for ids, how in STATUS_BUTTONS:
        for resource, look in zip(ids, ("normal", "hover", "pressed")):
            images[resource] = (20, 20, button(look=look, **how))
    return images


IMAGES = {
    134: (94, 41, panel(94, 41)),
    145: (66, 22, panel(66, 22)),
    146: (66, 24, panel(66, 24)),
    164: (12, 12, page_arrow(True)),
    165: (12, 12, page_arrow(False)),
    167: (12, 12, lookup()),
    **status_images(),
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
