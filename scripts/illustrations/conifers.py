"""Spruces, firs, Douglas-fir, hemlock, cedar and the plantation conifer: one
outline of drooping branch tiers round a trunk.
"""

from .palette import INK, LINE, PAL
from .svg import Strokes, clamp, fade, mix, poly
from .stems import char_band, trunk_shape


# The conifers drawn as one outline of drooping branch tiers round a trunk, lit from
# the left (the right half of the crown is a shade darker).
CONIFER = {
    'black_spruce': dict(col='black_spruce', width=0.075, shape=0.55, jit=(0.35, 1.2),
                         droop=0.014, inner=0.2, step=6.5, club=True, trunk=0.013,
                         bark='bark_grey'),
    'white_spruce': dict(col='white_spruce', width=0.16, shape=0.95, jit=(0.8, 1.12),
                         droop=0.024, inner=0.3, step=10, trunk=0.02, bark='bark_grey'),
    'balsam_fir': dict(col='balsam_fir', width=0.115, shape=1.0, jit=(0.9, 1.06),
                       droop=-0.006, inner=0.38, step=8.5, trunk=0.016, bark='bark_grey'),
    'douglas_fir': dict(col='douglas_fir', width=0.17, shape=0.75, jit=(0.65, 1.15),
                        droop=0.04, inner=0.25, step=11, trunk=0.028, bark='bark'),
    'hemlock': dict(col='hemlock', width=0.15, shape=0.8, jit=(0.75, 1.12), droop=0.045,
                    inner=0.25, step=10, nod=True, trunk=0.022, bark='bark'),
    'cedar': dict(col='cedar', width=0.19, shape=0.7, jit=(0.75, 1.1), droop=0.055,
                  hook=True, inner=0.22, step=12, trunk=0.034, flare=True, bark='bark_cedar'),
    'plantation': dict(col='plantation', width=0.15, shape=1.0, jit=(0.95, 1.04),
                       droop=0.018, inner=0.32, step=9, trunk=0.02, bark='bark'),
}


def conifer(x, y, h, rng, hz=0.0, kind='white_spruce', crown_base=0.0, lean=0.0, dead=False,
            lichen=False, scorch=0.0, char=0.0, broken=False, colour=None, wide=1.0):
    """A conifer of the given kind standing at (x, y), h pixels tall."""
    P = dict(CONIFER[kind])
    P['width'] *= wide
    ink = fade(INK, hz)
    out = []
    tw = max(0.6, P['trunk'] * h)
    bark = fade(PAL[P['bark']] if not dead else PAL['dead_fir'], hz)
    top_h = h * (rng.uniform(0.7, 0.85) if broken else 0.97)
    out.append(poly(trunk_shape(x, y, top_h, tw, tw * 0.25, lean, flare=P.get('flare')),
                    bark, ink))
    if char:
        out.append(char_band(x, y, h, tw, tw * 0.25, char, lean))
    n_lv = int(clamp(h / P['step'], 4, 26))
    t0 = max(crown_base, 0.015)
    t_top = 0.9 if not broken else top_h / h - 0.04

    def width(t):
        w = P['width'] * h * (1 - t) ** P['shape'] + 0.012 * h
        if P.get('club'):
            if 0.78 < t < 0.93:
                w = max(w, 0.055 * h)    # the dense "crow's nest" near a black spruce top
            elif 0.62 < t <= 0.78:
                w *= 0.75
        return w

    if dead and h < 0:
        # (kept for reference: a stick-branch skeleton)
        lich = fade(PAL['tree_lichen'], hz)
        twig = fade(mix(PAL['dead_fir'], INK, 0.45), hz)
        st = Strokes()
        n_dead = int(clamp(h / 6, 5, 30))
        for k in range(n_dead):
            t = t0 + (t_top - t0) * k / max(1, n_dead - 1)
            if rng.random() < 0.25:
                continue
            yy = y - t * h
            xx = x + lean * h * t
            w = width(t) * rng.uniform(0.45, 1.0)
            side = rng.choice((-1, 1))
            for sd in ((side,) if rng.random() < 0.45 else (-1, 1)):
                ex, ey = xx + sd * w, yy + 0.035 * h
                st.add([(xx, yy), (xx + sd * w * 0.55, yy + 0.008 * h), (ex, ey)], twig)
                if lichen and rng.random() < 0.6:
                    lx = xx + sd * w * rng.uniform(0.35, 0.85)
                    ly = yy + 0.012 * h
                    st.add([(lx, ly), (lx - 0.8, ly + 0.025 * h), (lx + 0.6, ly + 0.045 * h)],
                           lich, LINE + 0.6)
        return out + st.out()
    base_col = colour or (PAL['dead_fir'] if dead else PAL[P['col']])
    if dead:
        # A dead fir keeps the outline of its tiers, ragged and grey, thinned by breakage.
        P['jit'] = (0.15, 1.0)
        P['inner'] = 0.12
    col = mix(base_col, '#8c5a30', scorch) if scorch else base_col
    col_f = fade(col, hz)
    shade_f = fade(mix(col, PAL['needle_shade'], 0.4), hz)
    left, right = [], []
    step_t = (t_top - t0) / max(1, n_lv - 1)
    for k in range(n_lv):
        t = t0 + step_t * k
        yy = y - t * h
        xx = x + lean * h * t
        base_w = width(t)
        if yy + P['droop'] * h < -12:
            continue        # tiers above the picture are not written
        for sd, lst in ((-1, left), (1, right)):
            w = base_w * rng.uniform(*P['jit'])
            lst.append((xx + sd * base_w * P['inner'], yy - step_t * h * 0.5))
            if w > 6:
                lst.append((xx + sd * w * 0.62, yy + P['droop'] * h * 0.25 - step_t * h * 0.12))
            lst.append((xx + sd * w, yy + P['droop'] * h))
            if P.get('hook'):
                lst.append((xx + sd * w * 1.05, yy + P['droop'] * h - 0.02 * h))
    tx, ty = x + lean * h, y - h
    if broken:
        tx, ty = x + lean * top_h, y - top_h
    if P.get('nod') and not broken:
        crown_top = [(tx - 0.008 * h, ty + 0.04 * h), (tx, ty), (tx + 0.035 * h, ty + 0.028 * h),
                     (tx + 0.012 * h, ty + 0.045 * h)]
    else:
        crown_top = [(tx, ty)]
    bx = x + lean * h * t0
    by = y - t0 * h + (0 if crown_base > 0.02 else 0.012 * h)
    shape = [(bx - tw, by)] + left + crown_top + right[::-1] + [(bx + tw, by)]
    out.append(poly(shape, col_f, ink if hz < 0.5 else None))
    if h > 30 and hz < 0.5:
        # The shaded half, kept just inside the outline.
        half = [(tx, ty + 1.5)] + [(px_ - 0.7 if px_ > x + lean * (y - py_) + 1 else px_, py_)
                                   for px_, py_ in right[::-1]] + [(bx + tw - 0.6, by - 0.6),
                                                                   (bx, by - 0.6)]
        out.append(poly(half, shade_f, stroke=None))
    if lichen:
        lich = fade(PAL['tree_lichen'], hz)
        st = Strokes()
        reach = 0.45 if not dead else 0.95
        tips = [p_ for i, p_ in enumerate(left + right) if p_[1] > y - reach * h]
        for lx, ly in tips:
            if rng.random() < 0.7 or abs(lx - x) < 0.03 * h:
                continue
            lx -= (lx - x) * 0.2
            st.add([(lx, ly - 0.004 * h), (lx - 0.7, ly + 0.025 * h), (lx + 0.5, ly + 0.045 * h)],
                   lich, LINE + 0.6)
        out += st.out()
    return out
