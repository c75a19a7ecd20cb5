"""EMBERLIN for grids (placeholder docstring replaced below)."""
from emberlin._emberlin import FIRE_TYPES, fbp, fwi_day, fwi_season

__all__ = ["fwi_day", "fwi_season", "fbp", "FIRE_TYPES"]
