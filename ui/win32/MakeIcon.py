#!/usr/bin/env python3
"""Draws the application icon, a sealed envelope, as a 16-colour .ico file
with a 32 x 32 and a 16 x 16 image.

Usage: MakeIcon.py OUTPUT.ico
"""

import struct
import sys

# The standard 16-colour palette, as (blue, green, red) like the bitmap stores it.
PALETTE = [
    (0x00, 0x00, 0x00), (0x00, 0x00, 0x80), (0x00, 0x80, 0x00), (0x00, 0x80, 0x80),
    (0x80, 0x00, 0x00), (0x80, 0x00, 0x80), (0x80, 0x80, 0x00), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0x00, 0x00, 0xFF), (0x00, 0xFF, 0x00), (0x00, 0xFF, 0xFF),
    (0xFF, 0x00, 0x00), (0xFF, 0x00, 0xFF), (0xFF, 0xFF, 0x00), (0xFF, 0xFF, 0xFF),
]
DARK_RED, NAVY, SILVER, RED, WHITE = 1, 4, 7, 9, 15
TRANSPARENT = None


def line(pixels, x0, y0, x1, y1, colour):
    """Bresenham's line, both ends included."""
    dx, dy = abs(x1 - x0), -abs(y1 - y0)
    sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
    error = dx + dy
    while True:
        pixels[y0][x0] = colour
        if (x0, y0) == (x1, y1):
            return
        doubled = 2 * error
        if doubled >= dy:
            error += dy
            x0 += sx
        if doubled <= dx:
            error += dx
            y0 += sy


def envelope(size):
    """One image, top row first: a white envelope with a navy edge, the flap
    drawn to the middle and a red seal on the flap's tip."""
    pixels = [[TRANSPARENT] * size for _ in range(size)]
    left, right = size // 16, size - 1 - size // 16
    top, bottom = size * 7 // 32, size - 1 - size * 5 // 32
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            edge = x in (left, right) or y in (top, bottom)
            pixels[y][x] = NAVY if edge else WHITE
    for x in range(left + 1, right):
        pixels[bottom - 1][x] = SILVER
    middle_left, middle_right = (left + right) // 2, (left + right + 1) // 2
    tip = top + (bottom - top) * 3 // 5
    line(pixels, left, top, middle_left, tip, NAVY)
    line(pixels, right, top, middle_right, tip, NAVY)
    radius = max(1, size // 12)
    for y in range(tip - radius, tip + radius + 1):
        for x in range(middle_left - radius, middle_right + radius + 1):
            near = min(abs(x - middle_left), abs(x - middle_right)) ** 2 + (y - tip) ** 2
            if near <= radius * radius:
                pixels[y][x] = RED if near < radius * radius else DARK_RED
    return pixels


def row_bytes(bits_per_pixel, size):
    """Bitmap rows are padded to whole 32-bit words."""
    return (bits_per_pixel * size + 31) // 32 * 4


def image(size):
    """BITMAPINFOHEADER, palette, colour bits and mask, rows bottom-up."""
    pixels = envelope(size)
    colours = bytearray()
    mask = bytearray()
    for row in reversed(pixels):
        packed = bytearray(row_bytes(4, size))
        masked = bytearray(row_bytes(1, size))
        for x, colour in enumerate(row):
            if colour is TRANSPARENT:
                masked[x // 8] |= 0x80 >> (x % 8)
            else:
                packed[x // 2] |= colour << (0 if x % 2 else 4)
        colours += packed
        mask += masked
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0,
                         len(colours) + len(mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for b, g, r in PALETTE)
    return header + palette + bytes(colours) + bytes(mask)


def icon(sizes):
    images = [image(size) for size in sizes]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    for size, data in zip(sizes, images):
        directory += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return directory + b"".join(images)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with open(sys.argv[1], "wb") as output:
        output.write(icon([32, 16]))


if __name__ == "__main__":
    main()
