"""The main menu, FWI calculator, more-information and references pictures."""

import math

from .palette import INK, LINE, PAL
from .svg import Strokes, ellipse, line, mix, n, path, poly, rect, text, text_width
from .picture import Pic, caption
from .scenery import cloud, ridge, sky, treeline
from .conifers import conifer
from .pines import pine
from .understory import lichen_clump, slash_branch, tuft
from .fire import Fire, glow, plume


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
