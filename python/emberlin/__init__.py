"""EMBERLIN for grids: the FWI and FBP System engines as numpy array functions.

The functions take numbers or numpy arrays (anything numpy turns into one), broadcast them
together by numpy's rules, run the loop over every cell in C++ with the interpreter lock
released, and return a dict of new float64 arrays. They are the engines of the EMBERLIN
program and its batch commands, checked with the same ranges.

    fwi_day(ffmc0, dmc0, dc0, month, temp, rh, ws, prec)
        the daily FWI System for one day: ffmc, dmc, dc, isi, bui, fwi, dsr
    fwi_season(month, temp, rh, ws, prec, ffmc0=85, dmc0=6, dc0=15, axis=0)
        the same chained day after day along `axis`, each cell on its own
    fwi2025(year, month, day, hour, temp, rh, ws, prec, lat, long, timezone, ...)
        the hourly FWI System (FWI2025) chained hour by hour along `axis`, each cell a
        station: every hourly output (mcffmc, ffmc, ..., gfmc, gsi, gfwi, sunrise, ...)
    fwi2025_daily(<the same arguments>)
        its daily summaries, one per fire day (05:00 to 04:59) along the same axis
    fbp(fuel_type, ffmc, bui, ws, wd=..., gs=..., ..., theta=...)
        the FBP System, one case per cell, every input of the batch fbp command;
        every output of it and fire_type (an index into FIRE_TYPES)

Units: temperature deg C, relative humidity %, wind speed km/h (10-m open wind), rain mm
over the 24 h before noon (fwi2025: mm in the hour); month 1 to 12 as ints or whole floats. Each function's
docstring lists its arguments with their units and ranges.

Missing values and refusals: a NaN in an input gives NaN in every output of that cell (in
fwi_season and fwi2025, on that day or hour and every later one of the cell's run). A value outside its range raises
ValueError naming the argument and the index of its first such value,
"rh: 120 is outside 1 to 100 at index (3, 4)"; errors="nan" gives NaN in those cells
instead.

Grids with xarray and Dask: emberlin.xarray wraps each function with xr.apply_ufunc(...,
dask="parallelized"), DataArrays in (units checked when given), a Dataset out (units and
long names in the attributes):

    import xarray as xr, emberlin.xarray
    ds = xr.open_dataset("weather.nc", chunks={"y": 250, "x": 250})
    # temp (degC), rh (%), ws (km/h), prec (mm) over (time, y, x)
    fwi = ds.pipe(emberlin.xarray.fwi_season)   # lazy: one task per chunk
    fwi["fwi"].max("time").to_netcdf("fwi_max.nc")

The same code runs on a Dask cluster once a client is connected:

    from dask.distributed import Client
    client = Client("scheduler:8786")   # or Client() for the cores of this machine

Each chunk is one call of the compiled function on a worker, which needs this package
importable there.
"""
from emberlin._emberlin import FIRE_TYPES, fbp, fwi2025, fwi2025_daily, fwi_day, fwi_season

__all__ = ["fwi_day", "fwi_season", "fwi2025", "fwi2025_daily", "fbp", "FIRE_TYPES"]
