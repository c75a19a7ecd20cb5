"""The fire behaviour examples (one scene per FWI example) and the crown fire
picture.
"""

import math

from .palette import INK, LINE, PAL
from .svg import (blob_points, clamp, coarse, ellipse, fade, mix, poly, polyline, rect, smooth,
                  text, text_width, union)
from .picture import Pic, caption
from .scenery import View, bits, ground, place, scatter, sky, treeline
from .pines import PINE, pine
from .understory import lichen_clump
from .fire import Fire, embers, glow, plume


def fire_scene(name, title, label, P):
    """One experimental fire in a jack pine stand on a lichen and litter floor, seen from
    the edge of the unit, the wind from the left: burned ground behind the front, green
    stand ahead.  P gives the camera, the stand and what the fire does (see the seven
    drawings below).  Sizes in P are metres."""
    pic = Pic(name, title)
    rng = pic.rng
    v = View(pic, horizon=P['horizon'], cam_h=P['cam_h'], focal=P['focal'], cut=P.get('cut', 16),
             fog=P.get('fog', 80))
    heat = P['heat']                      # 0 (creeping) .. 1 (crown fire)
    sky(pic, v.H + 2, top=mix(PAL['sky_top'], PAL['smoke_sky_top'], 0.25 + 0.7 * heat),
        low=mix(PAL['sky_low'], PAL['smoke_sky_low'], 0.3 + 0.6 * heat))
    if P.get('column'):
        # The convection column stands behind the stand.
        cx, cy, hh, w0, w1 = P['column']
        pic.add(plume(cx, cy, hh, w0, w1, 0.55, rng, tone=mix(PAL['smoke_dk'], PAL['smoke'], 0.5),
                      shade=PAL['smoke_dark']))
    treeline(pic, v.H, P.get('far_h', 14), mix(PAL['jack_pine'], PAL['haze'], 0.6 + 0.1 * heat),
             rng)
    floor = P.get('floor', PAL['lichen'])
    ground(pic, v, mix(floor, PAL['haze'], 0.4), floor,
           [(4, floor, 'tufts'), (6, PAL['organic'], 'fibre'), (0, PAL['mineral'], 'stones')])
    z_far = P.get('z_far', 90)
    wig = [rng.uniform(0, math.tau) for _ in range(2)]

    def front_X(z):
        return (P['front_X'] + P['front_slope'] * (z - v.z_near) +
                P.get('wiggle', 1.2) * (math.sin(z * 0.18 + wig[0]) + 0.4 * math.sin(z * 0.7 + wig[1])))

    # Burned ground behind (left of) the front, with ash and glowing spots near it.
    zs = [v.z_near * (z_far / v.z_near) ** (i / 40) for i in range(41)]
    edge = [(v.x(front_X(z), z), v.y(z)) for z in zs]
    pic.add(poly([(-2, v.base)] + edge + [(-2, v.y(z_far))], PAL['char'], stroke=None))
    with coarse(True):
        for _ in range(int(50 + 60 * heat)):
            z = v.z_near * (z_far / v.z_near) ** rng.random()
            Xf = front_X(z)
            X = Xf - rng.uniform(0.3, 25)
            x, y = v.x(X, z), v.y(z)
            if x < -5:
                continue
            near = Xf - X < 3
            pic.add(ellipse(x, y, min(7, 0.25 * v.s(z)), min(1.8, 0.06 * v.s(z)),
                            PAL['flame_orange'] if near and rng.random() < 0.5 else PAL['ash'],
                            stroke=None))
    if P.get('guard') is not None:
        # The fireguard on the downwind side of the unit: bare mineral soil.
        gX = P['guard']
        left = [(v.x(gX + P['front_slope'] * (z - v.z_near), z), v.y(z)) for z in zs]
        right = [(v.x(gX + 4 + P['front_slope'] * (z - v.z_near), z), v.y(z)) for z in zs]
        pic.add(poly(left + right[::-1], mix(PAL['soil_bare'], PAL['lichen'], 0.3), stroke=None))
    # The burning edge itself: a continuous band of flame along the front, under the tongues.
    band = [(v.x(front_X(z), z), v.y(z) - max(1.2, 0.25 * P['flame_m'] * v.s(z))) for z in zs]
    pic.add(poly(edge + band[::-1], PAL['flame_red'], stroke=None))
    band2 = [(x_, y_ + 0.45 * (y0_ - y_)) for (x_, y_), (_, y0_) in zip(band, edge)]
    pic.add(poly(edge + band2[::-1], PAL['flame_orange'], stroke=None))
    # Ground glow along the front.
    for z in (v.z_near * 1.5, v.z_near * 3, v.z_near * 6):
        pic.add(glow(pic, v.x(front_X(z), z), v.y(z), (1.5 + 3 * heat) * v.s(z) + 10,
                     (0.4 + 0.8 * heat) * v.s(z) + 4, 0.3 + 0.3 * heat))

    def floor_bit(x, y, s, hz):
        X, z = v.X_at(x, v.z_at(y)), v.z_at(y)
        if X < front_X(z) + 0.2:
            return []
        return lichen_clump(x, y, 0.14 * s, rng, hz)
    bits(pic, v, 120, 30, floor_bit, rng)

    fire = Fire(pic, rng)
    lean = P.get('lean', 0.35)
    trees = scatter(v, P['spacing'], P.get('z_min_trees', 12), z_far, rng, jitter=0.45,
                    thin=P.get('thin', 30))
    crown_zone = P.get('crown_zone')      # (X0, X1, z0, z1): a patch where the crowns burn
    # The trees that torch and those with fire run up their stems stand on the front at
    # the distances P['torch'] and P['climb'] list; stems that would hide them are
    # thinned out of the stand.
    for x0, x1, zmax in P.get('clear', []):
        # Keep a line of sight open to something further back.
        trees = [(X, z) for X, z in trees if not (z < zmax and x0 < v.x(X, z) < x1)]
    torch_set, climb_set = set(), set()
    for zs_list, dest in ((P.get('torch', []), torch_set), (P.get('climb', []), climb_set)):
        for fz in zs_list:
            fX = front_X(fz) - 0.4
            fx, fw = v.x(fX, fz), 0.45 * P['tree_h'][1] * v.s(fz)
            trees = [(X, z) for X, z in trees
                     if (X, z) in torch_set or (X, z) in climb_set or
                     not (z < fz + 3 and abs(v.x(X, z) - fx) < fw)]
            trees.append((fX, fz))
            dest.add((fX, fz))
    smoke_sources = []                     # (x, y, height, w0, w1, dark)
    sm_h, sm_w0, sm_w1 = P.get('smoke', (3, 0.3, 1.5))

    def burning_crown(x, y, h, rng, hz, cb, lean):
        """A pine torching: its scorched crown on its stem, the flames rising out of the
        crown (their feet inside it, hidden behind its lower clumps) and standing well
        above the top."""
        out = pine(x, y, h, rng, hz, P['kind'], cb, scorch=0.9, char=0.5)
        cw = P['crown_w'] * h                  # half the crown's width
        length = (1 - cb) * h
        foot = y - (cb + 0.22 * (1 - cb)) * h  # the flames' feet, low in the crown
        tall = length * 1.5 + 0.1 * h
        out += fire.tongue(x - 0.5 * cw, foot + 0.04 * h, tall * 0.6, cw * 1.1, lean * 0.7)
        out += fire.tongue(x + 0.5 * cw, foot + 0.02 * h, tall * 0.72, cw * 1.1, lean * 0.9)
        out += fire.tongue(x + 0.1 * cw, foot, tall, cw * 1.8, lean * 0.8)
        # The lower crown in front of the flames' feet: scorched clumps in two staggered
        # tiers, the upper tier narrower, as the crown tapers.
        burnt = fade(mix(mix(PAL[PINE[P['kind']]['col']], '#8c5a30', 0.9), PAL['char'], 0.15), hz)
        clumps = []
        for t, offs, r in ((0.06, (-0.6, 0.0, 0.6), 0.55), (0.2, (-0.35, 0.35), 0.42)):
            for off in offs:
                cx = x + (off + rng.uniform(-0.1, 0.1)) * cw
                cy = y - (cb * h + t * length) + rng.uniform(-0.03, 0.03) * length
                rx = cw * r * rng.uniform(0.85, 1.1)
                clumps.append(smooth(blob_points(cx, cy, rx, rx * 0.72, rng, 8, 0.18)))
        out += union(clumps, burnt, fade(INK, hz) if hz < 0.5 else None)
        # Flame breaking out between the lower clumps too: the whole crown is alight.
        low = y - cb * h - 0.1 * length
        for off in (-0.3, 0.3):
            out += fire.tongue(x + off * cw, low, 0.4 * length, 0.55 * cw, lean)
        return out

    def tree(x, y, s, hz, X, z):
        h = rng.uniform(*P['tree_h']) * s
        cb = rng.uniform(*P['crown_base'])
        d = X - front_X(z)
        out = []
        in_zone = bool(crown_zone) and crown_zone[0] < X < crown_zone[1] and \
            crown_zone[2] < z < crown_zone[3] and d < 1.0
        lich = P.get('tree_lichen', False)
        if in_zone and d < -P.get('flame_depth', 4):
            # Behind a crown fire: black stems, the crowns consumed.
            return pine(x, y, h, rng, hz, P['kind'], cb, dead=True, char=1.0)
        if d < -1.5 and not in_zone:
            return pine(x, y, h, rng, hz, P['kind'], cb, scorch=0.15 + 0.5 * heat,
                        char=0.1 + 0.4 * heat, lichen=lich)
        if in_zone or (X, z) in torch_set:
            out += burning_crown(x, y, h, rng, hz, cb, lean)
            if not in_zone or rng.random() < 0.15:
                smoke_sources.append((x + lean * h, y - h * 1.4, h * 1.3, 0.15 * h, 0.6 * h, True))
            return out
        if (X, z) in climb_set:
            out += pine(x, y, h, rng, hz, P['kind'], cb, scorch=0.4, char=0.3, lichen=lich)
            reach = P.get('climb_reach', 1.0)
            # Flames running up the lichen and bark flakes of the stem into the crown.
            top = cb * h * reach
            k = 0
            yy = y
            while yy > y - top:
                ln = rng.uniform(0.09, 0.14) * h
                out += fire.tongue(x + rng.uniform(-0.01, 0.01) * h, yy, ln,
                                   max(5, (0.09 - 0.02 * k / 6) * h), 0.15)
                yy -= ln * 0.6
                k += 1
            if P.get('catch_crown', True):
                # ... and catching the lowest part of the crown.
                out += fire.tongue(x + 0.02 * h, y - cb * h * 1.02, 0.28 * h, 0.22 * h, 0.3)
            return out
        out += pine(x, y, h, rng, hz, P['kind'], cb, lichen=lich)
        return out
    place(pic, v, trees, tree)
    if P.get('crown_front'):
        # The running crown front: flames over the canopy all along the burning edge.
        z = max(crown_zone[2], P.get('z_min_trees', 12))
        while z < min(crown_zone[3], z_far):
            s = v.s(z)
            th = P['tree_h'][1] * s
            x, y = v.x(front_X(z) - rng.uniform(0, 3), z), v.y(z)
            pic.item(y + 0.03, fire.tongue(x, y - th * 0.45, th * rng.uniform(1.0, 1.3),
                                           th * 0.45, 0.45))
            z *= 1.05
    # The surface fire front: tongues spaced by their own width on the screen, drawn in
    # short merged runs so that nearer things still cover them in turn.
    z = v.z_near * 1.01
    run = []

    def flush_run():
        if run:
            with coarse(run[0][3] < 12):
                pic.item(run[-1][1] + 0.01, fire.front([(x_, y_) for x_, y_, _, _, _ in run],
                                                      lambda i: run[i][2],
                                                      lambda i: run[i][4], lean, var=0.3))
            run.clear()
    while z < z_far:
        s = v.s(z)
        hh = max(3.0, P['flame_m'] * s)
        ww = clamp(0.8 * hh, 2.5, 45) + 0.06 * s
        x, y = v.x(front_X(z), z), v.y(z)
        run.append((x + rng.uniform(-0.3, 0.3) * s, y, hh, s, ww))
        if len(run) >= 4:
            flush_run()
        if rng.random() < P.get('smoke_p', 0.3) * min(1.0, 0.5 * ww):
            smoke_sources.append((x + lean * hh, y - hh, sm_h * s, sm_w0 * s, sm_w1 * s, False))
        # Step on until the next base is about half a tongue's width away on the screen.
        z2 = z * 1.002
        while z2 < z_far and math.hypot(v.x(front_X(z2), z2) - x, v.y(z2) - y) < 0.45 * ww:
            z2 *= 1.01
        z = z2
    flush_run()
    # Flare-ups of the front in patches of fuel.
    for (Xo, zf, mh) in P.get('flares', []):
        s = v.s(zf)
        x, y = v.x(front_X(zf) + Xo, zf), v.y(zf)
        pic.item(y + 0.02, fire.tongue(x, y, mh * s, 0.5 * mh * s, lean) +
                 fire.tongue(x + 0.3 * s, y, mh * 0.7 * s, 0.4 * mh * s, lean))
        smoke_sources.append((x, y - mh * s, sm_h * s, sm_w0 * s, sm_w1 * s, False))
    # Spot fires ahead of the front.
    spot_xy = []
    for (d, zs_, sz) in P.get('spots', []):
        s = v.s(zs_)
        x, y = v.x(front_X(zs_) + d, zs_), v.y(zs_)
        spot_xy.append((x, y))
        item = [ellipse(x, y, sz * 0.9 * s, sz * 0.25 * s, PAL['char'], stroke=None)]
        item += fire.front([(x - sz * 0.3 * s, y), (x + sz * 0.3 * s, y)], sz * 0.9 * s,
                           sz * 0.7 * s + 2, lean)
        item += plume(x + 1, y - sz * s, sz * 5 * s + 6, sz * 0.6 * s + 1, sz * 2 * s + 3, 0.8,
                      rng, tone=mix(PAL['smoke'], '#ffffff', 0.4), opacity=0.75)
        pic.item(y, item)
    # Smoke from the front and from the burning crowns, drifting downwind.
    tone = mix(mix(PAL['smoke'], '#ffffff', 0.45), PAL['smoke_dk'], heat * 0.6)
    shade = mix(PAL['smoke'], PAL['smoke_dark'], 0.2 + 0.6 * heat)
    for (x, y, hh, w0, w1, dark) in smoke_sources:
        with coarse(True):
            if dark:
                pic.item(y - 0.5, plume(x, y, hh, w0, w1, P.get('drift', 1.0) * 0.7, rng,
                                        tone=mix(tone, PAL['smoke_dk'], 0.3), shade=shade,
                                        opacity=min(1.0, P.get('smoke_opacity', 0.85) + 0.1)))
            else:
                # Smoke off the surface front: a pale translucent veil leaning downwind.
                pic.item(y - 0.5, plume(x, y, hh, w0, w1, 0.3 * P.get('drift', 1.0), rng,
                                        tone=mix(tone, '#ffffff', 0.4),
                                        opacity=P.get('smoke_opacity', 0.85) * 0.5, veil=True))
    pic.flush()
    pic.add(embers(0, 40, pic.w, v.base - 80, rng, int((6 + 50 * heat) * pic.w / 480)))
    if P.get('note') and spot_xy:
        x0, y0 = spot_xy[-1]
        txt = P['note'][2]
        w = text_width(txt, 9) + 8
        x1 = clamp(x0 + P['note'][0], w / 2 + 4, pic.w - w / 2 - 4)
        y1 = y0 + P['note'][1]
        pic.add(polyline([(x0, y0 - 8), (x1, y1)], stroke=INK, sw=LINE))
        pic.add(rect(x1 - w / 2, y1 - 13, w, 13, '#fbf8f0', stroke=INK, sw=0.8, rx=3,
                     fill_opacity='0.92'))
        pic.add(text(x1, y1 - 3.5, txt, size=9, anchor='middle'))
    caption(pic, 'Illustration: ' + label if label else 'Illustration', size=P.get('caption', 9))
    return pic


_FIRE_BASE = dict(horizon=150, cam_h=5.0, focal=260, kind='jack', tree_h=(11, 14),
                  crown_base=(0.45, 0.6), crown_w=0.13, spacing=5.0, front_X=-5.0,
                  front_slope=0.7, z_far=80, z_min_trees=14, smoke_opacity=0.7,
                  torch_zmin=17)


def fire_params(**kw):
    P = dict(_FIRE_BASE)
    P.update(kw)
    return P


def draw_fire_fwi09():
    # Creeping: centimetre flames across lichen among young pines, a flare in a few
    # lichen-covered lower branches, barely any smoke.
    return fire_scene('fire_fwi09', 'Example of fire behaviour, FWI 9 (illustration)',
                      'FWI 9, creeping surface fire', fire_params(
                          horizon=140, cam_h=1.5, focal=300, kind='young', tree_h=(3, 6),
                          crown_base=(0.3, 0.45), crown_w=0.1, spacing=2.8, front_X=-1.2,
                          front_slope=0.3, z_far=45, heat=0.0, flame_m=0.1, lean=0.5,
                          tree_lichen=True, smoke_p=0.2, smoke=(0.8, 0.04, 0.35),
                          smoke_opacity=0.45, drift=2.5, climb=[9], climb_reach=0.45, thin=14,
                          catch_crown=False,
                          wiggle=0.3, z_min_trees=5, torch_zmin=6, flares=[(0.15, 6.5, 0.3)]))


def draw_fire_fwi14():
    # Low vigour: flames under 0.6 m, brief flare-ups in shrubs and small pines, a pine
    # with fire run up its lichen and bark flakes, spots just ahead of the front.
    return fire_scene('fire_fwi14', 'Example of fire behaviour, FWI 14 (illustration)',
                      'FWI 14, low vigour surface fire', fire_params(
                          heat=0.15, flame_m=0.45, climb=[19, 30], climb_reach=1.6, tree_lichen=True,
                          flares=[(0.3, 9, 1.5), (0.2, 17, 2.0)],
                          spots=[(1.2, 8, 0.25), (1.6, 12, 0.25)], smoke_p=0.15,
                          smoke=(2.5, 0.1, 0.8), smoke_opacity=0.5, drift=1.5))


def draw_fire_fwi15():
    # Low vigour, slow and steady; a few trees torched; one spot fire in the unit.
    return fire_scene('fire_fwi15', 'Example of fire behaviour, FWI 15 (illustration)',
                      'FWI 15, low vigour surface fire', fire_params(
                          heat=0.2, flame_m=0.5, torch=[21, 36],
                          spots=[(10, 16, 0.45)], smoke_p=0.18, smoke=(2.5, 0.12, 0.9),
                          smoke_opacity=0.55, drift=1.5))


def draw_fire_fwi17():
    # Moderately vigorous: fire often into the crowns by the lichen and bark ladder,
    # now and then a tree torching out; short-range spots round the hot spots.
    return fire_scene('fire_fwi17', 'Example of fire behaviour, FWI 17 (illustration)',
                      'FWI 17, moderately vigorous surface fire', fire_params(
                          heat=0.35, flame_m=0.8, climb=[16, 30, 44], climb_reach=1.6, torch=[22],
                          tree_lichen=True,
                          spots=[(1.5, 10, 0.3), (2.5, 16, 0.35), (1.8, 22, 0.4)],
                          smoke_p=0.22, smoke=(3, 0.15, 1.1), smoke_opacity=0.65))


def draw_fire_fwi20():
    # Moderately vigorous, faster where the wind reached; crowning over one quarter of
    # the unit (back left); spots beyond the downwind guard and one 140 m away.
    return fire_scene('fire_fwi20', 'Example of fire behaviour, FWI 20 (illustration)',
                      'FWI 20, moderately vigorous surface fire', fire_params(
                          heat=0.45, flame_m=0.8, front_X=-7.0, guard=6.0,
                          crown_zone=(-200, 200, 27, 42), flame_depth=7,
                          clear=[(285, 370, 27), (420, 458, 105)],
                          spots=[(13, 9, 0.3), (14, 13, 0.35), (12.5, 18, 0.4),
                                 (15, 25, 0.4), (13, 33, 0.45), (19, 110, 1.4)],
                          smoke_p=0.22, smoke=(3, 0.15, 1.2), smoke_opacity=0.7,
                          note=(-20, -40, 'spot fire 140 m away')))


def draw_fire_fwi24():
    # Very intense surface fire: tall flames at once, torching common, every torch
    # throwing spot fires ahead.
    return fire_scene('fire_fwi24', 'Example of fire behaviour, FWI 24 (illustration)',
                      'FWI 24, very intense surface fire', fire_params(
                          heat=0.6, flame_m=1.6, torch=[16, 21, 27, 34, 44],
                          spots=[(3, 9, 0.35), (5, 12, 0.4), (8, 15, 0.45), (4, 19, 0.5),
                                 (10, 22, 0.5), (6, 27, 0.55), (12, 31, 0.6), (9, 38, 0.6)],
                          smoke_p=0.3, smoke=(4, 0.25, 1.6), drift=1.2, smoke_opacity=0.8))


def draw_fire_fwi34():
    # A developing active crown fire: flames about 30 m, half again the height of the
    # 20 m trees; a heavy column; spotting beyond the front.
    return fire_scene('fire_fwi34', 'Example of fire behaviour, FWI 34 (illustration)',
                      'FWI 34, developing active crown fire', fire_params(
                          horizon=215, cam_h=6.0, focal=300, tree_h=(18, 21),
                          crown_base=(0.4, 0.5), spacing=4.0, z_min_trees=34, z_far=130,
                          front_X=-2.0, front_slope=0.12, heat=1.0, flame_m=3.0,
                          crown_zone=(-400, 400, 0, 400), flame_depth=12, smoke_p=0.1,
                          crown_front=True,
                          smoke=(8, 1, 6), spots=[(10, 48, 1.0), (18, 62, 1.2)], thin=60,
                          column=(250, 170, 190, 70, 300)))


def draw_crown_fire():
    # The running crown fire shown on the FBP calculator and the two projection forms.
    return fire_scene('crown_fire', 'Crown fire (illustration)', '', fire_params(
        horizon=100, cam_h=5.0, focal=105, cut=7, tree_h=(16, 19), crown_base=(0.35, 0.45),
        spacing=5.5, z_min_trees=36, z_far=110, front_X=-3.0, front_slope=0.3, heat=1.0,
        flame_m=3.0, crown_zone=(-400, 400, 0, 400), flame_depth=14, crown_front=True,
        smoke_p=0.0, thin=50, far_h=5, column=(118, 52, 56, 20, 100), caption=7.5))
