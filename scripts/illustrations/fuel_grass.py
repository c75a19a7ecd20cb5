"""The grass fuel type pictures: O1a (matted) and O1b (standing)."""

from .palette import INK, LINE, PAL
from .svg import coarse, mix, poly
from .picture import Pic, caption
from .scenery import View, bits, cloud, ground, ridge, sky, treeline
from .understory import tuft


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
