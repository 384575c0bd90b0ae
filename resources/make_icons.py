#!/usr/bin/env python3
"""Draws the program icon: a log page with radio waves rising from its corner.

Writes kestreltoadif.svg and icons/kestreltoadif-<size>.png next to this
script from one list of shapes, so that the vector and the bitmaps agree.
Standard library only; run it again after changing a shape and commit the
results (the build uses the committed files).
"""

import math
import os
import struct
import zlib

VIEW = 64.0
SIZES = (16, 32, 48, 64, 128)

OUTLINE = "#34414d"
PAGE = "#fbfaf4"
FOLD = "#d9dcd3"
RULE = "#93a3b1"
WAVE = "#e0622a"

PAGE_POINTS = [(10, 4), (38, 4), (50, 16), (50, 60), (10, 60)]
FOLD_POINTS = [(38, 4), (38, 16), (50, 16)]
RULES = [(16, 11, 18, 3), (16, 19, 28, 3), (16, 27, 28, 3)]
WAVE_CENTRE = (17, 53)
WAVE_BANDS = [(7.5, 12.0), (17.0, 21.5), (26.5, 31.0)]  # inner and outer radius
DOT_RADIUS = 4.5
STROKE = 3.0

# Drawn in this order, later shapes over earlier ones.
SHAPES = [
    ("polygon", PAGE_POINTS, PAGE, OUTLINE),
    ("polygon", FOLD_POINTS, FOLD, OUTLINE),
    *[("rect", r, RULE, None) for r in RULES],
    *[("arc", b, WAVE, None) for b in WAVE_BANDS],
    ("circle", (WAVE_CENTRE, DOT_RADIUS), WAVE, None),
]


def rgb(colour):
    return tuple(int(colour[i : i + 2], 16) for i in (1, 3, 5))


def inside_polygon(x, y, points):
    inside = False
    n = len(points)
    for i in range(n):
        (x1, y1), (x2, y2) = points[i], points[(i + 1) % n]
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            inside = not inside
    return inside


def segment_distance(x, y, a, b):
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(x - ax - t * dx, y - ay - t * dy)


def on_outline(x, y, points):
    n = len(points)
    return any(segment_distance(x, y, points[i], points[(i + 1) % n]) <= STROKE / 2 for i in range(n))


def in_arc(x, y, band):
    cx, cy = WAVE_CENTRE
    dx, dy = x - cx, cy - y  # y up
    if dx < 0 or dy < 0:
        return False
    return band[0] <= math.hypot(dx, dy) <= band[1]


def colour_at(x, y):
    """The colour of the topmost shape at a point of the 64 x 64 view, or None."""
    result = None
    for kind, data, fill, stroke in SHAPES:
        if kind == "polygon":
            if stroke and on_outline(x, y, data):
                result = stroke
            elif inside_polygon(x, y, data):
                result = fill
        elif kind == "rect":
            rx, ry, rw, rh = data
            if rx <= x <= rx + rw and ry <= y <= ry + rh:
                result = fill
        elif kind == "arc":
            if in_arc(x, y, data):
                result = fill
        elif kind == "circle":
            (cx, cy), r = data
            if math.hypot(x - cx, y - cy) <= r:
                result = fill
    return result


def render(size, samples=8):
    scale = VIEW / size
    rows = []
    for py in range(size):
        row = bytearray([0])  # filter type: none
        for px in range(size):
            r = g = b = a = 0.0
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples) * scale
                    y = (py + (sy + 0.5) / samples) * scale
                    colour = colour_at(x, y)
                    if colour:
                        cr, cg, cb = rgb(colour)
                        r, g, b, a = r + cr, g + cg, b + cb, a + 1
            count = samples * samples
            if a:
                row += bytes((round(r / a), round(g / a), round(b / a), round(255 * a / count)))
            else:
                row += bytes(4)
        rows.append(bytes(row))
    return rows


def png(size, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (
        b"\x89PNG\r\n\x1a\n"
        + chunk(b"IHDR", header)
        + chunk(b"IDAT", zlib.compress(b"".join(rows), 9))
        + chunk(b"IEND", b"")
    )


def number(value):
    return ("%.2f" % value).rstrip("0").rstrip(".")


def svg():
    out = [
        '<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">',
        "  <title>KestrelToADIF</title>",
    ]
    for kind, data, fill, stroke in SHAPES:
        if kind == "polygon":
            points = " ".join("%s,%s" % (number(x), number(y)) for x, y in data)
            out.append(
                '  <polygon points="%s" fill="%s" stroke="%s" stroke-width="%s" '
                'stroke-linejoin="round"/>' % (points, fill, stroke, number(STROKE))
            )
        elif kind == "rect":
            x, y, w, h = data
            out.append(
                '  <rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>'
                % (number(x), number(y), number(w), number(h), fill)
            )
        elif kind == "arc":
            cx, cy = WAVE_CENTRE
            radius = (data[0] + data[1]) / 2
            out.append(
                '  <path d="M %s %s A %s %s 0 0 1 %s %s" fill="none" stroke="%s" '
                'stroke-width="%s"/>'
                % (
                    number(cx),
                    number(cy - radius),
                    number(radius),
                    number(radius),
                    number(cx + radius),
                    number(cy),
                    fill,
                    number(data[1] - data[0]),
                )
            )
        elif kind == "circle":
            (cx, cy), r = data
            out.append(
                '  <circle cx="%s" cy="%s" r="%s" fill="%s"/>'
                % (number(cx), number(cy), number(r), fill)
            )
    out.append("</svg>")
    return "\n".join(out) + "\n"


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(here, "kestreltoadif.svg"), "w", encoding="ascii") as f:
        f.write(svg())
    for size in SIZES:
        with open(os.path.join(here, "icons", "kestreltoadif-%d.png" % size), "wb") as f:
            f.write(png(size, render(size)))


if __name__ == "__main__":
    main()
