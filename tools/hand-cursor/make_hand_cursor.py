#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Quillsite Team
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes share/hand.cur: the pointing hand shown over link labels.

A Windows cursor file (.cur) holding one 32 x 32 image, 32 bits per pixel with
alpha, plus the 1-bit AND mask that older readers use. The hand is drawn
pixel by pixel below, as cursors are: at this size every pixel shows, and a
drawing scaled down from a vector picture comes out blurred. The hot spot is
the tip of the index finger.

Usage: make_hand_cursor.py [output.cur]   (default: share/hand.cur)
"""

import pathlib
import struct
import sys

# '#' outline, 'o' fill, ' ' transparent. The soft shadow is added below.
HAND = [
    "     ##          ",
    "    #oo#         ",
    "    #oo#         ",
    "    #oo#         ",
    "    #oo#         ",
    "    #oo###       ",
    "    #oo#oo###    ",
    "    #oo#oo#oo##  ",
    " ## #oo#oo#oo#o# ",
    "#oo##oo#oo#oo#o# ",
    "#ooo#oooooooooo# ",
    "#oooooooooooooo# ",
    " #ooooooooooooo# ",
    "  #oooooooooooo# ",
    "  #ooooooooooo#  ",
    "   #oooooooooo#  ",
    "   #oooooooooo#  ",
    "    #ooooooooo#  ",
    "    #ooooooooo#  ",
    "     #oooooooo#  ",
    "     ##########  ",
]
SIZE = 32
ORIGIN = (8, 1)  # where the drawing's top-left corner sits in the image
TIP = (5, 0)  # the fingertip within the drawing
OUTLINE = (0, 0, 0, 255)
FILL = (255, 255, 255, 255)
SHADOW = (0, 0, 0, 72)


def pixels():
    """The image as rows of (r, g, b, a), top row first."""
    image = [[(0, 0, 0, 0)] * SIZE for _ in range(SIZE)]
    ox, oy = ORIGIN
    for y, row in enumerate(HAND):
        for x, cell in enumerate(row):
            if cell != " ":
                image[oy + y][ox + x] = OUTLINE if cell == "#" else FILL
    # A shadow one pixel down and to the right keeps the hand readable on
    # white as well as on dark ground.
    for y in range(SIZE - 1, 0, -1):
        for x in range(SIZE - 1, 0, -1):
            if image[y][x][3] == 0 and image[y - 1][x - 1][3] == 255:
                image[y][x] = SHADOW
    return image


def cursor_file(image, hot_spot):
    """The bytes of a one-image .cur file."""
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 32, 0, 0, 0, 0, 0, 0)
    # Device-independent bitmaps run from the bottom row up, pixels as BGRA.
    colour = b"".join(
        bytes((b, g, r, a)) for row in reversed(image) for (r, g, b, a) in row)
    mask = b""
    for row in reversed(image):
        bits = 0
        for (_, _, _, a) in row:
            bits = (bits << 1) | (1 if a == 0 else 0)
        mask += bits.to_bytes(SIZE // 8, "big")  # rows are 32 bits: no padding needed
    data = header + colour + mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, hot_spot[0], hot_spot[1], len(data),
                        len(directory) + 16)
    return directory + entry + data


def main():
    root = pathlib.Path(__file__).resolve().parents[2]
    target = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else root / "share" / "hand.cur"
    hot_spot = (ORIGIN[0] + TIP[0], ORIGIN[1] + TIP[1])
    target.write_bytes(cursor_file(pixels(), hot_spot))
    print(f"{target}: {SIZE} x {SIZE}, hot spot {hot_spot}")


if __name__ == "__main__":
    main()
