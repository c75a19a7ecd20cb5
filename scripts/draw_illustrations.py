#!/usr/bin/env python3
"""Draws every EMBERLIN picture as SVG from one set of shared parts.

The build bundles the SVGs committed in resources/images; this script is how they
were made.  Run it again after changing a drawing:

    python3 scripts/draw_illustrations.py             # rewrites resources/images/*.svg
    python3 scripts/draw_illustrations.py --out DIR   # writes them elsewhere for a look
    python3 scripts/draw_illustrations.py fuel_c1 ... # only the named pictures

One palette (PAL), one line weight (LINE) and one routine per kind of thing (a tree
of each species, the ground with its cut face, a flame front, a smoke plume, a log)
keep the set in one hand.  Only what Qt Svg renders is used: paths and basic shapes
with plain presentation attributes, linear and radial gradients, and text lines
placed one <text> element per line.  Python 3 standard library only; the drawings
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
    'needle_shade': '#22372a', 'dead_fir': '#8f877b', 'tree_lichen': '#c3c7a6',
    # broadleaves
    'aspen_bark': '#dcdcc6', 'birch_bark': '#f1efe6', 'aspen_leaf': '#8cae4b',
    'aspen_leaf_lt': '#b0c968', 'twig': '#6b5f55',
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

def n(v):
    """A coordinate as compact text (one decimal)."""
    s = '%.1f' % v
    if s.endswith('.0'):
        s = s[:-2]
    return '0' if s == '-0' else s


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
        if isinstance(v, float):
            v = n(v)
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
        n(x), n(y), FONT, n(size),
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
    d = ['M%s %s' % (n(p[0][0]), n(p[0][1]))]
    last = m if closed else m - 1
    for i in range(last):
        p0 = p[(i - 1) % m] if closed or i > 0 else p[0]
        p1 = p[i % m]
        p2 = p[(i + 1) % m]
        p3 = p[(i + 2) % m] if closed or i + 2 < m else p2
        c1 = (p1[0] + (p2[0] - p0[0]) * k / 6, p1[1] + (p2[1] - p0[1]) * k / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) * k / 6, p2[1] - (p3[1] - p1[1]) * k / 6)
        d.append('C%s %s %s %s %s %s' % (n(c1[0]), n(c1[1]), n(c2[0]), n(c2[1]),
                                           n(p2[0]), n(p2[1])))
    if closed:
        d.append('Z')
    return ' '.join(d)


def blob_points(cx, cy, rx, ry, rng, k=9, jag=0.18):
    """Points round an irregular ellipse (a crown clump, a smoke puff, a shrub)."""
    a0 = rng.uniform(0, math.tau)
    out = []
    for i in range(k):
        a = a0 + math.tau * i / k
        r = 1 + rng.uniform(-jag, jag)
        out.append((cx + math.cos(a) * rx * r, cy + math.sin(a) * ry * r))
    return out


def union(shapes, fill, stroke=INK, sw=LINE):
    """Shapes (path data) filled as one mass with one outline of weight sw round it:
    first every shape with a double-width stroke, then every fill on top."""
    if stroke is None:
        return [path(d, fill=fill, stroke=None) for d in shapes]
    return ([path(d, fill=stroke, stroke=stroke, sw=2 * sw) for d in shapes] +
            [path(d, fill=fill, stroke=None) for d in shapes])


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
            n(o), c, ' stop-opacity="%s"' % n(a) if a is not None else '')
            for o, c, a in ((s + (None,))[:3] for s in stops))
        if kind == 'linear':
            self.defs.append('<linearGradient id="%s" x1="%s" y1="%s" x2="%s" y2="%s">%s'
                             '</linearGradient>' % (gid, n(x1), n(y1), n(x2), n(y2), st))
        else:
            self.defs.append('<radialGradient id="%s" cx="%s" cy="%s" r="%s">%s'
                             '</radialGradient>' % (gid, n(kw.get('cx', 0.5)),
                                                   n(kw.get('cy', 0.5)),
                                                   n(kw.get('r', 0.5)), st))
        return 'url(#%s)' % gid

    def svg(self):
        self.flush()
        head = ('<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
                'width="%d" height="%d" viewBox="0 0 %d %d">' % (self.w, self.h, self.w, self.h))
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
    x = pic.w - w - 4
    y = pic.h - size - 9
    pic.add(rect(x, y, w, size + 5, '#fbf8f0', stroke=mix(INK, '#fbf8f0', 0.55), sw=0.8,
                 rx=3, fill_opacity='0.88'))
    pic.add(text(x + w / 2, y + size + 1, label, size=size, anchor='middle', italic=True,
                 fill='#4a453e'))


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
        pic = DRAWINGS[name]()
        data = pic.svg()
        with open(os.path.join(out, name + '.svg'), 'w', encoding='utf-8') as f:
            f.write(data)
        print('%-18s %4d x %-4d %6d bytes' % (name, pic.w, pic.h, len(data)))


if __name__ == '__main__':
    main(sys.argv[1:])
