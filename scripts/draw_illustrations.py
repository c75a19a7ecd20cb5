#!/usr/bin/env python3
"""Writes every EMBERLIN picture into resources/images (see illustrations/__init__.py).

    python3 scripts/draw_illustrations.py             # rewrites resources/images/*.svg
    python3 scripts/draw_illustrations.py --out DIR   # writes them elsewhere for a look
    python3 scripts/draw_illustrations.py fuel_c1 ... # only the named pictures
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from illustrations.cli import main  # noqa: E402

if __name__ == '__main__':
    main(sys.argv[1:])
