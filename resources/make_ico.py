#!/usr/bin/env python3
"""Packs the program icon's small bitmaps into kestreltoadif.ico for Windows.

Reads icons/kestreltoadif-<size>.png (drawn by make_icons.py) and writes each
size as a 32-bit BGRA bitmap with its 1-bit AND mask, the form every Windows
version and resource compiler accepts. Standard library only; run it after
make_icons.py and commit the result (the build uses the committed file).
"""

import os
import struct
import sys
import zlib

SIZES = (16, 32, 48)


def read_png(path):
    """The rows of an 8-bit RGBA, non-interlaced PNG, each a bytes of RGBA."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("%s: not a PNG" % path)
    pos, idat, header = 8, b"", None
    while pos < len(data):
        (length,) = struct.unpack(">I", data[pos : pos + 4])
        kind, body = data[pos + 4 : pos + 8], data[pos + 8 : pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        elif kind == b"IEND":
            break
    width, height, depth, colour, _, _, interlace = header
    if (depth, colour, interlace) != (8, 6, 0):
        raise ValueError("%s: only 8-bit RGBA without interlacing is read" % path)
    raw = zlib.decompress(idat)
    stride, bpp = width * 4, 4
    rows, previous, pos = [], bytearray(stride), 0
    for _ in range(height):
        kind, line = raw[pos], bytearray(raw[pos + 1 : pos + 1 + stride])
        pos += 1 + stride
        for i in range(stride):
            left = line[i - bpp] if i >= bpp else 0
            up = previous[i]
            corner = previous[i - bpp] if i >= bpp else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                predictor = left if pa <= pb and pa <= pc else up if pb <= pc else corner
                line[i] = (line[i] + predictor) & 0xFF
        rows.append(bytes(line))
        previous = line
    return width, height, rows


def icon_image(width, height, rows):
    """One icon image: BITMAPINFOHEADER, bottom-up BGRA pixels, AND mask."""
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    mask_stride = ((width + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x in range(width):
            r, g, b, a = row[4 * x : 4 * x + 4]
            pixels += bytes((b, g, r, a))
            if a == 0:  # transparent where the alpha channel is not read
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(pixels) + bytes(mask)


def ico(images):
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, bodies = b"", b""
    for width, height, body in images:
        entries += struct.pack(
            "<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(body), offset
        )
        offset += len(body)
        bodies += body
    return directory + entries + bodies


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    images = []
    for size in SIZES:
        width, height, rows = read_png(os.path.join(here, "icons", "kestreltoadif-%d.png" % size))
        if (width, height) != (size, size):
            sys.exit("kestreltoadif-%d.png is %d x %d" % (size, width, height))
        images.append((width, height, icon_image(width, height, rows)))
    with open(os.path.join(here, "kestreltoadif.ico"), "wb") as f:
        f.write(ico(images))


if __name__ == "__main__":
    main()
