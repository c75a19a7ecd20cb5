"""The application icon."""

from .palette import PAL
from .svg import ellipse, path, poly, rect
from .picture import Pic


def draw_app_icon():
    """A spruce standing dark against a flame, on a deep green tile.  Drawn on a
    48-unit grid so that it still reads at 32 and 16 pixels."""
    pic = Pic('app_icon', 'EMBERLIN')
    tile = pic.gradient([(0, '#35573f'), (1, '#1d3024')])
    pic.add(rect(1, 1, 46, 46, tile, stroke='#14211a', sw=1.5, rx=9))
    glow = pic.gradient([(0, '#f7a64a', 0.55), (1, '#f7a64a', 0)], kind='radial',
                        cx=0.5, cy=0.62, r=0.5)
    pic.add(ellipse(24, 29, 21, 18, glow, stroke=None))
    pic.add(path('M24 3 C30 11 38.5 17 37.5 29 C36.8 38 31 44 24 44 C17 44 10.5 38.5 10.5 30 '
                 'C10.5 23 14 19 16.5 13.5 C18.5 17.5 20 19.5 21 21.5 C22 15 23 9.5 24 3 Z',
                 fill=PAL['flame_red'], stroke='#8e2a14', sw=1))
    pic.add(path('M24 13 C28.5 19.5 32.5 24 32 31 C31.5 37.5 28 41.5 24 41.5 '
                 'C20 41.5 16 38 16 32 C16 28 18.5 25.5 19.5 22.5 C20.8 25.5 21.8 27 22.4 28 '
                 'C23 23 23.4 18.5 24 13 Z', fill=PAL['flame_orange'], stroke=None))
    pic.add(path('M24 23 C27.2 27.5 29 31 28.4 35 C27.9 38.6 26.2 40.5 24 40.5 '
                 'C21.8 40.5 19.6 38.6 19.6 35.5 C19.6 32 22.4 28.6 24 23 Z',
                 fill=PAL['flame_yellow'], stroke=None))
    # The spruce: three tiers and a trunk, its foot on the bottom edge of the flame.
    pic.add(poly([(24, 17), (28, 24.5), (26.2, 24.5), (30.5, 31), (28.2, 31), (33.5, 38.5),
                  (25.6, 38.5), (25.6, 44), (22.4, 44), (22.4, 38.5), (14.5, 38.5),
                  (19.8, 31), (17.5, 31), (21.8, 24.5), (20, 24.5)],
                 '#16251b', stroke='#16251b', sw=0.6))
    pic.add(rect(9, 43.2, 30, 1.6, '#16251b', stroke=None, rx=0.8))
    return pic
