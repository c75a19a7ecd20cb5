"""Aspen and birch, bare or in leaf."""

import math

from .palette import INK, LINE, PAL
from .svg import Strokes, blob_points, fade, mix, path, poly, smooth, union
from .stems import trunk_shape


def broadleaf(x, y, h, rng, hz=0.0, kind='aspen', leaves=False, lean=0.0, autumn=False):
    """An aspen or a birch: pale trunk, fine limbs, and a leafy crown when leaves=True."""
    ink = fade(INK, hz)
    out = []
    tw = max(0.6, 0.019 * h)
    barkc = fade(PAL['aspen_bark' if kind == 'aspen' else 'birch_bark'], hz)
    out.append(poly(trunk_shape(x, y, h * 0.9, tw, tw * 0.25, lean), barkc, ink))
    mark = fade('#3c3a35', hz)
    st = Strokes()
    if h > 45:
        out.append(poly([(x - tw, y), (x + tw, y), (x + tw * 0.95, y - 0.06 * h),
                         (x, y - 0.075 * h), (x - tw * 0.95, y - 0.055 * h)],
                        fade('#6c6860', hz), stroke=None))
        for _ in range(int(h / 18)):
            t = rng.uniform(0.1, 0.7)
            xx = x + lean * h * t
            yy = y - t * h
            if kind == 'aspen':
                st.curve(xx - tw * 0.7, yy, xx, yy + tw * 0.9, xx + tw * 0.7, yy, mark)
            else:
                st.add([(xx - tw * rng.uniform(0.2, 0.8), yy), (xx + tw * rng.uniform(0.2, 0.8), yy)],
                       mark)
    twig = fade(PAL['twig'], hz)
    ends = []
    limbs = []
    nl = rng.randint(4, 6) if h > 50 else 3
    for j in range(nl):
        t = rng.uniform(0.42, 0.82)
        ax, ay = x + lean * h * t, y - t * h
        sd = -1 if j % 2 else 1
        ang = math.radians(rng.uniform(18, 42)) * sd
        ln = h * rng.uniform(0.17, 0.27) * (1.15 - t * 0.5) * (0.75 if leaves else 1.0)
        ex, ey = ax + math.sin(ang) * ln, ay - math.cos(ang) * ln
        limbs.append([(ax, ay), ((ax + ex) / 2 + sd * ln * 0.06, (ay + ey) / 2), (ex, ey)])
        ends.append((ex, ey))
        for f in ((0.55, 1.0) if h > 50 else (1.0,)):
            bx, by = ax + (ex - ax) * f, ay + (ey - ay) * f
            a2 = ang + math.radians(rng.uniform(20, 40)) * rng.choice((-1, 1))
            l2 = ln * rng.uniform(0.3, 0.45)
            tx2, ty2 = bx + math.sin(a2) * l2, by - math.cos(a2) * l2
            limbs.append([(bx, by), (tx2, ty2)])
            ends.append((tx2, ty2))
    lt = (x + lean * h * 0.9, y - 0.9 * h)
    limbs.append([lt, (lt[0] + rng.uniform(-0.02, 0.02) * h, y - h)])
    ends.append((lt[0], y - h))
    for lb in limbs:
        st.add(lb, twig if not leaves else ink)
    if not leaves:
        if h > 60:  # the finest twigs, lighter
            fine = fade(mix(PAL['twig'], PAL['sky_low'], 0.45), hz)
            for ex, ey in ends:
                for _ in range(2):
                    a = rng.uniform(-0.7, 0.7)
                    l3 = h * rng.uniform(0.03, 0.06)
                    st.add([(ex, ey), (ex + math.sin(a) * l3, ey - math.cos(a) * l3)], fine,
                           LINE * 0.8)
        return out + st.out()
    out += st.out()
    col = PAL['aspen_leaf'] if not autumn else '#d8a93a'
    col_f = fade(col, hz)
    shapes = []
    centres = []
    # Leaf masses at the ends of the limbs and along the top of the stem.
    ends = [lb[-1] for lb in limbs if len(lb) == 3] + [lt]
    for t in (0.62, 0.76):
        ends.append((x + lean * h * t, y - t * h))
    for ex, ey in ends:
        r = h * rng.uniform(0.1, 0.13)
        if ey + r < -10:
            continue
        centres.append((ex, ey + r * 0.3, r))
        shapes.append(smooth(blob_points(ex, ey + r * 0.3, r, r * 0.85, rng, 8, 0.18)))
    if shapes:
        out.extend(union(shapes, col_f, ink if hz < 0.5 else None))
    light = fade(mix(col, '#f0f4c0', 0.35), hz)
    shade = fade(mix(col, PAL['needle_shade'], 0.35), hz)
    for cx, cy, r in centres:
        if hz > 0.4:
            break
        if r > 6:
            out.append(path(smooth(blob_points(cx + r * 0.1, cy + r * 0.35, r * 0.6, r * 0.35,
                                               rng, 6, 0.1)), fill=shade, stroke=None))
        if r > 10:
            out.append(path(smooth(blob_points(cx - r * 0.25, cy - r * 0.3, r * 0.35, r * 0.25,
                                               rng, 6, 0.1)), fill=light, stroke=None))
    return out
