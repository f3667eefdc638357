#!/usr/bin/env python3
"""Writes kakipo.ico, the icon the shell shows for kakipo.exe: a memo pad with ruled lines and a
red pencil stroke, at 16, 32 and 48 pixels, drawn the way the program draws its window icon.
Run it again after changing the drawing and commit both files: python3 make-icon.py kakipo.ico"""
import struct
import sys

INK = (40, 40, 40)
PAPER = (255, 250, 220)
RULE = (120, 150, 210)
RED = (200, 40, 40)


def draw(size):
    """Rows of (r, g, b, a), top row first."""
    px = [[(0, 0, 0, 0)] * size for _ in range(size)]

    def fill(l, t, r, b, c):
        for y in range(max(t, 0), min(b, size)):
            for x in range(max(l, 0), min(r, size)):
                px[y][x] = c + (255,)

    def line(x1, y1, x2, y2, c, w=1):
        steps = max(abs(x2 - x1), abs(y2 - y1), 1)
        for i in range(steps + 1):
            x = round(x1 + (x2 - x1) * i / steps)
            y = round(y1 + (y2 - y1) * i / steps)
            h = w // 2
            fill(x - h, y - h, x - h + w, y - h + w, c)

    m = size // 8
    fill(m, m // 2, size - m, size - m // 2, INK)
    fill(m + 1, m // 2 + 1, size - m - 1, size - m // 2 - 1, PAPER)
    for y in range(size // 3, size - m, max(size // 6, 1)):
        line(2 * m, y, size - 2 * m - 1, y, RULE)
    line(size - 2 * m, 2 * m, size // 2, size - 2 * m, RED, max(2, size // 10))
    return px


def image(size):
    """One icon image: a 32-bit bottom-up DIB and its AND mask."""
    px = draw(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes((b, g, r, a)) for row in reversed(px) for (r, g, b, a) in row)
    stride = ((size + 31) // 32) * 4
    mask = b""
    for row in reversed(px):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + colour + mask


def main(path):
    sizes = (16, 32, 48)
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "kakipo.ico")
