#!/usr/bin/env python3
"""Draws the application icon: the six band colours crossing a dark blue rounded square,
with a few small stars in the sky above and below the band.

Writes assets/images/lumabels.svg and assets/images/icon-{16,32,40,48,64,96,128,256}.png
(40 and 96 px are the 32 px icon of the about box at 1.25 and 3 device pixels per pixel).
Run from anywhere: python3 tools/art/make_icon.py
"""

import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pngout import write_rgba  # noqa: E402

SKY = (0, 0, 128)
STRIPES = [(255, 0, 0), (255, 128, 0), (255, 255, 0), (0, 255, 0), (0, 128, 255), (128, 128, 255)]
STAR = (255, 250, 214)
SIZES = [16, 32, 40, 48, 64, 96, 128, 256]

# The design on a 256-unit square: a band of six 24-unit stripes, centred, with 56 units
# of sky above and below it.
UNIT = 256
CORNER = 36                 # radius of the rounded square
STRIPE = 24                 # height of one stripe
BAND_TOP = (UNIT - 6 * STRIPE) // 2
# Whole pixels per stripe at each size, so that every stripe edge is pixel-aligned; the
# band stays centred. (16 px gets relatively thicker stripes to stay readable.)
STRIPE_PX = {16: 2, 32: 3, 40: 4, 48: 5, 64: 6, 96: 9, 128: 12, 256: 24}
# Four-pointed stars: centre x, centre y, radius (units).
STARS = [(62, 26, 12), (178, 34, 7), (222, 18, 5), (34, 222, 6), (118, 232, 8), (210, 222, 11)]


def hexcol(c):
    return "#%02x%02x%02x" % c


def star_points(cx, cy, r):
    k = r * 0.3
    return [(cx, cy - r), (cx + k, cy - k), (cx + r, cy), (cx + k, cy + k),
            (cx, cy + r), (cx - k, cy + k), (cx - r, cy), (cx - k, cy - k)]


def write_svg(path):
    parts = [
        '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
        % (UNIT, UNIT, UNIT, UNIT),
        '  <rect x="0" y="0" width="%d" height="%d" rx="%d" ry="%d" fill="%s"/>'
        % (UNIT, UNIT, CORNER, CORNER, hexcol(SKY)),
    ]
    for i, c in enumerate(STRIPES):
        parts.append('  <rect x="0" y="%d" width="%d" height="%d" fill="%s"/>'
                     % (BAND_TOP + i * STRIPE, UNIT, STRIPE, hexcol(c)))
    for cx, cy, r in STARS:
        pts = " ".join("%g,%g" % (round(x, 2), round(y, 2)) for x, y in star_points(cx, cy, r))
        parts.append('  <polygon points="%s" fill="%s"/>' % (pts, hexcol(STAR)))
    parts.append("</svg>")
    with open(path, "w") as f:
        f.write("\n".join(parts) + "\n")


def inside_rounded(x, y):
    """x, y in units; is the point inside the rounded square?"""
    r = CORNER
    cx = min(max(x, r), UNIT - r)
    cy = min(max(y, r), UNIT - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r and 0 <= x <= UNIT and 0 <= y <= UNIT


def inside_polygon(pts, x, y):
    hit = False
    j = len(pts) - 1
    for i in range(len(pts)):
        xi, yi = pts[i]
        xj, yj = pts[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            hit = not hit
        j = i
    return hit


def render(size, ss=8):
    scale = UNIT / size
    stripe_px = STRIPE_PX[size]
    band_top_px = (size - 6 * stripe_px) // 2
    stars = [star_points(cx, cy, r) for cx, cy, r in STARS]
    pixels = []
    for py in range(size):
        row = []
        k = (py - band_top_px) // stripe_px
        base = STRIPES[k] if 0 <= k < 6 else SKY
        for px in range(size):
            cover = 0
            star = 0
            for sy in range(ss):
                for sx in range(ss):
                    ux = (px + (sx + 0.5) / ss) * scale
                    uy = (py + (sy + 0.5) / ss) * scale
                    if inside_rounded(ux, uy):
                        cover += 1
                        if size >= 128 and base is SKY and any(
                                inside_polygon(p, ux, uy) for p in stars):
                            star += 1
            n = ss * ss
            if cover == 0:
                row.append((0, 0, 0, 0))
                continue
            t = star / cover
            col = tuple(round(b + (s - b) * t) for b, s in zip(base, STAR))
            row.append((*col, round(255 * cover / n)))
        pixels.append(row)
    if 32 <= size < 128:
        # Too small for smooth star shapes: crisp pixel stars, a dot for each of the
        # bigger stars, a small cross for the biggest ones where there is room.
        dim = tuple((s + b) // 2 for s, b in zip(STAR, SKY))
        for cx, cy, r in STARS:
            if r < 7:
                continue
            x, y = int(cx / scale), int(cy / scale)
            pixels[y][x] = (*STAR, 255)
            if r * 2 / scale >= 4:
                for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                    pixels[y + dy][x + dx] = (*dim, 255)
    return pixels


def main():
    root = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
    outdir = os.path.join(root, "assets", "images")
    os.makedirs(outdir, exist_ok=True)
    svg = os.path.join(outdir, "lumabels.svg")
    write_svg(svg)
    print(svg)
    for size in SIZES:
        path = os.path.join(outdir, "icon-%d.png" % size)
        write_rgba(path, size, size, render(size))
        print(path)


if __name__ == "__main__":
    main()
