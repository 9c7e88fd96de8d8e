#!/usr/bin/env python3
"""Draws the program's two icons and writes them as .ico files (32x32 and
16x16, 32 bits per pixel with alpha, BMP-based entries):

  delicon.ico  the program file's icon: a box with a red cross over it
  lvxicon.ico  the dialogs' icon: a blue box with a band and a clasp

Usage: tools/icons/make_icons.py OUTPUT_DIR   (the committed copies live in
src/resources; run it again only to change the drawings).
"""
import struct
import sys


def box(size, body, band, edge):
    """A closed box seen from the front: body, a horizontal band, a clasp."""
    px = [[(0, 0, 0, 0)] * size for _ in range(size)]
    m = max(1, size // 8)
    for y in range(m * 2, size - m):
        for x in range(m, size - m):
            on_edge = y in (m * 2, size - m - 1) or x in (m, size - m - 1)
            px[y][x] = edge if on_edge else body
    top, bottom = size // 2 - m // 2 - 1, size // 2 + m // 2
    for y in range(top, bottom + 1):
        for x in range(m + 1, size - m - 1):
            px[y][x] = band
    c = size // 2
    for y in range(top - 1, bottom + 2):
        for x in range(c - m // 2 - 1, c + m // 2 + 1):
            px[y][x] = edge
    return px


def cross(px, colour):
    size = len(px)
    w = max(1, size // 10)
    for i in range(size // 6, size - size // 6):
        for d in range(-w, w + 1):
            for x, y in ((i + d, i), (size - 1 - i + d, i)):
                if 0 <= x < size:
                    px[y][x] = colour
    return px


def entry(px):
    """A BMP-based icon image: header, bottom-up BGRA pixels, AND mask."""
    size = len(px)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b''.join(struct.pack('BBBB', b, g, r, a)
                      for row in reversed(px) for (r, g, b, a) in row)
    row_bytes = ((size + 31) // 32) * 4
    mask = b''
    for row in reversed(px):
        line = bytearray(row_bytes)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(line)
    return header + colour + mask


def write_ico(path, images):
    data = [entry(px) for px in images]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for px, d in zip(images, data):
        size = len(px)
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(d), offset)
        offset += len(d)
    with open(path, 'wb') as f:
        f.write(out + b''.join(data))


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else '.'
    tan, brown, dark = (222, 184, 135, 255), (139, 90, 43, 255), (70, 45, 20, 255)
    red = (200, 20, 20, 255)
    blue, light, navy = (60, 110, 200, 255), (200, 215, 240, 255), (20, 40, 100, 255)
    write_ico(out + '/delicon.ico',
              [cross(box(s, tan, brown, dark), red) for s in (32, 16)])
    write_ico(out + '/lvxicon.ico', [box(s, blue, light, navy) for s in (32, 16)])


if __name__ == '__main__':
    main()
