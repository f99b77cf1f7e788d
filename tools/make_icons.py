#!/usr/bin/env python3
"""Draws the template application icons that ship in data/icons.

Each size gets an 8-bit palette image and a 1-bit mask (black where the icon
is drawn, white where the background shows through), as uncompressed Windows
BMP files of the kind the SDK's bitmap converter reads. The picture is a small
application window with a sparkle over its lower right corner.

The same drawing, larger and with a transparent background, is the program's
own icon for the desktop's application menu (--app-icons, PNG files named
kelvad-SIZE.png).

Usage: tools/make_icons.py [OUTPUT_DIR] [--preview PNG] [--app-icons DIR]
"""

import os
import struct
import sys
import zlib

SIZES = (16, 24, 32, 48)
APP_ICON_SIZES = (48, 256)

# Index 0 is the background the mask hides.
PALETTE = [
    (255, 255, 255),  # 0 background
    (0, 0, 0),        # 1 outline
    (255, 255, 255),  # 2 window body
    (0, 0, 128),      # 3 title bar
    (128, 128, 128),  # 4 text lines, shadow
    (192, 192, 192),  # 5 frame highlight
    (255, 208, 0),    # 6 sparkle
    (255, 255, 160),  # 7 sparkle centre
]
BACKGROUND, OUTLINE, BODY, TITLE, GREY, LIGHT, SPARK, SPARK_CENTRE = range(8)


def rect(s, x0, y0, x1, y1):
    """A rectangle given in fractions of the icon size, as whole pixels."""
    return (round(x0 * s), round(y0 * s), round(x1 * s), round(y1 * s))


def fill(pixels, r, colour):
    x0, y0, x1, y1 = r
    for y in range(y0, y1):
        for x in range(x0, x1):
            pixels[y][x] = colour


def sparkle_points(cx, cy, outer, inner):
    # A four-pointed star: points on the axes, waist on the diagonals.
    pts = []
    for i in range(8):
        r = outer if i % 2 == 0 else inner
        dx, dy = [(0, -1), (0.7071, -0.7071), (1, 0), (0.7071, 0.7071),
                  (0, 1), (-0.7071, 0.7071), (-1, 0), (-0.7071, -0.7071)][i]
        pts.append((cx + dx * r, cy + dy * r))
    return pts


def inside(poly, x, y):
    hit = False
    n = len(poly)
    for i in range(n):
        (xa, ya), (xb, yb) = poly[i], poly[(i + 1) % n]
        if (ya > y) != (yb > y) and x < xa + (y - ya) * (xb - xa) / (yb - ya):
            hit = not hit
    return hit


def coverage(poly, px, py, samples=4):
    count = 0
    for j in range(samples):
        for i in range(samples):
            if inside(poly, px + (i + 0.5) / samples, py + (j + 0.5) / samples):
                count += 1
    return count / (samples * samples)


def draw(s):
    pixels = [[BACKGROUND] * s for _ in range(s)]
    line = 1 if s < 48 else max(2, s // 24)

    # Window with a drop shadow.
    wx0, wy0, wx1, wy1 = rect(s, 0.02, 0.06, 0.84, 0.84)
    shadow = max(1, s // 16)
    fill(pixels, (wx0 + shadow, wy0 + shadow, wx1 + shadow, wy1 + shadow), GREY)
    fill(pixels, (wx0, wy0, wx1, wy1), OUTLINE)
    fill(pixels, (wx0 + line, wy0 + line, wx1 - line, wy1 - line), BODY)
    title_bottom = wy0 + line + max(2, round(0.16 * s))
    fill(pixels, (wx0 + line, wy0 + line, wx1 - line, title_bottom), TITLE)
    fill(pixels, (wx0 + line, title_bottom, wx1 - line, title_bottom + line), OUTLINE)
    # Close box in the title bar.
    box = max(1, round(0.07 * s))
    bx1 = wx1 - line - max(1, round(0.04 * s))
    by0 = wy0 + line + (title_bottom - wy0 - line - box) // 2
    fill(pixels, (bx1 - box, by0, bx1, by0 + box), LIGHT)

    # Text lines in the body, shorter towards the bottom.
    gap = max(2, round(0.11 * s))
    thick = max(1, round(0.05 * s))
    y = title_bottom + line + max(1, round(0.08 * s))
    left = wx0 + line + max(1, round(0.07 * s))
    for length in (0.50, 0.40, 0.28):
        if y + thick > wy1 - line - 1:
            break
        fill(pixels, (left, y, left + max(2, round(length * s)), y + thick), GREY)
        y += gap

    # The sparkle, over the lower right corner.
    cx, cy = 0.74 * s, 0.74 * s
    outer, waist = max(0.26 * s, 5.2), max(0.12 * s, 2.4)
    star = sparkle_points(cx, cy, outer, waist)
    shape = [[coverage(star, x, y) >= 0.5 for x in range(s)] for y in range(s)]
    for y in range(s):
        for x in range(s):
            if not shape[y][x]:
                continue
            edge = any(not (0 <= x + dx < s and 0 <= y + dy < s and shape[y + dy][x + dx])
                       for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            pixels[y][x] = OUTLINE if edge else SPARK
    centre = max(1, round(0.05 * s))
    for y in range(round(cy) - centre, round(cy) + centre):
        for x in range(round(cx) - centre, round(cx) + centre):
            if shape[y][x] and pixels[y][x] == SPARK:
                pixels[y][x] = SPARK_CENTRE
    return pixels


def bmp(width, height, bits, palette, rows):
    """An uncompressed bottom-up BMP with a BITMAPINFOHEADER."""
    stride = ((width * bits + 31) // 32) * 4
    data = bytearray()
    for row in reversed(rows):
        packed = bytearray()
        if bits == 8:
            packed.extend(row)
        else:  # 1 bit, leftmost pixel in the high bit
            for x0 in range(0, width, 8):
                byte = 0
                for i, v in enumerate(row[x0:x0 + 8]):
                    byte |= (v & 1) << (7 - i)
                packed.append(byte)
        packed.extend(b"\0" * (stride - len(packed)))
        data.extend(packed)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    offset = 14 + 40 + len(colours)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(data), 2835, 2835,
                       len(palette), len(palette))
    return header + info + colours + bytes(data)


def write_icons(out_dir):
    os.makedirs(out_dir, exist_ok=True)
    images = {}
    palette = PALETTE + [(0, 0, 0)] * (256 - len(PALETTE))
    for s in SIZES:
        pixels = draw(s)
        mask = [[0 if v != BACKGROUND else 1 for v in row] for row in pixels]
        images[s] = pixels
        with open(os.path.join(out_dir, "icon%di.bmp" % s), "wb") as f:
            f.write(bmp(s, s, 8, palette, pixels))
        with open(os.path.join(out_dir, "icon%dm.bmp" % s), "wb") as f:
            f.write(bmp(s, s, 1, [(0, 0, 0), (255, 255, 255)], mask))
    return images


def png(width, height, filtered, colour_type=6):
    """A PNG file of rows that each begin with their filter byte: colour type 6 is RGBA, 2 is RGB."""
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(filtered), 9)) +
            chunk(b"IEND", b""))


def write_app_icons(out_dir):
    os.makedirs(out_dir, exist_ok=True)
    for s in APP_ICON_SIZES:
        rows = []
        for row in draw(s):
            out = bytearray()
            for v in row:
                out.extend((0, 0, 0, 0) if v == BACKGROUND else PALETTE[v] + (255,))
            rows.append(out)
        with open(os.path.join(out_dir, "kelvad-%d.png" % s), "wb") as f:
            f.write(png(s, s, b"".join(b"\0" + bytes(row) for row in rows)))


def write_preview(images, path, scale=6):
    """All sizes side by side, enlarged, on a checker board where masked."""
    width = sum(s * scale + 8 for s in SIZES)
    height = max(SIZES) * scale
    raw = bytearray()
    for y in range(height):
        raw.append(0)
        for s in SIZES:
            for x in range(s * scale + 8):
                px, py = x // scale, y // scale
                if x < s * scale and py < s and images[s][py][px] != BACKGROUND:
                    raw.extend(PALETTE[images[s][py][px]])
                else:
                    raw.extend((200, 200, 200) if ((x // 6) + (y // 6)) % 2 else (230, 230, 230))
    with open(path, "wb") as f:
        f.write(png(width, height, raw, colour_type=2))


def main(argv):
    out_dir = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "icons")
    preview = None
    args = list(argv)
    if "--app-icons" in args:
        i = args.index("--app-icons")
        write_app_icons(args[i + 1])
        del args[i:i + 2]
        if not args:
            return
    if "--preview" in args:
        i = args.index("--preview")
        preview = args[i + 1]
        del args[i:i + 2]
    if args:
        out_dir = args[0]
    images = write_icons(out_dir)
    if preview:
        write_preview(images, preview)


if __name__ == "__main__":
    main(sys.argv[1:])
