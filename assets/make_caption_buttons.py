#!/usr/bin/env python3
"""Draws the caption-button pictures of the window skin and embeds them.

Writes assets/caption_buttons/*.png (32-bit RGBA: white pictogram, soft dark
shadow, transparent ground, faint light line along the top edge) and the
generated C++ source skin/core/caption_button_art.cpp that holds their bytes.
Standard library only: shapes are sampled 8 x 8 times per pixel, the shadow is
a blurred, shifted copy of the pictogram's coverage.
Run from anywhere: python3 assets/make_caption_buttons.py
"""
import math
import os
import struct
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PNG_DIR = os.path.join(ROOT, "assets", "caption_buttons")
CPP_PATH = os.path.join(ROOT, "skin", "core", "caption_button_art.cpp")

SAMPLES = 8            # per axis, per pixel
SHADOW_OFFSET = (0.6, 0.9)
SHADOW_SIGMA = 0.85
SHADOW_OPACITY = 0.75
TOP_LINE_ALPHA = 46    # the faint light line along the top edge


# --- shapes: each is a predicate on a point (x, y) in pixel units -----------

def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def frame(x0, y0, x1, y1, side=1.0, top=1.0):
    """A rectangle outline; `top` is the thickness of its title bar."""
    outer = rect(x0, y0, x1, y1)
    inner = rect(x0 + side, y0 + top, x1 - side, y1 - side)
    return lambda x, y: outer(x, y) and not inner(x, y)


def segment(ax, ay, bx, by, width):
    """A stroke from a to b with round ends."""
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    half = width / 2.0

    def inside(x, y):
        t = ((x - ax) * dx + (y - ay) * dy) / length2 if length2 else 0.0
        t = max(0.0, min(1.0, t))
        px, py = ax + t * dx - x, ay + t * dy - y
        return px * px + py * py <= half * half
    return inside


def ellipse(cx, cy, rx, ry):
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


def arc(cx, cy, r, width, start_deg, end_deg):
    """A stroked circular arc; angles clockwise from the positive x axis."""
    def inside(x, y):
        d = math.hypot(x - cx, y - cy)
        if abs(d - r) > width / 2.0:
            return False
        a = math.degrees(math.atan2(y - cy, x - cx)) % 360.0
        lo, hi = start_deg % 360.0, end_deg % 360.0
        return lo <= a <= hi if lo <= hi else (a >= lo or a <= hi)
    return inside


def polygon(points):
    def inside(x, y):
        result = False
        j = len(points) - 1
        for i, (xi, yi) in enumerate(points):
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result
    return inside


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def minus(shape, hole):
    return lambda x, y: shape(x, y) and not hole(x, y)


# --- the six pictograms ------------------------------------------------------

def glyph_minimize():
    return rect(8.5, 11.0, 17.5, 13.0)


def glyph_maximize():
    return frame(8.0, 4.0, 18.0, 13.0, side=1.0, top=2.0)


def glyph_restore():
    back = frame(10.5, 3.0, 18.5, 10.0, side=1.0, top=2.0)
    front_area = rect(7.5, 6.0, 15.5, 14.0)
    front = frame(7.5, 6.0, 15.5, 14.0, side=1.0, top=2.0)
    # The back window is hidden where the front one covers it.
    return union(minus(back, front_area), front)


def glyph_close():
    # Ends on pixel centres keep the diagonals crisp.
    return union(segment(15.5, 5.5, 22.5, 12.5, 1.8),
                 segment(22.5, 5.5, 15.5, 12.5, 1.8))


def glyph_help():
    bubble = ellipse(13.0, 7.8, 7.4, 5.6)
    hole = ellipse(13.0, 7.8, 6.3, 4.55)
    tail = polygon([(8.2, 11.2), (11.0, 12.6), (6.8, 15.8)])
    tail_hole = polygon([(9.0, 11.8), (10.2, 12.4), (8.0, 14.2)])
    outline = union(minus(bubble, hole), minus(tail, union(hole, tail_hole)))
    # A question mark inside the bubble.
    question = union(arc(13.0, 6.0, 1.9, 1.35, 180.0, 100.0),
                     segment(12.7, 7.8, 13.0, 8.5, 1.35),
                     ellipse(13.0, 10.5, 0.75, 0.75))
    return union(outline, question)


def glyph_main_menu():
    sheet = frame(6.5, 3.0, 16.5, 15.0, side=1.0, top=1.0)
    lines = union(rect(8.5, 6.0, 14.5, 7.0), rect(8.5, 8.5, 14.5, 9.5),
                  rect(8.5, 11.0, 13.0, 12.0))
    pointer = polygon([(18.0, 8.0), (24.0, 8.0), (21.0, 11.5)])
    return union(sheet, lines, pointer)


PICTURES = [  # (name, enumerator, width, height, pictogram)
    ("help", "help", 26, 18, glyph_help),
    ("main_menu", "main_menu", 26, 18, glyph_main_menu),
    ("minimize", "minimize", 26, 18, glyph_minimize),
    ("maximize", "maximize", 26, 18, glyph_maximize),
    ("restore", "restore", 26, 18, glyph_restore),
    ("close", "close", 38, 18, glyph_close),
]


# --- rasterising ---------------------------------------------------------------

def coverage(shape, width, height, dx=0.0, dy=0.0):
    cells = []
    step = 1.0 / SAMPLES
    for py in range(height):
        row = []
        for px in range(width):
            hits = 0
            for sy in range(SAMPLES):
                y = py + (sy + 0.5) * step - dy
                for sx in range(SAMPLES):
                    if shape(px + (sx + 0.5) * step - dx, y):
                        hits += 1
            row.append(hits / float(SAMPLES * SAMPLES))
        cells.append(row)
    return cells


def blur(cells, sigma):
    radius = int(math.ceil(sigma * 3))
    kernel = [math.exp(-(i * i) / (2 * sigma * sigma)) for i in range(-radius, radius + 1)]
    total = sum(kernel)
    kernel = [k / total for k in kernel]
    h, w = len(cells), len(cells[0])

    def pass_1d(src, horizontal):
        out = [[0.0] * w for _ in range(h)]
        for y in range(h):
            for x in range(w):
                acc = 0.0
                for i, k in enumerate(kernel):
                    o = i - radius
                    sx, sy = (x + o, y) if horizontal else (x, y + o)
                    if 0 <= sx < w and 0 <= sy < h:
                        acc += src[sy][sx] * k
                out[y][x] = acc
        return out
    return pass_1d(pass_1d(cells, True), False)


def compose(shape, width, height):
    """RGBA rows: white pictogram over its shadow, light line on top."""
    glyph = coverage(shape, width, height)
    shadow = blur(coverage(shape, width, height, *SHADOW_OFFSET), SHADOW_SIGMA)
    rows = []
    for y in range(height):
        row = bytearray()
        for x in range(width):
            g = glyph[y][x]
            s = min(1.0, shadow[y][x] * SHADOW_OPACITY * 1.6)
            if y == 0:  # the top line is light, fading out at both ends
                edge = min(x + 1, width - x, 4) / 4.0
                s, g = 0.0, max(g, TOP_LINE_ALPHA / 255.0 * edge)
            a = g + s * (1.0 - g)
            grey = 255.0 * g / a if a > 0 else 0.0
            row += bytes((round(grey), round(grey), round(grey), round(a * 255)))
        rows.append(bytes(row))
    return rows


def png_bytes(rows, width, height):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)
    raw = b"".join(b"\x00" + r for r in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def cpp_source(pictures):
    out = ["// Generated by assets/make_caption_buttons.py: do not edit; run the script.",
           "// The PNG bytes of the standard caption-button pictures (26 x 18, close 38 x 18).",
           "// Uses nothing but the standard library.",
           '#include "skin/core/caption_button_art.h"', "",
           "namespace skin {", "namespace {", ""]
    for name, _, _, _, data in pictures:
        out.append("const unsigned char %s_png[] = {" % name)
        for i in range(0, len(data), 16):
            out.append("    " + ", ".join("0x%02x" % b for b in data[i:i + 16]) + ",")
        out += ["};", ""]
    out += ["}  // namespace", "",
            "std::string caption_button_picture(CaptionGlyph glyph) {",
            "  switch (glyph) {"]
    for name, enum, _, _, _ in pictures:
        out.append("    case CaptionGlyph::%s:" % enum)
        out.append("      return std::string(reinterpret_cast<const char*>(%s_png), sizeof %s_png);"
                   % (name, name))
    out += ["  }", "  return std::string();", "}", "", "}  // namespace skin", ""]
    return "\n".join(out)


def main():
    os.makedirs(PNG_DIR, exist_ok=True)
    made = []
    for name, enum, width, height, make in PICTURES:
        data = png_bytes(compose(make(), width, height), width, height)
        with open(os.path.join(PNG_DIR, name + ".png"), "wb") as f:
            f.write(data)
        made.append((name, enum, width, height, data))
    with open(CPP_PATH, "w", encoding="utf-8") as f:
        f.write(cpp_source(made))
    print("wrote %d pictures and %s" % (len(made), os.path.relpath(CPP_PATH, ROOT)))


if __name__ == "__main__":
    main()
