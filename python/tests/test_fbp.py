"""fbp against the published fuel type table and the batch fbp command."""
import numpy as np
import pytest

import emberlin
from conftest import read_table, tolerance

REFERENCE = read_table("fbp_fuel_types.csv")
# The FBP calculator's default inputs, under which the reference table was printed.
DEFAULTS = dict(ffmc=87, bui=40, ws=25, wd=0, gs=0, dj=196, lat=55, long=-110, elv=0,
                minutes=15, accel=1, pc=50, pdf=50, cc=85, gfl=0.3, theta=0)
KEYWORDS = ("ffmc", "bui", "ws", "wd", "gs", "aspect", "dj", "d0", "lat", "long", "elv", "hr",
            "minutes", "accel", "buieff", "pc", "pdf", "cc", "gfl", "theta")


def test_reference_table_is_complete():
    assert [row["code"] for row in REFERENCE] == [
        "C1", "C2", "C3", "C4", "C5", "C6", "C7", "D1", "D2", "M1", "M2", "M3", "M4", "S1",
        "S2", "S3", "O1a", "O1b"]


def assert_reference(row, out):
    for name in ("ros", "bros", "sfc", "cfb", "tfc", "hfi"):
        text, value = row[name], float(out[name])
        if text == "0":  # at or below the floors
            assert 0.0 <= value <= 0.000001, (row["code"], name, value)
        else:
            assert abs(value - float(text)) <= tolerance(text), (row["code"], name, value)


@pytest.mark.parametrize("row", REFERENCE, ids=[row["code"] for row in REFERENCE])
def test_fuel_type_on_scalars(row):
    assert_reference(row, emberlin.fbp(row["code"], **DEFAULTS))


def test_all_fuel_types_in_one_call_equal_each_alone():
    codes = np.array([row["code"] for row in REFERENCE])
    together = emberlin.fbp(codes, **DEFAULTS)
    for i, row in enumerate(REFERENCE):
        assert_reference(row, {name: values[i] for name, values in together.items()})
        alone = emberlin.fbp(row["code"], **DEFAULTS)
        for name, values in together.items():
            assert values[i] == alone[name], (row["code"], name)


def test_codes_as_the_batch_command_reads_them():
    spellings = emberlin.fbp(["c2", "C-2", " C2 ", "O1A", "o-1b"], **DEFAULTS)
    exact = emberlin.fbp(["C2", "C2", "C2", "O1a", "O1b"], **DEFAULTS)
    for name in exact:
        np.testing.assert_array_equal(spellings[name], exact[name])
    as_bytes = emberlin.fbp(np.array([b"C2", b"M3"]), **DEFAULTS)
    as_objects = emberlin.fbp(np.array(["C2", "M3"], dtype=object), **DEFAULTS)
    np.testing.assert_array_equal(as_bytes["hfi"], as_objects["hfi"])


def varied_cases(count, seed=3):
    """Every input of the batch fbp command varied within its range."""
    rng = np.random.default_rng(seed)
    codes = np.array([row["code"] for row in REFERENCE])[rng.integers(0, 18, count)]
    inputs = dict(
        ffmc=rng.uniform(0, 101, count), bui=rng.uniform(0, 650, count),
        ws=rng.uniform(0, 150, count), wd=rng.uniform(0, 360, count),
        gs=rng.uniform(0, 100, count), aspect=rng.uniform(0, 360, count),
        dj=rng.integers(1, 366, count), d0=rng.integers(0, 366, count),
        lat=rng.uniform(30, 90, count), long=rng.uniform(-170, 170, count),
        elv=rng.integers(0, 3001, count), minutes=rng.uniform(0, 300, count),
        accel=rng.integers(0, 2, count), buieff=rng.integers(0, 2, count),
        pc=rng.uniform(0, 100, count), pdf=rng.uniform(0, 100, count),
        cc=rng.uniform(0, 100, count), gfl=rng.uniform(0, 5, count),
        theta=rng.uniform(0, 360, count))
    return codes, inputs


# The batch command's column for each keyword (the keywords are the names in lower case).
COLUMNS = {"ffmc": "FFMC", "bui": "BUI", "ws": "WS", "wd": "WD", "gs": "GS", "aspect": "Aspect",
           "dj": "Dj", "d0": "D0", "lat": "LAT", "long": "LONG", "elv": "ELV", "hr": "hr",
           "minutes": "minutes", "accel": "Accel", "buieff": "BUIEff", "pc": "PC", "pdf": "PDF",
           "cc": "cc", "gfl": "GFL", "theta": "theta"}


@pytest.mark.parametrize("elapsed", ["minutes", "hr"])
def test_every_input_and_output_equals_the_batch_fbp_command(batch, elapsed):
    codes, inputs = varied_cases(300)
    if elapsed == "hr":
        inputs["hr"] = inputs.pop("minutes") / 60
    out = emberlin.fbp(codes, **inputs)
    heading = ["FuelType"] + [COLUMNS[name] for name in inputs]
    rows = [[codes[i]] + [repr(float(values[i])) if values.dtype.kind == "f" else
                          str(values[i]) for values in inputs.values()] for i in range(300)]
    result = batch("fbp", heading, rows)
    assert len(result) == 300
    words = {word: index for index, word in enumerate(emberlin.FIRE_TYPES)}
    for i, row in enumerate(result):
        for name, values in out.items():
            if name == "fire_type":
                assert words[row["fireType"]] == values[i], i
            else:
                assert float(row[name]) == values[i], (i, name)


def test_inputs_left_out_take_the_batch_commands_blank_values(batch):
    out = emberlin.fbp(["C2", "O1a", "M3"], 90, 80, 20)
    result = batch("fbp", ["FuelType", "FFMC", "BUI", "WS"],
                   [["C2", 90, 80, 20], ["O1a", 90, 80, 20], ["M3", 90, 80, 20]])
    for i, row in enumerate(result):
        for name, values in out.items():
            if name != "fire_type":
                assert float(row[name]) == values[i], (i, name)


@pytest.mark.parametrize("keyword", KEYWORDS[3:])
def test_each_optional_input_reaches_the_engine(keyword):
    # From the calculator's defaults on a slope, each input moved within its range changes
    # some output of some fuel type.
    codes = np.array([row["code"] for row in REFERENCE])
    base = dict(DEFAULTS, gs=30, aspect=45, d0=0, buieff=1)
    moved = {"wd": 120, "gs": 60, "aspect": 200, "dj": 100, "d0": 150, "lat": 40, "long": -60,
             "elv": 1500, "hr": 2, "minutes": 120, "accel": 0, "buieff": 0, "pc": 80,
             "pdf": 20, "cc": 60, "gfl": 2, "theta": 90}
    changed = dict(base, **{keyword: moved[keyword]})
    if keyword == "hr":
        del base["minutes"], changed["minutes"]
    before, after = emberlin.fbp(codes, **base), emberlin.fbp(codes, **changed)
    assert any((before[name] != after[name]).any() for name in before), keyword


def test_nan_and_empty_codes_give_nan_in_that_cell_only():
    out = emberlin.fbp(["C2", "", "C2", "C2"], [87, 87, np.nan, 87], 40,
                       [25, 25, 25, 25], gs=[0, 0, 0, np.nan])
    for name, values in out.items():
        np.testing.assert_array_equal(np.isnan(values), [False, True, True, True], name)


REFUSALS = [
    ("fuel_type", "X9", 'fuel_type: "X9" is not a fuel type (C1 to C7, D1, D2, M1 to M4, '
                        "S1 to S3, O1a, O1b)"),
    ("ffmc", 102, "ffmc: 102 is outside 0 to 101"),
    ("bui", -1, "bui: -1 is outside 0 to 650"),
    ("ws", 151, "ws: 151 is outside 0 to 150"),
    ("lat", 29, "lat: 29 is outside 30 to 90"),
    ("dj", 200.5, "dj: 200.5 is not a whole number"),
    ("elv", 3001, "elv: 3001 is outside 0 to 3000"),
    ("accel", 2, "accel: 2 is outside 0 to 1"),
    ("hr", 5.5, "hr: 5.5 is outside 0 to 5"),
    ("gfl", 6, "gfl: 6 is outside 0 to 5"),
]


@pytest.mark.parametrize("name,bad,message", REFUSALS, ids=[r[0] for r in REFUSALS])
def test_refusals_name_argument_and_first_index(name, bad, message):
    values = dict(fuel_type=np.full((3, 2), "C2"), ffmc=87.0, bui=40.0, ws=25.0, lat=55.0,
                  dj=196, elv=100, accel=1, hr=0.25, gfl=0.3)
    values[name] = np.full((3, 2), values[name], dtype=object if name == "fuel_type"
                           else float)
    values[name][2, 1] = values[name][1, 0] = bad
    with pytest.raises(ValueError) as raised:
        emberlin.fbp(**values)
    assert str(raised.value) == message + " at index (1, 0)"
    out = emberlin.fbp(**values, errors="nan")
    expected = np.zeros((3, 2), bool)
    expected[2, 1] = expected[1, 0] = True
    for output, array in out.items():
        np.testing.assert_array_equal(np.isnan(array), expected, output)


def test_hr_and_minutes_together_are_refused():
    with pytest.raises(ValueError, match="^hr, minutes: both give the elapsed time"):
        emberlin.fbp("C2", 87, 40, 25, hr=1, minutes=60)
    with pytest.raises(TypeError, match="^fuel_type: fuel codes as text"):
        emberlin.fbp(np.array([1, 2]), 87, 40, 25)
