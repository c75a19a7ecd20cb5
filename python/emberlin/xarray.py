"""The emberlin array functions over xarray: DataArrays in, a Dataset of DataArrays out.

Each function takes its inputs by keyword or from a Dataset given first (by variable name,
else by CF standard name), so that ``ds.pipe(emberlin.xarray.fwi_season)`` works. The
work runs through ``xr.apply_ufunc(..., dask="parallelized")``: on a Dataset chunked with
Dask each chunk is one call of the compiled function, on whichever machine of the Dask
cluster the chunk lands. Outputs carry their units and a long name in their attributes.

An input with a ``units`` attribute must be in the unit the function takes (several
spellings accepted): temperatures in degC, relative humidity in %, wind speed in km/h,
rain in mm; a temperature in K or a wind in m/s is refused rather than misread.
"""
import numpy as np
import xarray as xr

from emberlin import _emberlin

FWI_OUTPUTS = ("ffmc", "dmc", "dc", "isi", "bui", "fwi", "dsr")

_FWI_NAMES = {
    "ffmc": "Fine Fuel Moisture Code",
    "dmc": "Duff Moisture Code",
    "dc": "Drought Code",
    "isi": "Initial Spread Index",
    "bui": "Buildup Index",
    "fwi": "Fire Weather Index",
    "dsr": "Daily Severity Rating",
}

# The weather: CF standard name and the unit spellings taken for the unit the engine uses.
_WEATHER = {
    "temp": ("air_temperature", ("degC", "°C", "deg C", "degree_Celsius", "degrees_Celsius",
                                 "Celsius", "celsius", "C")),
    "rh": ("relative_humidity", ("%", "percent")),
    "ws": ("wind_speed", ("km/h", "km h-1", "km hr-1", "km/hr", "kph")),
    "prec": ("lwe_thickness_of_precipitation_amount",
             ("mm", "mm/day", "mm d-1", "mm day-1", "kg m-2", "kg/m2")),
}

_FBP_INPUTS = ("ffmc", "bui", "ws", "wd", "gs", "aspect", "dj", "d0", "lat", "long", "elv",
               "hr", "minutes", "accel", "buieff", "pc", "pdf", "cc", "gfl", "theta")

# Units and long names of the FBP outputs (CF unit strings).
_FBP_OUTPUTS = {
    "ros": ("m min-1", "head rate of spread at equilibrium"),
    "fros": ("m min-1", "flank rate of spread at equilibrium"),
    "bros": ("m min-1", "back rate of spread at equilibrium"),
    "rosTheta": ("m min-1", "rate of spread towards theta at equilibrium"),
    "rost": ("m min-1", "head rate of spread at the elapsed time"),
    "frost": ("m min-1", "flank rate of spread at the elapsed time"),
    "brost": ("m min-1", "back rate of spread at the elapsed time"),
    "rosThetaT": ("m min-1", "rate of spread towards theta at the elapsed time"),
    "cfb": ("1", "crown fraction burned, head"),
    "fcfb": ("1", "crown fraction burned, flank"),
    "bcfb": ("1", "crown fraction burned, back"),
    "cfbTheta": ("1", "crown fraction burned towards theta"),
    "hfi": ("kW m-1", "head fire intensity"),
    "ffi": ("kW m-1", "flank fire intensity"),
    "bfi": ("kW m-1", "back fire intensity"),
    "fiTheta": ("kW m-1", "fire intensity towards theta"),
    "tfc": ("kg m-2", "total fuel consumption, head"),
    "ftfc": ("kg m-2", "total fuel consumption, flank"),
    "btfc": ("kg m-2", "total fuel consumption, back"),
    "tfcTheta": ("kg m-2", "total fuel consumption towards theta"),
    "sfc": ("kg m-2", "surface fuel consumption"),
    "lb": ("1", "length-to-breadth ratio"),
    "raz": ("radian", "spread direction, clockwise from north"),
    "wsv": ("km h-1", "net effective wind speed"),
    "hsd": ("m", "head spread distance"),
    "fsd": ("m", "flank spread distance"),
    "bsd": ("m", "back spread distance"),
    "area": ("ha", "fire area"),
    "perimeter": ("m", "fire perimeter"),
    "pgr": ("m min-1", "perimeter growth rate"),
}


def _find(ds, name, given, required=True):
    """The input `name`: given, else ds[name], else the variable of its CF standard name."""
    if given is not None:
        value = given
    elif ds is not None and name in ds.variables:
        value = ds[name]
    elif ds is not None and name in _WEATHER:
        matches = [v for v in ds.data_vars.values()
                   if v.attrs.get("standard_name") == _WEATHER[name][0]]
        value = matches[0] if matches else None
    else:
        value = None
    if value is None:
        if required:
            raise ValueError(f"{name}: not given and not found in the dataset")
        return None
    if name in _WEATHER and isinstance(value, xr.DataArray) and "units" in value.attrs:
        if value.attrs["units"] not in _WEATHER[name][1]:
            raise ValueError(f"{name}: units {value.attrs['units']!r}; the engine takes "
                             f"{_WEATHER[name][1][0]}")
    return value


def _month(ds, month, dim):
    """The month: given, ds["month"], or the month of the datetime coordinate `dim`."""
    if month is not None:
        return month
    if ds is not None and "month" in ds.variables:
        return ds["month"]
    if ds is not None and dim in ds.coords and np.issubdtype(ds[dim].dtype, np.datetime64):
        return ds[dim].dt.month
    raise ValueError(f"month: not given, no month variable and no datetime coordinate {dim!r}")


def _fwi_dataset(results):
    return xr.Dataset({name: result.assign_attrs(units="1", long_name=_FWI_NAMES[name])
                       for name, result in zip(FWI_OUTPUTS, results)})


def _season_chunk(month, temp, rh, ws, prec, ffmc0, dmc0, dc0, errors):
    out = _emberlin.fwi_season(month, temp, rh, ws, prec, ffmc0, dmc0, dc0, axis=-1,
                               errors=errors)
    return tuple(out[name] for name in FWI_OUTPUTS)


def fwi_season(ds=None, *, month=None, temp=None, rh=None, ws=None, prec=None, ffmc0=85.0,
               dmc0=6.0, dc0=15.0, dim="time", errors="raise"):
    """The daily FWI System chained along `dim`, for every cell: a Dataset of ffmc, dmc, dc,
    isi, bui, fwi and dsr (DataArrays of the weather's broadcast dimensions).

    ds     optional Dataset holding the weather by name (temp, rh, ws, prec, and month),
           or by CF standard name (air_temperature, relative_humidity, wind_speed,
           lwe_thickness_of_precipitation_amount)
    month  month of each day, 1 to 12; default ds["month"], else the month of the
           datetime coordinate `dim`
    temp   noon temperature, degC, -50 to 60
    rh     noon relative humidity, %, 1 to 100
    ws     noon 10-m open wind speed, km/h, 0 to 100
    prec   rain over the 24 h before noon, mm, 0 to 60
    ffmc0, dmc0, dc0  codes of the day before the first (numbers, or DataArrays over the
           cells without `dim`); defaults 85, 6 and 15
    dim    the dimension of days (default "time"); a Dask array is taken as one chunk along
           it (the chain runs through every day), chunked as it comes along the others
    errors "raise" or "nan", as emberlin.fwi_season
    """
    weather = [_month(ds, month, dim)] + [
        _find(ds, name, given) for name, given in (("temp", temp), ("rh", rh), ("ws", ws),
                                                   ("prec", prec))]
    results = xr.apply_ufunc(
        _season_chunk, *weather, ffmc0, dmc0, dc0,
        input_core_dims=[[dim]] * 5 + [[]] * 3,
        output_core_dims=[[dim]] * len(FWI_OUTPUTS),
        kwargs={"errors": errors},
        dask="parallelized",
        output_dtypes=[np.float64] * len(FWI_OUTPUTS),
        dask_gufunc_kwargs={"allow_rechunk": True})
    return _fwi_dataset(results)


def _day_chunk(ffmc0, dmc0, dc0, month, temp, rh, ws, prec, errors):
    out = _emberlin.fwi_day(ffmc0, dmc0, dc0, month, temp, rh, ws, prec, errors=errors)
    return tuple(out[name] for name in FWI_OUTPUTS)


def fwi_day(ds=None, *, ffmc0=None, dmc0=None, dc0=None, month=None, temp=None, rh=None,
            ws=None, prec=None, dim="time", errors="raise"):
    """The daily FWI System for one day per cell: a Dataset of ffmc, dmc, dc, isi, bui, fwi
    and dsr (DataArrays of the inputs' broadcast dimensions).

    ds     optional Dataset holding the inputs by name (ffmc0, dmc0, dc0, month, temp, rh,
           ws, prec) or, for the weather, by CF standard name
    ffmc0  yesterday's Fine Fuel Moisture Code, 0 to 101
    dmc0   yesterday's Duff Moisture Code, 0 to 500
    dc0    yesterday's Drought Code, 0 to 1200
    month  1 to 12; default ds["month"], else the month of the datetime coordinate `dim`
    temp   noon temperature, degC, -50 to 60
    rh     noon relative humidity, %, 1 to 100
    ws     noon 10-m open wind speed, km/h, 0 to 100
    prec   rain over the 24 h before noon, mm, 0 to 60
    errors "raise" or "nan", as emberlin.fwi_day
    """
    inputs = [_find(ds, name, given) for name, given in (("ffmc0", ffmc0), ("dmc0", dmc0),
                                                         ("dc0", dc0))]
    inputs.append(_month(ds, month, dim))
    inputs += [_find(ds, name, given) for name, given in (("temp", temp), ("rh", rh),
                                                          ("ws", ws), ("prec", prec))]
    results = xr.apply_ufunc(
        _day_chunk, *inputs,
        output_core_dims=[[]] * len(FWI_OUTPUTS),
        kwargs={"errors": errors},
        dask="parallelized",
        output_dtypes=[np.float64] * len(FWI_OUTPUTS))
    return _fwi_dataset(results)


def fbp(ds=None, *, fuel_type=None, errors="raise", **inputs):
    """The FBP System, one case per cell: a Dataset of every output of emberlin.fbp (units
    and long names in the attributes; fire_type with CF flag_values and flag_meanings).

    ds         optional Dataset holding the inputs by emberlin.fbp's keyword names
    fuel_type  fuel codes (a DataArray of strings, or one string)
    **inputs   ffmc, bui, ws (required), and any of wd, gs, aspect, dj, d0, lat, long, elv,
               hr, minutes, accel, buieff, pc, pdf, cc, gfl, theta: numbers or DataArrays
               in emberlin.fbp's units (ws in km/h); given here or found in ds by name
    errors     "raise" or "nan", as emberlin.fbp
    """
    unknown = set(inputs) - set(_FBP_INPUTS)
    if unknown:
        raise TypeError(f"fbp: no input named {', '.join(sorted(unknown))}")
    names = []
    values = [_find(ds, "fuel_type", fuel_type)]
    for position, name in enumerate(_FBP_INPUTS):
        value = _find(ds, name, inputs.get(name), required=position < 3)
        if value is not None:
            names.append(name)
            values.append(value)
    outputs = list(_FBP_OUTPUTS) + ["fire_type"]

    def chunk(fuel, *given, errors):
        out = _emberlin.fbp(fuel, **dict(zip(names, given)), errors=errors)
        return tuple(out[name] for name in outputs)

    results = xr.apply_ufunc(
        chunk, *values,
        output_core_dims=[[]] * len(outputs),
        kwargs={"errors": errors},
        dask="parallelized",
        output_dtypes=[np.float64] * len(outputs))
    dataset = {}
    for name, result in zip(outputs, results):
        if name == "fire_type":
            dataset[name] = result.assign_attrs(
                long_name="fire type", flag_values=[0, 1, 2],
                flag_meanings="surface_fire intermittent_crown_fire crown_fire")
        else:
            units, long_name = _FBP_OUTPUTS[name]
            dataset[name] = result.assign_attrs(units=units, long_name=long_name)
    return xr.Dataset(dataset)


# The hourly FWI System: units and long names of its outputs.
FWI2025_OUTPUTS = {
    "mcffmc": ("%", "fine fuel moisture content"),
    "ffmc": ("1", "Fine Fuel Moisture Code"),
    "dmc": ("1", "Duff Moisture Code"),
    "dc": ("1", "Drought Code"),
    "isi": ("1", "Initial Spread Index"),
    "bui": ("1", "Buildup Index"),
    "fwi": ("1", "Fire Weather Index"),
    "dsr": ("1", "Daily Severity Rating"),
    "mcgfmc_matted": ("%", "matted grass fuel moisture content"),
    "mcgfmc_standing": ("%", "standing grass fuel moisture content"),
    "gfmc": ("1", "Grass Fuel Moisture Code"),
    "gsi": ("1", "Grass Spread Index"),
    "gfwi": ("1", "Grass Fire Weather Index"),
    "sunrise": ("h", "sunrise, local clock"),
    "sunset": ("h", "sunset, local clock"),
    "sunlight_hours": ("h", "hours of sunlight"),
    "solrad": ("kW m-2", "solar radiation"),
    "percent_cured": ("%", "grass curing"),
    "grass_fuel_load": ("kg m-2", "grass fuel load"),
    "prec_cumulative": ("mm", "rain of the current wetting event"),
    "canopy_drying": ("h", "dry hours of the current wetting event"),
}

FWI2025_DAILY_OUTPUTS = {
    "yr": ("1", "year of the fire day's first hour"),
    "mon": ("1", "month of the fire day's first hour"),
    "day": ("1", "day of the month of the fire day's first hour"),
    "sunrise": ("h", "sunrise, local clock"),
    "sunset": ("h", "sunset, local clock"),
    "peak_hr": ("h", "clock hour of the peak burning hour"),
    "duration": ("h", "hours of active burning (smoothed ISI >= 5)"),
    "ffmc": ("1", "Fine Fuel Moisture Code at the peak"),
    "dmc": ("1", "Duff Moisture Code at the peak"),
    "dc": ("1", "Drought Code at the peak"),
    "isi": ("1", "Initial Spread Index at the peak"),
    "bui": ("1", "Buildup Index at the peak"),
    "fwi": ("1", "Fire Weather Index at the peak"),
    "dsr": ("1", "Daily Severity Rating at the peak"),
    "gfmc": ("1", "Grass Fuel Moisture Code at the peak"),
    "gsi": ("1", "Grass Spread Index at the peak"),
    "gfwi": ("1", "Grass Fire Weather Index at the peak"),
    "ws_smooth": ("km h-1", "smoothed wind speed at the peak"),
    "isi_smooth": ("1", "Initial Spread Index of the smoothed wind at the peak"),
    "gsi_smooth": ("1", "Grass Spread Index of the smoothed wind at the peak"),
}

# Hourly rain is a depth per hour, not per day.
_HOURLY_RAIN_UNITS = ("mm", "mm/h", "mm h-1", "mm hr-1", "kg m-2", "kg/m2")
_FWI2025_STARTS = ("ffmc0", "mcffmc0", "dmc0", "dc0", "mcgfmc_matted0", "mcgfmc_standing0",
                   "prec_cumulative0", "canopy_drying0")


def _hourly_inputs(ds, dim, year, month, day, hour, temp, rh, ws, prec, lat, long, timezone):
    """The hourly function's inputs in its argument order: the time from the datetime
    coordinate `dim` unless given, the weather by name or CF standard name, the site."""
    time = [year, month, day, hour]
    if any(part is None for part in time):
        if ds is None or dim not in ds.coords or not np.issubdtype(ds[dim].dtype,
                                                                   np.datetime64):
            raise ValueError(f"year, month, day, hour: not given and no datetime coordinate "
                             f"{dim!r}")
        clock = ds[dim].dt
        time = [given if given is not None else getattr(clock, part) for given, part in
                zip(time, ("year", "month", "day", "hour"))]
    weather = []
    for name, given in (("temp", temp), ("rh", rh), ("ws", ws)):
        weather.append(_find(ds, name, given))
    rain = prec
    if rain is None and ds is not None:
        standard = _WEATHER["prec"][0]
        rain = ds["prec"] if "prec" in ds.variables else next(
            (v for v in ds.data_vars.values() if v.attrs.get("standard_name") == standard), None)
    if rain is None:
        raise ValueError("prec: not given and not found in the dataset")
    if isinstance(rain, xr.DataArray) and rain.attrs.get("units", "mm") not in \
            _HOURLY_RAIN_UNITS:
        raise ValueError(f"prec: units {rain.attrs['units']!r}; the engine takes mm in the hour")
    site = []
    for name, given, names in (("lat", lat, ("lat", "latitude")),
                               ("long", long, ("long", "lon", "longitude")),
                               ("timezone", timezone, ("timezone",))):
        if given is None and ds is not None:
            given = next((ds[n] for n in names if n in ds.variables), None)
        if given is None:
            raise ValueError(f"{name}: not given and not found in the dataset")
        site.append(given)
    return time + weather + [rain] + site


def _fwi2025_optional(ds, solrad, percent_cured, grass_fuel_load):
    found = {}
    for name, given in (("solrad", solrad), ("percent_cured", percent_cured),
                        ("grass_fuel_load", grass_fuel_load)):
        value = _find(ds, name, given, required=False)
        if value is not None:
            found[name] = value
    return found


def fwi2025(ds=None, *, year=None, month=None, day=None, hour=None, temp=None, rh=None,
            ws=None, prec=None, lat=None, long=None, timezone=None, solrad=None,
            percent_cured=None, grass_fuel_load=None, continuous=False, dim="time",
            errors="raise", **starts):
    """The hourly FWI System (FWI2025) chained hour by hour along `dim`, every cell a station:
    a Dataset of every hourly output of emberlin.fwi2025 (units and long names in the
    attributes), over the weather's dimensions.

    ds        optional Dataset holding the inputs by name (temp, rh, ws, prec, lat or
              latitude, long, lon or longitude, timezone, solrad, percent_cured,
              grass_fuel_load), the weather also by CF standard name
    year, month, day, hour  local date and hour of each row; default: from the datetime
              coordinate `dim`, read as the local clock of `timezone`
    temp      temperature, degC, -90 to 90
    rh        relative humidity, %, 0 to 100
    ws        10-m open wind speed, km/h, 0 to 500
    prec      rain fallen during the hour, mm, 0 to 1000
    lat, long latitude (degrees north) and longitude (degrees east), per cell
    timezone  UTC offset of the local clock, h, per cell
    solrad, percent_cured  optional, kW/m2 and %, per hour; estimated when absent
    grass_fuel_load  optional, kg/m2, per cell (default 0.35)
    **starts  start-up values per cell: ffmc0 (or mcffmc0), dmc0, dc0, mcgfmc_matted0,
              mcgfmc_standing0, prec_cumulative0, canopy_drying0, as emberlin.fwi2025
    continuous  False (default): each run restarts at a new calendar year; True: one run
    dim       the dimension of hours (default "time"); taken as one chunk along it
    errors    "raise" or "nan", as emberlin.fwi2025
    """
    return _fwi2025_apply(False, ds, dim, errors, continuous, starts,
                          _hourly_inputs(ds, dim, year, month, day, hour, temp, rh, ws, prec,
                                         lat, long, timezone),
                          _fwi2025_optional(ds, solrad, percent_cured, grass_fuel_load))


def fwi2025_daily(ds=None, *, year=None, month=None, day=None, hour=None, temp=None, rh=None,
                  ws=None, prec=None, lat=None, long=None, timezone=None, solrad=None,
                  percent_cured=None, grass_fuel_load=None, continuous=False, dim="time",
                  errors="raise", **starts):
    """The daily summaries of fwi2025's hours, one per fire day (05:00 to 04:59 local): a
    Dataset of every output of emberlin.fwi2025_daily along a new dimension "fire_day"
    (replacing `dim`), whose coordinate is the date of each fire day's first hour.

    Takes the arguments of emberlin.xarray.fwi2025. The hours (year, month, day, hour, or
    the coordinate `dim`) must be one series shared by every cell: the fire days are
    counted from it before the work is handed to Dask.
    """
    return _fwi2025_apply(True, ds, dim, errors, continuous, starts,
                          _hourly_inputs(ds, dim, year, month, day, hour, temp, rh, ws, prec,
                                         lat, long, timezone),
                          _fwi2025_optional(ds, solrad, percent_cured, grass_fuel_load))


def _fwi2025_apply(daily, ds, dim, errors, continuous, starts, inputs, optional):
    unknown = set(starts) - set(_FWI2025_STARTS)
    if unknown:
        raise TypeError(f"fwi2025: no start-up value named {', '.join(sorted(unknown))}")
    starts = {name: _find(ds, name, value) for name, value in starts.items()}
    keywords = {**optional, **starts}
    names = list(keywords)
    hourly_names = {"solrad", "percent_cured"}
    outputs = FWI2025_DAILY_OUTPUTS if daily else FWI2025_OUTPUTS
    function = _emberlin.fwi2025_daily if daily else _emberlin.fwi2025
    out_dim = "fire_day" if daily else dim
    sizes = {}
    coords = {}
    if daily:
        # The fire days of the shared hours: the summaries of those hours in one cell.
        time = [np.asarray(part) for part in inputs[:4]]
        if any(part.ndim != 1 for part in time):
            raise ValueError("year, month, day, hour: fwi2025_daily needs one series of hours "
                             f"along {dim!r} shared by every cell")
        days = _emberlin.fwi2025_daily(*time, 20.0, 50.0, 0.0, 0.0, 0.0, 0.0, 0.0,
                                       continuous=continuous)
        sizes = {out_dim: days["yr"].size}
        coords = {out_dim: np.array([f"{int(y):04d}-{int(m):02d}-{int(d):02d}" for y, m, d in
                                     zip(days["yr"], days["mon"], days["day"])],
                                    dtype="datetime64[D]")}

    def chunk(*values, errors, continuous):
        given = dict(zip(names, values[11:]))
        out = function(*values[:11], **given, continuous=continuous, axis=-1, errors=errors)
        return tuple(out[name] for name in outputs)

    core = [[dim]] * 8 + [[]] * 3 + [[dim] if n in hourly_names else [] for n in names]
    results = xr.apply_ufunc(
        chunk, *inputs, *keywords.values(),
        input_core_dims=core,
        output_core_dims=[[out_dim]] * len(outputs),
        kwargs={"errors": errors, "continuous": continuous},
        dask="parallelized",
        output_dtypes=[np.float64] * len(outputs),
        dask_gufunc_kwargs={"allow_rechunk": True, "output_sizes": sizes})
    dataset = xr.Dataset({name: result.assign_attrs(units=outputs[name][0],
                                                    long_name=outputs[name][1])
                          for name, result in zip(outputs, results)})
    return dataset.assign_coords(coords) if daily else dataset
