"""A season over a grid in one call, and the same through xarray on a Dask cluster of two
worker processes: identical arrays."""
import numpy as np
import pandas as pd
import pytest
import xarray as xr

import emberlin
import emberlin.xarray

OUTPUTS = emberlin.xarray.FWI_OUTPUTS


def grid_weather(days=120, ny=200, nx=200, chunks=(60, 100, 100), seed=11):
    """Random weather within the FWI ranges over (time, y, x), as lazy Dask arrays: a
    cluster makes its chunks where they are used, and .compute() gives the same values."""
    da = pytest.importorskip("dask.array")
    random = da.random.RandomState(seed)
    shape = (days, ny, nx)

    def uniform(low, high):
        return random.uniform(low, high, shape, chunks=chunks)

    wet = random.random_sample(shape, chunks=chunks) < 0.15
    dims = ("time", "y", "x")
    ds = xr.Dataset(
        {"temp": (dims, uniform(0, 40), {"units": "degC"}),
         "rh": (dims, uniform(1, 100), {"units": "%"}),
         "ws": (dims, uniform(0, 100), {"units": "km h-1"}),
         "prec": (dims, da.where(wet, uniform(0, 60), 0.0), {"units": "mm"})},
        coords={"time": pd.date_range("2026-04-01", periods=days, freq="D"),
                "y": np.arange(ny), "x": np.arange(nx)})
    # A missing day in one cell.
    missing = (ds["time"] == ds["time"][5]) & (ds["y"] == 1) & (ds["x"] == 2)
    ds["temp"] = ds["temp"].where(~missing).assign_attrs(units="degC")
    return ds


def test_season_on_a_dask_cluster_equals_one_call():
    distributed = pytest.importorskip("distributed")
    lazy_weather = grid_weather()
    ds = lazy_weather.compute()
    month = ds["time"].dt.month.values[:, None, None]
    direct = emberlin.fwi_season(month, ds["temp"].values, ds["rh"].values, ds["ws"].values,
                                 ds["prec"].values, axis=0)
    assert np.isnan(direct["fwi"][5:, 1, 2]).all() and np.isfinite(direct["fwi"][:5, 1, 2]).all()
    with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                                  dashboard_address=None) as cluster, \
            distributed.Client(cluster) as client:
        lazy = lazy_weather.pipe(emberlin.xarray.fwi_season)
        assert lazy["fwi"].chunks is not None  # nothing computed yet
        result = client.compute(lazy).result()
        assert len(client.scheduler_info()["workers"]) == 2
    for name in OUTPUTS:
        np.testing.assert_array_equal(result[name].transpose("time", "y", "x").values,
                                      direct[name])
        assert result[name].attrs["units"] == "1"


def small_weather(**units):
    ds = grid_weather(days=10, ny=3, nx=4, chunks=(10, 3, 4)).compute()
    for name, unit in units.items():
        ds[name].attrs["units"] = unit
    return ds


def test_xarray_season_takes_month_start_codes_and_cf_names():
    ds = small_weather()
    month = ds["time"].dt.month.values[:, None, None]
    ffmc0 = xr.DataArray(np.linspace(50, 100, 12).reshape(3, 4), dims=("y", "x"))
    out = emberlin.xarray.fwi_season(ds, ffmc0=ffmc0, dc0=100)
    direct = emberlin.fwi_season(month, ds["temp"].values, ds["rh"].values, ds["ws"].values,
                                 ds["prec"].values, ffmc0=ffmc0.values, dc0=100)
    np.testing.assert_array_equal(out["ffmc"].transpose("time", "y", "x").values, direct["ffmc"])
    # The weather found by CF standard name when the names differ.
    renamed = ds.rename({"temp": "t2m", "rh": "hurs", "ws": "wind", "prec": "pr"})
    for name, standard in (("t2m", "air_temperature"), ("hurs", "relative_humidity"),
                           ("wind", "wind_speed"), ("pr", "lwe_thickness_of_precipitation_amount")):
        renamed[name].attrs["standard_name"] = standard
    again = emberlin.xarray.fwi_season(renamed, ffmc0=ffmc0, dc0=100)
    xr.testing.assert_identical(again, out)


@pytest.mark.parametrize("name,unit", [("temp", "K"), ("ws", "m s-1"), ("rh", "1")])
def test_xarray_refuses_weather_in_other_units(name, unit):
    with pytest.raises(ValueError, match=f"^{name}: units '{unit}'"):
        emberlin.xarray.fwi_season(small_weather(**{name: unit}))


def test_xarray_day_and_fbp_equal_the_array_functions():
    ds = small_weather().isel(time=0)
    day = emberlin.xarray.fwi_day(ds, ffmc0=85, dmc0=6, dc0=15)
    direct = emberlin.fwi_day(85, 6, 15, 4, ds["temp"].values, ds["rh"].values,
                              ds["ws"].values, ds["prec"].values)
    for name in OUTPUTS:
        np.testing.assert_array_equal(day[name].values, direct[name])
    fuel = xr.DataArray(np.array([["C2", "D1", "O1a", ""]] * 3), dims=("y", "x"))
    inputs = xr.Dataset({"fuel_type": fuel, "ffmc": day["ffmc"], "bui": day["bui"],
                         "ws": ds["ws"], "gs": 20.0}).chunk({"y": 2})
    behaviour = emberlin.xarray.fbp(inputs, minutes=60, accel=1).compute()
    direct = emberlin.fbp(fuel.values, day["ffmc"].values, day["bui"].values, ds["ws"].values,
                          gs=20.0, minutes=60, accel=1)
    assert set(behaviour.data_vars) == set(direct)
    for name in direct:
        np.testing.assert_array_equal(behaviour[name].values, direct[name])
    assert behaviour["hfi"].attrs["units"] == "kW m-1"
    assert behaviour["fire_type"].attrs["flag_values"] == [0, 1, 2]


def test_help_reads_like_the_guide():
    text = emberlin.__doc__
    for words in ("fwi_season(month, temp, rh, ws, prec", "Client(\"scheduler:8786\")",
                  "errors=\"nan\"", "deg C"):
        assert words in text
    for function in (emberlin.fwi_day, emberlin.fwi_season, emberlin.fbp, emberlin.fwi2025,
                     emberlin.fwi2025_daily):
        assert "km/h" in function.__doc__ and "errors" in function.__doc__
