"""python3 -m illustrations [--out DIR] [NAME ...] (from the scripts directory)."""

import sys

from .cli import main

main(sys.argv[1:])
