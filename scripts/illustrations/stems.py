"""Trunks shared by every tree: the stem outline and the char band of a burned stem."""

import math

from .palette import PAL
from .svg import poly


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
