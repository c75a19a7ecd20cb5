"""The camera over flat ground (`View`), sky, clouds, hills, far tree lines, the
ground plane with its cut face, and placing things on the ground.
"""

import math
import random

from .palette import INK, PAL
from .svg import blob_points, clamp, coarse, ellipse, line, mix, poly, rect, smooth, union


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
