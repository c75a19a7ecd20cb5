"""The conifer fuel type pictures: C1 to C7."""

import math

from .palette import PAL
from .svg import blob_points, ellipse, fade, line, mix, rect, smooth, union
from .picture import Pic, caption
from .scenery import View, bits, cloud, ground, place, ridge, scatter, sky, treeline
from .conifers import conifer
from .pines import pine
from .understory import lichen_clump, log, shrub, slash_branch, tuft


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
