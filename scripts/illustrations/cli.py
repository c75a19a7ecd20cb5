"""The command line: draws the named pictures (all by default) into a directory."""

import os

from .svg import coarse
from .picture import SIZES
from . import diagrams, fire_examples, fuel_conifer, fuel_grass, fuel_mixedwood, fuel_slash
from . import icon, panels

SCENE_MODULES = (icon, panels, fire_examples, fuel_conifer, fuel_mixedwood, fuel_slash,
                 fuel_grass, diagrams)


def drawings():
    """Every picture's drawing function by name, in the order of SIZES."""
    found = {}
    for name in SIZES:
        for module in SCENE_MODULES:
            fn = getattr(module, 'draw_' + name, None)
            if fn:
                found[name] = fn
                break
    return found


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out = os.path.join(here, '..', '..', 'resources', 'images')
    names = []
    i = 0
    while i < len(argv):
        if argv[i] == '--out':
            out = argv[i + 1]
            i += 2
        else:
            names.append(argv[i])
            i += 1
    table = drawings()
    os.makedirs(out, exist_ok=True)
    for name in names or list(table):
        # The big scenes are written in whole pixels (a tenth of a pixel shows nothing
        # there); the icon, the diagrams and the small pictures keep one decimal.
        with coarse(name.startswith(('fuel_', 'fire_', 'crown_'))):
            pic = table[name]()
            data = pic.svg()
        with open(os.path.join(out, name + '.svg'), 'w', encoding='utf-8') as f:
            f.write(data)
        print('%-18s %4d x %-4d %6d bytes' % (name, pic.w, pic.h, len(data)))
