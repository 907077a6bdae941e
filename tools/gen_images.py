#!/usr/bin/env python3
"""Writes the toolbar button images and the program icon as XPM files.

The buttons are 17 x 17: black letters 9 pixels high, dark grey (128) on the
edge pixels of curves and diagonals, on the light grey (192) of the window
ground. The glyphs are drawn by hand below ('#' black, '+' dark grey, '.'
ground) because a font scaled down to 9 pixels blurs. For screens at twice
the density each button is also written at 34 x 34 ("@2x", the name Qt looks
for) from the same letters: every pixel becomes four, and a dark-grey edge
pixel gives its quarters to black, grey or ground by the ink around each
quarter (a ground pixel in a diagonal step gives grey), so curves and
diagonals stay as sharp as at 17 pixels.

The icon is a crescent Moon on black: white, shaded towards the terminator in
light grey and grey, its bright limb on the right and its horns pointing up
and to the lower left. It is sampled 8 x 8 times per pixel from two circles.

Usage: tools/gen_images.py resources/
"""
import math
import sys
from pathlib import Path

GLYPHS = {
    "S": ["+###+",
          "#+..#",
          "#....",
          "+#+..",
          ".+##+",
          "...+#",
          "....#",
          "#..+#",
          "+###+"],
    "S4": ["+##+",
           "#..#",
           "#...",
           "+#..",
           ".+#+",
           "..+#",
           "...#",
           "#..#",
           "+##+"],
    "T": ["#####",
          "..#..",
          "..#..",
          "..#..",
          "..#..",
          "..#..",
          "..#..",
          "..#..",
          "..#.."],
    "D": ["###+.",
          "#..+#",
          "#...#",
          "#...#",
          "#...#",
          "#...#",
          "#...#",
          "#..+#",
          "###+."],
    "D4": ["##+.",
           "#.+#",
           "#..#",
           "#..#",
           "#..#",
           "#..#",
           "#..#",
           "#.+#",
           "##+."],
    "U": ["#...#",
          "#...#",
          "#...#",
          "#...#",
          "#...#",
          "#...#",
          "#...#",
          "#+.+#",
          "+###+"],
    "L": ["#....",
          "#....",
          "#....",
          "#....",
          "#....",
          "#....",
          "#....",
          "#....",
          "#####"],
    "M": ["#.....#",
          "##...##",
          "#+#.#+#",
          "#.+#+.#",
          "#..#..#",
          "#.....#",
          "#.....#",
          "#.....#",
          "#.....#"],
    "1": ["..#",
          "+##",
          "#+#",
          "..#",
          "..#",
          "..#",
          "..#",
          "..#",
          "..#"],
    "2": ["+###+",
          "#+.+#",
          "....#",
          "...+#",
          "..+#+",
          ".+#+.",
          "+#+..",
          "#+...",
          "#####"],
    "4": ["...#.",
          "..##.",
          ".+##.",
          ".#+#.",
          "+#.#.",
          "#+.#.",
          "#####",
          "...#.",
          "...#."],
}

BUTTONS = {
    "st": ["S", "T"],
    "dst": ["D4", "S4", "T"],
    "ut": ["U", "T"],
    "lt": ["L", "T"],
    "12hr": ["1", "2"],
    "24hr": ["2", "4"],
    "magnetic": ["M"],
    "true": ["T"],
}

SIZE = 17
GLYPH_TOP = 4  # rows 4..12: centred in 17


def button_pixels(letters):
    glyphs = [GLYPHS[g] for g in letters]
    width = sum(len(g[0]) for g in glyphs) + (len(glyphs) - 1)
    left = (SIZE - width) // 2
    rows = [["."] * SIZE for _ in range(SIZE)]
    x = left
    for g in glyphs:
        for r, line in enumerate(g):
            for c, ch in enumerate(line):
                rows[GLYPH_TOP + r][x + c] = ch
        x += len(g[0]) + 1
    return ["".join(r) for r in rows]


COVER = {"#": 1.0, "+": 0.5, ".": 0.0}


def double_pixels(rows):
    """The image at twice the size, edge pixels resolved towards the ink."""
    height, width = len(rows), len(rows[0])

    def at(x, y):
        return rows[y][x] if 0 <= x < width and 0 <= y < height else "."

    out = [[""] * (2 * width) for _ in range(2 * height)]
    for y in range(height):
        for x in range(width):
            p = rows[y][x]
            for qy, dy in ((0, -1), (1, 1)):
                for qx, dx in ((0, -1), (1, 1)):
                    # The two neighbours that touch this quarter.
                    ink = (at(x, y + dy) == "#") + (at(x + dx, y) == "#")
                    if p == "#":
                        q = "#"
                    elif p == "+":
                        # How much ink lies around the quarter: the two
                        # neighbours beside it in full, the one across its
                        # corner in half, an edge pixel as half ink.
                        c = (COVER[at(x, y + dy)] + COVER[at(x + dx, y)] +
                             COVER[at(x + dx, y + dy)] / 2)
                        q = "#" if c >= 1.5 else "+" if c >= 0.75 else "."
                    else:
                        # Ground between two strokes that meet only at a
                        # corner: a diagonal step, softened; an inside
                        # corner (the diagonal pixel inked too) stays square.
                        step = ink == 2 and at(x + dx, y + dy) != "#"
                        q = "+" if step else "."
                    out[2 * y + qy][2 * x + qx] = q
    return ["".join(r) for r in out]


def write_xpm(path, name, rows, colours):
    lines = [f'/* XPM */', f'static const char* {name}[] = {{',
             f'"{len(rows[0])} {len(rows)} {len(colours)} 1",']
    for key, value in colours:
        lines.append(f'"{key} c {value}",')
    for i, row in enumerate(rows):
        lines.append(f'"{row}"' + ("," if i + 1 < len(rows) else ""))
    lines.append("};")
    path.write_text("\n".join(lines) + "\n")


def icon_pixels(size):
    # Lit disc of radius r at the centre, minus the dark disc shifted towards
    # the horns (up and to the left of the bright limb).
    r = size * 0.44
    cx = cy = size / 2.0
    angle = math.radians(135 + 22.5)  # towards the upper left, screen y down
    shift = r * 0.62
    dx, dy = math.cos(angle) * shift, -math.sin(angle) * shift
    n = 8
    rows = []
    for y in range(size):
        row = ""
        for x in range(size):
            lit = 0
            for sy in range(n):
                for sx in range(n):
                    px = x + (sx + 0.5) / n
                    py = y + (sy + 0.5) / n
                    in_disc = (px - cx) ** 2 + (py - cy) ** 2 <= r * r
                    in_shadow = (px - cx - dx) ** 2 + (py - cy - dy) ** 2 <= r * r
                    if in_disc and not in_shadow:
                        lit += 1
            f = lit / (n * n)
            # Earthshine-like shading along the terminator: the inner edge of
            # the crescent is a step darker than its bright limb.
            inner = math.hypot(x + 0.5 - cx - dx, y + 0.5 - cy - dy) - r
            if f > 0.8 and inner < size / 16.0:
                f = 0.7
            row += "#" if f > 0.8 else "+" if f > 0.5 else "o" if f > 0.2 else " "
        rows.append(row)
    return rows


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else "resources")
    button_colours = [(".", "#C0C0C0"), ("+", "#808080"), ("#", "#000000")]
    for name, letters in BUTTONS.items():
        pixels = button_pixels(letters)
        write_xpm(out / f"button_{name}.xpm", f"button_{name}", pixels, button_colours)
        write_xpm(out / f"button_{name}@2x.xpm", f"button_{name}_2x", double_pixels(pixels),
                  button_colours)
    icon_colours = [(" ", "#000000"), ("o", "#808080"), ("+", "#C0C0C0"), ("#", "#FFFFFF")]
    for size in (32, 16):
        write_xpm(out / f"skyledger_{size}.xpm", f"skyledger_{size}", icon_pixels(size),
                  icon_colours)


if __name__ == "__main__":
    main()
