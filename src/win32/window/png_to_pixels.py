#!/usr/bin/env python3
"""png_to_pixels.py OUT.inc NAME=PICTURE.png...: each 8-bit RGBA PNG picture as a C++ array of
premultiplied 0xAARRGGBB pixels, row by row from the top, so the game decodes nothing at start.
For every NAME it writes NAMEWidth, NAMEHeight and NAMEPixels."""
import struct
import sys
import zlib


def fail(message):
    sys.exit(f"png_to_pixels.py: {message}")


def chunks(data, path):
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        fail(f"not a PNG picture: {path}")
    at = 8
    while at + 8 <= len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        yield kind, data[at + 8:at + 8 + length]
        at += 12 + length


def paeth(left, up, corner):
    estimate = left + up - corner
    distances = (abs(estimate - left), abs(estimate - up), abs(estimate - corner))
    return (left, up, corner)[distances.index(min(distances))]


def unfilter(raw, width, height):
    stride = width * 4
    rows, previous, at = [], bytes(stride), 0
    for _ in range(height):
        kind, line = raw[at], bytearray(raw[at + 1:at + 1 + stride])
        at += 1 + stride
        for i in range(stride):
            left = line[i - 4] if i >= 4 else 0
            corner = previous[i - 4] if i >= 4 else 0
            up = previous[i]
            line[i] = (line[i] + (0, left, up, (left + up) // 2,
                                  paeth(left, up, corner))[kind]) & 0xFF
        rows.append(bytes(line))
        previous = line
    return rows


def pixels(path):
    data = open(path, "rb").read()
    header, compressed = None, b""
    for kind, body in chunks(data, path):
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            compressed += body
    if header is None or header[2:] != (8, 6, 0, 0, 0):
        fail(f"not an 8-bit RGBA picture without interlacing: {path}")
    width, height = header[:2]
    values = []
    for row in unfilter(zlib.decompress(compressed), width, height):
        for x in range(width):
            r, g, b, a = row[4 * x:4 * x + 4]
            # Rounded to the nearest, as both editions' painters premultiply.
            r, g, b = ((c * a + 127) // 255 for c in (r, g, b))
            values.append(a << 24 | r << 16 | g << 8 | b)
    return width, height, values


def main():
    out, pictures = sys.argv[1], sys.argv[2:]
    text = ["// Made by png_to_pixels.py from the PNG pictures; do not edit.\n"]
    for picture in pictures:
        name, _, path = picture.partition("=")
        width, height, values = pixels(path)
        text.append(f"constexpr std::int32_t {name}Width = {width};\n")
        text.append(f"constexpr std::int32_t {name}Height = {height};\n")
        text.append(f"constexpr std::uint32_t {name}Pixels[] = {{\n")
        for y in range(height):
            row = values[y * width:(y + 1) * width]
            text.append("    " + ", ".join(f"0x{v:08X}" for v in row) + ",\n")
        text.append("};\n")
    with open(out, "w", encoding="utf-8") as file:
        file.write("".join(text))


if __name__ == "__main__":
    main()
