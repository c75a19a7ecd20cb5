"""fwi_day and fwi_season against the published worked days and the batch fwi command."""
import numpy as np
import pytest

import emberlin
from conftest import read_table, tolerance

OUTPUTS = ("ffmc", "dmc", "dc", "isi", "bui", "fwi", "dsr")
INPUTS = ("ffmc0", "dmc0", "dc0", "month", "temp", "rh", "ws", "prec")
WORKED = read_table("fwi_worked_days.csv")


def day_inputs(rows):
    """The worked days' inputs as arrays, in fwi_day's argument order."""
    return [np.array([float(row[name]) for row in rows]) for name in INPUTS]


def test_worked_days_table_is_complete():
    assert len(WORKED) == 3


@pytest.mark.parametrize("row", WORKED, ids=[row["name"] for row in WORKED])
def test_worked_day_on_scalars(row):
    out = emberlin.fwi_day(*[float(row[name]) for name in INPUTS])
    for name in OUTPUTS:
        expected = row[name]
        allowed = 0.0 if expected == "0" else tolerance(expected)
        assert out[name].shape == ()
        assert abs(out[name] - float(expected)) <= allowed, (name, float(out[name]))


def test_worked_days_in_one_call_equal_each_day_alone():
    together = emberlin.fwi_day(*day_inputs(WORKED))
    for i, row in enumerate(WORKED):
        alone = emberlin.fwi_day(*[float(row[name]) for name in INPUTS])
        for name in OUTPUTS:
            assert together[name][i] == alone[name], (row["name"], name)


def test_broadcasting_a_grid_of_weather_against_one_start():
    temp = np.linspace(0, 40, 9).reshape(3, 1, 3)
    rh = np.array([[10.0], [55.0], [100.0]])          # (3, 1) against (3, 1, 3)
    out = emberlin.fwi_day(85, 6, 15, np.int64(7), temp, rh, 25, 0.5)
    assert out["fwi"].shape == (3, 3, 3)
    for a, b, c in np.ndindex(3, 3, 3):
        one = emberlin.fwi_day(85, 6, 15, 7, temp[a, 0, c], rh[b, 0], 25, 0.5)
        assert all(out[name][a, b, c] == one[name] for name in OUTPUTS)


def synthetic_weather(days, cells, seed=1):
    """Varied weather within the FWI calculator's ranges, days along axis 0."""
    rng = np.random.default_rng(seed)
    month = np.repeat(np.arange(4, 10), -(-days // 6))[:days]
    temp = rng.uniform(0, 40, (days, cells))
    rh = rng.uniform(1, 100, (days, cells))
    ws = rng.uniform(0, 100, (days, cells))
    prec = np.where(rng.random((days, cells)) < 0.2, rng.uniform(0, 60, (days, cells)), 0.0)
    return month, temp, rh, ws, prec


def test_season_chains_the_days_as_fwi_day_does():
    month, temp, rh, ws, prec = synthetic_weather(30, 5)
    season = emberlin.fwi_season(month[:, None], temp, rh, ws, prec, ffmc0=80, dmc0=10, dc0=50)
    codes = (np.full(5, 80.0), np.full(5, 10.0), np.full(5, 50.0))
    for day in range(30):
        step = emberlin.fwi_day(*codes, month[day], temp[day], rh[day], ws[day], prec[day])
        for name in OUTPUTS:
            np.testing.assert_array_equal(season[name][day], step[name])
        codes = (step["ffmc"], step["dmc"], step["dc"])


@pytest.mark.parametrize("axis", [0, 1, 2, -1])
def test_season_along_any_axis_is_the_same_season(axis):
    month, temp, rh, ws, prec = synthetic_weather(20, 12)
    reference = emberlin.fwi_season(month[:, None], temp, rh, ws, prec)
    grid = [a.reshape(20, 3, 4) for a in (temp, rh, ws, prec)]
    moved = [np.moveaxis(a, 0, axis) for a in grid]
    per_day = np.moveaxis(month.reshape(20, 1, 1), 0, axis)
    out = emberlin.fwi_season(per_day, *moved, axis=axis)
    for name in OUTPUTS:
        np.testing.assert_array_equal(np.moveaxis(out[name], axis, 0).reshape(20, 12),
                                      reference[name])


def test_season_equals_the_batch_fwi_command(batch):
    month, temp, rh, ws, prec = synthetic_weather(40, 3, seed=7)
    ffmc0 = np.array([85.0, 60.0, 99.0])
    season = emberlin.fwi_season(month[:, None], temp, rh, ws, prec, ffmc0=ffmc0, dmc0=6, dc0=15)
    for cell in range(3):
        rows = [[int(month[d])] + [repr(float(a[d, cell])) for a in (temp, rh, ws, prec)]
                for d in range(40)]
        out = batch("fwi", ["mon", "temp", "rh", "ws", "prec"], rows,
                    ["--ffmc", repr(float(ffmc0[cell]))])
        assert len(out) == 40
        for d, row in enumerate(out):
            for name in OUTPUTS:
                assert float(row[name]) == season[name][d, cell], (cell, d, name)


def test_nan_gives_nan_in_that_cell_only():
    temp = np.array([17.0, np.nan, 17.0])
    out = emberlin.fwi_day(85, 6, np.array([15.0, 15.0, np.nan]), 4, temp, 42, 25, 0)
    for name in OUTPUTS:
        assert np.isfinite(out[name][0]) and np.isnan(out[name][1:]).all(), name


def test_nan_day_ends_that_cells_season():
    month, temp, rh, ws, prec = synthetic_weather(10, 3)
    temp[4, 1] = np.nan
    out = emberlin.fwi_season(month[:, None], temp, rh, ws, prec)
    clean = emberlin.fwi_season(month[:, None], *synthetic_weather(10, 3)[1:])
    for name in OUTPUTS:
        assert np.isnan(out[name][4:, 1]).all() and np.isfinite(out[name][:4, 1]).all()
        np.testing.assert_array_equal(out[name][:, [0, 2]], clean[name][:, [0, 2]])


# Each argument's range end just crossed, where in a (2, 3) array it sits, and the message.
REFUSALS = [
    ("ffmc0", 101.5, "ffmc0: 101.5 is outside 0 to 101"),
    ("dmc0", -0.1, "dmc0: -0.1 is outside 0 to 500"),
    ("dc0", 1201, "dc0: 1201 is outside 0 to 1200"),
    ("month", 13, "month: 13 is outside 1 to 12"),
    ("month", 4.5, "month: 4.5 is not a whole number"),
    ("temp", 60.5, "temp: 60.5 is outside -50 to 60"),
    ("rh", 0.5, "rh: 0.5 is outside 1 to 100"),
    ("ws", 101, "ws: 101 is outside 0 to 100"),
    ("prec", np.inf, "prec: inf is outside 0 to 60"),
]


@pytest.mark.parametrize("name,bad,message", REFUSALS, ids=[r[2].split(":")[0] + str(r[1])
                                                             for r in REFUSALS])
def test_fwi_day_refuses_naming_argument_and_first_index(name, bad, message):
    good = dict(ffmc0=85.0, dmc0=6.0, dc0=15.0, month=4, temp=17.0, rh=42.0, ws=25.0,
                prec=0.0)
    values = {key: np.full((2, 3), value) for key, value in good.items()}
    values[name] = values[name].astype(float)
    values[name][1, 2] = bad
    values[name][1, 1] = bad
    # A refusal in a later argument, even at an earlier index, does not hide this one.
    if name != "prec":
        values["prec"][0, 0] = 99
    with pytest.raises(ValueError) as raised:
        emberlin.fwi_day(**values)
    assert str(raised.value) == message + " at index (1, 1)"
    out = emberlin.fwi_day(**values, errors="nan")
    expected = np.array([[name != "prec", False, False], [False, True, True]])
    for output in OUTPUTS:
        np.testing.assert_array_equal(np.isnan(out[output]), expected)


def test_season_refuses_with_the_index_in_the_arguments_own_shape():
    month, temp, rh, ws, prec = synthetic_weather(8, 4)
    rh[5, 2] = 120
    rh[6, 0] = 130
    with pytest.raises(ValueError, match=r"^rh: 120 is outside 1 to 100 at index \(5, 2\)$"):
        emberlin.fwi_season(month[:, None], temp, rh, ws, prec)
    with pytest.raises(ValueError, match=r"^dc0: -1 is outside 0 to 1200 at index \(3,\)$"):
        emberlin.fwi_season(month[:, None], temp, 50, ws, prec, dc0=[1, 2, 3, -1])
    out = emberlin.fwi_season(month[:, None], temp, rh, ws, prec, errors="nan")
    assert np.isnan(out["fwi"][5:, 2]).all() and np.isnan(out["fwi"][6:, 0]).all()
    assert np.isfinite(out["fwi"][:5]).all() and np.isfinite(out["fwi"][:, [1, 3]]).all()


@pytest.mark.parametrize("call,error,message", [
    (lambda: emberlin.fwi_day(85, 6, 15, 4, 17, [42, 43], 25, [0, 0, 0]), ValueError,
     r"do not broadcast together: .*rh \(2,\), ws \(\), prec \(3,\)"),
    (lambda: emberlin.fwi_day(85, 6, 15, 4, "hot", 42, 25, 0), TypeError, r"^temp: numbers"),
    (lambda: emberlin.fwi_day(85, 6, 15, 4, 17, 42, 25, 0, errors="ignore"), ValueError,
     r"^errors: "),
    (lambda: emberlin.fwi_season(4, np.zeros((3, 2)), 42, 25, 0, axis=2), ValueError,
     r"^axis: 2 is outside"),
    (lambda: emberlin.fwi_season(4, np.zeros((3, 2)), 42, 25, 0, ffmc0=[80, 81, 82]),
     ValueError, r"must broadcast to the cells"),
], ids=["shapes", "text", "errors_word", "axis", "start_codes_shape"])
def test_calls_that_cannot_run(call, error, message):
    with pytest.raises(error, match=message):
        call()
