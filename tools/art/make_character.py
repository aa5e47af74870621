#!/usr/bin/env python3
"""Draws the character sprite (22 x 36, RGBA) from the text rows below.

Writes assets/images/character-open.png and assets/images/character-closed.png.
Run from anywhere: python3 tools/art/make_character.py
"""

import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pngout import write_rgba  # noqa: E402

WIDTH, HEIGHT = 22, 36

PALETTE = {
    ".": None,                 # transparent
    "K": (22, 18, 52),         # outline, dark navy
    "Y": (255, 214, 40),       # hair
    "y": (222, 160, 20),       # hair, shade
    "h": (255, 246, 170),      # hair, highlight
    "S": (255, 208, 170),      # skin
    "s": (236, 162, 128),      # skin, shade
    "E": (40, 112, 236),       # eye
    "e": (230, 240, 255),      # eye glint
    "R": (250, 128, 150),      # cheek
    "M": (196, 60, 84),        # mouth
    "W": (255, 255, 255),      # dress
    "w": (200, 210, 236),      # dress, shade
    "B": (236, 112, 168),      # shoes
}

# Left half of the picture, columns 0..10; the right half is its mirror image.
LEFT = [
    "...........",  # 0
    "........KKK",  # 1
    "......KKYYY",  # 2
    ".....KYYYYY",  # 3
    "....KYYYYYY",  # 4
    "...KYYYYYYY",  # 5
    "...KYYYYYYY",  # 6
    "..KYYYYYYYY",  # 7
    "..KYYYYYYYY",  # 8
    "..KYYYySSyS",  # 9
    "..KYYSSEESS",  # 10
    "..KYYSSEESS",  # 11
    "..KYYSRRSSS",  # 12
    "..KYYKSSSSM",  # 13
    "..KYYYKSSSS",  # 14
    "...KKK.KKKS",  # 15
    "....KKKKWWS",  # 16
    "...KSSKWWWW",  # 17
    "...KSSKWWWW",  # 18
    "...KSSKWWWW",  # 19
    "...KSSKwwww",  # 20
    "...KSSKWWWW",  # 21
    "...KSSKWWWW",  # 22
    "....KKWWWWW",  # 23
    "....KWWWWWW",  # 24
    "...KWWWWWWW",  # 25
    "..KwwWWwWWW",  # 26
    "..KKKKKKSSK",  # 27
    "......KSSK.",  # 28
    "......KSSK.",  # 29
    "......KSSK.",  # 30
    "......KBBK.",  # 31
    ".....KBBBK.",  # 32
    ".....KKKKK.",  # 33
    "...........",  # 34
    "...........",  # 35
]

# Asymmetric touches: (row, column, colour key).
TOUCHES = [
    # light from the upper left: highlights in the hair, shade on the right side
    (3, 7, "h"), (3, 8, "h"), (4, 6, "h"), (4, 7, "h"), (5, 5, "h"),
    (5, 17, "y"), (6, 17, "y"), (7, 18, "y"), (8, 18, "y"), (9, 18, "y"),
    (10, 18, "y"), (11, 18, "y"), (12, 18, "y"), (13, 18, "y"), (14, 18, "y"),
    # glints in the eyes
    (10, 7, "e"), (10, 13, "e"),
]

EYES_OPEN = []
# Closed: the eye pixels become skin and a short dark lid line.
EYES_CLOSED = [
    (10, 7, "S"), (10, 8, "S"), (10, 13, "S"), (10, 14, "S"),
    (11, 7, "K"), (11, 8, "K"), (11, 13, "K"), (11, 14, "K"),
]


def build(extra):
    rows = []
    for half in LEFT:
        assert len(half) == 11, half
        rows.append(list(half + half[::-1]))
    assert len(rows) == HEIGHT
    for r, c, k in TOUCHES + extra:
        rows[r][c] = k
    return ["".join(r) for r in rows]


def to_pixels(rows):
    out = []
    for row in rows:
        line = []
        for ch in row:
            rgb = PALETTE[ch]
            line.append((0, 0, 0, 0) if rgb is None else (*rgb, 255))
        out.append(line)
    return out


def main():
    root = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
    outdir = os.path.join(root, "assets", "images")
    os.makedirs(outdir, exist_ok=True)
    for name, extra in (("open", EYES_OPEN), ("closed", EYES_CLOSED)):
        rows = build(extra)
        path = os.path.join(outdir, "character-%s.png" % name)
        write_rgba(path, WIDTH, HEIGHT, to_pixels(rows))
        print(path)


if __name__ == "__main__":
    main()
