#!/usr/bin/env python3
"""png_icon.py OUT.ico PNG...: a Windows icon file holding the given square PNG pictures as they
are (Windows Vista and later read PNG icon images), largest last as they are given."""
import struct
import sys


def main():
    out, pngs = sys.argv[1], sys.argv[2:]
    images = [open(path, "rb").read() for path in pngs]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for image in images:
        if image[:8] != b"\x89PNG\r\n\x1a\n":
            sys.exit(f"png_icon.py: not a PNG picture: {pngs[images.index(image)]}")
        width, height = struct.unpack(">II", image[16:24])
        # 0 stands for 256 pixels; no palette; one plane; 32 bits a pixel.
        directory += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32,
                                 len(image), offset)
        offset += len(image)
    with open(out, "wb") as icon:
        icon.write(directory + b"".join(images))


if __name__ == "__main__":
    main()
