#!/usr/bin/env python3
"""Draws the logo clip that the welcome panel plays, data/support/velmark.avi.

The program icon's picture, large: a window with a sparkle over its lower
right corner. The sparkle turns and swells while two small ones twinkle
beside it; after the last frame the clip starts again without a jump.

Written the way the animation control plays clips: an AVI file with one video
stream of 8-bit palette frames, RLE8-compressed (each frame after the first
paints only what changed), and no sound. The output is the same on every run.

Usage: tools/make_clip.py [OUTPUT] [--preview PNG]
"""

import math
import os
import struct
import sys

sys.dont_write_bytecode = True  # no cache folder beside the tools
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_icons import PALETTE, inside, png  # noqa: E402  (the icon's colours and PNG writer)

WIDTH, HEIGHT = 128, 96
FRAMES = 24
FRAME_RATE = 12  # frames a second: a two-second loop

BACKGROUND, OUTLINE, BODY, TITLE, GREY, LIGHT, SPARK, SPARK_CENTRE = range(8)


def fill(pixels, x0, y0, x1, y1, colour):
    for y in range(max(0, y0), min(HEIGHT, y1)):
        for x in range(max(0, x0), min(WIDTH, x1)):
            pixels[y][x] = colour


def draw_window():
    """The still part of every frame, top row first."""
    pixels = [[BACKGROUND] * WIDTH for _ in range(HEIGHT)]
    x0, y0, x1, y1 = 12, 8, 88, 66
    line = 2
    fill(pixels, x0 + 4, y0 + 4, x1 + 4, y1 + 4, GREY)  # drop shadow
    fill(pixels, x0, y0, x1, y1, OUTLINE)
    fill(pixels, x0 + line, y0 + line, x1 - line, y1 - line, BODY)
    title_bottom = y0 + line + 12
    fill(pixels, x0 + line, y0 + line, x1 - line, title_bottom, TITLE)
    fill(pixels, x0 + line, title_bottom, x1 - line, title_bottom + line, OUTLINE)
    fill(pixels, x1 - line - 12, y0 + line + 3, x1 - line - 4, y0 + line + 9, LIGHT)  # close box
    y = title_bottom + line + 7
    for length in (44, 36, 24):  # text lines, shorter towards the bottom
        fill(pixels, x0 + line + 7, y, x0 + line + 7 + length, y + 4, GREY)
        y += 10
    return pixels


def star(cx, cy, outer, waist, angle):
    """A four-pointed star turned by `angle` radians: points, then waists."""
    pts = []
    for i in range(8):
        r = outer if i % 2 == 0 else waist
        a = angle + i * math.pi / 4
        pts.append((cx + r * math.sin(a), cy - r * math.cos(a)))
    return pts


def draw_star(pixels, cx, cy, outer, waist, angle, centre):
    """Filled where at least half of a pixel is inside, outlined like the icon."""
    poly = star(cx, cy, outer, waist, angle)
    x_lo, x_hi = max(0, int(cx - outer) - 1), min(WIDTH, int(cx + outer) + 2)
    y_lo, y_hi = max(0, int(cy - outer) - 1), min(HEIGHT, int(cy + outer) + 2)
    shape = set()
    for y in range(y_lo, y_hi):
        for x in range(x_lo, x_hi):
            hits = sum(inside(poly, x + (i + 0.5) / 4, y + (j + 0.5) / 4) for j in range(4) for i in range(4))
            if hits >= 8:
                shape.add((x, y))
    for x, y in shape:
        edge = any((x + dx, y + dy) not in shape for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
        pixels[y][x] = OUTLINE if edge else SPARK
    for x, y in shape:
        if (x - cx + 0.5) ** 2 + (y - cy + 0.5) ** 2 <= centre * centre and pixels[y][x] == SPARK:
            pixels[y][x] = SPARK_CENTRE


def draw_frame(n):
    pixels = draw_window()
    t = n / FRAMES  # 0 to 1 over the loop
    # The sparkle turns a quarter (a star looks the same after it) and swells
    # twice in a loop.
    swell = 0.5 - 0.5 * math.cos(4 * math.pi * t)
    draw_star(pixels, 88.0, 66.0, 18 + 6 * swell, 7 + 2 * swell, t * math.pi / 2, 3.5 + 1.5 * swell)
    # The small ones each flash once, at different times.
    for cx, cy, phase in ((113.0, 30.0, 0.15), (56.0, 84.0, 0.6)):
        flash = math.sin(math.pi * min(1.0, ((t - phase) % 1.0) / 0.4))
        if flash > 0.2:
            draw_star(pixels, cx, cy, 9 * flash, 3 * flash, 0.0, 0)
    return pixels


def rle8_pixels(row):
    """Runs and absolute blocks for the pixels of one stretch of a row."""
    out = bytearray()
    i, n = 0, len(row)
    while i < n:
        run = 1
        while i + run < n and run < 255 and row[i + run] == row[i]:
            run += 1
        if run >= 3 or n - i < 3:
            out += bytes((run, row[i]))
            i += run
            continue
        # Pixels as they are, up to the next run of three.
        j = i
        while j < n and j - i < 255 and not (j + 2 < n and row[j] == row[j + 1] == row[j + 2]):
            j += 1
        if j - i < 3:
            for k in range(i, j):
                out += bytes((1, row[k]))
        else:
            out += bytes((0, j - i)) + bytes(row[i:j])
            if (j - i) % 2:
                out.append(0)
        i = j
    return out


def rle8_frame(rows, previous):
    """One RLE8 frame of bottom-up rows; only the changes when there is a
    previous frame, which the skipped pixels keep."""
    out = bytearray()
    cx, cy = 0, 0  # where the decoder would paint next
    for y, row in enumerate(rows):
        if previous is None:
            spans = [(0, WIDTH)]
        else:
            changed = [x for x in range(WIDTH) if row[x] != previous[y][x]]
            spans = []
            for x in changed:
                # A delta costs four bytes: short gaps are cheaper to repaint.
                if spans and x - spans[-1][1] < 4:
                    spans[-1] = (spans[-1][0], x + 1)
                else:
                    spans.append((x, x + 1))
        for x0, x1 in spans:
            if cy < y and x0 < cx:
                out += b"\0\0"  # end of line: to the start of the next row
                cx, cy = 0, cy + 1
            while (cx, cy) != (x0, y):
                dx, dy = min(255, x0 - cx), min(255, y - cy)
                out += bytes((0, 2, dx, dy))
                cx, cy = cx + dx, cy + dy
            out += rle8_pixels(row[x0:x1])
            cx = x1
        if previous is None and y < HEIGHT - 1:
            out += b"\0\0"
            cx, cy = 0, y + 1
    out += b"\0\1"
    return bytes(out)


def chunk(fourcc, body):
    data = fourcc + struct.pack("<I", len(body)) + body
    return data + (b"\0" if len(body) % 2 else b"")


def riff_list(kind, fourcc, body):
    return chunk(kind, fourcc + body)


def avi(frames, palette):
    """An AVI file of RLE8 frames with an index."""
    count = len(frames)
    largest = max(len(f) for f in frames)
    microseconds = 1000000 // FRAME_RATE
    avih = struct.pack("<14I", microseconds, largest * FRAME_RATE, 0, 0x10, count, 0, 1, largest,
                       WIDTH, HEIGHT, 0, 0, 0, 0)
    strh = struct.pack("<4s4sIHHIIIIIIIIhhhh", b"vids", b"mrle", 0, 0, 0, 0, 1, FRAME_RATE, 0, count,
                       largest, 0xFFFFFFFF, 0, 0, 0, WIDTH, HEIGHT)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    strf = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 8, 1, WIDTH * HEIGHT, 0, 0,
                       len(palette), len(palette)) + colours
    hdrl = riff_list(b"LIST", b"hdrl", chunk(b"avih", avih) +
                     riff_list(b"LIST", b"strl", chunk(b"strh", strh) + chunk(b"strf", strf)))
    movi_body = bytearray()
    index = bytearray()
    for i, f in enumerate(frames):
        # Offsets count from the list type 'movi'.
        index += struct.pack("<4sIII", b"00dc", 0x10 if i == 0 else 0, 4 + len(movi_body), len(f))
        movi_body += chunk(b"00dc", f)
    movi = riff_list(b"LIST", b"movi", bytes(movi_body))
    return riff_list(b"RIFF", b"AVI ", hdrl + movi + chunk(b"idx1", bytes(index)))


def write_clip(path):
    pictures = [draw_frame(n) for n in range(FRAMES)]
    frames, previous = [], None
    for picture in pictures:
        rows = list(reversed(picture))  # the file holds the bottom row first
        frames.append(rle8_frame(rows, previous))
        previous = rows
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    with open(path, "wb") as f:
        f.write(avi(frames, PALETTE))
    return pictures


def write_preview(pictures, path, scale=2, columns=6):
    """The frames in a grid, enlarged, for looking at."""
    gap = 4
    rows_n = (len(pictures) + columns - 1) // columns
    width = columns * (WIDTH * scale + gap)
    height = rows_n * (HEIGHT * scale + gap)
    raw = bytearray()
    for y in range(height):
        raw.append(0)
        for x in range(width):
            col, cell_x = divmod(x, WIDTH * scale + gap)
            row, cell_y = divmod(y, HEIGHT * scale + gap)
            n = row * columns + col
            if n < len(pictures) and cell_x < WIDTH * scale and cell_y < HEIGHT * scale:
                raw.extend(PALETTE[pictures[n][cell_y // scale][cell_x // scale]])
            else:
                raw.extend((90, 90, 90))
    with open(path, "wb") as f:
        f.write(png(width, height, raw, colour_type=2))


def main(argv):
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "support", "velmark.avi")
    preview = None
    args = list(argv)
    if "--preview" in args:
        i = args.index("--preview")
        preview = args[i + 1]
        del args[i:i + 2]
    if args:
        out = args[0]
    pictures = write_clip(out)
    if preview:
        write_preview(pictures, preview)


if __name__ == "__main__":
    main(sys.argv[1:])
