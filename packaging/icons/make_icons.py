#!/usr/bin/env python3
"""Draws ringcalc's icon: a blue ring with one red sector, outlined in black.

Writes, beside this script (or into the folder given as its one argument):
  ringcalc.ico      three images: 32x32 in 2 colours, 32x32 in 16 colours, 16x16 in 16 colours
  ringcalc-16.png   16x16 RGBA, for the desktop's icon theme and the window
  ringcalc-32.png   32x32 RGBA
  ringcalc.svg      the scalable picture
  ringcalc-16.rgba  the 16x16 image as bare RGBA bytes, row by row, for the window's icon: the program
  ringcalc-32.rgba  builds its icon from these without an image decoder

The picture is described once, by the shape() function on the unit square; every image samples it.
Output is deterministic: running the script again gives the same bytes.
"""
import math
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
CENTRE = 0.5
OUTER = 0.47
INNER = 0.22
OUTLINE = 0.055          # width of the black outline, in units of the icon's side
SECTOR = (20.0, 80.0)    # degrees, counter-clockwise from the right

BLACK, BLUE, RED, WHITE = (0, 0, 0), (0, 0, 255), (255, 0, 0), (255, 255, 255)


def shape(x, y):
    """The colour at (x, y) of the unit square (y grows downwards), or None where the icon is clear."""
    dx, dy = x - CENTRE, CENTRE - y
    r = math.hypot(dx, dy)
    if r > OUTER or r < INNER:
        return None
    if r > OUTER - OUTLINE or r < INNER + OUTLINE:
        return BLACK
    angle = math.degrees(math.atan2(dy, dx)) % 360.0
    edge = OUTLINE / 2 / r * 180.0 / math.pi  # half the outline's width, as an angle at this radius
    for boundary in SECTOR:
        if abs(angle - boundary) < edge:
            return BLACK
    return RED if SECTOR[0] <= angle <= SECTOR[1] else BLUE


def sample(size):
    """Rows of colours (or None), one sample at each pixel's centre."""
    return [[shape((col + 0.5) / size, (row + 0.5) / size) for col in range(size)] for row in range(size)]


# The 16 colours of the classic desktop palette; blue, red, black and white are among them.
PALETTE16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
             (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
             (255, 0, 255), (0, 255, 255), (255, 255, 255)]
# In two colours the ring is black and the sector white inside its black outline.
PALETTE2 = [BLACK, WHITE]


def pack_rows(indices, bits):
    """Bottom-up rows of palette indices, each row padded to 4 bytes."""
    out = bytearray()
    for row in reversed(indices):
        acc, count, line = 0, 0, bytearray()
        for value in row:
            acc = (acc << bits) | value
            count += bits
            if count == 8:
                line.append(acc)
                acc, count = 0, 0
        if count:
            line.append(acc << (8 - count))
        while len(line) % 4:
            line.append(0)
        out += line
    return bytes(out)


def dib(size, bits):
    """One icon image: BITMAPINFOHEADER, palette, colour bitmap, transparency mask."""
    pixels = sample(size)
    palette = PALETTE2 if bits == 1 else PALETTE16

    def index(colour):
        if colour is None:
            return 0
        if bits == 1:
            return 1 if colour == RED else 0
        return palette.index(colour)

    xor = pack_rows([[index(c) for c in row] for row in pixels], bits)
    mask = pack_rows([[1 if c is None else 0 for c in row] for row in pixels], 1)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bits, 0, len(xor) + len(mask), 0, 0,
                         len(palette), 0)
    colours = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in palette)
    return header + colours + xor + mask


def ico(images):
    """An icon group file from (size, bits) pairs."""
    blobs = [dib(size, bits) for size, bits in images]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (size, bits), blob in zip(images, blobs):
        out += struct.pack('<BBBBHHII', size, size, 1 << bits, 0, 1, bits, len(blob), offset)
        offset += len(blob)
    return out + b''.join(blobs)


def rgba(size, n=8):
    """Bare RGBA bytes, row by row, each pixel's colour and coverage from n x n samples."""
    raw = bytearray()
    for row in range(size):
        for col in range(size):
            hits = [shape((col + (i + 0.5) / n) / size, (row + (j + 0.5) / n) / size)
                    for j in range(n) for i in range(n)]
            inked = [c for c in hits if c is not None]
            if not inked:
                raw += bytes(4)
                continue
            r, g, b = (round(sum(c[k] for c in inked) / len(inked)) for k in range(3))
            raw += bytes((r, g, b, round(255 * len(inked) / len(hits))))
    return bytes(raw)


def png(size, n=8):
    """An RGBA PNG of the same pixels."""
    pixels = rgba(size, n)
    raw = bytearray()
    for row in range(size):
        raw.append(0)  # no filter
        raw += pixels[row * size * 4:(row + 1) * size * 4]

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))

    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + chunk(b'IEND', b''))


def svg():
    """The same picture as paths on a 64 x 64 canvas."""
    s = 64.0

    def point(radius, degrees):
        a = math.radians(degrees)
        return CENTRE * s + radius * s * math.cos(a), CENTRE * s - radius * s * math.sin(a)

    def sector(a0, a1, large):
        (x0, y0), (x1, y1) = point(OUTER - OUTLINE / 2, a0), point(OUTER - OUTLINE / 2, a1)
        (x2, y2), (x3, y3) = point(INNER + OUTLINE / 2, a1), point(INNER + OUTLINE / 2, a0)
        ro, ri = (OUTER - OUTLINE / 2) * s, (INNER + OUTLINE / 2) * s
        return (f'M{x0:.3f},{y0:.3f} A{ro:.3f},{ro:.3f} 0 {large} 0 {x1:.3f},{y1:.3f} '
                f'L{x2:.3f},{y2:.3f} A{ri:.3f},{ri:.3f} 0 {large} 1 {x3:.3f},{y3:.3f} Z')

    a0, a1 = SECTOR
    w = OUTLINE * s
    return (
        '<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">\n'
        f'  <path d="{sector(a1, a0 + 360, 1)}" fill="#0000ff" stroke="#000000" stroke-width="{w:.3f}"/>\n'
        f'  <path d="{sector(a0, a1, 0)}" fill="#ff0000" stroke="#000000" stroke-width="{w:.3f}"/>\n'
        '</svg>\n')


def main():
    if len(sys.argv) == 4 and sys.argv[1] == '--png':
        # One large picture, for the web app's manifest: 4 x 4 samples a pixel are as smooth at that size.
        size = int(sys.argv[2])
        with open(sys.argv[3], 'wb') as f:
            f.write(png(size, 4 if size > 64 else 8))
        return
    outputs = {
        'ringcalc.ico': ico([(32, 1), (32, 4), (16, 4)]),
        'ringcalc-16.png': png(16),
        'ringcalc-32.png': png(32),
        'ringcalc.svg': svg().encode(),
        'ringcalc-16.rgba': rgba(16),
        'ringcalc-32.rgba': rgba(32),
    }
    folder = sys.argv[1] if len(sys.argv) > 1 else HERE
    for name, data in outputs.items():
        with open(os.path.join(folder, name), 'wb') as f:
            f.write(data)


if __name__ == '__main__':
    main()
