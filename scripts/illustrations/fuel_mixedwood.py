"""The deciduous and mixedwood fuel type pictures: D1 and M1 to M4."""

from .palette import PAL
from .svg import ellipse, fade, mix
from .picture import Pic, caption
from .scenery import View, bits, ground, place, scatter, sky, treeline
from .conifers import conifer
from .broadleaves import broadleaf
from .understory import log, shrub, tuft


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
