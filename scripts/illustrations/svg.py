"""SVG text: compact numbers, colours and haze, the basic elements, smooth curves,
merged outlines (`union`) and gathered open lines (`Strokes`).
"""

import math

from .palette import FONT, INK, LINE, PAL


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


def fade(c, hz):
    """A colour seen through hz of haze (0 near, towards 1 far)."""
    return mix(c, PAL['haze'], hz) if hz > 0 else c
