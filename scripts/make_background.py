#!/usr/bin/env python3
"""Generate the planner's window background (assets/background.bmp).

The texture is a dark, weathered slate: a few octaves of smooth value noise,
faint mineral veins, a fine grain, a soft vignette, an engraved double border
and a worn rune circle in the lower right corner.  Everything is kept dark and
low in contrast so that small coloured text stays readable on top of it.

Standard library only.  The output is deterministic (fixed seed).

Usage:  python3 scripts/make_background.py [output.bmp]
"""

import math
import os
import random
import struct
import sys

WIDTH = 800
HEIGHT = 600
SEED = 0x4B3D

# Target luminance band (0..255).  Values are clamped into it at the end.
LUM_MIN = 26.0
LUM_MAX = 68.0
BASE_LUM = 44.0

# Slight cool tint: multipliers applied to the grey value per channel.
TINT = (0.96, 1.00, 1.07)  # r, g, b


def smoothstep(t):
    return t * t * (3.0 - 2.0 * t)


def value_noise_layer(rng, width, height, cell):
    """One octave of value noise with `cell`-pixel lattice spacing.

    Returns a list of rows, values in [-1, 1].  Interpolation is separable:
    the lattice is first blended vertically for a row, then horizontally
    using precomputed per-column indices and weights.
    """
    gw = width // cell + 2
    gh = height // cell + 2
    lattice = [[rng.uniform(-1.0, 1.0) for _ in range(gw)] for _ in range(gh)]

    col_idx = []
    col_t = []
    for x in range(width):
        fx = x / cell
        ix = int(fx)
        col_idx.append(ix)
        col_t.append(smoothstep(fx - ix))

    rows = []
    for y in range(height):
        fy = y / cell
        iy = int(fy)
        ty = smoothstep(fy - iy)
        r0 = lattice[iy]
        r1 = lattice[iy + 1]
        line = [a + (b - a) * ty for a, b in zip(r0, r1)]
        rows.append([line[i] + (line[i + 1] - line[i]) * t
                     for i, t in zip(col_idx, col_t)])
    return rows


def fractal_noise(rng, width, height, cells, gains):
    total = [[0.0] * width for _ in range(height)]
    norm = sum(gains)
    for cell, gain in zip(cells, gains):
        layer = value_noise_layer(rng, width, height, cell)
        g = gain / norm
        for y in range(height):
            trow = total[y]
            lrow = layer[y]
            total[y] = [a + b * g for a, b in zip(trow, lrow)]
    return total


def engraving(width, height):
    """Additive luminance offsets for the engraved border and rune circle.

    An engraved line is drawn as a dark groove with a faint lighter lip on
    its lower/right side, as if lit softly from the top left.
    """
    eng = [[0.0] * width for _ in range(height)]

    def add(x, y, v):
        if 0 <= x < width and 0 <= y < height:
            eng[y][x] += v

    def rect(inset, depth):
        x0, y0 = inset, inset
        x1, y1 = width - 1 - inset, height - 1 - inset
        for x in range(x0, x1 + 1):
            add(x, y0, -depth)
            add(x, y0 + 1, depth * 0.5)
            add(x, y1, -depth)
            add(x, y1 + 1, depth * 0.5)
        for y in range(y0, y1 + 1):
            add(x0, y, -depth)
            add(x0 + 1, y, depth * 0.5)
            add(x1, y, -depth)
            add(x1 + 1, y, depth * 0.5)

    rect(10, 7.0)
    rect(15, 4.5)

    # Small diamond ornaments at the corners between the two border lines.
    for cx, cy in ((12, 12), (width - 13, 12), (12, height - 13),
                   (width - 13, height - 13)):
        for dy in range(-6, 7):
            for dx in range(-6, 7):
                d = abs(dx) + abs(dy)
                if d == 6:
                    add(cx + dx, cy + dy, -5.0)
                elif d == 5 and dx >= 0 and dy >= 0:
                    add(cx + dx, cy + dy, 2.5)

    # Rune circle in the lower right: two rings, a hexagram and tick marks.
    cx, cy = width - 120, height - 115
    r_outer, r_inner = 82.0, 70.0

    def ring_groove(dist, radius, depth, width_px=1.1):
        d = abs(dist - radius)
        if d < width_px:
            return -depth * (1.0 - d / width_px)
        if width_px <= d < width_px + 1.2 and dist > radius:
            return depth * 0.35
        return 0.0

    # Hexagram vertices on the inner ring.
    verts = [(cx + r_inner * math.cos(math.radians(90 + 60 * k)),
              cy - r_inner * math.sin(math.radians(90 + 60 * k)))
             for k in range(6)]
    segments = []
    for start in (0, 1):
        tri = verts[start::2]
        for i in range(3):
            segments.append((tri[i], tri[(i + 1) % 3]))

    def seg_dist(px, py, a, b):
        ax, ay = a
        bx, by = b
        vx, vy = bx - ax, by - ay
        t = ((px - ax) * vx + (py - ay) * vy) / (vx * vx + vy * vy)
        t = 0.0 if t < 0.0 else 1.0 if t > 1.0 else t
        qx, qy = ax + vx * t - px, ay + vy * t - py
        return math.sqrt(qx * qx + qy * qy)

    span = int(r_outer) + 4
    for y in range(cy - span, cy + span + 1):
        for x in range(cx - span, cx + span + 1):
            dx, dy = x - cx, y - cy
            dist = math.sqrt(dx * dx + dy * dy)
            if dist > r_outer + 3:
                continue
            v = ring_groove(dist, r_outer, 5.0)
            v += ring_groove(dist, r_inner, 4.0)
            # Tick marks between the rings, every 15 degrees.
            if r_inner + 2.5 < dist < r_outer - 2.5:
                ang = math.degrees(math.atan2(dy, dx)) % 15.0
                if ang < 1.4 or ang > 13.6:
                    v -= 3.0
            # Hexagram, fainter than the rings.
            if dist < r_inner:
                dmin = min(seg_dist(x, y, a, b) for a, b in segments)
                if dmin < 0.9:
                    v -= 3.0 * (1.0 - dmin / 0.9)
            # The carving is worn away towards the upper left.
            wear = 0.55 + 0.45 * max(0.0, min(1.0, (dx + dy) / (2 * r_outer) + 0.5))
            add(x, y, v * wear)

    return eng


def render():
    rng = random.Random(SEED)

    # Broad mottling of the stone.
    base = fractal_noise(rng, WIDTH, HEIGHT,
                         cells=(160, 80, 40, 20, 10),
                         gains=(1.0, 0.6, 0.4, 0.22, 0.12))
    # Warped noise used for thin mineral veins.
    veins = fractal_noise(rng, WIDTH, HEIGHT,
                          cells=(120, 60, 30),
                          gains=(1.0, 0.45, 0.2))
    eng = engraving(WIDTH, HEIGHT)

    cx, cy = (WIDTH - 1) / 2.0, (HEIGHT - 1) / 2.0
    inv_rx, inv_ry = 1.0 / cx, 1.0 / cy

    lum = []
    for y in range(HEIGHT):
        brow = base[y]
        vrow = veins[y]
        erow = eng[y]
        ny = (y - cy) * inv_ry
        ny2 = ny * ny
        out = []
        for x in range(WIDTH):
            nx = (x - cx) * inv_rx
            r2 = nx * nx + ny2
            # Soft vignette: full brightness in the middle, ~70% at corners.
            vig = 1.0 - 0.15 * r2
            v = vrow[x]
            vein = 1.0 - abs(v) * 14.0
            vein = 3.5 * vein if vein > 0.0 else 0.0
            grain = rng.random() - 0.5
            l = (BASE_LUM + 17.0 * brow[x] + vein + 3.0 * grain) * vig + erow[x]
            out.append(l)
        lum.append(out)
    return lum


def to_bmp(lum, path):
    """Writes the picture as an 8-bit BMP with its own palette: the tinted
    greys are fewer than 256, and a quarter of the bytes are read and kept
    by the window."""
    tr, tg, tb = TINT
    lmin, lmax, lsum = 1e9, -1e9, 0.0
    rows = []
    for y in range(HEIGHT):
        row = []
        for l in lum[y]:
            l = min(max(l, LUM_MIN), LUM_MAX)
            r, g, b = int(l * tr + 0.5), int(l * tg + 0.5), int(l * tb + 0.5)
            row.append((r, g, b))
            y_lum = 0.299 * r + 0.587 * g + 0.114 * b
            lmin, lmax, lsum = min(lmin, y_lum), max(lmax, y_lum), lsum + y_lum
        rows.append(row)
    palette = sorted({c for row in rows for c in row})
    if len(palette) > 256:
        sys.exit("%d colours do not fit an 8-bit palette" % len(palette))
    index = {c: i for i, c in enumerate(palette)}
    stride = (WIDTH + 3) // 4 * 4
    data = bytearray()
    for row in reversed(rows):  # bottom-up row order
        data += bytes(index[c] for c in row) + bytes(stride - WIDTH)
    offset = 54 + 4 * len(palette)
    file_size = offset + len(data)
    header = struct.pack("<2sIHHI", b"BM", file_size, 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 8, 0,
                       len(data), 2835, 2835, len(palette), 0)
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    with open(path, "wb") as f:
        f.write(header + info)
        f.write(b"".join(struct.pack("<BBBx", b, g, r) for r, g, b in palette))
        f.write(data)
    return lmin, lmax, lsum / (WIDTH * HEIGHT), file_size


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default = os.path.join(here, os.pardir, "assets", "background.bmp")
    path = os.path.normpath(sys.argv[1] if len(sys.argv) > 1 else default)
    lmin, lmax, lmean, size = to_bmp(render(), path)
    print("wrote %s (%d bytes)" % (path, size))
    print("luminance min %.1f  max %.1f  mean %.1f" % (lmin, lmax, lmean))


if __name__ == "__main__":
    main()
