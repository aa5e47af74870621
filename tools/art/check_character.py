#!/usr/bin/env python3
"""Checks the character sprites: 22 x 36 RGBA, alpha only 0 or 255, every opaque pixel
within columns 2..19 and rows 1..33, and the two frames differ only around the eyes."""

import os
import struct
import sys
import zlib

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))


def read_rgba(path):
    with open(path, "rb") as f:
        data = f.read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    pos, idat, header = 8, b"", None
    while pos < len(data):
        (length,) = struct.unpack(">I", data[pos:pos + 4])
        kind = data[pos + 4:pos + 8]
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
    width, height, depth, colour, _, _, interlace = header
    assert (depth, colour, interlace) == (8, 6, 0), "expected 8-bit RGBA, not interlaced"
    raw = zlib.decompress(idat)
    stride, bpp = width * 4, 4
    rows, prev, i = [], bytearray(stride), 0
    for _ in range(height):
        ftype, line = raw[i], bytearray(raw[i + 1:i + 1 + stride])
        i += 1 + stride
        for x in range(stride):
            a = line[x - bpp] if x >= bpp else 0
            b = prev[x]
            c = prev[x - bpp] if x >= bpp else 0
            if ftype == 1:
                line[x] = (line[x] + a) & 255
            elif ftype == 2:
                line[x] = (line[x] + b) & 255
            elif ftype == 3:
                line[x] = (line[x] + (a + b) // 2) & 255
            elif ftype == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                pred = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
                line[x] = (line[x] + pred) & 255
        rows.append([tuple(line[x:x + 4]) for x in range(0, stride, 4)])
        prev = line
    return width, height, rows


def main():
    errors = []
    frames = {}
    for name in ("open", "closed"):
        path = os.path.join(ROOT, "assets", "images", "character-%s.png" % name)
        w, h, px = read_rgba(path)
        frames[name] = px
        if (w, h) != (22, 36):
            errors.append("%s: size %dx%d" % (name, w, h))
            continue
        opaque = 0
        for y in range(h):
            for x in range(w):
                a = px[y][x][3]
                if a not in (0, 255):
                    errors.append("%s: semi-transparent pixel at (%d,%d)" % (name, x, y))
                if a and not (2 <= x <= 19 and 1 <= y <= 33):
                    errors.append("%s: opaque pixel outside the box at (%d,%d)" % (name, x, y))
                opaque += a == 255
        print("%s: %dx%d, %d opaque pixels" % (name, w, h, opaque))
    if not errors:
        diff = [(x, y) for y in range(36) for x in range(22)
                if frames["open"][y][x] != frames["closed"][y][x]]
        print("frames differ at", diff)
        if not diff or any(not (6 <= x <= 15 and 9 <= y <= 12) for x, y in diff):
            errors.append("frames should differ around the eyes only")
    for e in errors:
        print("ERROR:", e)
    print("OK" if not errors else "FAILED")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
