"""The slash fuel type pictures: S1 to S3."""

import math
import random

from .palette import PAL
from .svg import coarse, mix, poly, polyline
from .picture import Pic, caption
from .scenery import View, bits, ground, place, ridge, scatter, sky
from .conifers import conifer
from .pines import pine
from .understory import log, slash_branch, stump


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
