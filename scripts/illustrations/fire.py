"""Fire and smoke: flame tongues in three nested colours, glow, smoke plumes, embers."""

from .palette import PAL
from .svg import blob_points, ellipse, fade, g, path, smooth


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
