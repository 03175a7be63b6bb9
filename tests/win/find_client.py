#!/usr/bin/env python3
"""Finds the client area of velmora's main window on a screenshot, for a window whose frame
Wine draws itself (its caption and menu heights are Wine's own). The program's view of the
empty grid starts at client (8, 58) with 48 black columns, then the first white grid line,
all on grey; its top-left pixel is found and the client origin printed as "X Y".
Usage: find_client.py SCREEN.rgb WIDTH HEIGHT"""
import sys


def main():
    path, width, height = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    data = open(path, "rb").read()

    def px(x, y):
        i = 3 * (y * width + x)
        return tuple(data[i:i + 3])

    black, white, grey = (0, 0, 0), (255, 255, 255), (192, 192, 192)
    for y in range(1, height - 360):
        for x in range(1, width - 49):
            if px(x, y) != black or px(x - 1, y) != grey or px(x, y - 1) != grey:
                continue
            if px(x + 48, y) == white and all(px(x + i, y) == black for i in range(48)) and \
                    all(px(x, y + j) == black for j in range(0, 360, 7)):
                print(x - 8, y - 58)
                return 0
    return 1


sys.exit(main())
