#!/usr/bin/env python3
"""Draws the program icon, a diskette with a green check mark, and writes it
as a Windows icon file holding 16, 24, 32 and 48 pixel images, each once in
256 colours (hard edges) and once in 32-bit colour (smooth edges, alpha).
The result is committed; run this only to change the icon."""
import math
import struct
import sys

SIZES = (16, 24, 32, 48)
BODY = (31, 63, 122)
BODY_EDGE = (18, 38, 76)
SHUTTER = (200, 204, 212)
SLOT = (60, 64, 72)
LABEL = (245, 245, 240)
LINE = (176, 190, 214)
CHECK = (31, 161, 58)
CHECK_EDGE = (14, 96, 32)


def seg_dist(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def colour_at(x, y):
    """Colour of the design at (x, y) in [0, 1]^2, or None outside."""
    check = [(0.30, 0.62), (0.47, 0.80), (0.90, 0.34)]
    d = min(seg_dist(x, y, *check[0], *check[1]), seg_dist(x, y, *check[1], *check[2]))
    if d < 0.085:
        return CHECK
    if d < 0.125:
        return CHECK_EDGE
    inside = 0.05 <= x <= 0.95 and 0.05 <= y <= 0.95 and (x - 0.95) + (0.05 - y) < -0.12
    if not inside:
        return None
    edge = x < 0.11 or x > 0.89 or y < 0.11 or y > 0.89
    if 0.27 <= x <= 0.71 and 0.05 <= y <= 0.37:
        return SLOT if 0.54 <= x <= 0.64 and 0.10 <= y <= 0.32 else SHUTTER
    if 0.17 <= x <= 0.83 and 0.50 <= y <= 0.95:
        for line in (0.62, 0.72, 0.82):
            if abs(y - line) < 0.02 and 0.23 <= x <= 0.77:
                return LINE
        return LABEL
    return BODY_EDGE if edge else BODY


def render(size, smooth):
    """Rows top to bottom of (r, g, b, a)."""
    samples = 4 if smooth else 1
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    c = colour_at((px + (sx + 0.5) / samples) / size, (py + (sy + 0.5) / samples) / size)
                    if c:
                        acc[0] += c[0]; acc[1] += c[1]; acc[2] += c[2]; acc[3] += 1
            n = acc[3]
            if n == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((acc[0] // n, acc[1] // n, acc[2] // n, 255 * n // (samples * samples)))
        rows.append(row)
    return rows


def and_mask(rows, size):
    stride = ((size + 31) // 32) * 4
    out = bytearray()
    for row in reversed(rows):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        out += bits
    return bytes(out)


def header(size, bpp, image_bytes, colours):
    return struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bpp, 0, image_bytes, 0, 0, colours, 0)


def image_8bit(size):
    rows = render(size, smooth=False)
    palette = [(0, 0, 0)]
    for row in rows:
        for r, g, b, a in row:
            if a and (r, g, b) not in palette:
                palette.append((r, g, b))
    assert len(palette) <= 256
    palette += [(0, 0, 0)] * (256 - len(palette))
    stride = (size + 3) // 4 * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, (r, g, b, a) in enumerate(row):
            line[x] = palette.index((r, g, b)) if a else 0
        pixels += line
    mask = and_mask(rows, size)
    pal = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in palette)
    return header(size, 8, len(pixels) + len(mask), 256) + pal + bytes(pixels) + mask


def image_32bit(size):
    rows = render(size, smooth=True)
    pixels = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            pixels += struct.pack('<BBBB', b, g, r, a)
    mask = and_mask(rows, size)
    return header(size, 32, len(pixels) + len(mask), 0) + bytes(pixels) + mask


def main(path):
    images = []
    for size in SIZES:
        images.append((size, 8, image_8bit(size)))
        images.append((size, 32, image_32bit(size)))
    offset = 6 + 16 * len(images)
    directory = struct.pack('<HHH', 0, 1, len(images))
    data = b''
    for size, bpp, blob in images:
        directory += struct.pack('<BBBBHHII', size, size, 0, 0, 1, bpp, len(blob), offset + len(data))
        data += blob
    with open(path, 'wb') as f:
        f.write(directory + data)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'launcher.ico')
