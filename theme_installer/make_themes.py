#!/usr/bin/env python3
"""Draws the two themes that ship with the input method and writes each as a theme package: a zip
archive, members stored, of theme.ini and the 24-bit bitmaps it names.

Lagoon is light, a white face framed in teal; Graphite is dark, a charcoal face with amber
highlights. Each has the panel's bars for every layout and orientation and a status bar with its
buttons. Glyphs are drawn from a 5 x 7 pixel font of the few letters the buttons need.

Usage: make_themes.py OUTPUT_FOLDER
"""
import os
import sys
import zipfile
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "ime", "resources"))
from bitmap_drawing import bitmap_bytes, blend  # noqa: E402

KEY = (255, 0, 255)  # the key colour of the status bar's cut-out corners

FONT = {
    "P": ["1111.", "1...1", "1...1", "1111.", "1....", "1....", "1...."],
    "D": ["111..", "1..1.", "1...1", "1...1", "1...1", "1..1.", "111.."],
    "A": [".111.", "1...1", "1...1", "11111", "1...1", "1...1", "1...1"],
    "S": [".1111", "1....", "1....", ".111.", "....1", "....1", "1111."],
    "T": ["11111", "..1..", "..1..", "..1..", "..1..", "..1..", "..1.."],
    "K": ["1...1", "1..1.", "1.1..", "11...", "1.1..", "1..1.", "1...1"],
    "F": ["11111", "1....", "1....", "1111.", "1....", "1....", "1...."],
    "H": ["1...1", "1...1", "1...1", "11111", "1...1", "1...1", "1...1"],
    ",": [".....", ".....", ".....", ".....", "..11.", "...1.", "..1.."],
    "o": [".....", ".....", ".111.", "1...1", "1...1", "1...1", ".111."],
    "#": [".....", "11111", "1.1.1", "11111", "1.1.1", "11111", "....."],
    "-": [".....", ".....", ".....", ".....", ".....", ".....", "....."],
    "=": [".....", "11111", ".....", "11111", ".....", "11111", "....."],
}

THEMES = {
    "Lagoon": {
        "border": (24, 118, 128), "inner": (200, 232, 234), "top": (255, 255, 255), "bottom": (232, 246, 246),
        "bar": (24, 118, 128), "bar_edge": (14, 84, 92), "button": (38, 140, 150), "button_hover": (60, 168, 176),
        "button_down": (14, 84, 92), "glyph": (255, 255, 255),
        "cand": (20, 40, 44), "candsel": (0, 120, 130), "hint": (110, 130, 132), "comp": (14, 84, 92),
    },
    "Graphite": {
        "border": (20, 20, 22), "inner": (70, 70, 76), "top": (52, 52, 58), "bottom": (40, 40, 44),
        "bar": (44, 44, 50), "bar_edge": (20, 20, 22), "button": (60, 60, 68), "button_hover": (84, 84, 94),
        "button_down": (30, 30, 34), "glyph": (255, 190, 60),
        "cand": (230, 230, 230), "candsel": (255, 190, 60), "hint": (150, 150, 150), "comp": (255, 210, 120),
    },
}

BUTTONS = [  # section, glyph, x
    ("LogoBt", "K", 4), ("PinyinBt", "P", 26), ("EnglishBt", "D", 26), ("CapsBt", "A", 26),
    ("QuanjiaoBt", "o", 46), ("BanjiaoBt", "-", 46), ("BiaodianCnBt", "o", 66), ("BiaodianEnBt", ",", 66),
    ("SoftkbdOnBt", "#", 86), ("SoftkbdOffBt", "#", 86), ("SimplifiedBt", "S", 106), ("TraditionalBt", "T", 106),
    ("OptionBt", "=", 126),
]


def panel(c, width, height):
    def pixel(x, y):
        if x in (0, width - 1) or y in (0, height - 1):
            return c["border"]
        if x in (1, width - 2) or y in (1, height - 2):
            return c["inner"]
        return blend(c["top"], c["bottom"], (y - 2) / max(height - 5, 1))
    return pixel


def status_bar(c, width=150, height=24):
    def pixel(x, y):
        corner = min(x, width - 1 - x) + min(y, height - 1 - y)
        if corner < 2:
            return KEY
        if x in (0, width - 1) or y in (0, height - 1) or corner == 2:
            return c["bar_edge"]
        return c["bar"]
    return pixel


def button(c, glyph, state):
    face = {"up": c["button"], "focus": c["button_hover"], "down": c["button_down"]}[state]
    rows = FONT[glyph]
    shift = 1 if state == "down" else 0

    def pixel(x, y):
        gx, gy = x - 7 - shift, y - 6 - shift
        if 0 <= gx < 5 and 0 <= gy < 7 and rows[gy][gx] == "1":
            return c["glyph"]
        if x in (0, 19) or y in (0, 19):
            return c["bar_edge"]
        return face
    return pixel


def rgb(colour):
    return "%d,%d,%d" % colour


def theme_files(name, c):
    files = {
        "comb.bmp": bitmap_bytes(94, 41, panel(c, 94, 41)),
        "comp.bmp": bitmap_bytes(66, 22, panel(c, 66, 22)),
        "cand.bmp": bitmap_bytes(66, 24, panel(c, 66, 24)),
        "status.bmp": bitmap_bytes(150, 24, status_bar(c)),
    }
    ini = ["[General]", "NAME=%s" % name, ""]
    for section, image, offsets in (
            ("hCombBar", "comb.bmp", ["COMP_OFFSET=4,3,55,5", "CAND_OFFSET=4,3,20,5"]),
            ("vCombBar", "comb.bmp", ["COMP_OFFSET=4,3,55,5", "CAND_OFFSET=4,3,20,5"]),
            ("hCompBar", "comp.bmp", ["COMP_OFFSET=4,3,55,5"]),
            ("vCompBar", "comp.bmp", ["COMP_OFFSET=4,3,55,5"]),
            ("hCandBar", "cand.bmp", ["CAND_OFFSET=5,8,20,5"]),
            ("vCandBar", "cand.bmp", ["CAND_OFFSET=5,8,20,5"])):
        zoom = "5,37,75,3" if image == "comb.bmp" else "5,5,5,5"
        ini += ["[%s]" % section, "IMAGE_BAR=%s" % image, "ZOOM_OFFSET=%s" % zoom, "TRAN_ENABLE=0",
                "COMP_ALIGNS_KIND=0", "CAND_ALIGNS_KIND=1", "CAND_ROWCOUNT=1"] + offsets + [""]
    ini += ["[Display]", "FONT_CHANGE=1", "CAND_COLOR=" + rgb(c["cand"]), "CANDSEL_COLOR=" + rgb(c["candsel"]),
            "CANDHINT_COLOR=" + rgb(c["hint"]), "COMP_COLOR=" + rgb(c["comp"]), "COMPHINT_COLOR=" + rgb(c["hint"]), ""]
    ini += ["[StatusBar]", "TEMPLET=status.bmp", "TEMPLET_TRAN_ENABLE=1", "TEMPLET_TRAN_COLOR=" + rgb(KEY)]
    ini += ["%s=1" % switch for switch in ("LOGO_SHOW", "INPUT_MODE_SHOW", "SOFTKBD_SHOW", "QUAN_BAN_SHOW",
                                           "BIAODIAN_SHOW", "OPTION_SHOW", "FAN_JIAN_SHOW")] + [""]
    for section, glyph, x in BUTTONS:
        ini.append("[%s]" % section)
        for state in ("up", "down", "focus"):
            file = "%s_%s.bmp" % (section.lower(), state)
            files[file] = bitmap_bytes(20, 20, button(c, glyph, state))
            ini.append("BUTTON_%s=%s" % (state.upper(), file))
        ini += ["BUTTON_POS=%d,2" % x, ""]
    files["theme.ini"] = "\r\n".join(ini).encode("ascii")
    return files


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for name, colours in THEMES.items():
        path = os.path.join(folder, name + ".thm")
        with zipfile.ZipFile(path + ".tmp", "w", zipfile.ZIP_STORED) as archive:
            for member, data in sorted(theme_files(name, colours).items()):
                info = zipfile.ZipInfo(member, date_time=(2026, 1, 1, 0, 0, 0))
                archive.writestr(info, data, zipfile.ZIP_STORED)
        os.replace(path + ".tmp", path)


if __name__ == "__main__":
    main()
