"""A picture being drawn (`Pic`), the natural size of every picture (`SIZES`) and
the caption every scene carries.
"""

import random

from .palette import INK
from .svg import UID, esc, g, mix, rect, text, text_width


# The drawings and their natural sizes (pixels).  The fuel type windows take the
# sizes of their image resources; the scene pictures are sized for their forms.
SIZES = {
    'app_icon': (48, 48),
    'menu_top': (240, 180), 'menu_bottom': (170, 110), 'fwi_calculator': (180, 120),
    'crown_fire': (200, 140),
    'fire_fwi09': (480, 360), 'fire_fwi14': (480, 360), 'fire_fwi15': (480, 360),
    'fire_fwi17': (480, 360), 'fire_fwi20': (480, 360), 'fire_fwi24': (480, 360),
    'fire_fwi34': (480, 360),
    'fuel_c1': (311, 477), 'fuel_c2': (316, 486), 'fuel_c3': (548, 404),
    'fuel_c4': (548, 396), 'fuel_c5': (315, 486), 'fuel_c6': (315, 486),
    'fuel_c7': (547, 397), 'fuel_d1': (505, 321), 'fuel_m1': (715, 244),
    'fuel_m2': (717, 247), 'fuel_m3': (750, 256), 'fuel_m4': (747, 257),
    'fuel_s1': (750, 252), 'fuel_s2': (763, 259), 'fuel_s3': (815, 279),
    'fuel_o1a': (751, 256), 'fuel_o1b': (749, 255),
    'more_information': (260, 190), 'references': (200, 140),
    'fwi_structure': (450, 368), 'fbp_structure': (450, 451),
}


class Pic:
    """An SVG being drawn: fixed layers plus depth-sorted items."""

    def __init__(self, name, title, seed=None):
        self.name = name
        self.w, self.h = SIZES[name]
        self.title = title
        self.rng = random.Random(seed if seed is not None else name)
        self.defs = []
        self.parts = []
        self.items = []
        self._ids = 0
        UID[0] = 0

    def add(self, *s):
        for x in s:
            if isinstance(x, (list, tuple)):
                self.parts.extend(x)
            else:
                self.parts.append(x)

    def item(self, depth, s):
        """Something standing on the ground at screen y = depth (drawn far to near)."""
        self.items.append((depth, len(self.items), s if isinstance(s, list) else [s]))

    def flush(self):
        for _, _, s in sorted(self.items, key=lambda t: (t[0], t[1])):
            self.parts.extend(s)
        self.items = []

    def gradient(self, stops, x1=0, y1=0, x2=0, y2=1, kind='linear', **kw):
        self._ids += 1
        gid = 'g%d' % self._ids
        st = ''.join('<stop offset="%s" stop-color="%s"%s/>' % (
            g(o), c, ' stop-opacity="%s"' % g(a) if a is not None else '')
            for o, c, a in ((s + (None,))[:3] for s in stops))
        if kind == 'linear':
            self.defs.append('<linearGradient id="%s" x1="%s" y1="%s" x2="%s" y2="%s">%s'
                             '</linearGradient>' % (gid, g(x1), g(y1), g(x2), g(y2), st))
        else:
            self.defs.append('<radialGradient id="%s" cx="%s" cy="%s" r="%s">%s'
                             '</radialGradient>' % (gid, g(kw.get('cx', 0.5)),
                                                   g(kw.get('cy', 0.5)),
                                                   g(kw.get('r', 0.5)), st))
        return 'url(#%s)' % gid

    def svg(self):
        self.flush()
        head = ('<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
                'version="1.2" baseProfile="tiny" width="%d" height="%d" viewBox="0 0 %d %d">'
                % (self.w, self.h, self.w, self.h))
        body = [head, '<title>%s</title>' % esc(self.title)]
        if self.defs:
            body.append('<defs>')
            body.extend(self.defs)
            body.append('</defs>')
        body.extend(self.parts)
        body.append('</svg>')
        return '\n'.join(body) + '\n'


def caption(pic, label='Illustration', size=9):
    """The small caption every scene carries, in the bottom right corner."""
    w = text_width(label, size) + 8
    x = pic.w - w - 3
    y = pic.h - size - 8
    pic.add(rect(x, y, w, size + 5, '#fbf8f0', stroke=mix(INK, '#fbf8f0', 0.55), sw=0.8,
                 rx=3, fill_opacity='0.88'))
    pic.add(text(x + w / 2, y + size + 1, label, size=size, anchor='middle', italic=True,
                 fill='#4a453e'))
