#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Draws Tenvo's pictures: blue rings receding like a tunnel on black.

Run it to make again, in this folder:
- title.png, the title window's picture (242 x 343 pixels, the lower third black), and
  title@2x.png, the same drawn at twice the size for screens at a scale factor of 2;
- icons/tenvo-N.png for N = 16, 24, 32, 48, 64, 128 and 256: the tunnel in a round badge on a
  transparent ground (at 16 and 24 pixels a few bright rings, which read at that size), and
  icons/tenvo.svg, the same badge as a scalable picture.
It needs only Python.
"""
import math
import struct
import zlib
from pathlib import Path

WIDTH, HEIGHT = 242, 343
CENTRE_X, CENTRE_Y = 124.0, 96.0  # the far end of the tunnel
DARK_FROM = HEIGHT * 2 // 3        # the lower third, where the button sits, stays black
ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)


def glow(x, y, centre=(CENTRE_X, CENTRE_Y), dark_from=DARK_FROM):
    """The brightness of the tunnel at a point of the 242 x 343 title picture, 0 to 1."""
    if y >= dark_from:
        return 0.0
    dx, dy = x - centre[0], (y - centre[1]) * 1.15
    radius = math.hypot(dx, dy)
    if radius < 3:
        return 0.0
    depth = 220.0 / radius                # rings crowd together as they recede
    ring = 0.5 + 0.5 * math.cos(2 * math.pi * depth * 1.6)
    ring = ring ** 6                      # thin bright rings on a dark wall
    near = min(1.0, radius / 120.0) ** 2  # the far end fades into the dark
    fade = max(0.0, 1.0 - max(0, y - (dark_from - 60)) / 60.0)  # melt into the black third
    return ring * (0.25 + 0.75 * near) * fade


def colour(g):
    return (int(20 * g), int(90 * g), min(255, int(255 * g)))


def title(scale):
    """The title picture at `scale` times its size, each pixel sampled at its centre."""
    return [[colour(glow((x + 0.5) / scale, (y + 0.5) / scale)) for x in range(WIDTH * scale)]
            for y in range(HEIGHT * scale)]


def icon(size, samples=4):
    """The badge: the tunnel inside a circle, transparent around it, edges antialiased."""
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            r = g = b = coverage = 0.0
            for sy in range(samples):
                for sx in range(samples):
                    u = (x + (sx + 0.5) / samples) / size * 2 - 1  # -1 to 1 across the badge
                    v = (y + (sy + 0.5) / samples) / size * 2 - 1
                    if u * u + v * v > 1:
                        continue
                    coverage += 1
                    rgb = colour(glow(124 + u * 115, 96 + v * 102, dark_from=10**6))
                    r, g, b = r + rgb[0], g + rgb[1], b + rgb[2]
            n = samples * samples
            if coverage == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((round(r / coverage), round(g / coverage), round(b / coverage),
                            round(255 * coverage / n)))
        rows.append(row)
    return rows


def small_icon(size, samples=6):
    """The badge for a task bar: bright rings on black, a pixel or so wide each, two of them
    at 16 pixels and three at 24."""
    rings = (0.74, 0.30) if size <= 16 else (0.80, 0.50, 0.22)  # the badge's radius is 1
    rows = []
    width = 1.2 / size * 2  # a ring's width, in the badge's units
    for y in range(size):
        row = []
        for x in range(size):
            light = coverage = 0.0
            for sy in range(samples):
                for sx in range(samples):
                    u = (x + (sx + 0.5) / samples) / size * 2 - 1
                    v = (y + (sy + 0.5) / samples) / size * 2 - 1
                    radius = math.hypot(u, v)
                    if radius > 1:
                        continue
                    coverage += 1
                    light += any(abs(radius - ring) < width / 2 for ring in rings)
            if coverage == 0:
                row.append((0, 0, 0, 0))
                continue
            g = light / coverage
            row.append((int(60 * g), int(150 * g), int(255 * g),
                        round(255 * coverage / (samples * samples))))
        rows.append(row)
    return rows


def svg():
    """The badge with its rings as circles: thin and dim towards the far end."""
    rings = []
    for k in range(1, 12):
        depth = (k - 0.25) / 1.6                  # where cos(2 pi depth 1.6) peaks
        radius = 220.0 / depth * 128 / 115 / 1.6  # in the 256-unit badge
        if radius > 127:
            continue
        near = min(1.0, radius / 128) ** 2
        light = 0.25 + 0.75 * near
        width = max(0.6, radius * 0.09)
        rings.append(f'  <circle cx="128" cy="128" r="{radius:.1f}" fill="none" '
                     f'stroke="rgb({int(20 * light)},{int(90 * light)},{int(255 * light)})" '
                     f'stroke-width="{width:.1f}"/>')
    return ('<!-- SPDX-License-Identifier: MIT -->\n<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" '
            'viewBox="0 0 256 256">\n'
            '  <circle cx="128" cy="128" r="128" fill="#000"/>\n' + "\n".join(rings) + "\n</svg>\n")


def png(width, height, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    channels = len(rows[0][0])
    raw = b"".join(b"\x00" + bytes(v for px in row for v in px) for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 6 if channels == 4 else 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    folder = Path(__file__).parent
    (folder / "title.png").write_bytes(png(WIDTH, HEIGHT, title(1)))
    (folder / "title@2x.png").write_bytes(png(WIDTH * 2, HEIGHT * 2, title(2)))
    icons = folder / "icons"
    icons.mkdir(exist_ok=True)
    for size in ICON_SIZES:
        drawn = small_icon(size) if size <= 24 else icon(size)
        (icons / f"tenvo-{size}.png").write_bytes(png(size, size, drawn))
    (icons / "tenvo.svg").write_text(svg())
    print(f"wrote the title pictures and the icons in {folder}")
