"""What lies on or grows low over the forest floor: shrubs, grass tufts, lichen
cushions, logs, stumps and slash branches.
"""

import math

from .palette import INK, LINE, PAL
from .svg import Strokes, blob_points, ellipse, fade, mix, n, path, poly, smooth, union


def shrub(x, y, w, h, rng, hz=0.0, col=None, dots=None, stems=False, k=None):
    """A low shrub as one clumped mass (optionally with stems and small flowers)."""
    ink = fade(INK, hz)
    col = fade(col or PAL['shrub'], hz)
    out = []
    if stems:
        st = Strokes()
        for _ in range(4):
            sx = x + rng.uniform(-0.3, 0.3) * w
            st.add([(sx, y), (sx + rng.uniform(-0.2, 0.2) * w, y - h * 0.7)], fade(PAL['twig'], hz))
        out += st.out()
    shapes = []
    k = k or max(2, int(w / 7) + 2)
    for i in range(k):
        u = (i + 0.5) / k
        cx = x - w / 2 + w * u
        r = h * rng.uniform(0.35, 0.55) * (0.7 + 0.6 * math.sin(math.pi * u))
        shapes.append(smooth(blob_points(cx, y - r * 0.95, min(r, w / 2), r, rng, 8, 0.2)))
    out.extend(union(shapes, col, ink))
    if dots:
        for _ in range(max(1, int(w / 6))):
            out.append(ellipse(x + rng.uniform(-0.38, 0.38) * w, y - h * rng.uniform(0.45, 0.95),
                               1.1, 1.1, fade(dots, hz), stroke=None))
    return out


def tuft(x, y, h, rng, hz=0.0, col=None, k=6, spread=0.45, lean=0.0, heads=False, matted=False):
    """A tuft of grass blades; matted tufts lie nearly flat."""
    col = fade(col or PAL['grass_cured'], hz)
    dk = fade(mix(col, INK, 0.3), hz)
    out = []
    st = Strokes()
    for i in range(k):
        if matted:
            a = rng.choice((-1, 1)) * rng.uniform(1.05, 1.4) + lean
            ln = h * rng.uniform(1.6, 3.0)
        else:
            a = lean + rng.uniform(-spread, spread)
            ln = h * rng.uniform(0.6, 1.0)
        bx = x + rng.uniform(-0.15, 0.15) * h
        tx, ty = bx + math.sin(a) * ln, y - math.cos(a) * ln
        cx, cy = bx + math.sin(a * 0.4) * ln * 0.5, y - math.cos(a * 0.4) * ln * 0.55
        if matted:
            ty = min(ty, y - 0.5)
            cy = y - ln * 0.12
        st.curve(bx, y, cx, cy, tx, ty, col if i % 3 else dk)
        if heads and i % 2 == 0:
            out.append(ellipse(tx, ty, 1.1 + h * 0.015, 2.2 + h * 0.03, fade('#c9a862', hz),
                               stroke=dk, sw=0.7))
    return st.out() + out


def lichen_clump(x, y, r, rng, hz=0.0):
    """A pale reindeer-lichen cushion."""
    col = fade(PAL['lichen'], hz)
    out = [path(smooth(blob_points(x, y - r * 0.45, r, r * 0.55, rng, 8, 0.25)),
                fill=col, stroke=fade(PAL['lichen_dk'], hz), sw=LINE * 0.8)]
    if r > 3:
        out.append(path('M%s %s Q%s %s %s %s' % (n(x - r * 0.5), n(y - r * 0.5), n(x),
                                                  n(y - r * 0.9), n(x + r * 0.4), n(y - r * 0.45)),
                        stroke=fade(PAL['lichen_dk'], hz), sw=LINE * 0.7))
    return out


def log(x1, y1, x2, y2, r, hz=0.0, col=None, cut=True, grey=False):
    """A log from (x1, y1) to (x2, y2), radius r pixels, the cut face at its far end."""
    ink = fade(INK, hz)
    col = fade(col or (PAL['log_grey'] if grey else PAL['log']), hz)
    dx, dy = x2 - x1, y2 - y1
    L = math.hypot(dx, dy) or 1
    nx, ny = -dy / L * r, dx / L * r
    if ny > 0:
        nx, ny = -nx, -ny          # (nx, ny) points up: the lit side
    out = [poly([(x1 + nx, y1 + ny), (x2 + nx, y2 + ny), (x2 - nx, y2 - ny), (x1 - nx, y1 - ny)],
                col, ink)]
    if r > 2.5:
        # The round of the log: a lit band above, a shaded band below.
        lit = fade(mix(col, '#fff6e0', 0.3), hz)
        dark = fade(mix(col, INK, 0.3), hz)
        out.append(poly([(x1 + nx * 0.85, y1 + ny * 0.85), (x2 + nx * 0.85, y2 + ny * 0.85),
                         (x2 + nx * 0.35, y2 + ny * 0.35), (x1 + nx * 0.35, y1 + ny * 0.35)],
                        lit, stroke=None))
        out.append(poly([(x1 - nx * 0.45, y1 - ny * 0.45), (x2 - nx * 0.45, y2 - ny * 0.45),
                         (x2 - nx * 0.9, y2 - ny * 0.9), (x1 - nx * 0.9, y1 - ny * 0.9)],
                        dark, stroke=None))
    face = fade(PAL['wood_cut'] if cut else mix(col, '#ffffff', 0.2), hz)
    ca = math.atan2(dy, dx)
    fpts = []
    for i in range(12):
        a = math.tau * i / 12
        u, v = math.cos(a) * r * 0.42, math.sin(a) * r
        fpts.append((x2 + u * math.cos(ca) - v * math.sin(ca), y2 + u * math.sin(ca) + v * math.cos(ca)))
    out.append(poly(fpts, face, ink))
    if cut and r > 4:
        out.append(ellipse(x2, y2, r * 0.18, r * 0.4, 'none', stroke=fade(PAL['wood_ring'], hz),
                           sw=LINE * 0.8))
    return out


def stump(x, y, r, h, hz=0.0, col=None):
    """A cut stump: a short cylinder with its pale face on top."""
    ink = fade(INK, hz)
    col = fade(col or PAL['log'], hz)
    ry = r * 0.35
    out = [poly([(x - r * 1.12, y), (x - r, y - h), (x + r, y - h), (x + r * 1.12, y)], col, ink),
           ellipse(x, y - h, r, ry, fade(PAL['wood_cut'], hz), stroke=ink)]
    if r > 5:
        out.append(ellipse(x, y - h, r * 0.45, ry * 0.45, 'none', stroke=fade(PAL['wood_ring'], hz),
                           sw=LINE * 0.8))
    return out


def slash_branch(x, y, length, angle, rng, hz=0.0, needles=None, bare=0.3, drop=0.0):
    """A cut branch lying on the slash: a crooked stick with needle tufts."""
    ink = fade(INK, hz)
    stick = fade(PAL['slash_brown'], hz)
    pts_ = [(x, y)]
    for i in range(1, 4):
        t = i / 3
        pts_.append((x + math.cos(angle) * length * t + rng.uniform(-1, 1) * length * 0.05,
                     y - math.sin(angle) * length * t + drop * t + rng.uniform(-1, 1) * length * 0.04))
    st = Strokes()
    st.add(pts_, stick, LINE + 0.3)
    if needles:
        col = fade(needles, hz)
        for i in range(3):
            if rng.random() < bare:
                continue
            px, py = pts_[i + 1]
            r = length * rng.uniform(0.12, 0.2)
            for _ in range(6):
                a = rng.uniform(0, math.tau)
                ln = r * rng.uniform(0.6, 1.0)
                st.add([(px, py), (px + math.cos(a) * ln, py + math.sin(a) * ln * 0.7)], col)
    return st.out()
