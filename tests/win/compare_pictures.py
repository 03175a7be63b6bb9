#!/usr/bin/env python3
"""Compares two 32-bit bitmap files of the picture pixel by pixel, except inside the focus
markers' 4 x 8 boxes, which GDI and our raster fill with different edge pixels. Exit status 0
when they agree. Usage: compare_pictures.py A.bmp B.bmp"""
import struct
import sys


def read(path):
    data = open(path, "rb").read()
    width, height, _, bits = struct.unpack_from("<iiHH", data, 18)
    offset = struct.unpack_from("<I", data, 10)[0]
    assert bits == 32, (path, bits)
    return width, height, data[offset:offset + 4 * width * height]


def main():
    (w, h, a), (w2, h2, b) = read(sys.argv[1]), read(sys.argv[2])
    if (w, h) != (w2, h2):
        print(f"sizes differ: {w}x{h} and {w2}x{h2}")
        return 1
    # Markers below the picture: 8 rows from 4 under its last dot row, columns 200 and 276
    # (the normal size's geometry; the large size is not driven here).
    top = h - 12
    boxes = [(200, top), (276, top)]
    differ = 0
    for y in range(h):
        row = (h - 1 - y) * w * 4
        for x in range(w):
            if a[row + 4 * x:row + 4 * x + 4] == b[row + 4 * x:row + 4 * x + 4]:
                continue
            if any(bx <= x < bx + 4 and by <= y < by + 8 for bx, by in boxes):
                continue
            differ += 1
    if differ:
        print(f"{differ} pixels differ outside the markers")
    return 1 if differ else 0


sys.exit(main())
