#!/usr/bin/env python3
"""Draws the program's icons: a white paper plane (the "flying note" of the name) on a
blue-to-teal rounded square. Writes feijian.ico (48 x 48 in 256 colours and in 32-bit
colour) and tray.ico (32 x 32, 32-bit) into the given directory."""
import struct
import sys
from pathlib import Path

SAMPLES = 4  # per axis, for anti-aliased edges

# The plane, in units of the icon's size: upper wing, lower wing, and the fold under it.
PLANE = [
    ([(0.80, 0.20), (0.16, 0.50), (0.43, 0.60)], (255, 255, 255)),
    ([(0.80, 0.20), (0.43, 0.60), (0.54, 0.82)], (221, 236, 250)),
    ([(0.43, 0.60), (0.54, 0.82), (0.41, 0.73)], (168, 204, 236)),
]
TOP_LEFT = (33, 150, 243)
BOTTOM_RIGHT = (0, 137, 123)


def inside_triangle(x, y, triangle):
    (ax, ay), (bx, by), (cx, cy) = triangle
    d1 = (x - bx) * (ay - by) - (ax - bx) * (y - by)
    d2 = (x - cx) * (by - cy) - (bx - cx) * (y - cy)
    d3 = (x - ax) * (cy - ay) - (cx - ax) * (y - ay)
    negative = d1 < 0 or d2 < 0 or d3 < 0
    positive = d1 > 0 or d2 > 0 or d3 > 0
    return not (negative and positive)


def inside_rounded_square(x, y, margin=0.04, radius=0.22):
    low, high = margin, 1 - margin
    if not (low <= x <= high and low <= y <= high):
        return False
    cx = min(max(x, low + radius), high - radius)
    cy = min(max(y, low + radius), high - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def colour_at(x, y):
    """The colour of one sample point, or None outside the icon."""
    if not inside_rounded_square(x, y):
        return None
    for triangle, colour in PLANE:
        if inside_triangle(x, y, triangle):
            return colour
    t = (x + y) / 2
    shade = 1.0 + 0.12 * (1 - y)  # a soft light from above
    return tuple(min(255, round((a + (b - a) * t) * shade)) for a, b in zip(TOP_LEFT, BOTTOM_RIGHT))


def draw(size):
    """Rows of (r, g, b, a) pixels, top row first."""
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            total = [0, 0, 0]
            covered = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    colour = colour_at((px + (sx + 0.5) / SAMPLES) / size, (py + (sy + 0.5) / SAMPLES) / size)
                    if colour:
                        covered += 1
                        for i in range(3):
                            total[i] += colour[i]
            if covered:
                row.append(tuple(round(c / covered) for c in total) + (round(255 * covered / SAMPLES ** 2),))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def mask_bytes(rows, size):
    """The AND mask: 1 where the pixel is transparent; rows bottom-up, padded to 4 bytes."""
    stride = ((size + 31) // 32) * 4
    data = b""
    for row in reversed(rows):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        data += bytes(bits)
    return data


def header(size, bits, colours=0):
    return struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, 0, 0, 0, colours, 0)


def image_32bit(rows, size):
    pixels = b"".join(struct.pack("<BBBB", b, g, r, a) for row in reversed(rows) for r, g, b, a in row)
    return header(size, 32) + pixels + mask_bytes(rows, size)


def image_8bit(rows, size):
    """The 256 most frequent colours of the image form the palette; the rest map to the
    nearest of them, which keeps the gradient free of visible bands."""
    counts = {}
    for row in rows:
        for r, g, b, a in row:
            if a >= 128:
                counts[(r, g, b)] = counts.get((r, g, b), 0) + 1
    colours = sorted(counts, key=counts.get, reverse=True)[:256]
    colours += [(0, 0, 0)] * (256 - len(colours))
    index = {colour: i for i, colour in enumerate(colours)}

    def nearest(colour):
        return min(range(256), key=lambda i: sum((p - c) ** 2 for p, c in zip(colours[i], colour)))

    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)
    stride = (size + 3) // 4 * 4
    pixels = b""
    for row in reversed(rows):
        line = bytearray(stride)
        for x, (r, g, b, a) in enumerate(row):
            if a >= 128:
                line[x] = index.setdefault((r, g, b), nearest((r, g, b)))
        pixels += bytes(line)
    return header(size, 8, 256) + palette + pixels + mask_bytes(rows, size)


def write_icon(path, images):
    """images: (size, bits, data) in directory order."""
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    body = b""
    for size, bits, data in images:
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, bits, len(data), offset + len(body))
        body += data
    path.write_bytes(directory + body)


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    rows48 = draw(48)
    write_icon(out / "feijian.ico", [(48, 8, image_8bit(rows48, 48)), (48, 32, image_32bit(rows48, 48))])
    write_icon(out / "tray.ico", [(32, 32, image_32bit(draw(32), 32))])


if __name__ == "__main__":
    main()
