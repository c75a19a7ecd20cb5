#!/usr/bin/env python3
"""Draws every EMBERLIN picture as SVG from one set of shared parts.

The build bundles the SVGs committed in resources/images; this script is how they
were made.  Run it again after changing a drawing:

    python3 scripts/draw_illustrations.py             # rewrites resources/images/*.svg
    python3 scripts/draw_illustrations.py --out DIR   # writes them elsewhere for a look
    python3 scripts/draw_illustrations.py fuel_c1 ... # only the named pictures

One palette (PAL), one line weight (LINE) and one routine per kind of thing (a tree
of each kind, the ground with its cut face, a flame front, a smoke plume, a log)
keep the set in one hand.  Only what Qt Svg renders is used: paths and basic shapes
with plain presentation attributes, linear and radial gradients, <use> of a path, and
text lines placed one <text> element per line.  Python 3 standard library only; the drawings
are deterministic (each picture has its own seeded random generator).
"""

import math
import os
import random
import sys

# --------------------------------------------------------------------------------
# Palette, line weight and type
# --------------------------------------------------------------------------------

LINE = 1.2                    # the one outline weight of every picture
INK = '#2b2823'               # outlines and text
FONT = 'DejaVu Sans, Arial, Helvetica, sans-serif'

PAL = {
    # skies
    'sky_top': '#bcd3e0', 'sky_low': '#f2ede0', 'haze': '#dfe3dc',
    'smoke_sky_top': '#a9a196', 'smoke_sky_low': '#efd2a4',
    'hill_far': '#9fb3ad', 'hill_near': '#7f9887', 'water': '#8fb2c2',
    # conifers
    'black_spruce': '#2c4534', 'white_spruce': '#35543d', 'balsam_fir': '#2b4a3f',
    'jack_pine': '#47693b', 'red_pine': '#3f6a3a', 'white_pine': '#4a7360',
    'ponderosa': '#66863f', 'douglas_fir': '#34503b', 'cedar': '#4b6c38',
    'hemlock': '#3b5a44', 'plantation': '#3a5d3e',
    'needle_shade': '#22372a', 'dead_fir': '#8f877b', 'tree_lichen': '#b9bea4',
    # broadleaves
    'aspen_bark': '#dcdcc6', 'birch_bark': '#f1efe6', 'aspen_leaf': '#8cae4b',
    'aspen_leaf_lt': '#b0c968', 'twig': '#5e534a',
    # bark
    'bark': '#6f5c49', 'bark_grey': '#5d554c', 'bark_red': '#a4583a',
    'bark_orange': '#bd8550', 'bark_cedar': '#8a4c34',
    # ground
    'lichen': '#dcd9b6', 'lichen_dk': '#b9b58c', 'moss': '#7d9446', 'moss_dk': '#5f7737',
    'litter': '#9c7a4d', 'litter_dk': '#7a5c38', 'leaf_litter': '#a9794a',
    'grass_cured': '#d6bf7c', 'grass_cured_dk': '#b49a58', 'grass_green': '#93ad55',
    'herb': '#7fa04a', 'shrub': '#4e6e3c', 'shrub_lt': '#6d8c49', 'labrador_tea': '#3f5a37',
    'organic': '#5b4330', 'organic_dk': '#46331f', 'mineral': '#b8a383', 'soil_bare': '#a48a65',
    # wood and slash
    'wood_cut': '#dcbf8e', 'wood_ring': '#b9955f', 'log': '#7c6650', 'log_grey': '#8d8276',
    'slash_red': '#a5562f', 'slash_brown': '#7d5a3a', 'slash_green': '#6b7b45',
    # fire
    'flame_red': '#d2461d', 'flame_edge': '#a9331a', 'flame_orange': '#f08a24',
    'flame_yellow': '#fbd35a', 'glow': '#f6a24a', 'char': '#3a332d', 'ash': '#8b8580',
    'smoke': '#c9c3ba', 'smoke_dk': '#9e978e', 'smoke_edge': '#857e76', 'smoke_dark': '#6f6862',
    # diagrams and signs
    'paper': '#fbf8f0', 'band_a': '#eef3f4', 'band_b': '#f5f0e3',
    'temp': '#b5482a', 'rh': '#2b8585', 'wind': '#6e5fa0', 'rain': '#2d61a6',
}

# The drawings and their natural sizes (pixels).  The fuel type windows take the
# sizes of their image resources; the scene pictures are sized for their forms.
SIZES = {
    'app_icon': (48, 48),
    'menu_top': (240, 180), 'menu_bottom': (170, 110), 'fwi_calculator': (180, 120),
    'crown_fire': (200, 140),
    'fire_fwi09': (480, 360), 'fire_fwi14': (480, 360), 'fire_fwi15': (480, 360),
    'fire_fwi17': (480, 360), 'fire_fwi20': (480, 360), 'fire_fwi24': (480, 360),
    'fire_fwi34': (480, 360),
    'fuel_c1': (311, 477), 'fuel_c2': (316, 486), 'fuel_c3': (548, 404),
    'fuel_c4': (548, 396), 'fuel_c5': (315, 486), 'fuel_c6': (315, 486),
    'fuel_c7': (547, 397), 'fuel_d1': (505, 321), 'fuel_m1': (715, 244),
    'fuel_m2': (717, 247), 'fuel_m3': (750, 256), 'fuel_m4': (747, 257),
    'fuel_s1': (750, 252), 'fuel_s2': (763, 259), 'fuel_s3': (815, 279),
    'fuel_o1a': (751, 256), 'fuel_o1b': (749, 255),
    'more_information': (260, 190), 'references': (200, 140),
    'fwi_structure': (450, 368), 'fbp_structure': (450, 451),
}


# --------------------------------------------------------------------------------
# Small helpers: numbers, colours, elements
# --------------------------------------------------------------------------------

PREC = [1]        # decimals written; far, small things are written with none


class coarse:
    """Within this block coordinates are written as whole pixels (for small, far
    things, where a tenth of a pixel shows nothing and only adds bytes)."""

    def __init__(self, on=True):
        self.on = on

    def __enter__(self):
        self.saved = PREC[0]
        if self.on:
            PREC[0] = 0

    def __exit__(self, *exc):
        PREC[0] = self.saved


def n(v):
    """A coordinate as compact text (one decimal, or none inside `coarse`)."""
    if PREC[0] == 0:
        return '%d' % round(v)
    s = '%.1f' % v
    if s.endswith('.0'):
        s = s[:-2]
    return '0' if s == '-0' else s


def g(v):
    """A weight, an opacity or a gradient fraction: never rounded to whole pixels."""
    return '%g' % round(v, 3)


# Attributes that hold positions and lengths on the canvas; every other number
# (stroke widths, opacities) is written with `g`.
GEOMETRY = {'x', 'y', 'x1', 'y1', 'x2', 'y2', 'cx', 'cy', 'rx', 'ry', 'r', 'width', 'height'}


def clamp(v, lo, hi):
    return lo if v < lo else hi if v > hi else v


def rgb(c):
    c = c.lstrip('#')
    return tuple(int(c[i:i + 2], 16) for i in (0, 2, 4))


def mix(a, b, t):
    """Colour a moved the fraction t towards colour b."""
    ra, rb = rgb(a), rgb(b)
    return '#%02x%02x%02x' % tuple(round(x + (y - x) * t) for x, y in zip(ra, rb))


def esc(s):
    return s.replace('&', '&amp;').replace('<', '&lt;').replace('>', '&gt;')


def el(tag, **attrs):
    """One element; keyword names take '-' for '_' (stroke_width -> stroke-width)."""
    parts = []
    for k, v in attrs.items():
        if v is None:
            continue
        if isinstance(v, (float, int)) and not isinstance(v, bool):
            v = n(v) if k in GEOMETRY else g(v)
        parts.append('%s="%s"' % (k.rstrip('_').replace('_', '-'), v))
    return '<%s %s/>' % (tag, ' '.join(parts))


def pts(points):
    return ' '.join('%s,%s' % (n(x), n(y)) for x, y in points)


def poly(points, fill, stroke=INK, sw=LINE, **kw):
    return el('polygon', points=pts(points), fill=fill,
              stroke=stroke if stroke else None, stroke_width=sw if stroke else None,
              stroke_linejoin='round' if stroke else None, **kw)


def line(x1, y1, x2, y2, stroke=INK, sw=LINE, **kw):
    return el('line', x1=float(x1), y1=float(y1), x2=float(x2), y2=float(y2),
              stroke=stroke, stroke_width=sw, stroke_linecap='round', **kw)


def polyline(points, stroke=INK, sw=LINE, **kw):
    return el('polyline', points=pts(points), fill='none', stroke=stroke, stroke_width=sw,
              stroke_linecap='round', stroke_linejoin='round', **kw)


def path(d, fill='none', stroke=INK, sw=LINE, **kw):
    return el('path', d=d, fill=fill, stroke=stroke if stroke else None,
              stroke_width=sw if stroke else None,
              stroke_linejoin='round' if stroke else None,
              stroke_linecap='round' if stroke else None, **kw)


def ellipse(cx, cy, rx, ry, fill, stroke=INK, sw=LINE, **kw):
    return el('ellipse', cx=float(cx), cy=float(cy), rx=float(rx), ry=float(ry), fill=fill,
              stroke=stroke if stroke else None, stroke_width=sw if stroke else None, **kw)


def rect(x, y, w, h, fill, stroke=INK, sw=LINE, rx=None, **kw):
    return el('rect', x=float(x), y=float(y), width=float(w), height=float(h),
              rx=float(rx) if rx else None, fill=fill,
              stroke=stroke if stroke else None, stroke_width=sw if stroke else None, **kw)


def text(x, y, s, size=10, anchor='start', weight=None, fill=INK, italic=False, **kw):
    return '<text x="%s" y="%s" font-family="%s" font-size="%s"%s%s%s fill="%s"%s>%s</text>' % (
        n(x), n(y), FONT, g(size),
        ' text-anchor="%s"' % anchor if anchor != 'start' else '',
        ' font-weight="%s"' % weight if weight else '',
        ' font-style="italic"' if italic else '', fill,
        ''.join(' %s="%s"' % (k.replace('_', '-'), v) for k, v in kw.items()), esc(s))


def text_width(s, size, bold=False):
    """A generous estimate of the width of a DejaVu Sans line (for layout checks)."""
    narrow = set('ijlt.,:;!|()[]\' ')
    wide = set('mwMW@%')
    w = 0.0
    for ch in s:
        if ch in narrow:
            w += 0.34
        elif ch in wide:
            w += 0.9
        elif ch.isupper() or ch.isdigit():
            w += 0.7
        else:
            w += 0.6
    return w * size * (1.08 if bold else 1.0)


def smooth(points, closed=True, k=1.0):
    """A Catmull-Rom curve through the points, as path data."""
    p = points
    m = len(p)
    if m < 3:
        return 'M' + ' L'.join('%s %s' % (n(x), n(y)) for x, y in p)
    # Written with relative segments (short numbers); positions are rounded as they
    # are written and the rounding carried on, so the curve does not drift.
    r = (lambda v: float(n(v)))
    cur = (r(p[0][0]), r(p[0][1]))
    d = ['M%s %s' % (n(cur[0]), n(cur[1]))]
    last = m if closed else m - 1
    for i in range(last):
        p0 = p[(i - 1) % m] if closed or i > 0 else p[0]
        p1 = p[i % m]
        p2 = p[(i + 1) % m]
        p3 = p[(i + 2) % m] if closed or i + 2 < m else p2
        c1 = (r(p1[0] + (p2[0] - p0[0]) * k / 6), r(p1[1] + (p2[1] - p0[1]) * k / 6))
        c2 = (r(p2[0] - (p3[0] - p1[0]) * k / 6), r(p2[1] - (p3[1] - p1[1]) * k / 6))
        e = (r(p2[0]), r(p2[1]))
        d.append('c%s %s %s %s %s %s' % (n(c1[0] - cur[0]), n(c1[1] - cur[1]),
                                           n(c2[0] - cur[0]), n(c2[1] - cur[1]),
                                           n(e[0] - cur[0]), n(e[1] - cur[1])))
        cur = e
    if closed:
        d.append('Z')
    return ' '.join(d)


def blob_points(cx, cy, rx, ry, rng, k=9, jag=0.18):
    """Points round an irregular ellipse (a crown clump, a smoke puff, a shrub); small
    ones get fewer points, which no one could see."""
    size = max(rx, ry)
    k = min(k, 5) if size < 4 else min(k, 7) if size < 10 else k
    a0 = rng.uniform(0, math.tau)
    out = []
    for i in range(k):
        a = a0 + math.tau * i / k
        r = 1 + rng.uniform(-jag, jag)
        out.append((cx + math.cos(a) * rx * r, cy + math.sin(a) * ry * r))
    return out


def union(shapes, fill, stroke=INK, sw=LINE):
    """Shapes (path data, all wound the same way) filled as one mass with one outline of
    weight sw round it: the shapes drawn once with a double-width stroke, then filled
    on top, each pass as a single path."""
    d = ' '.join(shapes)
    if stroke is None:
        return [path(d, fill=fill, stroke=None)]
    # The geometry is written once: drawn as the outline pass inside a group that
    # gives it its paint, then reused for the fill pass.
    UID[0] += 1
    ref = 'u%d' % UID[0]
    return ['<g fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round"><path id="%s" '
            'd="%s"/></g>' % (stroke, stroke, g(2 * sw), ref, d),
            '<use xlink:href="#%s" fill="%s" stroke="none"/>' % (ref, fill)]


UID = [0]          # ids of shared geometry, counted afresh in every picture


class Strokes:
    """Open lines of one colour and weight gathered into one path element."""

    def __init__(self):
        self.runs = {}

    def add(self, points, colour, sw=LINE):
        d = 'M%s %s' % (n(points[0][0]), n(points[0][1])) + ''.join(
            'L%s %s' % (n(x), n(y)) for x, y in points[1:])
        self.runs.setdefault((colour, sw), []).append(d)

    def curve(self, x0, y0, cx, cy, x1, y1, colour, sw=LINE):
        d = 'M%s %sQ%s %s %s %s' % (n(x0), n(y0), n(cx), n(cy), n(x1), n(y1))
        self.runs.setdefault((colour, sw), []).append(d)

    def out(self):
        return [path(''.join(ds), stroke=c, sw=w) for (c, w), ds in self.runs.items()]


# --------------------------------------------------------------------------------
# A picture
# --------------------------------------------------------------------------------

class Pic:
    """An SVG being drawn: fixed layers plus depth-sorted items."""

    def __init__(self, name, title, seed=None):
        self.name = name
        self.w, self.h = SIZES[name]
        self.title = title
        self.rng = random.Random(seed if seed is not None else name)
        self.defs = []
        self.parts = []
        self.items = []
        self._ids = 0
        UID[0] = 0

    def add(self, *s):
        for x in s:
            if isinstance(x, (list, tuple)):
                self.parts.extend(x)
            else:
                self.parts.append(x)

    def item(self, depth, s):
        """Something standing on the ground at screen y = depth (drawn far to near)."""
        self.items.append((depth, len(self.items), s if isinstance(s, list) else [s]))

    def flush(self):
        for _, _, s in sorted(self.items, key=lambda t: (t[0], t[1])):
            self.parts.extend(s)
        self.items = []

    def gradient(self, stops, x1=0, y1=0, x2=0, y2=1, kind='linear', **kw):
        self._ids += 1
        gid = 'g%d' % self._ids
        st = ''.join('<stop offset="%s" stop-color="%s"%s/>' % (
            g(o), c, ' stop-opacity="%s"' % g(a) if a is not None else '')
            for o, c, a in ((s + (None,))[:3] for s in stops))
        if kind == 'linear':
            self.defs.append('<linearGradient id="%s" x1="%s" y1="%s" x2="%s" y2="%s">%s'
                             '</linearGradient>' % (gid, g(x1), g(y1), g(x2), g(y2), st))
        else:
            self.defs.append('<radialGradient id="%s" cx="%s" cy="%s" r="%s">%s'
                             '</radialGradient>' % (gid, g(kw.get('cx', 0.5)),
                                                   g(kw.get('cy', 0.5)),
                                                   g(kw.get('r', 0.5)), st))
        return 'url(#%s)' % gid

    def svg(self):
        self.flush()
        head = ('<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
                'version="1.2" baseProfile="tiny" width="%d" height="%d" viewBox="0 0 %d %d">'
                % (self.w, self.h, self.w, self.h))
        body = [head, '<title>%s</title>' % esc(self.title)]
        if self.defs:
            body.append('<defs>')
            body.extend(self.defs)
            body.append('</defs>')
        body.extend(self.parts)
        body.append('</svg>')
        return '\n'.join(body) + '\n'


def caption(pic, label='Illustration', size=9):
    """The small caption every scene carries, in the bottom right corner."""
    w = text_width(label, size) + 8
    x = pic.w - w - 3
    y = pic.h - size - 8
    pic.add(rect(x, y, w, size + 5, '#fbf8f0', stroke=mix(INK, '#fbf8f0', 0.55), sw=0.8,
                 rx=3, fill_opacity='0.88'))
    pic.add(text(x + w / 2, y + size + 1, label, size=size, anchor='middle', italic=True,
                 fill='#4a453e'))


# --------------------------------------------------------------------------------
# Scenery: view, sky, hills, ground
# --------------------------------------------------------------------------------

def fade(c, hz):
    """A colour seen through hz of haze (0 near, towards 1 far)."""
    return mix(c, PAL['haze'], hz) if hz > 0 else c


class View:
    """A camera over flat ground: world X across, Z away from the camera, metres."""

    def __init__(self, pic, horizon, cam_h, focal, cut=16, fog=150.0, cx=None):
        self.pic, self.H, self.cam_h, self.f, self.cut = pic, horizon, cam_h, focal, cut
        self.base = pic.h - cut               # screen y of the ground's front edge
        self.cx = pic.w / 2 if cx is None else cx
        self.z_near = focal * cam_h / (self.base - horizon)
        self.fog = fog

    def y(self, z):
        return self.H + self.f * self.cam_h / z

    def x(self, X, z):
        return self.cx + self.f * X / z

    def s(self, z):
        """Pixels per metre at distance z."""
        return self.f / z

    def z_at(self, y):
        return self.f * self.cam_h / max(0.01, y - self.H)

    def X_at(self, x, z):
        return (x - self.cx) * z / self.f

    def haze(self, z):
        return 0.78 * clamp((z - self.z_near * 1.5) / self.fog, 0, 1) ** 0.8


def scatter(view, spacing, z0, z1, rng, jitter=0.42, margin=30, keep=1.0, thin=None):
    """World points on a jittered grid filling the view between distances z0 and z1.
    Beyond the distance `thin` (default twice z0) fewer are kept, so that far rows,
    which only overlap one another, do not multiply."""
    out = []
    z = z0
    thin = thin or 2 * z0
    while z < z1:
        half = (view.pic.w / 2 + margin) * z / view.f
        X = -half + rng.uniform(0, spacing)
        k = keep * min(1.0, (thin / z) ** 1.2)
        while X < half:
            if rng.random() < k:
                out.append((X + rng.uniform(-jitter, jitter) * spacing,
                            z + rng.uniform(-jitter, jitter) * spacing))
            X += spacing
        z += spacing
    return [(X, z) for X, z in out if z > view.z_near * 1.02]


def sky(pic, y1, top=None, low=None):
    g = pic.gradient([(0, top or PAL['sky_top']), (1, low or PAL['sky_low'])])
    pic.add(rect(0, 0, pic.w, y1 + 2, g, stroke=None))


def cloud(pic, x, y, w, rng, col='#f7f4ec'):
    shapes = []
    for i in range(5):
        cx = x + (i - 2) * w * 0.18 + rng.uniform(-3, 3)
        r = w * (0.16 if i in (0, 4) else 0.24) * rng.uniform(0.85, 1.1)
        shapes.append(smooth(blob_points(cx, y - r * 0.3, r, r * 0.72, rng, 8, 0.1)))
    pic.add(union(shapes, col, stroke=mix(col, '#9aa6ad', 0.35)))


def ridge(pic, y_base, amp, col, rng, y_bottom=None, spikes=0, spike_h=4, waves=3,
          stroke_col=None):
    """A line of hills (optionally crested with small conifer tips) filled down to
    y_bottom."""
    w = pic.w
    ph = [rng.uniform(0, math.tau) for _ in range(3)]
    pts_ = []
    steps = 60
    for i in range(steps + 1):
        x = w * i / steps
        u = x / w
        y = y_base - amp * (0.55 * math.sin(u * math.pi * waves + ph[0]) +
                            0.3 * math.sin(u * math.pi * waves * 2.3 + ph[1]) +
                            0.15 * math.sin(u * math.pi * waves * 5.1 + ph[2]))
        pts_.append((x, y))
    top = []
    if spikes:
        for i in range(len(pts_) - 1):
            (x0, y0), (x1, y1) = pts_[i], pts_[i + 1]
            k = max(1, int(spikes * (x1 - x0) / 10))
            for j in range(k):
                u = (j + 0.5) / k
                xx, yy = x0 + (x1 - x0) * u, y0 + (y1 - y0) * u
                hh = spike_h * rng.uniform(0.6, 1.2)
                top += [(xx - hh * 0.28, yy), (xx, yy - hh), (xx + hh * 0.28, yy)]
    else:
        top = pts_
    yb = y_bottom if y_bottom is not None else pic.h
    shape = [(-2, yb)] + [(-2, top[0][1])] + top + [(w + 2, top[-1][1]), (w + 2, yb)]
    pic.add(poly(shape, col, stroke=stroke_col or mix(INK, col, 0.6)))


def treeline(pic, y_base, height, col, rng, kind='conifer', x0=-4, x1=None, stroke_col=None):
    """A far forest edge as one silhouette: spiky conifer tips or rounded crowns."""
    x1 = pic.w + 4 if x1 is None else x1
    top = [(x0, y_base)]
    x = x0
    while x < x1:
        if kind == 'conifer':
            hh = height * rng.uniform(0.55, 1.0)
            ww = hh * rng.uniform(0.22, 0.32)
            top += [(x + ww * 0.2, y_base - hh * 0.35), (x + ww * 0.5, y_base - hh),
                    (x + ww * 0.8, y_base - hh * 0.35)]
            x += ww * rng.uniform(0.7, 1.0)
        elif kind == 'mixed' and rng.random() < 0.45:
            hh = height * rng.uniform(0.6, 1.05)
            ww = hh * 0.28
            top += [(x + ww * 0.2, y_base - hh * 0.4), (x + ww * 0.5, y_base - hh),
                    (x + ww * 0.8, y_base - hh * 0.4)]
            x += ww * 0.85
        else:
            hh = height * rng.uniform(0.55, 0.85)
            ww = height * rng.uniform(0.35, 0.55)
            for a in (0.15, 0.35, 0.5, 0.65, 0.85):
                top.append((x + ww * a, y_base - hh * (0.6 + 0.4 * math.sin(math.pi * a))))
            x += ww * 0.9
    top.append((x1, y_base))
    shape = top + [(x1, y_base + 3), (x0, y_base + 3)]
    pic.add(poly(shape, col, stroke=stroke_col or mix(INK, col, 0.55)))


def ground(pic, view, far_col, near_col, layers, edge=None):
    """The ground plane from the horizon to its front edge, and below the edge its cut
    face: layers of (thickness, colour, texture) from the top; the last fills down."""
    g = pic.gradient([(0, far_col), (1, near_col)])
    pic.add(rect(0, view.H - 1, pic.w, view.base - view.H + 1, g, stroke=None))
    rng = random.Random(pic.name + 'cut')
    y = view.base
    for i, (thick, col, texture) in enumerate(layers):
        hgt = pic.h - y if i == len(layers) - 1 else thick
        pic.add(rect(-1, y, pic.w + 2, hgt, col, stroke=None))
        dk = mix(col, INK, 0.35)
        if texture == 'fibre':
            for _ in range(int(pic.w / 9)):
                xx = rng.uniform(0, pic.w)
                yy = y + rng.uniform(0.25, 0.8) * hgt
                pic.add(line(xx, yy, xx + rng.uniform(3, 7), yy + rng.uniform(-0.6, 0.6),
                             stroke=dk, sw=0.8))
        elif texture == 'stones':
            for _ in range(int(pic.w / 14)):
                xx = rng.uniform(0, pic.w)
                yy = y + rng.uniform(0.3, 0.9) * hgt
                pic.add(ellipse(xx, yy, rng.uniform(1, 2.2), rng.uniform(0.8, 1.5),
                                mix(col, '#ffffff', 0.25), stroke=dk, sw=0.6))
        elif texture == 'tufts':
            for _ in range(int(pic.w / 5)):
                xx = rng.uniform(0, pic.w)
                pic.add(ellipse(xx, y + 0.5, rng.uniform(1.5, 3), rng.uniform(1, 1.8),
                                mix(col, '#ffffff', 0.2), stroke=None))
        y += thick
    pic.add(line(-1, view.base, pic.w + 1, view.base, stroke=edge or INK))


# --------------------------------------------------------------------------------
# Trees
# --------------------------------------------------------------------------------

# The conifers drawn as one outline of drooping branch tiers round a trunk, lit from
# the left (the right half of the crown is a shade darker).
CONIFER = {
    'black_spruce': dict(col='black_spruce', width=0.075, shape=0.55, jit=(0.35, 1.2),
                         droop=0.014, inner=0.2, step=6.5, club=True, trunk=0.013,
                         bark='bark_grey'),
    'white_spruce': dict(col='white_spruce', width=0.16, shape=0.95, jit=(0.8, 1.12),
                         droop=0.024, inner=0.3, step=10, trunk=0.02, bark='bark_grey'),
    'balsam_fir': dict(col='balsam_fir', width=0.115, shape=1.0, jit=(0.9, 1.06),
                       droop=-0.006, inner=0.38, step=8.5, trunk=0.016, bark='bark_grey'),
    'douglas_fir': dict(col='douglas_fir', width=0.17, shape=0.75, jit=(0.65, 1.15),
                        droop=0.04, inner=0.25, step=11, trunk=0.028, bark='bark'),
    'hemlock': dict(col='hemlock', width=0.15, shape=0.8, jit=(0.75, 1.12), droop=0.045,
                    inner=0.25, step=10, nod=True, trunk=0.022, bark='bark'),
    'cedar': dict(col='cedar', width=0.19, shape=0.7, jit=(0.75, 1.1), droop=0.055,
                  hook=True, inner=0.22, step=12, trunk=0.034, flare=True, bark='bark_cedar'),
    'plantation': dict(col='plantation', width=0.15, shape=1.0, jit=(0.95, 1.04),
                       droop=0.018, inner=0.32, step=9, trunk=0.02, bark='bark'),
}


def trunk_shape(x, y, h, w0, w1, lean=0.0, bend=0.0, flare=False):
    """The outline of a tapering trunk, base centre (x, y), top at height h."""
    left, right = [], []
    for i in range(5):
        t = i / 4
        cx = x + lean * h * t + bend * h * math.sin(math.pi * t)
        w = w0 + (w1 - w0) * t
        if flare and t == 0:
            w *= 1.7
        left.append((cx - w, y - h * t))
        right.append((cx + w, y - h * t))
    return left + right[::-1]


def char_band(x, y, h, w0, w1, frac, lean=0.0):
    """The blackened foot of a trunk up to frac of h."""
    top = h * frac
    wt = w0 + (w1 - w0) * frac
    return poly([(x - w0, y), (x + w0, y), (x + lean * top + wt, y - top * 0.92),
                 (x + lean * top, y - top), (x + lean * top - wt, y - top * 0.95)],
                PAL['char'], stroke=None)


def needle_tuft(x, y, r, col, rng, k=7):
    """A spray of short needles (slash, dead lower branches), as one path."""
    d = []
    for i in range(k):
        a = rng.uniform(0, math.tau)
        ln = r * rng.uniform(0.6, 1.0)
        d.append('M%s %sL%s %s' % (n(x), n(y), n(x + math.cos(a) * ln),
                                   n(y + math.sin(a) * ln * 0.7)))
    return [path(''.join(d), stroke=col)]


def conifer(x, y, h, rng, hz=0.0, kind='white_spruce', crown_base=0.0, lean=0.0, dead=False,
            lichen=False, scorch=0.0, char=0.0, broken=False, colour=None, wide=1.0):
    """A conifer of the given kind standing at (x, y), h pixels tall."""
    P = dict(CONIFER[kind])
    P['width'] *= wide
    ink = fade(INK, hz)
    out = []
    tw = max(0.6, P['trunk'] * h)
    bark = fade(PAL[P['bark']] if not dead else PAL['dead_fir'], hz)
    top_h = h * (rng.uniform(0.7, 0.85) if broken else 0.97)
    out.append(poly(trunk_shape(x, y, top_h, tw, tw * 0.25, lean, flare=P.get('flare')),
                    bark, ink))
    if char:
        out.append(char_band(x, y, h, tw, tw * 0.25, char, lean))
    n_lv = int(clamp(h / P['step'], 4, 26))
    t0 = max(crown_base, 0.015)
    t_top = 0.9 if not broken else top_h / h - 0.04

    def width(t):
        w = P['width'] * h * (1 - t) ** P['shape'] + 0.012 * h
        if P.get('club'):
            if 0.78 < t < 0.93:
                w = max(w, 0.055 * h)    # the dense "crow's nest" near a black spruce top
            elif 0.62 < t <= 0.78:
                w *= 0.75
        return w

    if dead and h < 0:
        # (kept for reference: a stick-branch skeleton)
        lich = fade(PAL['tree_lichen'], hz)
        twig = fade(mix(PAL['dead_fir'], INK, 0.45), hz)
        st = Strokes()
        n_dead = int(clamp(h / 6, 5, 30))
        for k in range(n_dead):
            t = t0 + (t_top - t0) * k / max(1, n_dead - 1)
            if rng.random() < 0.25:
                continue
            yy = y - t * h
            xx = x + lean * h * t
            w = width(t) * rng.uniform(0.45, 1.0)
            side = rng.choice((-1, 1))
            for sd in ((side,) if rng.random() < 0.45 else (-1, 1)):
                ex, ey = xx + sd * w, yy + 0.035 * h
                st.add([(xx, yy), (xx + sd * w * 0.55, yy + 0.008 * h), (ex, ey)], twig)
                if lichen and rng.random() < 0.6:
                    lx = xx + sd * w * rng.uniform(0.35, 0.85)
                    ly = yy + 0.012 * h
                    st.add([(lx, ly), (lx - 0.8, ly + 0.025 * h), (lx + 0.6, ly + 0.045 * h)],
                           lich, LINE + 0.6)
        return out + st.out()
    base_col = colour or (PAL['dead_fir'] if dead else PAL[P['col']])
    if dead:
        # A dead fir keeps the outline of its tiers, ragged and grey, thinned by breakage.
        P['jit'] = (0.15, 1.0)
        P['inner'] = 0.12
    col = mix(base_col, '#8c5a30', scorch) if scorch else base_col
    col_f = fade(col, hz)
    shade_f = fade(mix(col, PAL['needle_shade'], 0.4), hz)
    left, right = [], []
    step_t = (t_top - t0) / max(1, n_lv - 1)
    for k in range(n_lv):
        t = t0 + step_t * k
        yy = y - t * h
        xx = x + lean * h * t
        base_w = width(t)
        if yy + P['droop'] * h < -12:
            continue        # tiers above the picture are not written
        for sd, lst in ((-1, left), (1, right)):
            w = base_w * rng.uniform(*P['jit'])
            lst.append((xx + sd * base_w * P['inner'], yy - step_t * h * 0.5))
            if w > 6:
                lst.append((xx + sd * w * 0.62, yy + P['droop'] * h * 0.25 - step_t * h * 0.12))
            lst.append((xx + sd * w, yy + P['droop'] * h))
            if P.get('hook'):
                lst.append((xx + sd * w * 1.05, yy + P['droop'] * h - 0.02 * h))
    tx, ty = x + lean * h, y - h
    if broken:
        tx, ty = x + lean * top_h, y - top_h
    if P.get('nod') and not broken:
        crown_top = [(tx - 0.008 * h, ty + 0.04 * h), (tx, ty), (tx + 0.035 * h, ty + 0.028 * h),
                     (tx + 0.012 * h, ty + 0.045 * h)]
    else:
        crown_top = [(tx, ty)]
    bx = x + lean * h * t0
    by = y - t0 * h + (0 if crown_base > 0.02 else 0.012 * h)
    shape = [(bx - tw, by)] + left + crown_top + right[::-1] + [(bx + tw, by)]
    out.append(poly(shape, col_f, ink if hz < 0.5 else None))
    if h > 30 and hz < 0.5:
        # The shaded half, kept just inside the outline.
        half = [(tx, ty + 1.5)] + [(px_ - 0.7 if px_ > x + lean * (y - py_) + 1 else px_, py_)
                                   for px_, py_ in right[::-1]] + [(bx + tw - 0.6, by - 0.6),
                                                                   (bx, by - 0.6)]
        out.append(poly(half, shade_f, stroke=None))
    if lichen:
        lich = fade(PAL['tree_lichen'], hz)
        st = Strokes()
        reach = 0.45 if not dead else 0.95
        tips = [p_ for i, p_ in enumerate(left + right) if p_[1] > y - reach * h]
        for lx, ly in tips:
            if rng.random() < 0.7 or abs(lx - x) < 0.03 * h:
                continue
            lx -= (lx - x) * 0.2
            st.add([(lx, ly - 0.004 * h), (lx - 0.7, ly + 0.025 * h), (lx + 0.5, ly + 0.045 * h)],
                   lich, LINE + 0.6)
        out += st.out()
    return out


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
         dead=False, stubs=True, lichen=False, crownless=False):
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
    if dead or crownless:
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


# --------------------------------------------------------------------------------
# Fire and smoke
# --------------------------------------------------------------------------------

def flame_points(x, y, h, w, lean, rng):
    """The outline of one flame tongue, base centre (x, y), h tall, leaning with the wind."""
    tip = (x + lean * h, y - h)
    left, right = [(x - w / 2, y)], [(x + w / 2, y)]
    for t in ((0.3, 0.55, 0.78) if h > 12 else (0.45,)):
        off = lean * h * t ** 1.4
        wl = w / 2 * (1 - t) ** 0.75
        left.append((x - wl + off + rng.uniform(-0.07, 0.07) * w, y - h * t))
        right.append((x + wl + off + rng.uniform(-0.07, 0.07) * w, y - h * t + 0.04 * h))
    return left + [tip] + right[::-1] + [(x, y + 0.06 * w)]


class Fire:
    """Collects flames, drawn later as three tongues (red, orange, yellow) each, with no
    outline; gaseous things are never outlined."""

    def __init__(self, pic, rng):
        self.pic, self.rng = pic, rng

    def tongue(self, x, y, h, w, lean=0.25):
        rng = self.rng
        out = []
        for k, (sh, sw_, col) in enumerate(((1.0, 1.0, 'flame_red'), (0.72, 0.66, 'flame_orange'),
                                            (0.42, 0.38, 'flame_yellow'))):
            pts_ = flame_points(x, y, h * sh, w * sw_, lean * (1 - 0.15 * k), rng)
            out.append(path(smooth(pts_, k=0.85), fill=PAL[col], stroke=None))
        return out

    def front(self, base, height, width, lean=0.25, var=0.45):
        """Tongues along a list of base points, merged: all their red parts in one path,
        then the orange, then the yellow.  height and width are pixels (or functions of
        the point's index)."""
        rng = self.rng
        layers = [[], [], []]
        for i, (x, y) in enumerate(base):
            hh = height(i) if callable(height) else height
            ww = width(i) if callable(width) else width
            hh *= rng.uniform(1 - var, 1 + var * 0.6)
            ww *= rng.uniform(0.8, 1.2)
            for k, (sh, sw_) in enumerate(((1.0, 1.0), (0.72, 0.66), (0.42, 0.38))):
                layers[k].append(smooth(flame_points(x, y, hh * sh, ww * sw_,
                                                     lean * (1 - 0.15 * k), rng), k=0.85))
        return [path(' '.join(d), fill=PAL[c], stroke=None)
                for d, c in zip(layers, ('flame_red', 'flame_orange', 'flame_yellow')) if d]


def glow(pic, x, y, rx, ry, strength=0.45):
    g = pic.gradient([(0, PAL['glow'], strength), (1, PAL['glow'], 0)], kind='radial')
    return ellipse(x, y, rx, ry, g, stroke=None)


def plume(x, y, h, w0, w1, lean, rng, tone=None, shade=None, k=None, hz=0.0, opacity=None,
          veil=False):
    """A smoke plume rising from (x, y): puffs widening from w0 to w1 over height h and
    drifting downwind by lean * h; shaded on its lower right, never outlined."""
    tone = fade(tone or PAL['smoke'], hz)
    shade = fade(shade or PAL['smoke_dk'], hz)
    k = k or max(4, int(3.2 * h / max(3.0, (w0 + w1) / 2)))
    puffs = []
    for i in range(k):
        t = i / (k - 1)
        cx = x + lean * h * t ** 1.5 + rng.uniform(-0.12, 0.12) * (w0 + (w1 - w0) * t)
        cy = y - h * t
        r = (w0 + (w1 - w0) * t) / 2 * rng.uniform(0.8, 1.12)
        puffs.append((cx, cy, r))
    # Two passes (shade, then light), each one path, so overlapping puffs merge; thin
    # smoke is drawn translucent (opacity on the single path, never on a group).
    sh = [smooth(blob_points(cx + r * 0.12, cy + r * 0.1, r, r * 0.82, rng, 8, 0.16))
          for cx, cy, r in puffs]
    lt = [smooth(blob_points(cx - r * 0.1, cy - r * 0.1, r * 0.86, r * 0.7, rng, 8, 0.16))
          for cx, cy, r in puffs]
    op = {} if opacity is None else {'fill_opacity': g(opacity)}
    if veil:
        return [path(' '.join(lt), fill=tone, stroke=None, **op)]
    return [path(' '.join(sh), fill=shade, stroke=None, **op),
            path(' '.join(lt), fill=tone, stroke=None, **op)]


def embers(x, y, w, h, rng, count):
    return [ellipse(x + rng.uniform(0, w), y + rng.uniform(0, h), 0.9, 0.9,
                    rng.choice((PAL['flame_yellow'], PAL['flame_orange'])), stroke=None)
            for _ in range(count)]


# --------------------------------------------------------------------------------
# Placing things on the ground
# --------------------------------------------------------------------------------

def place(pic, view, points, fn):
    """Calls fn(x, y, pixels_per_metre, haze, X, z) for each world point and files what
    it draws by its ground line."""
    for X, z in points:
        x, y = view.x(X, z), view.y(z)
        if -80 < x < pic.w + 80:
            with coarse(view.s(z) < 12):
                pic.item(y, fn(x, y, view.s(z), view.haze(z), X, z))


def bits(pic, view, count, z_max, fn, rng, z_min=None):
    """count small ground things, spread across the view, denser near the camera."""
    z0 = z_min or view.z_near * 1.02
    for _ in range(count):
        z = z0 * (z_max / z0) ** rng.random()
        half = (pic.w / 2 + 20) * z / view.f
        X = rng.uniform(-half, half)
        x, y = view.x(X, z), view.y(z)
        with coarse(view.s(z) < 14):
            pic.item(y, fn(x, y, view.s(z), view.haze(z)))


def label_title(code, name):
    return '%s %s' % (code, name)


# --------------------------------------------------------------------------------
# Fuel types
# --------------------------------------------------------------------------------

def draw_fuel_c1():
    pic = Pic('fuel_c1', 'C1 Spruce-Lichen Woodland (illustration)')
    rng = pic.rng
    v = View(pic, horizon=262, cam_h=3.2, focal=300, cut=22, fog=110)
    sky(pic, v.H)
    cloud(pic, 80, 70, 90, rng)
    cloud(pic, 240, 120, 60, rng)
    ridge(pic, v.H - 10, 9, PAL['hill_far'], rng, y_bottom=v.H + 2, spikes=0.8, spike_h=6)
    lichen_far = mix(PAL['lichen'], PAL['haze'], 0.35)
    ground(pic, v, lichen_far, PAL['lichen'],
           [(5, PAL['lichen'], 'tufts'), (4, PAL['organic'], 'fibre'),
            (0, PAL['mineral'], 'stones')])
    bits(pic, v, 230, 24, lambda x, y, s, hz: lichen_clump(x, y, 0.15 * s, rng, hz), rng)
    bits(pic, v, 10, 40, lambda x, y, s, hz: shrub(x, y, 0.5 * s, 0.3 * s, rng, hz,
                                                   col=PAL['labrador_tea'], k=3), rng)
    bits(pic, v, 4, 25, lambda x, y, s, hz: log(x - 0.6 * s, y, x + 0.6 * s, y - 0.08 * s,
                                                0.04 * s, hz, grey=True, cut=False), rng)
    treeline(pic, v.y(130), 12, mix(PAL['black_spruce'], PAL['haze'], 0.75), rng)
    trees = scatter(v, 8, 9, 120, rng, jitter=0.5, thin=45)
    place(pic, v, trees, lambda x, y, s, hz, X, z: conifer(
        x, y, rng.uniform(7, 12) * s, rng, hz, 'black_spruce', wide=1.1))
    pic.flush()
    caption(pic, 'Illustration: C1 spruce-lichen woodland')
    return pic


def draw_fuel_c2():
    pic = Pic('fuel_c2', 'C2 Boreal Spruce (illustration)')
    rng = pic.rng
    v = View(pic, horizon=292, cam_h=1.7, focal=280, cut=34, fog=45)
    sky(pic, v.H)
    wall = mix(PAL['black_spruce'], PAL['haze'], 0.6)
    pic.add(rect(0, v.H - 70, pic.w, 72, mix(wall, PAL['haze'], 0.25), stroke=None))
    treeline(pic, v.H - 60, 60, wall, rng)
    ground(pic, v, mix(PAL['moss'], PAL['haze'], 0.45), PAL['moss'],
           [(5, PAL['moss'], 'tufts'), (18, PAL['organic'], 'fibre'),
            (0, PAL['mineral'], 'stones')])
    bits(pic, v, 110, 25, lambda x, y, s, hz: [ellipse(x, y - 0.03 * s, 0.18 * s, 0.05 * s,
                                                         fade(PAL['moss_dk'], hz), stroke=None)],
         rng)
    bits(pic, v, 40, 30, lambda x, y, s, hz: shrub(x, y, 0.6 * s, 0.32 * s, rng, hz,
                                                   col=PAL['labrador_tea'], dots='#f3efe0'), rng,
         z_min=7)
    trees = scatter(v, 2.6, 5, 42, rng, jitter=0.45)
    place(pic, v, trees, lambda x, y, s, hz, X, z: conifer(
        x, y, rng.uniform(8, 12) * s, rng, hz, 'black_spruce', lichen=True))
    pic.flush()
    caption(pic, 'Illustration: C2 boreal spruce')
    return pic


def draw_fuel_c3():
    pic = Pic('fuel_c3', 'C3 Mature Jack or Lodgepole Pine (illustration)')
    rng = pic.rng
    v = View(pic, horizon=196, cam_h=2.0, focal=250, cut=22, fog=70)
    sky(pic, v.H)
    canopy = mix(PAL['jack_pine'], PAL['haze'], 0.55)
    pic.add(rect(0, 0, pic.w, v.H, mix(PAL['haze'], PAL['sky_top'], 0.3), stroke=None))
    trunks = mix(PAL['bark'], PAL['haze'], 0.7)
    for i in range(90):
        x = rng.uniform(0, pic.w)
        pic.add(line(x, v.H + 2, x, v.H - rng.uniform(40, 70), stroke=trunks, sw=1.4))
    ground(pic, v, mix(PAL['moss'], PAL['haze'], 0.5), PAL['moss'],
           [(5, PAL['moss'], 'tufts'), (7, PAL['organic'], 'fibre'),
            (0, PAL['mineral'], 'stones')])
    bits(pic, v, 90, 30, lambda x, y, s, hz: [ellipse(x, y - 0.03 * s, 0.22 * s, 0.05 * s,
                                                        fade(PAL['moss_dk'], hz), stroke=None)],
         rng)
    bits(pic, v, 16, 25, lambda x, y, s, hz: slash_branch(x, y, 0.8 * s, rng.uniform(-0.3, 0.3),
                                                          rng, hz), rng)
    trees = scatter(v, 4.4, 9, 65, rng, jitter=0.4, thin=16)
    place(pic, v, trees, lambda x, y, s, hz, X, z: pine(
        x, y, rng.uniform(17, 21) * s, rng, hz, 'jack', crown_base=rng.uniform(0.62, 0.7)))
    pic.flush()
    # The closed canopy overhead.
    shapes = []
    for i in range(30):
        x = i * pic.w / 28 + rng.uniform(-8, 8)
        shapes.append(smooth(blob_points(x, rng.uniform(-4, 10), rng.uniform(18, 30),
                                         rng.uniform(14, 22), rng, 9, 0.2)))
    pic.add(union(shapes, PAL['jack_pine']))
    caption(pic, 'Illustration: C3 mature jack or lodgepole pine')
    return pic


def draw_fuel_c4():
    pic = Pic('fuel_c4', 'C4 Immature Jack or Lodgepole Pine (illustration)')
    rng = pic.rng
    v = View(pic, horizon=200, cam_h=2.0, focal=260, cut=18, fog=30)
    sky(pic, v.H)
    wall = mix(PAL['jack_pine'], PAL['haze'], 0.55)
    pic.add(rect(0, v.H - 40, pic.w, 42, mix(wall, PAL['haze'], 0.3), stroke=None))
    treeline(pic, v.H - 30, 40, wall, rng)
    ground(pic, v, mix(PAL['litter'], PAL['haze'], 0.4), PAL['litter'],
           [(4, PAL['litter'], 'tufts'), (6, PAL['organic'], 'fibre'),
            (0, PAL['mineral'], 'stones')])
    # Downed stems criss-crossing the floor.
    def downed(x, y, s, hz):
        a = rng.uniform(-0.9, 0.9)
        ln = rng.uniform(1.5, 3.5) * s
        return log(x - math.cos(a) * ln / 2, y + math.sin(a) * ln * 0.2,
                   x + math.cos(a) * ln / 2, y - math.sin(a) * ln * 0.2,
                   0.04 * s, hz, col=mix(PAL['log_grey'], PAL['log'], 0.5), cut=False)
    bits(pic, v, 30, 20, downed, rng)
    trees = scatter(v, 1.6, 7.5, 26, rng, jitter=0.45, thin=12)

    def stem(x, y, s, hz, X, z):
        h = rng.uniform(5, 8) * s
        if rng.random() < 0.3:
            return pine(x, y, h, rng, hz, 'young', crown_base=0.3, dead=True)
        return pine(x, y, h, rng, hz, 'young', crown_base=rng.uniform(0.3, 0.45))
    place(pic, v, trees, stem)
    pic.flush()
    caption(pic, 'Illustration: C4 immature jack or lodgepole pine')
    return pic


def draw_fuel_c5():
    pic = Pic('fuel_c5', 'C5 Red and White Pine (illustration)')
    rng = pic.rng
    v = View(pic, horizon=300, cam_h=1.8, focal=250, cut=26, fog=70)
    sky(pic, v.H)
    cloud(pic, 230, 60, 80, rng)
    treeline(pic, v.H, 30, mix(PAL['red_pine'], PAL['haze'], 0.7), rng, kind='mixed')
    ground(pic, v, mix(PAL['litter'], PAL['haze'], 0.45), PAL['litter'],
           [(5, PAL['litter'], 'tufts'), (7, PAL['organic'], 'fibre'),
            (0, PAL['mineral'], 'stones')])
    bits(pic, v, 60, 30, lambda x, y, s, hz: tuft(x, y, 0.3 * s, rng, hz, col=PAL['herb'], k=5),
         rng)
    bits(pic, v, 44, 50, lambda x, y, s, hz: shrub(x, y, 1.4 * s, 1.0 * s, rng, hz,
                                                   col=rng.choice((PAL['shrub_lt'], PAL['shrub'])),
                                                   stems=True), rng, z_min=9)
    bits(pic, v, 160, 30, lambda x, y, s, hz: [line(x, y, x + 0.18 * s, y - 0.03 * s,
                                                    stroke=fade(PAL['litter_dk'], hz))], rng)
    trees = [(-3.2, 9.5), (2.4, 20), (-1.5, 32), (5.5, 40), (-7, 45), (9, 60), (-4, 70),
             (1, 85), (12, 30), (-11, 26)]
    kinds = ['red', 'white', 'red', 'white', 'red', 'red', 'white', 'red', 'white', 'white']
    for (X, z), kind in zip(trees, kinds):
        x, y, sc = v.x(X, z), v.y(z), v.s(z)
        pic.item(y, pine(x, y, rng.uniform(25, 29) * sc, rng, v.haze(z), kind,
                         crown_base=rng.uniform(0.5, 0.6)))
    pic.flush()
    caption(pic, 'Illustration: C5 red and white pine')
    return pic


def draw_fuel_c6():
    pic = Pic('fuel_c6', 'C6 Conifer Plantation (illustration)')
    rng = pic.rng
    v = View(pic, horizon=262, cam_h=1.7, focal=250, cut=22, fog=55)
    sky(pic, v.H)
    wall = mix(PAL['plantation'], PAL['haze'], 0.6)
    treeline(pic, v.H, 26, wall, rng)
    ground(pic, v, mix(PAL['litter'], PAL['haze'], 0.45), PAL['litter'],
           [(4, PAL['litter'], 'tufts'), (7, PAL['organic'], 'fibre'),
            (0, PAL['mineral'], 'stones')])
    bits(pic, v, 120, 25, lambda x, y, s, hz: [line(x, y, x + 0.2 * s, y - 0.02 * s,
                                                    stroke=fade(PAL['litter_dk'], hz))], rng)
    pts_ = []
    for row in range(-5, 5):
        X = 1.3 + 2.6 * row
        for k in range(16):
            pts_.append((X + rng.uniform(-0.08, 0.08), 4 + 2.6 * k))
    place(pic, v, pts_, lambda x, y, s, hz, X, z: conifer(
        x, y, 11.5 * s * rng.uniform(0.96, 1.04), rng, hz, 'plantation', crown_base=0.22,
        wide=1.15))
    pic.flush()
    caption(pic, 'Illustration: C6 conifer plantation')
    return pic


def draw_fuel_c7():
    pic = Pic('fuel_c7', 'C7 Ponderosa Pine / Douglas-fir (illustration)')
    rng = pic.rng
    v = View(pic, horizon=206, cam_h=2.4, focal=250, cut=18, fog=160)
    sky(pic, v.H)
    cloud(pic, 120, 50, 100, rng)
    cloud(pic, 420, 80, 70, rng)
    ridge(pic, v.H - 70, 28, mix(PAL['hill_far'], '#b7b0c4', 0.3), rng, y_bottom=v.H + 2,
          waves=2)
    ridge(pic, v.H - 30, 20, PAL['hill_near'], rng, y_bottom=v.H + 2, spikes=1.2, spike_h=7,
          waves=3)
    ground(pic, v, mix(PAL['grass_cured'], PAL['haze'], 0.35), mix(PAL['grass_cured'],
                                                                   PAL['herb'], 0.3),
           [(4, PAL['grass_cured'], 'tufts'), (3, PAL['organic'], 'fibre'),
            (0, PAL['mineral'], 'stones')])
    bits(pic, v, 150, 60, lambda x, y, s, hz: tuft(x, y, 0.45 * s, rng, hz,
                                                   col=rng.choice((PAL['grass_cured'],
                                                                   PAL['herb'])), k=5), rng)
    big = scatter(v, 16, 22, 160, rng, jitter=0.5, thin=50)

    def big_tree(x, y, s, hz, X, z):
        # Uneven-aged: heights vary, and none is let run out of the top of the picture.
        h = min(rng.uniform(12, 27) * s, y - 10)
        if rng.random() < 0.7:
            return pine(x, y, h, rng, hz, 'ponderosa', crown_base=rng.uniform(0.4, 0.55))
        return conifer(x, y, h * 0.85, rng, hz, 'douglas_fir', crown_base=0.12)
    place(pic, v, big, big_tree)
    # Thickets of young Douglas-fir.
    for _ in range(5):
        X0, z0 = rng.uniform(-20, 20), rng.uniform(18, 60)
        cluster = [(X0 + rng.uniform(-2.5, 2.5), z0 + rng.uniform(-2, 2)) for _ in range(7)]
        place(pic, v, cluster, lambda x, y, s, hz, X, z: conifer(
            x, y, rng.uniform(2.5, 6) * s, rng, hz, 'douglas_fir'))
    pic.flush()
    caption(pic, 'Illustration: C7 ponderosa pine and Douglas-fir')
    return pic


def draw_fuel_d1():
    pic = Pic('fuel_d1', 'D1 Leafless Aspen (illustration)')
    rng = pic.rng
    v = View(pic, horizon=190, cam_h=3.0, focal=180, cut=18, fog=60)
    sky(pic, v.H)
    treeline(pic, v.H, 36, mix(PAL['twig'], PAL['haze'], 0.72), rng, kind='broad')
    ground(pic, v, mix(PAL['leaf_litter'], PAL['haze'], 0.45), PAL['leaf_litter'],
           [(5, PAL['leaf_litter'], 'tufts'), (5, PAL['organic'], 'fibre'),
            (0, PAL['mineral'], 'stones')])
    bits(pic, v, 110, 30, lambda x, y, s, hz: tuft(x, y, 0.35 * s, rng, hz, k=5), rng)
    bits(pic, v, 90, 20, lambda x, y, s, hz: [ellipse(x, y - 0.02 * s, 0.07 * s, 0.03 * s,
                                                        fade(rng.choice(('#b98a4e', '#8f6a3e',
                                                                         '#c9a25e')), hz),
                                                        stroke=None)], rng)
    trees = scatter(v, 4.0, 18, 70, rng, jitter=0.45, thin=28)
    place(pic, v, trees, lambda x, y, s, hz, X, z: broadleaf(
        x, y, rng.uniform(14, 18) * s, rng, hz, 'aspen'))
    # Root suckers and a fallen stem in front of the stand.
    bits(pic, v, 8, 16, lambda x, y, s, hz: broadleaf(x, y, rng.uniform(1.2, 2.2) * s, rng, hz,
                                                      'aspen'), rng, z_min=7)
    bits(pic, v, 2, 14, lambda x, y, s, hz: log(x - 2 * s, y, x + 2 * s, y - 0.2 * s, 0.1 * s, hz,
                                                col=mix(PAL['aspen_bark'], PAL['log_grey'], 0.6),
                                                cut=False), rng, z_min=8)
    pic.flush()
    caption(pic, 'Illustration: D1 leafless aspen')
    return pic


def mixedwood(name, title, label, leaves, dead_fir):
    """M1 to M4: spruce and fir among aspen and birch, seen from the stand's edge."""
    pic = Pic(name, title)
    rng = pic.rng
    v = View(pic, horizon=150, cam_h=2.5, focal=190, cut=18, fog=70)
    sky(pic, v.H)
    tl = mix(PAL['white_spruce'] if leaves else PAL['twig'], PAL['haze'], 0.62)
    treeline(pic, v.H, 24, tl, rng, kind='mixed')
    floor = PAL['herb'] if leaves else PAL['leaf_litter']
    ground(pic, v, mix(floor, PAL['haze'], 0.4), floor,
           [(5, floor, 'tufts'), (6, PAL['organic'], 'fibre'), (0, PAL['mineral'], 'stones')])
    if leaves:
        bits(pic, v, 22, 40, lambda x, y, s, hz: shrub(x, y, 1.2 * s, 0.9 * s, rng, hz,
                                                       col=PAL['shrub_lt'], stems=True), rng,
             z_min=12)
        bits(pic, v, 60, 25, lambda x, y, s, hz: tuft(x, y, 0.4 * s, rng, hz,
                                                      col=PAL['grass_green'], k=5), rng)
    else:
        bits(pic, v, 70, 25, lambda x, y, s, hz: tuft(x, y, 0.35 * s, rng, hz, k=5), rng)
    if dead_fir:
        def windthrow(x, y, s, hz):
            a = rng.uniform(-0.25, 0.25)
            ln = rng.uniform(5, 9) * s
            return log(x - ln / 2, y + a * ln * 0.2, x + ln / 2, y - a * ln * 0.2, 0.12 * s,
                       hz, grey=True, cut=False)
        bits(pic, v, 12, 60, windthrow, rng, z_min=12)
    trees = scatter(v, 4.2, 26, 70, rng, jitter=0.45, thin=28)
    near = [(v.X_at(pic.w * f, 17), rng.uniform(15, 19)) for f in (0.07, 0.36, 0.7, 0.93)]
    trees += near
    # Near the edge, in M3 and M4, two of the dead firs stand in plain view.
    marked = {near[1], near[2]} if dead_fir else set()

    def tree(x, y, s, hz, X, z):
        r = rng.random() if (X, z) not in marked else 0.6
        h = rng.uniform(15, 19) * s
        if r < 0.32:
            return broadleaf(x, y, h, rng, hz, 'aspen', leaves=leaves)
        if r < 0.5:
            return broadleaf(x, y, h * 0.9, rng, hz, 'birch', leaves=leaves)
        if r < 0.78:
            if dead_fir:
                return conifer(x, y, h * 0.8, rng, hz, 'balsam_fir', dead=True, lichen=True,
                               broken=rng.random() < 0.45)
            return conifer(x, y, h * 0.85, rng, hz, 'balsam_fir')
        return conifer(x, y, h, rng, hz, 'white_spruce')
    place(pic, v, trees, lambda x, y, s, hz, X, z: tree(x, y, s, hz, X, z))
    # Young firs in the understory (green in every phase).
    bits(pic, v, 10, 60, lambda x, y, s, hz: conifer(x, y, rng.uniform(1.5, 3) * s, rng, hz,
                                                     'balsam_fir'), rng, z_min=14)
    pic.flush()
    caption(pic, 'Illustration: ' + label)
    return pic


def draw_fuel_m1():
    return mixedwood('fuel_m1', 'M1 Boreal Mixedwood - Leafless (illustration)',
                     'M1 boreal mixedwood, leafless', False, False)


def draw_fuel_m2():
    return mixedwood('fuel_m2', 'M2 Boreal Mixedwood - Green (illustration)',
                     'M2 boreal mixedwood, green', True, False)


def draw_fuel_m3():
    return mixedwood('fuel_m3', 'M3 Dead Balsam Fir Mixedwood - Leafless (illustration)',
                     'M3 dead balsam fir mixedwood, leafless', False, True)


def draw_fuel_m4():
    return mixedwood('fuel_m4', 'M4 Dead Balsam Fir Mixedwood - Green (illustration)',
                     'M4 dead balsam fir mixedwood, green', True, True)


def slash_scene(name, title, label, edge, needles, bare, logs_r, depth, trails=False,
                coastal=False):
    """S1 to S3: a clear-cut covered with slash, the uncut stand behind."""
    pic = Pic(name, title)
    rng = pic.rng
    v = View(pic, horizon=128 if not coastal else 118, cam_h=1.8 if not coastal else 2.4,
             focal=230, cut=18, fog=120)
    sky(pic, v.H)
    if coastal:
        ridge(pic, v.H - 70, 30, mix(PAL['hill_far'], '#b8c4cc', 0.4), rng, y_bottom=v.H + 2,
              waves=2)
        ridge(pic, v.H - 45, 18, PAL['hill_far'], rng, y_bottom=v.H + 2, spikes=1.5,
              spike_h=9, waves=3)
    else:
        ridge(pic, v.H - 12, 8, PAL['hill_far'], rng, y_bottom=v.H + 2, spikes=1.2, spike_h=5)
    ground(pic, v, mix(PAL['soil_bare'], PAL['haze'], 0.4), mix(PAL['slash_brown'],
                                                                PAL['soil_bare'], 0.5),
           [(6, PAL['slash_brown'], 'fibre'), (5, PAL['organic'], 'fibre'),
            (0, PAL['mineral'], 'stones')])
    # The uncut stand at the back of the cut.
    zb = 48 if not coastal else 95
    edge_pts = scatter(v, 3.6 if not coastal else 5, zb, zb + 14, rng, jitter=0.4, thin=zb + 4)
    place(pic, v, edge_pts, lambda x, y, s, hz, X, z: edge(x, y, s, hz))
    if trails:
        # Skid trails: bare tracks across the slash, converging on the landing.
        for X0, X1 in ((-14, -3), (3, 1), (16, 5)):
            left, right = [], []
            for i in range(9):
                z = v.z_near + (zb - v.z_near) * i / 8
                X = X0 + (X1 - X0) * i / 8
                left.append((v.x(X - 1.6, z), v.y(z)))
                right.append((v.x(X + 1.6, z), v.y(z)))
            pic.item(v.H + 1, poly(left + right[::-1], '#c4ad86', stroke=None))
            for side in (-0.8, 0.8):
                rut = [(v.x(X0 + (X1 - X0) * i / 8 + side, v.z_near + (zb - v.z_near) * i / 8),
                        v.y(v.z_near + (zb - v.z_near) * i / 8)) for i in range(9)]
                pic.item(v.H + 1, polyline(rut, stroke='#a08863'))
    def on_trail(X, z):
        if not trails:
            return False
        for X0, X1 in ((-14, -3), (3, 1), (16, 5)):
            u = (z - v.z_near) / (zb - v.z_near)
            if abs(X - (X0 + (X1 - X0) * u)) < 1.9:
                return True
        return False

    def branch(x, y, s, hz):
        X, z = v.X_at(x, v.z_at(y)), v.z_at(y)
        if on_trail(X, z):
            return []
        out = []
        for _ in range(3):
            a = rng.uniform(-0.6, 0.6) + (math.pi if rng.random() < 0.5 else 0)
            out += slash_branch(x + rng.uniform(-0.5, 0.5) * s, y - rng.uniform(0, depth) * s,
                                rng.uniform(1.5, 3) * s, a, rng, hz, needles=needles, bare=bare,
                                drop=0.2 * s)
        return out
    bits(pic, v, 150, zb, branch, rng)

    def big_log(x, y, s, hz):
        X, z = v.X_at(x, v.z_at(y)), v.z_at(y)
        if on_trail(X, z):
            return []
        a = rng.uniform(-0.35, 0.35)
        ln = rng.uniform(2.5, 6) * s
        r = rng.uniform(*logs_r) * s
        lift = rng.uniform(0, depth) * s
        return log(x - ln / 2, y - lift + a * ln * 0.3, x + ln / 2, y - lift - a * ln * 0.3, r, hz,
                   col=PAL['bark_cedar'] if coastal and rng.random() < 0.5 else None)
    if coastal:
        # Deep, jumbled heaps of very large logs, one laid across another.
        for _ in range(16):
            z = rng.uniform(8, zb - 10)
            X = v.X_at(rng.uniform(0, pic.w), z)
            sc = v.s(z)
            heap = []
            for k in range(rng.randint(3, 5)):
                a = rng.uniform(-0.5, 0.5)
                ln = rng.uniform(6, 14) * sc
                r = rng.uniform(0.35, 0.7) * sc
                x0 = v.x(X + rng.uniform(-3, 3), z)
                y0 = v.y(z) - k * 0.5 * sc - r
                heap += log(x0 - ln / 2, y0 + a * ln * 0.25, x0 + ln / 2, y0 - a * ln * 0.25, r,
                            v.haze(z), col=rng.choice((PAL['bark_cedar'], PAL['log'],
                                                       PAL['log_grey'])))
                for _ in range(2):
                    heap += slash_branch(x0 + rng.uniform(-0.4, 0.4) * ln, y0 - r,
                                         rng.uniform(2, 4) * sc, rng.uniform(0, math.pi), rng,
                                         v.haze(z), needles=needles, bare=bare)
            with coarse(sc < 14):
                pic.item(v.y(z), heap)
    else:
        bits(pic, v, 14, zb, big_log, rng)

    def stp(x, y, s, hz):
        X, z = v.X_at(x, v.z_at(y)), v.z_at(y)
        if on_trail(X, z):
            return []
        r = rng.uniform(*logs_r) * s * (1.3 if not coastal else 2.2)
        return stump(x, y, r, r * rng.uniform(0.6, 1.2), hz,
                     col=PAL['bark_cedar'] if coastal and rng.random() < 0.5 else None)
    bits(pic, v, 16, zb, stp, rng, z_min=7 if coastal else None)
    pic.flush()
    caption(pic, 'Illustration: ' + label)
    return pic


def draw_fuel_s1():
    return slash_scene(
        'fuel_s1', 'S1 Jack or Lodgepole Pine Slash (illustration)',
        'S1 jack or lodgepole pine slash',
        lambda x, y, s, hz: pine(x, y, rng_for('s1edge').uniform(14, 19) * s,
                                 rng_for('s1edge'), hz, 'jack',
                                 crown_base=rng_for('s1edge').uniform(0.45, 0.6)),
        PAL['slash_red'], 0.15, (0.06, 0.12), 0.35)


def draw_fuel_s2():
    return slash_scene(
        'fuel_s2', 'S2 White Spruce - Balsam Fir Slash (illustration)',
        'S2 white spruce and balsam fir slash',
        lambda x, y, s, hz: conifer(x, y, rng_for('s2edge').uniform(14, 20) * s,
                                    rng_for('s2edge'), hz,
                                    rng_for('s2edge').choice(('white_spruce', 'balsam_fir'))),
        PAL['slash_green'], 0.3, (0.08, 0.15), 0.3, trails=True)


def draw_fuel_s3():
    return slash_scene(
        'fuel_s3', 'S3 Coastal Cedar - Hemlock - Douglas-fir Slash (illustration)',
        'S3 coastal cedar, hemlock and Douglas-fir slash',
        lambda x, y, s, hz: conifer(x, y, rng_for('s3edge').uniform(28, 40) * s,
                                    rng_for('s3edge'), hz,
                                    rng_for('s3edge').choice(('cedar', 'hemlock', 'douglas_fir'))),
        PAL['slash_brown'], 0.35, (0.3, 0.6), 1.4, coastal=True)


_RNGS = {}


def rng_for(key):
    if key not in _RNGS:
        _RNGS[key] = random.Random(key)
    return _RNGS[key]


def grassland(name, title, label, standing):
    pic = Pic(name, title)
    rng = pic.rng
    v = View(pic, horizon=132, cam_h=1.6, focal=230, cut=16, fog=120)
    sky(pic, v.H)
    cloud(pic, 150, 45, 110, rng)
    cloud(pic, 560, 70, 80, rng)
    ridge(pic, v.H - 10, 7, PAL['hill_far'], rng, y_bottom=v.H + 2)
    treeline(pic, v.H, 18, mix(PAL['aspen_leaf'] if standing else PAL['twig'], PAL['haze'], 0.6),
             rng, kind='broad', x0=pic.w * 0.55)
    treeline(pic, v.H, 14, mix(PAL['white_spruce'], PAL['haze'], 0.6), rng, x1=pic.w * 0.3)
    base = PAL['grass_cured'] if standing else mix(PAL['grass_cured'], '#c9b68a', 0.5)
    blade = PAL['grass_cured_dk']

    def band(y, hgt, col):
        """A row of grass seen edge-on: one jagged (standing) or wavy (matted) strip."""
        top = [(-2, y)]
        x = -2
        while x < pic.w + 2:
            if standing:
                top += [(x + hgt * 0.06, y - hgt * rng.uniform(0.55, 1.0)), (x + hgt * 0.12, y - hgt * 0.3)]
                x += hgt * rng.uniform(0.1, 0.2)
            else:
                top += [(x + hgt * 1.2, y - hgt * rng.uniform(0.5, 1.0))]
                x += hgt * rng.uniform(1.8, 3)
        top += [(pic.w + 2, y), (pic.w + 2, y + 2), (-2, y + 2)]
        return poly(top, col, stroke=mix(col, INK, 0.35), sw=LINE * 0.8)
    ground(pic, v, mix(base, PAL['haze'], 0.35), base,
           [(6, PAL['grass_cured_dk'], 'tufts'), (6, PAL['organic'], 'fibre'),
            (0, PAL['mineral'], 'stones')])
    if standing:
        # Far rows of standing grass seen edge-on, then single tufts, then a front row of
        # tall stems with their seed heads.
        for i in range(7):
            z = 70 * (16 / 70) ** (i / 6)
            y = v.y(z)
            col = mix(mix(base, blade, rng.uniform(0, 0.35)), PAL['haze'], v.haze(z))
            with coarse(True):
                pic.item(y - 0.01, band(y, 0.6 * v.s(z), col))
        bits(pic, v, 230, 18, lambda x, y, s, hz: tuft(x, y, 0.7 * s, rng, hz,
                                                       col=rng.choice((PAL['grass_cured'],
                                                                       PAL['grass_cured_dk'])),
                                                       k=7, spread=0.3, lean=0.1,
                                                       heads=True), rng, z_min=5)
        x = -6
        while x < pic.w + 6:
            pic.item(pic.h, tuft(x, v.base + 2, rng.uniform(55, 85), rng, 0,
                                 col=rng.choice((PAL['grass_cured'], PAL['grass_cured_dk'])),
                                 k=5, spread=0.22, lean=0.12, heads=True))
            x += rng.uniform(9, 16)
    else:
        # Last year's grass pressed flat: swirls of lying blades, a few green shoots.
        bits(pic, v, 420, 26, lambda x, y, s, hz: tuft(x, y, 0.13 * s, rng, hz,
                                                       col=rng.choice((PAL['grass_cured'],
                                                                       '#cbb98f', '#b9a474')),
                                                       k=7, matted=True), rng)
        bits(pic, v, 60, 20, lambda x, y, s, hz: tuft(x, y, 0.1 * s, rng, hz,
                                                      col=PAL['grass_green'], k=3, spread=0.3),
             rng)
    pic.flush()
    caption(pic, 'Illustration: ' + label)
    return pic


def draw_fuel_o1a():
    return grassland('fuel_o1a', 'O1a Matted Grass (illustration)', 'O1a matted grass', False)


def draw_fuel_o1b():
    return grassland('fuel_o1b', 'O1b Standing Grass (illustration)', 'O1b standing grass', True)


# --------------------------------------------------------------------------------
# Fire behaviour examples
# --------------------------------------------------------------------------------

def fire_scene(name, title, label, P):
    """One experimental fire in a jack pine stand on a lichen and litter floor, seen from
    the edge of the unit, the wind from the left: burned ground behind the front, green
    stand ahead.  P gives the camera, the stand and what the fire does (see the seven
    drawings below).  Sizes in P are metres."""
    pic = Pic(name, title)
    rng = pic.rng
    v = View(pic, horizon=P['horizon'], cam_h=P['cam_h'], focal=P['focal'], cut=P.get('cut', 16),
             fog=P.get('fog', 80))
    heat = P['heat']                      # 0 (creeping) .. 1 (crown fire)
    sky(pic, v.H + 2, top=mix(PAL['sky_top'], PAL['smoke_sky_top'], 0.25 + 0.7 * heat),
        low=mix(PAL['sky_low'], PAL['smoke_sky_low'], 0.3 + 0.6 * heat))
    if P.get('column'):
        # The convection column stands behind the stand.
        cx, cy, hh, w0, w1 = P['column']
        pic.add(plume(cx, cy, hh, w0, w1, 0.55, rng, tone=mix(PAL['smoke_dk'], PAL['smoke'], 0.5),
                      shade=PAL['smoke_dark']))
    treeline(pic, v.H, P.get('far_h', 14), mix(PAL['jack_pine'], PAL['haze'], 0.6 + 0.1 * heat),
             rng)
    floor = P.get('floor', PAL['lichen'])
    ground(pic, v, mix(floor, PAL['haze'], 0.4), floor,
           [(4, floor, 'tufts'), (6, PAL['organic'], 'fibre'), (0, PAL['mineral'], 'stones')])
    z_far = P.get('z_far', 90)
    wig = [rng.uniform(0, math.tau) for _ in range(2)]

    def front_X(z):
        return (P['front_X'] + P['front_slope'] * (z - v.z_near) +
                P.get('wiggle', 1.2) * (math.sin(z * 0.18 + wig[0]) + 0.4 * math.sin(z * 0.7 + wig[1])))

    # Burned ground behind (left of) the front, with ash and glowing spots near it.
    zs = [v.z_near * (z_far / v.z_near) ** (i / 40) for i in range(41)]
    edge = [(v.x(front_X(z), z), v.y(z)) for z in zs]
    pic.add(poly([(-2, v.base)] + edge + [(-2, v.y(z_far))], PAL['char'], stroke=None))
    with coarse(True):
        for _ in range(int(50 + 60 * heat)):
            z = v.z_near * (z_far / v.z_near) ** rng.random()
            Xf = front_X(z)
            X = Xf - rng.uniform(0.3, 25)
            x, y = v.x(X, z), v.y(z)
            if x < -5:
                continue
            near = Xf - X < 3
            pic.add(ellipse(x, y, min(7, 0.25 * v.s(z)), min(1.8, 0.06 * v.s(z)),
                            PAL['flame_orange'] if near and rng.random() < 0.5 else PAL['ash'],
                            stroke=None))
    if P.get('guard') is not None:
        # The fireguard on the downwind side of the unit: bare mineral soil.
        gX = P['guard']
        left = [(v.x(gX + P['front_slope'] * (z - v.z_near), z), v.y(z)) for z in zs]
        right = [(v.x(gX + 4 + P['front_slope'] * (z - v.z_near), z), v.y(z)) for z in zs]
        pic.add(poly(left + right[::-1], mix(PAL['soil_bare'], PAL['lichen'], 0.3), stroke=None))
    # The burning edge itself: a continuous band of flame along the front, under the tongues.
    band = [(v.x(front_X(z), z), v.y(z) - max(1.2, 0.25 * P['flame_m'] * v.s(z))) for z in zs]
    pic.add(poly(edge + band[::-1], PAL['flame_red'], stroke=None))
    band2 = [(x_, y_ + 0.45 * (y0_ - y_)) for (x_, y_), (_, y0_) in zip(band, edge)]
    pic.add(poly(edge + band2[::-1], PAL['flame_orange'], stroke=None))
    # Ground glow along the front.
    for z in (v.z_near * 1.5, v.z_near * 3, v.z_near * 6):
        pic.add(glow(pic, v.x(front_X(z), z), v.y(z), (1.5 + 3 * heat) * v.s(z) + 10,
                     (0.4 + 0.8 * heat) * v.s(z) + 4, 0.3 + 0.3 * heat))

    def floor_bit(x, y, s, hz):
        X, z = v.X_at(x, v.z_at(y)), v.z_at(y)
        if X < front_X(z) + 0.2:
            return []
        return lichen_clump(x, y, 0.14 * s, rng, hz)
    bits(pic, v, 120, 30, floor_bit, rng)

    fire = Fire(pic, rng)
    lean = P.get('lean', 0.35)
    trees = scatter(v, P['spacing'], P.get('z_min_trees', 12), z_far, rng, jitter=0.45,
                    thin=P.get('thin', 30))
    crown_zone = P.get('crown_zone')      # (X0, X1, z0, z1): a patch where the crowns burn
    # The trees that torch and those with fire run up their stems stand on the front at
    # the distances P['torch'] and P['climb'] list; stems that would hide them are
    # thinned out of the stand.
    for x0, x1, zmax in P.get('clear', []):
        # Keep a line of sight open to something further back.
        trees = [(X, z) for X, z in trees if not (z < zmax and x0 < v.x(X, z) < x1)]
    torch_set, climb_set = set(), set()
    for zs_list, dest in ((P.get('torch', []), torch_set), (P.get('climb', []), climb_set)):
        for fz in zs_list:
            fX = front_X(fz) - 0.4
            fx, fw = v.x(fX, fz), 0.45 * P['tree_h'][1] * v.s(fz)
            trees = [(X, z) for X, z in trees
                     if (X, z) in torch_set or (X, z) in climb_set or
                     not (z < fz + 3 and abs(v.x(X, z) - fx) < fw)]
            trees.append((fX, fz))
            dest.add((fX, fz))
    smoke_sources = []                     # (x, y, height, w0, w1, dark)
    sm_h, sm_w0, sm_w1 = P.get('smoke', (3, 0.3, 1.5))

    def tree(x, y, s, hz, X, z):
        h = rng.uniform(*P['tree_h']) * s
        cb = rng.uniform(*P['crown_base'])
        d = X - front_X(z)
        out = []
        in_zone = bool(crown_zone) and crown_zone[0] < X < crown_zone[1] and \
            crown_zone[2] < z < crown_zone[3] and d < 1.0
        lich = P.get('tree_lichen', False)
        if in_zone and d < -P.get('flame_depth', 4):
            # Behind a crown fire: black stems, the crowns consumed.
            return pine(x, y, h, rng, hz, P['kind'], cb, dead=True, char=1.0)
        if d < -1.5 and not in_zone:
            return pine(x, y, h, rng, hz, P['kind'], cb, scorch=0.15 + 0.5 * heat,
                        char=0.1 + 0.4 * heat, lichen=lich)
        if in_zone or (X, z) in torch_set:
            out += pine(x, y, h, rng, hz, P['kind'], cb, scorch=0.9, char=0.5, crownless=True)
            # The whole crown in flame: a tall centre tongue between two shorter ones.
            cw = P['crown_w'] * h
            base = y - cb * h * 0.85
            tall = (1 - cb) * h * 1.6 + 0.1 * h
            out += fire.tongue(x - 0.9 * cw, base + 0.1 * h, tall * 0.6, cw * 1.7, lean * 0.7)
            out += fire.tongue(x + 0.9 * cw, base + 0.05 * h, tall * 0.72, cw * 1.7, lean * 0.9)
            out += fire.tongue(x + 0.1 * cw, base, tall, cw * 2.6, lean * 0.8)
            if not in_zone or rng.random() < 0.15:
                smoke_sources.append((x + lean * h, y - h * 1.4, h * 1.3, 0.15 * h, 0.6 * h, True))
            return out
        if (X, z) in climb_set:
            out += pine(x, y, h, rng, hz, P['kind'], cb, scorch=0.4, char=0.3, lichen=lich)
            reach = P.get('climb_reach', 1.0)
            # Flames running up the lichen and bark flakes of the stem into the crown.
            top = cb * h * reach
            k = 0
            yy = y
            while yy > y - top:
                ln = rng.uniform(0.09, 0.14) * h
                out += fire.tongue(x + rng.uniform(-0.01, 0.01) * h, yy, ln,
                                   max(5, (0.09 - 0.02 * k / 6) * h), 0.15)
                yy -= ln * 0.6
                k += 1
            if P.get('catch_crown', True):
                # ... and catching the lowest part of the crown.
                out += fire.tongue(x + 0.02 * h, y - cb * h * 1.02, 0.28 * h, 0.22 * h, 0.3)
            return out
        out += pine(x, y, h, rng, hz, P['kind'], cb, lichen=lich)
        return out
    place(pic, v, trees, tree)
    if P.get('crown_front'):
        # The running crown front: flames over the canopy all along the burning edge.
        z = max(crown_zone[2], P.get('z_min_trees', 12))
        while z < min(crown_zone[3], z_far):
            s = v.s(z)
            th = P['tree_h'][1] * s
            x, y = v.x(front_X(z) - rng.uniform(0, 3), z), v.y(z)
            pic.item(y + 0.03, fire.tongue(x, y - th * 0.45, th * rng.uniform(1.0, 1.3),
                                           th * 0.45, 0.45))
            z *= 1.05
    # The surface fire front: tongues spaced by their own width on the screen, drawn in
    # short merged runs so that nearer things still cover them in turn.
    z = v.z_near * 1.01
    run = []

    def flush_run():
        if run:
            with coarse(run[0][3] < 12):
                pic.item(run[-1][1] + 0.01, fire.front([(x_, y_) for x_, y_, _, _, _ in run],
                                                      lambda i: run[i][2],
                                                      lambda i: run[i][4], lean, var=0.3))
            run.clear()
    while z < z_far:
        s = v.s(z)
        hh = max(3.0, P['flame_m'] * s)
        ww = clamp(0.8 * hh, 2.5, 45) + 0.06 * s
        x, y = v.x(front_X(z), z), v.y(z)
        run.append((x + rng.uniform(-0.3, 0.3) * s, y, hh, s, ww))
        if len(run) >= 4:
            flush_run()
        if rng.random() < P.get('smoke_p', 0.3) * min(1.0, 0.5 * ww):
            smoke_sources.append((x + lean * hh, y - hh, sm_h * s, sm_w0 * s, sm_w1 * s, False))
        # Step on until the next base is about half a tongue's width away on the screen.
        z2 = z * 1.002
        while z2 < z_far and math.hypot(v.x(front_X(z2), z2) - x, v.y(z2) - y) < 0.45 * ww:
            z2 *= 1.01
        z = z2
    flush_run()
    # Flare-ups of the front in patches of fuel.
    for (Xo, zf, mh) in P.get('flares', []):
        s = v.s(zf)
        x, y = v.x(front_X(zf) + Xo, zf), v.y(zf)
        pic.item(y + 0.02, fire.tongue(x, y, mh * s, 0.5 * mh * s, lean) +
                 fire.tongue(x + 0.3 * s, y, mh * 0.7 * s, 0.4 * mh * s, lean))
        smoke_sources.append((x, y - mh * s, sm_h * s, sm_w0 * s, sm_w1 * s, False))
    # Spot fires ahead of the front.
    spot_xy = []
    for (d, zs_, sz) in P.get('spots', []):
        s = v.s(zs_)
        x, y = v.x(front_X(zs_) + d, zs_), v.y(zs_)
        spot_xy.append((x, y))
        item = [ellipse(x, y, sz * 0.9 * s, sz * 0.25 * s, PAL['char'], stroke=None)]
        item += fire.front([(x - sz * 0.3 * s, y), (x + sz * 0.3 * s, y)], sz * 0.9 * s,
                           sz * 0.7 * s + 2, lean)
        item += plume(x + 1, y - sz * s, sz * 5 * s + 6, sz * 0.6 * s + 1, sz * 2 * s + 3, 0.8,
                      rng, tone=mix(PAL['smoke'], '#ffffff', 0.4), opacity=0.75)
        pic.item(y, item)
    # Smoke from the front and from the burning crowns, drifting downwind.
    tone = mix(mix(PAL['smoke'], '#ffffff', 0.45), PAL['smoke_dk'], heat * 0.6)
    shade = mix(PAL['smoke'], PAL['smoke_dark'], 0.2 + 0.6 * heat)
    for (x, y, hh, w0, w1, dark) in smoke_sources:
        with coarse(True):
            if dark:
                pic.item(y - 0.5, plume(x, y, hh, w0, w1, P.get('drift', 1.0) * 0.7, rng,
                                        tone=mix(tone, PAL['smoke_dk'], 0.3), shade=shade,
                                        opacity=min(1.0, P.get('smoke_opacity', 0.85) + 0.1)))
            else:
                # Smoke off the surface front: a pale translucent veil leaning downwind.
                pic.item(y - 0.5, plume(x, y, hh, w0, w1, 0.3 * P.get('drift', 1.0), rng,
                                        tone=mix(tone, '#ffffff', 0.4),
                                        opacity=P.get('smoke_opacity', 0.85) * 0.5, veil=True))
    pic.flush()
    pic.add(embers(0, 40, pic.w, v.base - 80, rng, int((6 + 50 * heat) * pic.w / 480)))
    if P.get('note') and spot_xy:
        x0, y0 = spot_xy[-1]
        txt = P['note'][2]
        w = text_width(txt, 9) + 8
        x1 = clamp(x0 + P['note'][0], w / 2 + 4, pic.w - w / 2 - 4)
        y1 = y0 + P['note'][1]
        pic.add(polyline([(x0, y0 - 8), (x1, y1)], stroke=INK, sw=LINE))
        pic.add(rect(x1 - w / 2, y1 - 13, w, 13, '#fbf8f0', stroke=INK, sw=0.8, rx=3,
                     fill_opacity='0.92'))
        pic.add(text(x1, y1 - 3.5, txt, size=9, anchor='middle'))
    caption(pic, 'Illustration: ' + label if label else 'Illustration', size=P.get('caption', 9))
    return pic


_FIRE_BASE = dict(horizon=150, cam_h=5.0, focal=260, kind='jack', tree_h=(11, 14),
                  crown_base=(0.45, 0.6), crown_w=0.13, spacing=5.0, front_X=-5.0,
                  front_slope=0.7, z_far=80, z_min_trees=14, smoke_opacity=0.7,
                  torch_zmin=17)


def fire_params(**kw):
    P = dict(_FIRE_BASE)
    P.update(kw)
    return P


def draw_fire_fwi09():
    # Creeping: centimetre flames across lichen among young pines, a flare in a few
    # lichen-covered lower branches, barely any smoke.
    return fire_scene('fire_fwi09', 'Example of fire behaviour, FWI 9 (illustration)',
                      'FWI 9, creeping surface fire', fire_params(
                          horizon=140, cam_h=1.5, focal=300, kind='young', tree_h=(3, 6),
                          crown_base=(0.3, 0.45), crown_w=0.1, spacing=2.8, front_X=-1.2,
                          front_slope=0.3, z_far=45, heat=0.0, flame_m=0.1, lean=0.5,
                          tree_lichen=True, smoke_p=0.2, smoke=(0.8, 0.04, 0.35),
                          smoke_opacity=0.45, drift=2.5, climb=[9], climb_reach=0.45, thin=14,
                          catch_crown=False,
                          wiggle=0.3, z_min_trees=5, torch_zmin=6, flares=[(0.15, 6.5, 0.3)]))


def draw_fire_fwi14():
    # Low vigour: flames under 0.6 m, brief flare-ups in shrubs and small pines, a pine
    # with fire run up its lichen and bark flakes, spots just ahead of the front.
    return fire_scene('fire_fwi14', 'Example of fire behaviour, FWI 14 (illustration)',
                      'FWI 14, low vigour surface fire', fire_params(
                          heat=0.15, flame_m=0.45, climb=[19, 30], climb_reach=1.6, tree_lichen=True,
                          flares=[(0.3, 9, 1.5), (0.2, 17, 2.0)],
                          spots=[(1.2, 8, 0.25), (1.6, 12, 0.25)], smoke_p=0.15,
                          smoke=(2.5, 0.1, 0.8), smoke_opacity=0.5, drift=1.5))


def draw_fire_fwi15():
    # Low vigour, slow and steady; a few trees torched; one spot fire in the unit.
    return fire_scene('fire_fwi15', 'Example of fire behaviour, FWI 15 (illustration)',
                      'FWI 15, low vigour surface fire', fire_params(
                          heat=0.2, flame_m=0.5, torch=[21, 36],
                          spots=[(10, 16, 0.45)], smoke_p=0.18, smoke=(2.5, 0.12, 0.9),
                          smoke_opacity=0.55, drift=1.5))


def draw_fire_fwi17():
    # Moderately vigorous: fire often into the crowns by the lichen and bark ladder,
    # now and then a tree torching out; short-range spots round the hot spots.
    return fire_scene('fire_fwi17', 'Example of fire behaviour, FWI 17 (illustration)',
                      'FWI 17, moderately vigorous surface fire', fire_params(
                          heat=0.35, flame_m=0.8, climb=[16, 30, 44], climb_reach=1.6, torch=[22],
                          tree_lichen=True,
                          spots=[(1.5, 10, 0.3), (2.5, 16, 0.35), (1.8, 22, 0.4)],
                          smoke_p=0.22, smoke=(3, 0.15, 1.1), smoke_opacity=0.65))


def draw_fire_fwi20():
    # Moderately vigorous, faster where the wind reached; crowning over one quarter of
    # the unit (back left); spots beyond the downwind guard and one 140 m away.
    return fire_scene('fire_fwi20', 'Example of fire behaviour, FWI 20 (illustration)',
                      'FWI 20, moderately vigorous surface fire', fire_params(
                          heat=0.45, flame_m=0.8, front_X=-7.0, guard=6.0,
                          crown_zone=(-200, 200, 27, 42), flame_depth=7,
                          clear=[(285, 370, 27), (420, 458, 105)],
                          spots=[(13, 9, 0.3), (14, 13, 0.35), (12.5, 18, 0.4),
                                 (15, 25, 0.4), (13, 33, 0.45), (19, 110, 1.4)],
                          smoke_p=0.22, smoke=(3, 0.15, 1.2), smoke_opacity=0.7,
                          note=(-20, -40, 'spot fire 140 m away')))


def draw_fire_fwi24():
    # Very intense surface fire: tall flames at once, torching common, every torch
    # throwing spot fires ahead.
    return fire_scene('fire_fwi24', 'Example of fire behaviour, FWI 24 (illustration)',
                      'FWI 24, very intense surface fire', fire_params(
                          heat=0.6, flame_m=1.6, torch=[16, 21, 27, 34, 44],
                          spots=[(3, 9, 0.35), (5, 12, 0.4), (8, 15, 0.45), (4, 19, 0.5),
                                 (10, 22, 0.5), (6, 27, 0.55), (12, 31, 0.6), (9, 38, 0.6)],
                          smoke_p=0.3, smoke=(4, 0.25, 1.6), drift=1.2, smoke_opacity=0.8))


def draw_fire_fwi34():
    # A developing active crown fire: flames about 30 m, half again the height of the
    # 20 m trees; a heavy column; spotting beyond the front.
    return fire_scene('fire_fwi34', 'Example of fire behaviour, FWI 34 (illustration)',
                      'FWI 34, developing active crown fire', fire_params(
                          horizon=215, cam_h=6.0, focal=300, tree_h=(18, 21),
                          crown_base=(0.4, 0.5), spacing=4.0, z_min_trees=34, z_far=130,
                          front_X=-2.0, front_slope=0.12, heat=1.0, flame_m=3.0,
                          crown_zone=(-400, 400, 0, 400), flame_depth=12, smoke_p=0.1,
                          crown_front=True,
                          smoke=(8, 1, 6), spots=[(10, 48, 1.0), (18, 62, 1.2)], thin=60,
                          column=(250, 170, 190, 70, 300)))



def draw_crown_fire():
    # The running crown fire shown on the FBP calculator and the two projection forms.
    return fire_scene('crown_fire', 'Crown fire (illustration)', '', fire_params(
        horizon=100, cam_h=5.0, focal=105, cut=7, tree_h=(16, 19), crown_base=(0.35, 0.45),
        spacing=5.5, z_min_trees=36, z_far=110, front_X=-3.0, front_slope=0.3, heat=1.0,
        flame_m=3.0, crown_zone=(-400, 400, 0, 400), flame_depth=14, crown_front=True,
        smoke_p=0.0, thin=50, far_h=5, column=(118, 52, 56, 20, 100), caption=7.5))


# --------------------------------------------------------------------------------
# Main menu, calculator and panel pictures
# --------------------------------------------------------------------------------

def danger_sign(x, y, w):
    """A fire danger rating board on two posts: a half dial of five classes, its pointer
    at the fourth; (x, y) is the foot of the left post."""
    out = []
    h = w * 0.62
    post = mix(PAL['bark'], '#ffffff', 0.1)
    for px in (x + w * 0.2, x + w * 0.8):
        out.append(rect(px - w * 0.035, y - h * 1.25, w * 0.07, h * 1.25, post))
    top = y - h * 1.38
    out.append(rect(x, top, w, h * 0.9, '#f6f1e2', rx=w * 0.04))
    cx, cy, r = x + w / 2, top + h * 0.8, w * 0.34
    cols = ['#3f7fb8', '#4f9a4a', '#e7c43a', '#e98a2a', '#c9382a']
    for i, c in enumerate(cols):
        a0, a1 = math.pi * (1 - i / 5), math.pi * (1 - (i + 1) / 5)
        pts_ = [(cx, cy)] + [(cx + math.cos(a0 + (a1 - a0) * k / 6) * r,
                              cy - math.sin(a0 + (a1 - a0) * k / 6) * r) for k in range(7)]
        out.append(poly(pts_, c, INK))
    out.append(ellipse(cx, cy, r * 0.32, r * 0.32 * 0.5, '#f6f1e2', stroke=None))
    a = math.pi * (1 - 3.5 / 5)
    out.append(line(cx, cy, cx + math.cos(a) * r * 0.92, cy - math.sin(a) * r * 0.92, sw=2.2))
    out.append(ellipse(cx, cy, 2.2, 2.2, INK, stroke=None))
    out.append(text(cx, top + h * 0.16 + 1, 'FIRE DANGER', size=max(6.5, w * 0.08),
                    anchor='middle', weight='bold'))
    return out


def draw_menu_top():
    # Forest fire danger rating: a rating board at the edge of a boreal lake, a smoke
    # column rising from the far hills.
    pic = Pic('menu_top', 'Forest fire danger rating (illustration)')
    rng = pic.rng
    W, H = pic.w, pic.h
    sky(pic, 110)
    cloud(pic, 50, 28, 50, rng)
    pic.add(plume(172, 88, 62, 5, 30, 0.7, rng, tone=mix(PAL['smoke'], '#ffffff', 0.2)))
    ridge(pic, 86, 8, PAL['hill_far'], rng, y_bottom=112, spikes=1.2, spike_h=4, waves=2)
    ridge(pic, 98, 6, PAL['hill_near'], rng, y_bottom=112, spikes=2, spike_h=6, waves=3)
    pic.add(rect(0, 104, W, 22, PAL['water'], stroke=None))
    for i in range(10):
        yy = 108 + i * 2
        xx = rng.uniform(0, W - 30)
        pic.add(line(xx, yy, xx + rng.uniform(10, 30), yy, stroke=mix(PAL['water'], '#ffffff', 0.4)))
    pic.add(poly([(-2, 126), (W + 2, 122), (W + 2, H + 2), (-2, H + 2)], PAL['lichen'], INK))
    for k in range(26):
        xx = rng.uniform(0, W)
        pic.add(lichen_clump(xx, rng.uniform(135, 176), rng.uniform(2, 4), rng))
    for xx, hh in ((12, 78), (30, 58), (208, 86), (226, 64), (190, 52)):
        pic.add(conifer(xx, 130 + hh * 0.05, hh, rng, kind='black_spruce', wide=1.1))
    pic.add(danger_sign(70, 168, 100))
    caption(pic, 'Illustration', size=7.5)
    return pic


def draw_menu_bottom():
    # A forest fire at dusk across a lake: a burning ridge, its column, its reflection.
    pic = Pic('menu_bottom', 'Forest fire (illustration)')
    rng = pic.rng
    W, H = pic.w, pic.h
    sky(pic, 70, top='#5f6473', low='#e8a468')
    pic.add(plume(104, 50, 60, 12, 70, 0.55, rng, tone='#8f877f', shade='#5d5650'))
    ridge(pic, 56, 7, '#4d5a55', rng, y_bottom=72, spikes=2, spike_h=5, waves=2)
    fire = Fire(pic, rng)
    pic.add(glow(pic, 100, 62, 50, 14, 0.6))
    pic.add(fire.front([(70 + i * 5.5, 64 - math.sin(i / 3) * 2) for i in range(12)],
                       lambda i: 10 + 8 * math.sin(i * 0.7) ** 2, 7, 0.4))
    pic.add(rect(0, 70, W, 26, '#3f5563', stroke=None))
    for i in range(9):
        yy = 73 + i * 2.4
        pic.add(line(70 + rng.uniform(-6, 6), yy, 130 + rng.uniform(-6, 6), yy,
                     stroke=rng.choice((PAL['flame_orange'], PAL['flame_yellow'], '#c46a3a')),
                     sw=LINE))
    pic.add(poly([(-2, 94), (W + 2, 90), (W + 2, H + 2), (-2, H + 2)], '#3c4a36', INK))
    for xx, hh in ((8, 58), (22, 40), (150, 62), (163, 44)):
        pic.add(conifer(xx, 94, hh, rng, kind='black_spruce', colour='#1f3026'))
    caption(pic, 'Illustration', size=7.5)
    return pic


def draw_fwi_calculator():
    # A fire weather station in a clearing: instrument screen, anemometer mast and
    # rain gauge, read at noon each day.
    pic = Pic('fwi_calculator', 'Fire weather station (illustration)')
    rng = pic.rng
    W, H = pic.w, pic.h
    sky(pic, 84)
    cloud(pic, 120, 22, 40, rng)
    treeline(pic, 84, 26, mix(PAL['white_spruce'], PAL['haze'], 0.35), rng)
    pic.add(poly([(-2, 84), (W + 2, 84), (W + 2, H + 2), (-2, H + 2)], PAL['grass_green'], INK))
    for k in range(30):
        pic.add(tuft(rng.uniform(0, W), rng.uniform(90, 116), rng.uniform(4, 7), rng,
                     col=rng.choice((PAL['herb'], PAL['grass_cured'])), k=4))
    # Anemometer mast with three cups and a vane.
    mx = 140
    pic.add(line(mx, 104, mx, 18, sw=2))
    pic.add(line(mx - 9, 18, mx + 9, 18))
    for dx in (-9, 9):
        pic.add(ellipse(mx + dx, 17, 3, 2.2, '#f4f2ea'))
    pic.add(ellipse(mx, 14, 3, 2.2, '#f4f2ea'))
    pic.add(poly([(mx, 26), (mx + 13, 24), (mx + 15, 29), (mx, 28)], '#f4f2ea'))
    # The louvred instrument screen on its stand.
    sx, sy = 46, 52
    for px in (sx + 4, sx + 30):
        pic.add(line(px, sy + 24, px, 104, sw=1.8))
    pic.add(poly([(sx - 3, sy), (sx + 17, sy - 8), (sx + 37, sy)], '#f4f2ea'))
    pic.add(rect(sx, sy, 34, 24, '#f4f2ea'))
    for k in range(1, 6):
        pic.add(line(sx + 3, sy + k * 4, sx + 31, sy + k * 4, stroke='#b9b4a6', sw=1))
    pic.add(line(sx + 17, sy, sx + 17, sy + 24))
    # Rain gauge.
    pic.add(rect(96, 86, 10, 18, '#dfe5e8'))
    pic.add(ellipse(101, 86, 5, 1.6, '#b7c2c8'))
    caption(pic, 'Illustration', size=7.5)
    return pic


def draw_more_information():
    # The fuels the moisture codes follow: a stand above its forest floor, the floor cut
    # open to show the litter, the duff and the deep organic layer.
    pic = Pic('more_information', 'Forest fuel layers (illustration)')
    rng = pic.rng
    W, H = pic.w, pic.h
    sky(pic, 100)
    treeline(pic, 100, 18, mix(PAL['white_spruce'], PAL['haze'], 0.55), rng)
    g = pic.gradient([(0, mix(PAL['litter'], PAL['haze'], 0.4)), (1, PAL['litter'])])
    pic.add(rect(0, 99, W, 21, g, stroke=None))
    for xx, hh, kind in ((22, 92, 'black_spruce'), (78, 80, 'white_spruce'),
                         (206, 96, 'white_spruce'), (238, 70, 'black_spruce')):
        pic.add(conifer(xx, 116, hh, rng, kind=kind))
    pic.add(pine(140, 114, 104, rng, kind='jack', crown_base=0.55))
    for k in range(12):
        pic.add(slash_branch(rng.uniform(0, W), rng.uniform(108, 119), rng.uniform(5, 9),
                             rng.uniform(-0.4, 0.4), rng))
    layers = [(120, 134, PAL['litter'], 'Litter, fine fuels', 'FFMC'),
              (134, 152, mix(PAL['organic'], PAL['litter'], 0.35), 'Loose duff', 'DMC'),
              (152, 178, PAL['organic_dk'], 'Deep compact organic layer', 'DC')]
    for y0, y1, col, name, code in layers:
        pic.add(rect(-1, y0, W + 2, y1 - y0, col, stroke=None))
    pic.add(rect(-1, 178, W + 2, H - 178, PAL['mineral'], stroke=None))
    st = Strokes()
    for _ in range(60):
        xx, yy = rng.uniform(0, W), rng.uniform(122, 176)
        st.add([(xx, yy), (xx + rng.uniform(3, 6), yy + rng.uniform(-0.5, 0.5))],
               mix(PAL['organic_dk'], '#000000', 0.2) if yy < 150 else '#6b5238', 0.8)
    pic.add(st.out())
    pic.add(line(-1, 120, W + 1, 120))
    for y0, y1, col, name, code in layers:
        pic.add(line(-1, y1, W + 1, y1, stroke=mix(col, INK, 0.5), sw=0.8))
        tx = 8
        label = '%s  \u2192  %s' % (name, code)
        w = text_width(label, 8.5) + 8
        pic.add(rect(tx - 3, (y0 + y1) / 2 - 6.5, w, 12, '#fbf8f0', stroke=None, rx=3,
                     fill_opacity='0.85'))
        pic.add(text(tx + 1, (y0 + y1) / 2 + 3, label, size=8.5))
    caption(pic, 'Illustration', size=7.5)
    return pic


def draw_references():
    # A reading table: a stack of reports, an open field guide, a cone and a sprig.
    pic = Pic('references', 'Reference material (illustration)')
    rng = pic.rng
    W, H = pic.w, pic.h
    pic.add(rect(0, 0, W, H, mix(PAL['sky_low'], '#ffffff', 0.3), stroke=None))
    pic.add(poly([(-2, 84), (W + 2, 84), (W + 2, H + 2), (-2, H + 2)], '#c79a63', INK))
    for k in range(5):
        pic.add(line(0, 92 + k * 9, W, 92 + k * 9, stroke='#b7895a', sw=0.8))
    covers = ['#2f5d7c', '#8c3b2e', '#4f6b3a', '#c9a24a']
    y = 100
    for i, c in enumerate(covers):
        w, h = 74 - i * 4, 11
        x = 14 + rng.uniform(-3, 3)
        pic.add(rect(x, y - h, w, h, c, rx=1.5))
        pic.add(rect(x + w - 6, y - h + 2, 4, h - 4, '#f4efe2', stroke=None))
        pic.add(line(x + 6, y - h / 2, x + w - 14, y - h / 2, stroke=mix(c, '#ffffff', 0.45),
                     sw=1))
        y -= h
    # The open field guide, a small tree drawn on its left page.
    bx, by = 100, 104
    pic.add(poly([(bx, by), (bx + 44, by - 6), (bx + 46, by - 46), (bx + 2, by - 40)], '#fbf8f0'))
    pic.add(poly([(bx + 44, by - 6), (bx + 90, by), (bx + 88, by - 40), (bx + 46, by - 46)],
                 '#fbf8f0'))
    pic.add(conifer(bx + 22, by - 12, 24, rng, kind='white_spruce'))
    for k in range(6):
        yy = by - 38 + k * 5.5
        pic.add(line(bx + 52, yy - 1 + k * 0.2, bx + 84, yy + k * 0.35, stroke='#9b968a', sw=1))
    # A spruce cone lying on the table: overlapping scales in rows.
    cx, cy = 62, 119
    pic.add(path('M%s %s C%s %s %s %s %s %s C%s %s %s %s %s %s Z' % (
        n(cx - 16), n(cy), n(cx - 12), n(cy - 7), n(cx + 8), n(cy - 8), n(cx + 14), n(cy),
        n(cx + 8), n(cy + 8), n(cx - 12), n(cy + 7), n(cx - 16), n(cy)), fill='#8a5a35'))
    st = Strokes()
    for k in range(5):
        xx = cx - 11 + k * 5
        st.curve(xx, cy - 5, xx + 3, cy, xx, cy + 5, '#5b3a22', 1.0)
    st.add([(cx + 14, cy), (cx + 19, cy - 1)], '#5b3a22', 1.4)
    # A spruce sprig: a twig with short needles all along it.
    x0, y0, x1, y1 = 100, 130, 146, 120
    st.add([(x0, y0), (x1, y1)], PAL['twig'], 1.4)
    for k in range(16):
        t = k / 15
        px, py = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
        for sd in (-1, 1):
            st.add([(px, py), (px + 3.2, py + sd * 3.6 - 1.2)], PAL['white_spruce'], 1.2)
    pic.add(st.out())
    caption(pic, 'Illustration', size=7.5)
    return pic


# --------------------------------------------------------------------------------
# The application icon
# --------------------------------------------------------------------------------

def draw_app_icon():
    """A spruce standing dark against a flame, on a deep green tile.  Drawn on a
    48-unit grid so that it still reads at 32 and 16 pixels."""
    pic = Pic('app_icon', 'EMBERLIN')
    tile = pic.gradient([(0, '#35573f'), (1, '#1d3024')])
    pic.add(rect(1, 1, 46, 46, tile, stroke='#14211a', sw=1.5, rx=9))
    glow = pic.gradient([(0, '#f7a64a', 0.55), (1, '#f7a64a', 0)], kind='radial',
                        cx=0.5, cy=0.62, r=0.5)
    pic.add(ellipse(24, 29, 21, 18, glow, stroke=None))
    pic.add(path('M24 3 C30 11 38.5 17 37.5 29 C36.8 38 31 44 24 44 C17 44 10.5 38.5 10.5 30 '
                 'C10.5 23 14 19 16.5 13.5 C18.5 17.5 20 19.5 21 21.5 C22 15 23 9.5 24 3 Z',
                 fill=PAL['flame_red'], stroke='#8e2a14', sw=1))
    pic.add(path('M24 13 C28.5 19.5 32.5 24 32 31 C31.5 37.5 28 41.5 24 41.5 '
                 'C20 41.5 16 38 16 32 C16 28 18.5 25.5 19.5 22.5 C20.8 25.5 21.8 27 22.4 28 '
                 'C23 23 23.4 18.5 24 13 Z', fill=PAL['flame_orange'], stroke=None))
    pic.add(path('M24 23 C27.2 27.5 29 31 28.4 35 C27.9 38.6 26.2 40.5 24 40.5 '
                 'C21.8 40.5 19.6 38.6 19.6 35.5 C19.6 32 22.4 28.6 24 23 Z',
                 fill=PAL['flame_yellow'], stroke=None))
    # The spruce: three tiers and a trunk, its foot on the bottom edge of the flame.
    pic.add(poly([(24, 17), (28, 24.5), (26.2, 24.5), (30.5, 31), (28.2, 31), (33.5, 38.5),
                  (25.6, 38.5), (25.6, 44), (22.4, 44), (22.4, 38.5), (14.5, 38.5),
                  (19.8, 31), (17.5, 31), (21.8, 24.5), (20, 24.5)],
                 '#16251b', stroke='#16251b', sw=0.6))
    pic.add(rect(9, 43.2, 30, 1.6, '#16251b', stroke=None, rx=0.8))
    return pic


# --------------------------------------------------------------------------------
# Structure diagrams
# --------------------------------------------------------------------------------

def arrow_head(x, y, direction, colour, size=6.0):
    """A filled arrowhead with its tip at (x, y), pointing 'down', 'up', 'left' or 'right'."""
    s, h = size, size * 0.55
    shape = {
        'down': [(x, y), (x - h, y - s), (x + h, y - s)],
        'up': [(x, y), (x - h, y + s), (x + h, y + s)],
        'right': [(x, y), (x - s, y - h), (x - s, y + h)],
        'left': [(x, y), (x + s, y - h), (x + s, y + h)],
    }[direction]
    return poly(shape, colour, stroke=colour, sw=0.6)


def routed(points, colour, sw=1.4, head=True):
    """An orthogonal connector through the points, with an arrowhead at the last one."""
    out = []
    x0, y0 = points[-2]
    x1, y1 = points[-1]
    if x1 == x0:
        direction = 'down' if y1 > y0 else 'up'
    else:
        direction = 'right' if x1 > x0 else 'left'
    trimmed = list(points)
    if head:
        back = 5.0
        dx = {'down': 0, 'up': 0, 'right': -back, 'left': back}[direction]
        dy = {'down': -back, 'up': back, 'right': 0, 'left': 0}[direction]
        trimmed[-1] = (x1 + dx, y1 + dy)
    out.append(el('polyline', points=pts(trimmed), fill='none', stroke=colour,
                  stroke_width=sw, stroke_linejoin='miter'))
    if head:
        out.append(arrow_head(x1, y1, direction, colour))
    return out


def dot(x, y, colour, r=2.4):
    return ellipse(x, y, r, r, colour, stroke=None)


def diagram_box(x, y, w, h, lines, fill, edge, title_size=12.5, sub_size=9.5):
    """A rounded box with a bold first line and smaller lines under it, centred."""
    out = [rect(x, y, w, h, fill, stroke=edge, sw=LINE, rx=5)]
    total = title_size + (len(lines) - 1) * (sub_size + 2.5)
    ty = y + (h - total) / 2 + title_size * 0.82
    out.append(text(x + w / 2, ty, lines[0], size=title_size, anchor='middle', weight='bold'))
    for i, s in enumerate(lines[1:]):
        out.append(text(x + w / 2, ty + title_size * 0.3 + (i + 1) * (sub_size + 2.5), s,
                        size=sub_size, anchor='middle', fill='#3b372f'))
    return out


def draw_fwi_structure():
    """Weather observations feed the three fuel moisture codes, those feed ISI and BUI,
    those the FWI, and the FWI the DSR; one colour per weather element."""
    pic = Pic('fwi_structure', 'Structure of the Fire Weather Index System')
    W, H = pic.w, pic.h
    pic.add(rect(0, 0, W, H, '#ffffff', stroke=None))
    bands = [(0, 88, 'Fire weather', 'observations', PAL['band_a']),
             (88, 170, 'Fuel moisture', 'codes', PAL['band_b']),
             (170, 312, 'Fire behaviour', 'indices', PAL['band_a']),
             (312, H, 'Fire severity', 'rating', PAL['band_b'])]
    for y0, y1, a, b, fill in bands:
        pic.add(rect(0, y0, W, y1 - y0, fill, stroke=None))
        mid = (y0 + y1) / 2
        pic.add(text(8, mid - 2, a, size=10, weight='bold', fill='#4a4439'))
        pic.add(text(8, mid + 10, b, size=10, weight='bold', fill='#4a4439'))
    for y in (88, 170, 312):
        pic.add(line(4, y, W - 4, y, stroke='#cfc8b8', sw=0.8))

    # Weather boxes: wind first, so its second path (to ISI) runs down the left lane.
    wx = [(96, 72, 'Wind', [], 'wind'), (176, 92, 'Temperature', [], 'temp'),
          (276, 82, 'Relative', ['humidity'], 'rh'), (366, 80, 'Rain', [], 'rain')]
    wy0, wy1 = 12, 46
    centre = {}
    for x, bw, t, more, key in wx:
        col = PAL[key]
        lines = [t] + more
        pic.add(rect(x, wy0, bw, wy1 - wy0, mix(col, '#ffffff', 0.86), stroke=col, sw=LINE,
                     rx=5))
        if more:
            pic.add(text(x + bw / 2, wy0 + 15, lines[0], size=10.5, anchor='middle',
                         weight='bold'))
            pic.add(text(x + bw / 2, wy0 + 28, lines[1], size=10.5, anchor='middle',
                         weight='bold'))
        else:
            pic.add(text(x + bw / 2, wy0 + 21.5, t, size=10.5, anchor='middle',
                         weight='bold'))
        centre[key] = x + bw / 2

    # Code boxes.
    cy0, cy1 = 104, 152
    codes = {'FFMC': (112, ['FFMC', 'Fine Fuel', 'Moisture Code']),
             'DMC': (229, ['DMC', 'Duff', 'Moisture Code']),
             'DC': (346, ['DC', 'Drought Code'])}
    cw = 100
    # Buses: each weather element drops to its own level, then into each code it feeds.
    feeds = {'temp': ([150, 254, 376], 60), 'rh': ([174, 279], 68), 'rain': ([197, 304, 416], 76)}
    for key, (ports, level) in feeds.items():
        col = PAL[key]
        cx = centre[key]
        left, right = min(ports + [cx]), max(ports + [cx])
        pic.add(el('polyline', points=pts([(cx, wy1), (cx, level)]), fill='none', stroke=col,
                   stroke_width=1.4))
        pic.add(el('polyline', points=pts([(left, level), (right, level)]), fill='none',
                   stroke=col, stroke_width=1.4))
        for px in ports:
            pic.add(routed([(px, level), (px, cy0)], col))
            if left < px < right:
                pic.add(dot(px, level, col))
        if left < cx < right:
            pic.add(dot(cx, level, col))
    # Wind: straight down into FFMC, and down the left lane into ISI.
    wcol = PAL['wind']
    pic.add(routed([(127, wy1), (127, cy0)], wcol))
    iy0, iy1 = 192, 236
    pic.add(routed([(104, wy1), (104, (iy0 + iy1) / 2), (112, (iy0 + iy1) / 2)], wcol))

    for key, (x, lines) in codes.items():
        pic.add(diagram_box(x, cy0, cw, cy1 - cy0, lines, '#fffdf7', INK, sub_size=9.5))

    # Indices.
    isi = (112, iy0, 100, iy1 - iy0)
    bui = (287, iy0, 100, iy1 - iy0)
    pic.add(routed([(170, cy1), (170, iy0)], INK))                     # FFMC -> ISI
    pic.add(routed([(300, cy1), (300, iy0)], INK))                     # DMC -> BUI
    pic.add(routed([(372, cy1), (372, iy0)], INK))                     # DC -> BUI
    fy0, fy1 = 256, 296
    fwi = (200, fy0, 100, fy1 - fy0)
    pic.add(routed([(162, iy1), (162, (fy0 + fy1) / 2), (200, (fy0 + fy1) / 2)], INK))
    pic.add(routed([(337, iy1), (337, (fy0 + fy1) / 2), (300, (fy0 + fy1) / 2)], INK))
    dy0, dy1 = 324, 360
    pic.add(routed([(250, fy1), (250, dy0)], INK))                     # FWI -> DSR
    warm = '#fff4e4'
    pic.add(diagram_box(*isi, ['ISI', 'Initial Spread Index'], warm, INK, sub_size=9))
    pic.add(diagram_box(*bui, ['BUI', 'Buildup Index'], warm, INK, sub_size=9))
    pic.add(diagram_box(*fwi, ['FWI', 'Fire Weather Index'], '#ffe9cf', INK, sub_size=9))
    pic.add(diagram_box(180, dy0, 140, dy1 - dy0, ['DSR', 'Daily Severity Rating'], '#ffe9cf',
                        INK, sub_size=9))
    return pic


def draw_fbp_structure():
    """The five input categories feed the primary outputs; the primary outputs, with the
    type and duration of the prediction, give the secondary outputs."""
    pic = Pic('fbp_structure', 'Structure of the Fire Behaviour Prediction System')
    W, H = pic.w, pic.h
    pic.add(rect(0, 0, W, H, '#ffffff', stroke=None))
    lx, lw = 8, 176
    rx_, rw = 232, 210
    pic.add(rect(0, 0, 200, H, PAL['band_a'], stroke=None))
    pic.add(text(lx + lw / 2, 17, 'INPUTS', size=11, anchor='middle', weight='bold',
                 fill='#4a4439'))
    pic.add(text(rx_ + rw / 2, 17, 'OUTPUTS', size=11, anchor='middle', weight='bold',
                 fill='#4a4439'))
    inputs = [
        ('FUELS', ['FBP fuel type (C1 ... O1b)', 'PC, DF (mixedwoods)', 'GC, GFL (grass)']),
        ('WEATHER', ['FFMC, BUI (FWI System)', 'Wind speed', 'Wind direction']),
        ('TOPOGRAPHY', ['Slope', 'Aspect']),
        ('FOLIAR MOISTURE CONTENT', ['Latitude, longitude', 'Elevation', 'Date (month, day)']),
        ('TYPE AND DURATION', ['OF PREDICTION', 'Point or line ignition', 'Elapsed time']),
    ]
    y, bh, gap = 28, 72, 13
    exits = []
    for title, items in inputs:
        pic.add(rect(lx, y, lw, bh, '#fffdf7', stroke=INK, rx=5))
        pic.add(text(lx + lw / 2, y + 15, title, size=9.5, anchor='middle', weight='bold'))
        for i, s in enumerate(items):
            bold = s.isupper()
            pic.add(text(lx + lw / 2, y + 15 + (i + 1) * 13.5, s, size=9.5 if bold else 9,
                         anchor='middle', weight='bold' if bold else None,
                         fill=INK if bold else '#3b372f'))
        exits.append(y + bh / 2)
        y += bh + gap
    # Primary and secondary outputs.
    primary = [('ROS', 'Rate of Spread'), ('HFI', 'Head Fire Intensity'),
               ('SFC', 'Surface Fuel Consumption'), ('TFC', 'Total Fuel Consumption'),
               ('CFB', 'Crown Fraction Burned'), ('FD', 'Fire Description')]
    secondary = [('FROS', 'Flank Rate of Spread'), ('BROS', 'Back Rate of Spread'),
                 ('FFI', 'Flank Fire Intensity'), ('BFI', 'Back Fire Intensity'),
                 ('A', 'Area'), ('P', 'Perimeter'), ('PGR', 'Perimeter Growth Rate'),
                 ('LB', 'Length-to-Breadth Ratio'), ('HSD', 'Head Spread Distance'),
                 ('FSD', 'Flank Spread Distance'), ('BSD', 'Back Spread Distance')]
    def out_box(y0, heading, rows, fill, row, hgt):
        pic.add(rect(rx_, y0, rw, hgt, fill, stroke=INK, rx=5))
        pic.add(text(rx_ + rw / 2, y0 + 15, heading, size=10, anchor='middle', weight='bold'))
        pic.add(line(rx_ + 8, y0 + 21, rx_ + rw - 8, y0 + 21, stroke='#cdbfa6', sw=0.8))
        for i, (a, b) in enumerate(rows):
            yy = y0 + 26 + row * (i + 0.5) + 3.5
            pic.add(text(rx_ + 10, yy, a, size=9, weight='bold'))
            pic.add(text(rx_ + 50, yy, b, size=9, fill='#3b372f'))
        return hgt

    # The two output boxes fill the height of the input column.
    p0, ph = 28, 130
    s0 = p0 + ph + 38
    sh = exits[-1] + 36 - s0
    out_box(p0, 'PRIMARY OUTPUTS', primary, '#fff4e4', (ph - 30) / len(primary), ph)
    out_box(s0, 'SECONDARY OUTPUTS', secondary, '#ffe9cf', (sh - 30) / len(secondary), sh)
    # Every input category joins one trunk into the primary outputs.
    trunk_x = 208
    port = p0 + ph / 2
    top = min(exits[0], port)
    pic.add(el('polyline', points=pts([(trunk_x, exits[-1] - 8), (trunk_x, top)]),
               fill='none', stroke=INK, stroke_width=1.4))
    for i, ey in enumerate(exits):
        yy = ey - 8 if i == len(exits) - 1 else ey
        pic.add(el('polyline', points=pts([(lx + lw, yy), (trunk_x, yy)]), fill='none',
                   stroke=INK, stroke_width=1.4))
        if 0 < i < len(exits) - 1:
            pic.add(dot(trunk_x, yy, INK))
    pic.add(routed([(trunk_x, port), (rx_, port)], INK))
    if top < port:
        pic.add(dot(trunk_x, port, INK))
    # Primary -> secondary.
    pic.add(routed([(rx_ + rw / 2, p0 + ph), (rx_ + rw / 2, s0)], INK))
    # Type and duration of the prediction also sets the spread distances and area.
    last = exits[-1] + 12
    pic.add(routed([(lx + lw, last), (rx_, last)], INK))
    return pic


# --------------------------------------------------------------------------------
# Main
# --------------------------------------------------------------------------------

DRAWINGS = {}


def register():
    g = globals()
    for name in SIZES:
        fn = g.get('draw_' + name)
        if fn:
            DRAWINGS[name] = fn


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out = os.path.join(here, '..', 'resources', 'images')
    names = []
    i = 0
    while i < len(argv):
        if argv[i] == '--out':
            out = argv[i + 1]
            i += 2
        else:
            names.append(argv[i])
            i += 1
    register()
    os.makedirs(out, exist_ok=True)
    for name in names or list(DRAWINGS):
        # The big scenes are written in whole pixels (a tenth of a pixel shows nothing
        # there); the icon, the diagrams and the small pictures keep one decimal.
        with coarse(name.startswith(('fuel_', 'fire_', 'crown_'))):
            pic = DRAWINGS[name]()
            data = pic.svg()
        with open(os.path.join(out, name + '.svg'), 'w', encoding='utf-8') as f:
            f.write(data)
        print('%-18s %4d x %-4d %6d bytes' % (name, pic.w, pic.h, len(data)))


if __name__ == '__main__':
    main(sys.argv[1:])
