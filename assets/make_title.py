#!/usr/bin/env python3
"""Draws the title picture: blue rings receding like a tunnel on black, the lower third black.

Run it to make assets/title.png (242 x 343 pixels, 24-bit colour) and the program's icon,
assets/tenvo.png (the tunnel alone, 256 x 256), again; it needs only Python.
"""
import math
import struct
import zlib
from pathlib import Path

WIDTH, HEIGHT = 242, 343
CENTRE_X, CENTRE_Y = 124.0, 96.0  # the far end of the tunnel
DARK_FROM = HEIGHT * 2 // 3        # the lower third, where the button sits, stays black


def pixel(x, y, centre=(CENTRE_X, CENTRE_Y), dark_from=DARK_FROM):
    if y >= dark_from:
        return (0, 0, 0)
    dx, dy = x + 0.5 - centre[0], (y + 0.5 - centre[1]) * 1.15
    radius = math.hypot(dx, dy)
    if radius < 3:
        return (0, 0, 0)
    depth = 220.0 / radius                # rings crowd together as they recede
    ring = 0.5 + 0.5 * math.cos(2 * math.pi * depth * 1.6)
    ring = ring ** 6                      # thin bright rings on a dark wall
    near = min(1.0, radius / 120.0) ** 2  # the far end fades into the dark
    fade = max(0.0, 1.0 - max(0, y - (dark_from - 60)) / 60.0)  # melt into the black third
    glow = ring * (0.25 + 0.75 * near) * fade
    return (int(20 * glow), int(90 * glow), min(255, int(255 * glow)))


def png(width, height, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = b"".join(b"\x00" + bytes(v for rgb in row for v in rgb) for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    folder = Path(__file__).parent
    rows = [[pixel(x, y) for x in range(WIDTH)] for y in range(HEIGHT)]
    (folder / "title.png").write_bytes(png(WIDTH, HEIGHT, rows))
    # The icon: the tunnel centred in a square, scaled so its outer rings reach the edges.
    icon = [[pixel(124 + (x - 128) * 0.9, 96 + (y - 128) * 0.8, dark_from=10**6)
             for x in range(256)] for y in range(256)]
    (folder / "tenvo.png").write_bytes(png(256, 256, icon))
    print(f"wrote {folder / 'title.png'} and {folder / 'tenvo.png'}")
