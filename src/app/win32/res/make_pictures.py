#!/usr/bin/env python3
"""Draws the program's pictures: app.ico (32 x 32, 24-bit: a blade on a whetstone on the
panel headings' teal) and status.bmp (16 x 15, 32-bit, transparent pixels magenta with alpha 0).
Run it from this folder after changing a picture; the build uses the files it writes."""
import math
import struct

SAMPLES = 4  # per axis, for smooth edges


def inside_rounded(x, y, size, radius):
    cx = min(max(x, radius), size - radius)
    cy = min(max(y, radius), size - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def near_segment(x, y, a, b, half_width):
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(x - (ax + t * dx), y - (ay + t * dy)) <= half_width


def mix(under, over, amount):
    return tuple(round(u + (o - u) * amount) for u, o in zip(under, over))


def app_icon_pixel(x, y):
    """The colour at a point of the 32 x 32 icon, or None outside its rounded square."""
    if not inside_rounded(x, y, 32, 6):
        return None
    t = (x + y) / 64
    colour = mix((0, 128, 128), (128, 160, 128), t)               # heading teal
    if 21 <= y <= 27 and 3 <= x <= 29:                              # whetstone
        colour = (96, 96, 96) if y > 22 else (150, 150, 150)
    if near_segment(x, y, (7, 21), (26, 5), 2.2):                   # blade
        colour = (226, 230, 236)
    if near_segment(x, y, (8, 20), (25, 6), 0.6):                   # its edge catching the light
        colour = (255, 255, 255)
    if near_segment(x, y, (4, 19), (10, 25), 1.4):                  # guard
        colour = (214, 160, 40)
    if near_segment(x, y, (4, 25), (2, 27), 1.4):                   # grip
        colour = (120, 70, 30)
    sx, sy = 26, 5                                                   # spark at the point
    if abs(x - sx) + abs(y - sy) <= 3.2 and (abs(x - sx) < 0.9 or abs(y - sy) < 0.9):
        colour = (255, 214, 60)
    return colour


def status_pixel(x, y):
    """The 16 x 15 status picture: a small whetstone with a spark; None is transparent."""
    if 10 <= y <= 13 and 1 <= x <= 14:
        return (96, 96, 96) if y > 10 else (150, 150, 150)
    if near_segment(x, y, (3, 10), (12, 2), 1.3):
        return (0, 128, 128)
    if abs(x - 12.5) + abs(y - 2.5) <= 2.2 and (abs(x - 12.5) < 0.8 or abs(y - 2.5) < 0.8):
        return (255, 200, 40)
    return None


def render(width, height, pixel, background):
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            total, covered = [0, 0, 0], 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    c = pixel(x + (sx + 0.5) / SAMPLES, y + (sy + 0.5) / SAMPLES)
                    if c is not None:
                        covered += 1
                        total = [a + b for a, b in zip(total, c)]
            if covered * 2 < SAMPLES * SAMPLES:
                row.append(None)
            else:
                average = tuple(round(v / covered) for v in total)
                row.append(mix(background, average, covered / (SAMPLES * SAMPLES)) if background else average)
        rows.append(row)
    return rows


def write_icon(path, rows):
    size = len(rows)
    xor = b""
    and_mask = b""
    for row in reversed(rows):  # bottom-up
        xor += b"".join(bytes((c or (0, 0, 0))[::-1]) for c in row)
        bits = 0
        for x, c in enumerate(row):
            if c is None:
                bits |= 1 << (31 - x)
        and_mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 24, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    image = header + xor + and_mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", size, size, 0, 0, 1, 24, len(image), 22)
    with open(path, "wb") as out:
        out.write(directory + image)


def write_bitmap(path, rows):
    height, width = len(rows), len(rows[0])
    pixels = b""
    for row in reversed(rows):
        for c in row:
            r, g, b, a = (*c, 255) if c else (255, 0, 255, 0)
            pixels += bytes((b, g, r, a))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 32, 0, len(pixels), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    with open(path, "wb") as out:
        out.write(file_header + info + pixels)


if __name__ == "__main__":
    write_icon("app.ico", render(32, 32, app_icon_pixel, None))
    write_bitmap("status.bmp", render(16, 15, status_pixel, None))
