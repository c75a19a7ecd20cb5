"""fwi2025 and fwi2025_daily against the published PRF2007 season and the batch fwi2025
command, over several cells, with missing hours and refusals."""
import numpy as np
import pytest

import emberlin
from conftest import read_table

HOURLY = ("mcffmc", "ffmc", "dmc", "dc", "isi", "bui", "fwi", "dsr", "mcgfmc_matted",
          "mcgfmc_standing", "gfmc", "gsi", "gfwi", "sunrise", "sunset", "sunlight_hours",
          "solrad", "percent_cured", "grass_fuel_load", "prec_cumulative", "canopy_drying")
DAILY_NUMBERS = ("ffmc", "dmc", "dc", "isi", "bui", "fwi", "dsr", "gfmc", "gsi", "gfwi",
                 "ws_smooth", "isi_smooth", "gsi_smooth")
WEATHER = read_table("fwi2025/PRF2007_hourly_wx.csv")
SITE = dict(lat=45.996, long=-77.427, timezone=-4)


def column(rows, name):
    return np.array([float(row[name]) for row in rows])


def series(rows=WEATHER):
    """The hourly inputs of fwi2025 in argument order: time as ints, weather as floats."""
    time = [column(rows, name).astype(np.int64) for name in ("yr", "mon", "day", "hr")]
    return time + [column(rows, name) for name in ("temp", "rh", "ws", "prec")]


def four_decimals(values):
    """The reference tables' rounding: correctly rounded decimal text read back."""
    return np.array([float(f"{value:.4f}") for value in np.ravel(values)])


def clock_text(hours):
    """HH:MM with hours and minutes truncated, as the summaries are printed."""
    whole = int(hours)
    return f"{whole:02d}:{int(60 * (hours - whole)):02d}"


def test_prf2007_hours_equal_the_published_table():
    expected = read_table("fwi2025/PRF2007_standard_hourly_FWI.csv")
    out = emberlin.fwi2025(*series(), **SITE)
    assert sorted(out) == sorted(HOURLY)
    assert len(expected) == 2623
    for name in HOURLY:
        assert out[name].shape == (2623,)
        differs = np.flatnonzero(four_decimals(out[name]) != column(expected, name))
        assert differs.size == 0, (name, differs[:5])


def test_prf2007_summaries_equal_the_published_table():
    expected = read_table("fwi2025/PRF2007_standard_daily_summaries.csv")
    out = emberlin.fwi2025_daily(*series(), **SITE)
    assert len(expected) == 109 and out["ffmc"].shape == (109,)
    for i, row in enumerate(expected):
        labels = [int(out[name][i]) for name in ("yr", "mon", "day", "peak_hr", "duration")]
        assert labels == [int(row[name]) for name in ("yr", "mon", "day", "peak_hr",
                                                      "duration")], i
        assert clock_text(out["sunrise"][i]) == row["sunrise"], i
        assert clock_text(out["sunset"][i]) == row["sunset"], i
        for name in DAILY_NUMBERS:
            assert out[name][i] == float(row[name]), (i, name)


def batch_rows(rows, lat):
    """The season as batch fwi2025 input at latitude `lat`."""
    names = ("yr", "mon", "day", "hr", "temp", "rh", "ws", "prec")
    return [[lat, SITE["long"], SITE["timezone"]] + [row[name] for name in names]
            for row in rows]


# Cells of one series at different latitudes (southern summer, near the equator, in the
# polar night) and start-up values, with hours crossing into a new year (a restart of each run).
LATITUDES = [-40.5, 1.25, 45.996, 69.5]
STARTS = dict(ffmc0=[85.0, 60.0, 92.5, 85.0], dmc0=[6.0, 30.0, 6.0, 0.0],
              dc0=[15.0, 15.0, 300.0, 15.0])
OPTIONS = [["--ffmc", "85", "--dmc", "6", "--dc", "15"],
           ["--ffmc", "60", "--dmc", "30", "--dc", "15"],
           ["--ffmc", "92.5", "--dmc", "6", "--dc", "300"],
           ["--ffmc", "85", "--dmc", "0", "--dc", "15"]]


def new_year_series():
    """PRF2007's first 600 hours moved to end on 1999-12-31 so the run restarts at 2000."""
    start = np.datetime64("1999-12-17T12")
    moved = []
    for i, row in enumerate(WEATHER[:600]):
        at = (start + np.timedelta64(i, "h")).astype(object)
        moved.append(dict(row, yr=str(at.year), mon=str(at.month), day=str(at.day),
                          hr=str(at.hour)))
    return moved


@pytest.mark.parametrize("summaries", [False, True], ids=["hours", "summaries"])
def test_cells_at_several_latitudes_equal_the_batch_command(batch, summaries):
    rows = new_year_series()
    inputs = series(rows)
    function = emberlin.fwi2025_daily if summaries else emberlin.fwi2025
    # Cells along the first axis, hours along the second.
    grid = function(*[a[None, :] for a in inputs], lat=LATITUDES, long=SITE["long"],
                    timezone=SITE["timezone"], **STARTS, axis=1)
    heading = ["lat", "long", "timezone", "yr", "mon", "day", "hr", "temp", "rh", "ws",
               "prec"]
    for cell, lat in enumerate(LATITUDES):
        options = OPTIONS[cell] + (["--summaries"] if summaries else [])
        out = batch("fwi2025", heading, batch_rows(rows, lat), options)
        names = DAILY_NUMBERS if summaries else HOURLY
        assert grid["ffmc"].shape[1] == len(out), cell
        for name in names:
            expected = np.array([float(row[name]) for row in out])
            np.testing.assert_array_equal(grid[name][cell], expected, err_msg=f"{cell} {name}")
        if summaries:
            assert [clock_text(h) for h in grid["sunset"][cell]] == [r["sunset"] for r in out]


def test_cells_equal_each_cell_alone_and_a_new_year_restarts_the_run():
    rows = new_year_series()
    inputs = series(rows)
    # One series of hours; the cells come from the per-cell arguments alone.
    grid = emberlin.fwi2025(*inputs, lat=LATITUDES, long=SITE["long"],
                            timezone=SITE["timezone"], **STARTS)
    for cell, lat in enumerate(LATITUDES):
        start = {k: v[cell] for k, v in STARTS.items()}
        alone = emberlin.fwi2025(*inputs, lat=lat, long=SITE["long"],
                                 timezone=SITE["timezone"], **start)
        for name in HOURLY:
            np.testing.assert_array_equal(grid[name][cell], alone[name], err_msg=name)
    first_of_2000 = next(i for i, row in enumerate(rows) if row["yr"] == "2000")
    restarted = emberlin.fwi2025(*[a[first_of_2000:] for a in inputs], **SITE)
    run = emberlin.fwi2025(*inputs, **SITE)
    continuous = emberlin.fwi2025(*inputs, **SITE, continuous=True)
    for name in HOURLY:
        np.testing.assert_array_equal(run[name][first_of_2000:], restarted[name])
    assert continuous["dc"][first_of_2000] != run["dc"][first_of_2000]
    # A missing hour ends the run until the next year's restart; when continuous, for good.
    temp = inputs[4].copy()
    temp[first_of_2000 - 30] = np.nan
    broken = [a if k != 4 else temp for k, a in enumerate(inputs)]
    for continuous, hours in ((False, slice(first_of_2000 - 30, first_of_2000)),
                              (True, slice(first_of_2000 - 30, None))):
        out = emberlin.fwi2025(*broken, **SITE, continuous=continuous)
        assert np.isnan(out["fwi"][hours]).all() and np.isfinite(out["fwi"][:hours.start]).all()
        if not continuous:
            np.testing.assert_array_equal(out["fwi"][first_of_2000:], restarted["fwi"])


def test_missing_hour_ends_that_cells_run_and_its_fire_days():
    inputs = series(WEATHER[:200])
    temp = np.repeat(inputs[4][:, None], 3, axis=1)
    temp[50, 1] = np.nan
    grid = [a[:, None] for a in inputs[:4]] + [temp] + [a[:, None] for a in inputs[5:]]
    out = emberlin.fwi2025(*grid, **SITE)
    clean = emberlin.fwi2025(*inputs, **SITE)
    for name in HOURLY:
        assert np.isnan(out[name][50:, 1]).all(), name
        np.testing.assert_array_equal(out[name][:50, 1], clean[name][:50])
        np.testing.assert_array_equal(out[name][:, 0], clean[name])
    days = emberlin.fwi2025_daily(*grid, **SITE)
    clean_days = emberlin.fwi2025_daily(*inputs, **SITE)
    # Hour 50 is 2007-05-12 10:00, in the third fire day: that day and the later ones have
    # their dates and no values.
    np.testing.assert_array_equal(days["day"][:, 1], clean_days["day"])
    assert np.isnan(days["fwi"][2:, 1]).all() and np.isfinite(days["fwi"][:2, 1]).all()
    np.testing.assert_array_equal(days["fwi"][:, 2], clean_days["fwi"])


# A bad value at hour 7 (and a later one at hour 9), the message naming the first.
REFUSALS = [
    ("rh", 120.0, "rh: 120 is outside 0 to 100 at index (7,)"),
    ("hour", 24, "hour: 24 is outside 0 to 23 at index (7,)"),
    ("day", 31, "day: 31 is not a day of its month at index (7,)"),
    ("prec", -0.5, "prec: -0.5 is outside 0 to 1000 at index (7,)"),
]


@pytest.mark.parametrize("name,bad,message", REFUSALS, ids=[r[0] for r in REFUSALS])
def test_refusals_name_the_argument_and_first_index(name, bad, message):
    inputs = dict(zip(("year", "month", "day", "hour", "temp", "rh", "ws", "prec"),
                      series(WEATHER[:30])))
    inputs["month"] = np.full(30, 6)  # June has no 31st
    inputs[name] = inputs[name].copy()
    inputs[name][[7, 9]] = bad
    with pytest.raises(ValueError) as raised:
        emberlin.fwi2025(**inputs, **SITE)
    assert str(raised.value) == message
    if name not in ("hour", "day"):
        out = emberlin.fwi2025(**inputs, **SITE, errors="nan")
        assert np.isfinite(out["ffmc"][:7]).all() and np.isnan(out["ffmc"][7:]).all()


@pytest.mark.parametrize("change,message", [
    (lambda t: t.__setitem__(12, t[11]), r"2007-05-10 19:00 repeats the hour before it at "
                                          r"index \(12, 1\)"),
    (lambda t: t.__setitem__(12, t[12] + 1), r"2007-05-10 21:00 leaves hours missing after "
                                              r"the hour before it at index \(12, 1\)"),
    (lambda t: t.__setitem__(12, t[12] - 2), r"is earlier than the hour before it"),
], ids=["repeat", "gap", "backwards"])
def test_hours_must_run_on_one_hour_apart(change, message):
    inputs = series(WEATHER[:30])
    hour = np.repeat(inputs[3][:, None], 2, axis=1)
    change(hour[:, 1])
    grid = [a[:, None] for a in inputs[:3]] + [hour] + [a[:, None] for a in inputs[4:]]
    for errors in ("raise", "nan"):
        with pytest.raises(ValueError, match="^year, month, day, hour: .*" + message):
            emberlin.fwi2025(*grid, **SITE, errors=errors)


@pytest.mark.parametrize("keywords,message", [
    (dict(grass_fuel_load=[0.35, 0.0]), r"^grass_fuel_load: 0 is not above 0 at index \(1,\)$"),
    (dict(ffmc0=85, mcffmc0=20), r"^ffmc0 and mcffmc0: give one"),
    (dict(lat=[45, 91]), r"^lat: 91 is outside -90 to 90 at index \(1,\)$"),
    (dict(dmc0=[1, 2, 3]), r"must broadcast with the cells"),
    (dict(axis=2), r"^axis: 2 is outside"),
], ids=["load", "both_ffmc", "lat", "start_shape", "axis"])
def test_calls_that_cannot_run(keywords, message):
    inputs = [a[:, None] for a in series(WEATHER[:30])]
    inputs[4] = np.repeat(inputs[4], 2, axis=1)  # two cells
    arguments = dict(SITE, **keywords)
    with pytest.raises(ValueError, match=message):
        emberlin.fwi2025(*inputs, **arguments)


@pytest.mark.parametrize("summaries", [False, True], ids=["hours", "summaries"])
def test_xarray_wrappers_on_a_chunked_dataset_equal_the_array_functions(summaries):
    xr = pytest.importorskip("xarray")
    import emberlin.xarray
    inputs = series()
    clock = np.array([f"{y:04d}-{m:02d}-{d:02d}T{h:02d}" for y, m, d, h in zip(*inputs[:4])],
                     dtype="datetime64[h]")
    units = ("degC", "%", "km/h", "mm")
    ds = xr.Dataset({name: ("time", values, {"units": unit}) for name, values, unit in
                     zip(("temp", "rh", "ws", "prec"), inputs[4:], units)},
                    coords={"time": clock, "lat": ("y", LATITUDES)})
    ds["long"], ds["timezone"] = SITE["long"], SITE["timezone"]
    dc0 = xr.DataArray(STARTS["dc0"], dims="y")
    wrapper = emberlin.xarray.fwi2025_daily if summaries else emberlin.xarray.fwi2025
    out = wrapper(ds.chunk({"y": 2}), dc0=dc0).compute()
    function = emberlin.fwi2025_daily if summaries else emberlin.fwi2025
    direct = function(*inputs, lat=LATITUDES, long=SITE["long"], timezone=SITE["timezone"],
                      dc0=STARTS["dc0"])
    along = "fire_day" if summaries else "time"
    assert sorted(out.data_vars) == sorted(direct)
    for name, values in direct.items():
        np.testing.assert_array_equal(out[name].transpose("y", along).values, values)
        assert "units" in out[name].attrs, name
    if summaries:
        assert str(out["fire_day"].values[0])[:10] == "2007-05-10"
    with pytest.raises(ValueError, match="prec: units 'mm/day'"):
        wrapper(ds.assign(prec=ds["prec"].assign_attrs(units="mm/day")))
