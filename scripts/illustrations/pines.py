"""Pines (jack or lodgepole, young, red, white, ponderosa): a straight trunk under a
crown of needle clumps.
"""

import math

from .palette import INK, LINE, PAL
from .svg import Strokes, blob_points, clamp, fade, mix, path, poly, smooth, union
from .stems import char_band, trunk_shape


# Pines: a straight trunk under a crown of needle clumps.
PINE = {
    'jack': dict(col='jack_pine', bark='bark', trunk=0.018, crown_w=0.13, blobs=(5, 8),
                 ry=0.72, bend=0.025),
    'young': dict(col='jack_pine', bark='bark', trunk=0.016, crown_w=0.1, blobs=(6, 9),
                  ry=0.8, bend=0.03, tufted=True),
    'red': dict(col='red_pine', bark='bark_red', trunk=0.026, crown_w=0.19, blobs=(6, 9),
                ry=0.7, bend=0.0),
    'white': dict(col='white_pine', bark='bark_grey', trunk=0.026, crown_w=0.27, blobs=(6, 8),
                  ry=0.3, bend=0.01, plates=True),
    'ponderosa': dict(col='ponderosa', bark='bark_orange', trunk=0.034, crown_w=0.24,
                      blobs=(6, 9), ry=0.5, bend=0.0, open=True),
}


def pine(x, y, h, rng, hz=0.0, kind='jack', crown_base=0.6, lean=0.0, scorch=0.0, char=0.0,
         dead=False, stubs=True, lichen=False):
    """A pine of the given kind at (x, y), h pixels tall, crown from crown_base up."""
    P = PINE[kind]
    ink = fade(INK, hz)
    out = []
    tw = max(0.6, P['trunk'] * h)
    bend = rng.uniform(-1, 1) * P['bend']
    bark = fade(PAL[P['bark']] if not dead else PAL['log_grey'], hz)
    out.append(poly(trunk_shape(x, y, h * 0.96, tw, tw * 0.3, lean, bend), bark, ink))
    st = Strokes()
    if kind in ('red', 'ponderosa') and h > 60:
        plate = fade(mix(PAL[P['bark']], INK, 0.4), hz)
        for _ in range(min(14, int(h / 22))):
            t = rng.uniform(0.04, crown_base * 0.9)
            xx = x + lean * h * t + bend * h * math.sin(math.pi * t) + rng.uniform(-0.5, 0.5) * tw
            yy = y - h * t
            st.add([(xx, yy), (xx, yy - rng.uniform(0.02, 0.04) * h)], plate)
    if char:
        out.append(char_band(x, y, h, tw, tw * 0.3, char, lean))

    def axis(t):
        return x + lean * h * t + bend * h * math.sin(math.pi * t), y - h * t

    twig = fade(mix(PAL[P['bark']], INK, 0.4), hz)
    if stubs and h > 30:
        for _ in range(min(12 if kind == 'young' else 6, int(h / 25) + 1)):
            t = rng.uniform(0.2, max(0.21, crown_base - 0.03))
            ax, ay = axis(t)
            sd = rng.choice((-1, 1))
            ln = rng.uniform(0.025, 0.05) * h
            ey = ay + rng.uniform(-0.3, 0.5) * ln
            st.add([(ax, ay), (ax + sd * ln, ey)], twig)
            if lichen:
                lx = ax + sd * ln * 0.7
                st.add([(lx, ey - 0.3), (lx - 0.6, ey + 0.03 * h), (lx + 0.4, ey + 0.05 * h)],
                       fade(PAL['tree_lichen'], hz), LINE + 0.6)
    if dead:
        for _ in range(int(h / 18) + 2):
            t = rng.uniform(crown_base * 0.7, 0.9)
            ax, ay = axis(t)
            sd = rng.choice((-1, 1))
            ln = rng.uniform(0.04, 0.08) * h
            st.add([(ax, ay), (ax + sd * ln, ay - rng.uniform(-0.2, 0.6) * ln)], twig)
        return out + st.out()
    col = PAL[P['col']]
    if scorch:
        col = mix(col, '#8c5a30', scorch)
    col = fade(col, hz)
    L = 1 - crown_base
    m = int(clamp(h / 14, 3, rng.randint(*P['blobs'])))
    shapes, centres = [], []
    for i in range(m):
        u = i / (m - 1)
        t = crown_base + L * (0.1 + 0.82 * u)
        ax, ay = axis(t)
        half = P['crown_w'] * h * (1 - 0.6 * u) * (0.85 + 0.3 * math.sin(math.pi * min(1, u + 0.3)))
        if P.get('plates'):
            off = half * rng.uniform(-0.1, 0.7) * (1 if i % 2 else -0.6)
            rx_ = half * rng.uniform(0.75, 1.0)
            ry_ = max(rx_ * P['ry'], 0.035 * h)
        elif P.get('open'):
            off = half * rng.uniform(0.1, 0.6) * (1 if i % 2 else -1)
            rx_ = half * rng.uniform(0.5, 0.7)
            ry_ = max(rx_ * P['ry'], L * h / m * 0.5)
        elif P.get('tufted'):
            off = half * rng.uniform(-0.45, 0.45)
            rx_ = half * rng.uniform(0.5, 0.7)
            ry_ = max(rx_ * P['ry'], L * h / m * 0.6)
        else:
            off = half * rng.uniform(-0.45, 0.45)
            rx_ = half * rng.uniform(0.55, 0.8)
            ry_ = max(rx_ * P['ry'], L * h / m * 0.62)
        cx, cy = ax + off, ay
        if cy + ry_ < -10:
            continue        # clumps above the picture are not written
        centres.append((cx, cy, rx_, ry_))
        if P.get('open') or P.get('plates'):
            st.add([(ax, ay + ry_ * 0.2), (cx, cy)], twig)
        shapes.append(smooth(blob_points(cx, cy, rx_, ry_, rng, 9, 0.16)))
    tx, ty = axis(0.985)
    if ty > -10:
        shapes.append(smooth(blob_points(tx, ty + 0.03 * h, 0.035 * h, 0.035 * h, rng, 7, 0.1)))
    out.extend(st.out())
    if shapes:
        out.extend(union(shapes, col, ink if hz < 0.5 else None))
    shade = fade(mix(PAL[P['col']], PAL['needle_shade'], 0.5), hz)
    light = fade(mix(PAL[P['col']], '#d7e3a0', 0.28), hz)
    for cx, cy, rx_, ry_ in centres:
        if hz > 0.4:
            break
        if rx_ > 6:
            out.append(path(smooth(blob_points(cx + rx_ * 0.1, cy + ry_ * 0.35, rx_ * 0.62,
                                               ry_ * 0.42, rng, 7, 0.12)), fill=shade, stroke=None))
        if rx_ > 11:
            out.append(path(smooth(blob_points(cx - rx_ * 0.25, cy - ry_ * 0.3, rx_ * 0.35,
                                               ry_ * 0.28, rng, 6, 0.12)), fill=light, stroke=None))
    return out
