// fwi2025 and fwi2025_daily: the hourly FWI System along a time axis, each cell one station
// run by the engine's station runner (restarted per calendar year unless continuous).
#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "array_loop.h"
#include "batch/fields.h"
#include "functions.h"
#include "fwi2025/hourly_columns.h"
#include "fwi2025/station_series.h"

namespace emberlin::python {

namespace {

using namespace pybind11::literals;
namespace f = fwi2025;

constexpr batch::ValueRule Rule(f::InputRange range, bool integer = false) {
    return {range.min, range.max, integer};
}

// The output names: the hourly tables' computed columns, in their order.
const std::array<std::string_view, f::kHourlyOutputs.size()> kHourlyNames = [] {
    std::array<std::string_view, f::kHourlyOutputs.size()> names;
    for (std::size_t i = 0; i < names.size(); ++i) names[i] = f::kHourlyOutputs[i].name;
    return names;
}();

constexpr std::array<std::string_view, 20> kDailyOutputs = {
    "yr",   "mon", "day",  "sunrise",   "sunset",     "peak_hr",   "duration",
    "ffmc", "dmc", "dc",   "isi",       "bui",        "fwi",       "dsr",
    "gfmc", "gsi", "gfwi", "ws_smooth", "isi_smooth", "gsi_smooth"};

void WriteHour(Outputs& out, py::ssize_t at, const f::HourlyOutput& h) {
    for (std::size_t i = 0; i < f::kHourlyOutputs.size(); ++i) {
        out.Column(i)[at] = f::kHourlyOutputs[i].value(h);
    }
}

// A summary as written by the batch command (4 decimals); the date stays when `missing`.
void WriteDay(Outputs& out, py::ssize_t at, const f::DailySummary& d, bool missing) {
    const double nan = std::nan("");
    const double dated[] = {static_cast<double>(d.date.year), static_cast<double>(d.date.month),
                            static_cast<double>(d.date.day)};
    const std::array<double, 17> values = d.Numbers();
    for (std::size_t i = 0; i < 3; ++i) out.Column(i)[at] = dated[i];
    for (std::size_t i = 0; i < std::size(values); ++i) {
        out.Column(3 + i)[at] = missing ? nan : f::RoundToFourDecimals(values[i]);
    }
}

// The arguments in the order their refusals are raised.
enum Hourly { kYear, kMonth, kDay, kHour, kTemp, kRh, kWs, kPrec, kSolrad, kCured, kHourlyCount };
enum PerCell {
    kLat,
    kLong,
    kTimezone,
    kLoad,
    kFfmc0,
    kMcffmc0,
    kDmc0,
    kDc0,
    kMatted0,
    kStanding0,
    kPrecCumulative0,
    kCanopyDrying0,
    kCellCount
};

struct Call {
    py::handle year, month, day, hour, temp, rh, ws, prec, lat, lon, timezone;
    py::object solrad, percentCured, grassFuelLoad;
    py::object ffmc0, mcffmc0;
    py::handle dmc0, dc0, matted0, standing0, precCumulative0, canopyDrying0;
    bool continuous = false;
    int axis = 0;
    std::string_view errors;
};

// One day summary of a cell and whether one of its hours had no values.
struct CellDay {
    f::DailySummary summary;
    bool missing = false;
};

// The state of one cell's series.
struct Cell {
    bool cellGood = true;  // its site, load and start-up values
    std::optional<f::StationRunner> runner;
    std::optional<f::DailySummariser> summariser;
    bool broken = false;  // a missing hour ended the run
    int breakYear = 0;
    bool timeKnown = false;
    std::int64_t expectedHour = 0;  // hour number the next hour must have
    int missingHours = 0;           // since the last summary
    std::vector<CellDay> days;
};

py::object Run(const Call& call, bool daily) {
    const OnRefusal onRefusal = ReadErrors(call.errors);
    if (!call.ffmc0.is_none() && !call.mcffmc0.is_none()) {
        throw py::value_error(
            "ffmc0 and mcffmc0: give one start-up value of the fine fuel, "
            "not both");
    }
    const bool hasSolrad = !call.solrad.is_none();
    const bool hasCured = !call.percentCured.is_none();
    const bool hasLoad = !call.grassFuelLoad.is_none();
    // Absent optional inputs stand as NaN scalars that are never read.
    const py::float_ absent(std::nan(""));
    // The hourly tables' input columns, by their keywords and checks.
    auto input = [](f::HourlyInput column, const py::handle& values) {
        const f::HourlyInputColumn& declared = f::kHourlyInputs[column];
        return Argument(std::string(declared.keyword), values,
                        Rule(declared.range, declared.integer));
    };
    std::vector<Argument> hourly;
    hourly.reserve(kHourlyCount);
    for (const auto& [column, values] : {std::pair{f::kInYear, call.year},
                                         {f::kInMonth, call.month},
                                         {f::kInDay, call.day},
                                         {f::kInHour, call.hour},
                                         {f::kInTemp, call.temp},
                                         {f::kInRh, call.rh},
                                         {f::kInWs, call.ws},
                                         {f::kInPrec, call.prec},
                                         {f::kInSolrad, hasSolrad ? call.solrad : absent},
                                         {f::kInCured, hasCured ? call.percentCured : absent}}) {
        hourly.push_back(input(column, values));
    }

    const bool hasMoisture0 = !call.mcffmc0.is_none();
    const py::float_ defaultLoad(f::kDefaultGrassFuelLoadKgM2);
    std::vector<Argument> cellArgs;
    cellArgs.reserve(kCellCount);
    for (const auto& [column, values] :
         {std::pair{f::kInLat, call.lat},
          {f::kInLong, call.lon},
          {f::kInTimezone, call.timezone},
          {f::kInLoad, hasLoad ? call.grassFuelLoad : defaultLoad}}) {
        cellArgs.push_back(input(column, values));
    }
    cellArgs.emplace_back("ffmc0", call.ffmc0.is_none() ? py::float_(85.0) : call.ffmc0,
                          Rule(f::kFfmcRange));
    cellArgs.emplace_back("mcffmc0", hasMoisture0 ? call.mcffmc0 : py::float_(0.0),
                          Rule(f::kFineFuelMoistureRangePct));
    cellArgs.emplace_back("dmc0", call.dmc0, Rule(f::kCodeRange));
    cellArgs.emplace_back("dc0", call.dc0, Rule(f::kCodeRange));
    cellArgs.emplace_back("mcgfmc_matted0", call.matted0, Rule(f::kNonNegativeRange));
    cellArgs.emplace_back("mcgfmc_standing0", call.standing0, Rule(f::kNonNegativeRange));
    cellArgs.emplace_back("prec_cumulative0", call.precCumulative0, Rule(f::kNonNegativeRange));
    cellArgs.emplace_back("canopy_drying0", call.canopyDrying0, Rule(f::kNonNegativeRange));

    std::vector<Argument*> hourPointers;
    for (Argument& a : hourly) hourPointers.push_back(&a);
    std::vector<Argument*> cellPointers;
    for (Argument& a : cellArgs) cellPointers.push_back(&a);

    const Shape weatherShape = BroadcastShape(hourPointers);
    const int dims = static_cast<int>(weatherShape.size());
    if (dims == 0) throw py::value_error("axis: the weather has no axis of hours (0-d arrays)");
    if (call.axis < -dims || call.axis >= dims) {
        throw py::value_error("axis: " + std::to_string(call.axis) + " is outside the weather's " +
                              std::to_string(dims) + " dimensions");
    }
    // The cells: the weather's shape without its time axis, broadcast with the per-cell
    // arguments (which may add cells, as a latitude per cell does to one series).
    const std::size_t weatherTime =
        static_cast<std::size_t>(call.axis < 0 ? call.axis + dims : call.axis);
    Shape cellShape = weatherShape;
    cellShape.erase(cellShape.begin() + static_cast<std::ptrdiff_t>(weatherTime));
    const std::size_t weatherCellDims = cellShape.size();
    try {
        cellShape = BroadcastShape(cellPointers, cellShape);
    } catch (const py::value_error&) {
        throw py::value_error(
            "lat, long, timezone, grass_fuel_load and the start-up values must broadcast with "
            "the cells, the weather's shape without its time axis");
    }
    // The time axis counted in the result, whose leading cell dimensions may be new.
    const std::size_t time = weatherTime + (cellShape.size() - weatherCellDims);
    Shape shape = cellShape;
    shape.insert(shape.begin() + static_cast<std::ptrdiff_t>(time), weatherShape[weatherTime]);
    for (Argument* a : hourPointers) a->Align(shape);
    for (Argument* a : cellPointers) {
        a->Align(cellShape);
        a->InsertLoopDimension(time);
    }

    const py::ssize_t hours = shape[time];
    py::ssize_t cellCount = 1;
    for (py::ssize_t extent : cellShape) cellCount *= extent;
    // Output steps in elements (C order).
    std::vector<py::ssize_t> outStep(shape.size(), 1);
    for (std::size_t d = shape.size() - 1; d > 0; --d) outStep[d - 1] = outStep[d] * shape[d];
    std::vector<std::size_t> cellDims;
    for (std::size_t d = 0; d < shape.size(); ++d) {
        if (d != time) cellDims.push_back(d);
    }

    std::optional<Outputs> out;
    if (!daily) out.emplace(kHourlyNames, shape);
    std::vector<Cell> cells(daily ? static_cast<std::size_t>(cellCount) : 0);

    // The first hour out of order, by its index in the result.
    Shape timeProblemAt;
    std::string timeProblem;
    {
        py::gil_scoped_release unlocked;
        Shape index(shape.size(), 0);
        const double nan = std::nan("");
        for (py::ssize_t c = 0; c < cellCount; ++c) {
            // This cell's offsets.
            std::array<py::ssize_t, kHourlyCount> hourBase{};
            std::array<py::ssize_t, kCellCount> cellBase{};
            py::ssize_t outBase = 0;
            for (std::size_t d : cellDims) {
                for (std::size_t k = 0; k < kHourlyCount; ++k)
                    hourBase[k] += index[d] * hourly[k].Step(d);
                for (std::size_t k = 0; k < kCellCount; ++k)
                    cellBase[k] += index[d] * cellArgs[k].Step(d);
                outBase += index[d] * outStep[d];
            }
            Cell own;
            Cell& cell = daily ? cells[static_cast<std::size_t>(c)] : own;
            std::array<double, kCellCount> cv{};
            for (std::size_t k = 0; k < kCellCount; ++k) {
                const double value = Argument::At(cellArgs[k].Data() + cellBase[k]);
                cv[k] = value;
                if ((k == kMcffmc0 && !hasMoisture0) || (k == kFfmc0 && hasMoisture0)) continue;
                Verdict verdict = Judge(value, cellArgs[k].Rule());
                // A fuel load of 0 carries no grass fire.
                if (k == kLoad && verdict == Verdict::Good && value <= 0)
                    verdict = Verdict::Refused;
                if (verdict == Verdict::Refused) {
                    Shape cellIndex = index;
                    cellIndex.erase(cellIndex.begin() + static_cast<std::ptrdiff_t>(time));
                    cellArgs[k].Refuse(cellIndex, value);
                }
                cell.cellGood = cell.cellGood && verdict == Verdict::Good;
            }
            const f::Site site = {cv[kLat], cv[kLong], cv[kTimezone]};
            f::StartValues start;
            if (hasMoisture0) {
                start.fineFuelMoisturePct = cv[kMcffmc0];
            } else {
                start.ffmc = cv[kFfmc0];
            }
            start.dmc = cv[kDmc0];
            start.dc = cv[kDc0];
            start.mattedGrassMoisturePct = cv[kMatted0];
            start.standingGrassMoisturePct = cv[kStanding0];
            start.eventRainMm = cv[kPrecCumulative0];
            start.dryHours = cv[kCanopyDrying0];
            f::RunOptions options;
            options.continuous = call.continuous;
            if (daily) cell.summariser.emplace(options.grassTransition);

            for (py::ssize_t t = 0; t < hours; ++t) {
                index[time] = t;
                std::array<double, kHourlyCount> v{};
                std::array<Verdict, kHourlyCount> verdicts{};
                bool good = cell.cellGood;
                for (std::size_t k = 0; k < kHourlyCount; ++k) {
                    if ((k == kSolrad && !hasSolrad) || (k == kCured && !hasCured)) continue;
                    v[k] = Argument::At(hourly[k].Data() + hourBase[k] + t * hourly[k].Step(time));
                    verdicts[k] = Judge(v[k], hourly[k].Rule());
                    if (verdicts[k] == Verdict::Refused) hourly[k].Refuse(index, v[k]);
                    good = good && verdicts[k] == Verdict::Good;
                }
                f::HourlyWeather w;
                bool timeGood = verdicts[kYear] == Verdict::Good &&
                                verdicts[kMonth] == Verdict::Good &&
                                verdicts[kDay] == Verdict::Good && verdicts[kHour] == Verdict::Good;
                if (timeGood) {
                    w.date = {static_cast<int>(v[kYear]), static_cast<int>(v[kMonth]),
                              static_cast<int>(v[kDay])};
                    w.hour = static_cast<int>(v[kHour]);
                    if (!f::IsValidDate(w.date)) {
                        hourly[kDay].Refuse(index, v[kDay]);
                        timeGood = good = false;
                    }
                }
                if (timeGood) {
                    const std::int64_t number = f::HourNumber(w.date, w.hour);
                    if (cell.timeKnown && number != cell.expectedHour) {
                        const f::HourOrder order =
                            number == cell.expectedHour - 1 ? f::HourOrder::Repeat
                            : number < cell.expectedHour    ? f::HourOrder::Backwards
                                                            : f::HourOrder::Gap;
                        if (timeProblem.empty() || index < timeProblemAt) {
                            timeProblemAt = index;
                            char text[32];
                            std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:00", w.date.year,
                                          w.date.month, w.date.day, w.hour);
                            timeProblem = std::string(text) + " " + f::HourOrderProblem(order) +
                                          " the hour before it";
                        }
                        good = false;
                    }
                    cell.timeKnown = true;
                    cell.expectedHour = number + 1;
                } else if (cell.timeKnown) {
                    // The hour this row stands for, from the rows before it.
                    const std::int64_t number = cell.expectedHour++;
                    w.date = f::DateOfDayNumber(number >= 0 ? number / 24 : (number - 23) / 24);
                    w.hour = static_cast<int>(number - f::DayNumber(w.date) * 24);
                }
                // A cell's run starts at its first hour; after a missing hour, at the first
                // hour of a later calendar year (the engine's restart), or never when continuous.
                if (good && !cell.runner &&
                    (!cell.broken || (!call.continuous && w.date.year > cell.breakYear))) {
                    cell.runner.emplace(start, options);
                    cell.broken = false;
                }
                good = good && cell.runner.has_value();
                const py::ssize_t at = outBase + t * outStep[time];
                f::HourlyOutput result;
                if (good) {
                    w.temperatureC = v[kTemp];
                    w.relativeHumidityPct = v[kRh];
                    w.windSpeedKmh = v[kWs];
                    w.rainMm = v[kPrec];
                    if (hasSolrad) w.solarRadiationKwM2 = v[kSolrad];
                    if (hasCured) w.percentCured = v[kCured];
                    result = cell.runner->Step(site, cv[kLoad], w);
                    if (!daily) WriteHour(*out, at, result);
                } else {
                    if (cell.runner) {
                        cell.runner.reset();
                        cell.broken = true;
                    }
                    if (cell.timeKnown) cell.breakYear = w.date.year;
                    if (!daily) out->SetNan(at);
                    // The hour counts in its fire day with no values (the day's summary
                    // is then missing too).
                    result = f::HourlyOutput{};
                    w.windSpeedKmh = nan;
                }
                if (daily && cell.timeKnown) {
                    // Missing hours still count in their fire day, which then has no values.
                    const int missingBefore = cell.missingHours;
                    if (auto day = cell.summariser->Add(w, result)) {
                        cell.days.push_back({*day, missingBefore > 0});
                        cell.missingHours = 0;
                    }
                    if (!good) ++cell.missingHours;
                }
            }
            if (daily) {
                if (auto day = cell.summariser->Finish()) {
                    cell.days.push_back({*day, cell.missingHours > 0});
                }
                cell.summariser.reset();
                cell.runner.reset();
            }
            // The next cell, odometer-wise over the cell dimensions.
            for (std::size_t d = cellDims.size(); d > 0; --d) {
                const std::size_t dim = cellDims[d - 1];
                if (++index[dim] < shape[dim]) break;
                index[dim] = 0;
            }
        }
    }
    if (onRefusal == OnRefusal::Raise) {
        for (Argument* a : hourPointers) {
            if (!a->Refused()) continue;
            // A day in range that its month does not have.
            const double value = a->RefusedValue();
            if (a == &hourly[kDay] && value >= 1 && value <= 31 && value == std::trunc(value)) {
                throw py::value_error(
                    a->RefusalText(batch::BoundText(value) + " is not a day of its month"));
            }
            throw py::value_error(a->RefusalText());
        }
        for (Argument* a : cellPointers) {
            if (!a->Refused()) continue;
            if (a == &cellArgs[kLoad] && a->RefusedValue() == 0) {
                throw py::value_error(a->RefusalText("0 is not above 0"));
            }
            throw py::value_error(a->RefusalText());
        }
    }
    if (!timeProblem.empty()) {
        std::string at = "(";
        for (std::size_t d = 0; d < timeProblemAt.size(); ++d) {
            at += std::to_string(timeProblemAt[d]) + (d + 1 < timeProblemAt.size() ? ", "
                                                      : timeProblemAt.size() == 1  ? ","
                                                                                   : "");
        }
        throw py::value_error("year, month, day, hour: " + timeProblem + " at index " + at +
                              "); the hours must run on one hour apart along the axis");
    }
    if (!daily) return out->Dict();

    // The fire days replace the hours along the axis, as many as the cell with the most.
    std::size_t dayCount = 0;
    for (const Cell& cell : cells) dayCount = std::max(dayCount, cell.days.size());
    Shape dayShape = shape;
    dayShape[time] = static_cast<py::ssize_t>(dayCount);
    Outputs days(kDailyOutputs, dayShape);
    std::vector<py::ssize_t> dayStep(dayShape.size(), 1);
    for (std::size_t d = dayShape.size() - 1; d > 0; --d) {
        dayStep[d - 1] = dayStep[d] * dayShape[d];
    }
    {
        py::gil_scoped_release unlocked;
        Shape index(shape.size(), 0);
        for (const Cell& cell : cells) {
            py::ssize_t base = 0;
            for (std::size_t d : cellDims) base += index[d] * dayStep[d];
            for (std::size_t k = 0; k < dayCount; ++k) {
                const py::ssize_t at = base + static_cast<py::ssize_t>(k) * dayStep[time];
                if (k < cell.days.size()) {
                    WriteDay(days, at, cell.days[k].summary, cell.days[k].missing);
                } else {
                    days.SetNan(at);
                }
            }
            for (std::size_t d = cellDims.size(); d > 0; --d) {
                const std::size_t dim = cellDims[d - 1];
                if (++index[dim] < shape[dim]) break;
                index[dim] = 0;
            }
        }
    }
    return days.Dict();
}

constexpr const char* kArgumentsDoc = R"doc(
The hourly inputs broadcast together (numpy's rules) to the shape of the result; `axis` of
that shape is the hours, in order, one hour apart on the local clock:
  year, month, day, hour  the local date and hour of each row (whole numbers, ints or
                  floats; year 1 to 9999, hour 0 to 23), usually 1-d arrays along the axis
  temp            temperature, deg C, -90 to 90
  rh              relative humidity, %, 0 to 100
  ws              10-m open wind speed, km/h, 0 to 500
  prec            rain fallen during the hour, mm, 0 to 1000
  solrad          optional solar radiation, kW/m2, 0 to 5 (estimated when None)
  percent_cured   optional grass curing, %, 0 to 100 (seasonal curve when None)
Per cell (broadcast with the weather's shape without `axis`; cells they add lead the
result's shape, so one series of hours with lat=[...] gives (cells, hours)):
  lat             latitude, degrees north, -90 to 90
  long            longitude, degrees east, -180 to 180
  timezone        UTC offset of the local clock, h, -24 to 24
  grass_fuel_load optional grass fuel load, kg/m2, above 0 to 100 (default 0.35)
Start-up values of every run, per cell, keywords:
  ffmc0           Fine Fuel Moisture Code, 0 to 101 (default 85), or
  mcffmc0         fine fuel moisture, %, 0 to 250, instead of ffmc0
  dmc0            Duff Moisture Code (default 6), dc0 Drought Code (default 15), not negative
  mcgfmc_matted0, mcgfmc_standing0  grass fuel moisture, % (default 16.3075131042516)
  prec_cumulative0  rain total of the current wetting event, mm (default 0)
  canopy_drying0  dry hours counted toward ending the event, h (default 0)
  continuous      False (default): each cell's run restarts from the start-up values at
                  each new calendar year, as the batch fwi2025 command does per station;
                  True: one run over all years
  axis            the axis of hours (default 0; negative counts from the end)
  errors          "raise" (default): a value outside its range (or a day its month does
                  not have) raises ValueError naming the argument and the index of its
                  first such value; "nan": those hours give NaN.

A NaN (or, with errors="nan", a refused value) in an hour gives NaN in that hour and every
later hour of the cell's run: its state is unknown from then on; the run starts again from
the start-up values at the next calendar year (not when continuous). Hours that do not run
on one hour apart (a gap, a repeat, a step back) always raise ValueError naming the index.)doc";

}  // namespace

void AddFwi2025Functions(py::module_& module) {
    const f::StartValues d;
    auto bind = [&](const char* name, bool daily, const std::string& doc) {
        module.def(
            name,
            [daily](const py::handle& year, const py::handle& month, const py::handle& day,
                    const py::handle& hour, const py::handle& temp, const py::handle& rh,
                    const py::handle& ws, const py::handle& prec, const py::handle& lat,
                    const py::handle& lon, const py::handle& timezone, const py::object& solrad,
                    const py::object& percentCured, const py::object& grassFuelLoad,
                    const py::object& ffmc0, const py::object& mcffmc0, const py::handle& dmc0,
                    const py::handle& dc0, const py::handle& matted0, const py::handle& standing0,
                    const py::handle& precCumulative0, const py::handle& canopyDrying0,
                    bool continuous, int axis, std::string_view errors) {
                Call call;
                call.year = year;
                call.month = month;
                call.day = day;
                call.hour = hour;
                call.temp = temp;
                call.rh = rh;
                call.ws = ws;
                call.prec = prec;
                call.lat = lat;
                call.lon = lon;
                call.timezone = timezone;
                call.solrad = solrad;
                call.percentCured = percentCured;
                call.grassFuelLoad = grassFuelLoad;
                call.ffmc0 = ffmc0;
                call.mcffmc0 = mcffmc0;
                call.dmc0 = dmc0;
                call.dc0 = dc0;
                call.matted0 = matted0;
                call.standing0 = standing0;
                call.precCumulative0 = precCumulative0;
                call.canopyDrying0 = canopyDrying0;
                call.continuous = continuous;
                call.axis = axis;
                call.errors = errors;
                return Run(call, daily);
            },
            "year"_a, "month"_a, "day"_a, "hour"_a, "temp"_a, "rh"_a, "ws"_a, "prec"_a, "lat"_a,
            "long"_a, "timezone"_a, py::kw_only(), "solrad"_a = py::none(),
            "percent_cured"_a = py::none(), "grass_fuel_load"_a = py::none(),
            "ffmc0"_a = py::none(), "mcffmc0"_a = py::none(), "dmc0"_a = d.dmc, "dc0"_a = d.dc,
            "mcgfmc_matted0"_a = d.mattedGrassMoisturePct,
            "mcgfmc_standing0"_a = d.standingGrassMoisturePct, "prec_cumulative0"_a = d.eventRainMm,
            "canopy_drying0"_a = d.dryHours, "continuous"_a = false, "axis"_a = 0,
            "errors"_a = "raise", doc.c_str());
    };
    static const std::string hourlyDoc =
        std::string(
            R"doc(fwi2025(year, month, day, hour, temp, rh, ws, prec, lat, long, timezone, *,
        solrad=None, percent_cured=None, grass_fuel_load=None, ffmc0=None, mcffmc0=None,
        dmc0=6, dc0=15, mcgfmc_matted0=16.3075131042516, mcgfmc_standing0=16.3075131042516,
        prec_cumulative0=0, canopy_drying0=0, continuous=False, axis=0,
        errors="raise") -> dict

The hourly FWI System (FWI2025) chained hour by hour along one axis, each cell a station.
)doc") + kArgumentsDoc +
        R"doc(

Returns a dict of new float64 arrays of the result's shape (the weather's, with any cells the
per-cell arguments add), one per hourly output:
mcffmc (%), ffmc, dmc, dc, isi, bui, fwi, dsr, mcgfmc_matted (%), mcgfmc_standing (%),
gfmc, gsi, gfwi, sunrise, sunset, sunlight_hours (h, local clock; sunset past 24 under the
midnight sun), solrad (kW/m2), percent_cured (%), grass_fuel_load (kg/m2),
prec_cumulative (mm) and canopy_drying (h), at full precision.)doc";
    static const std::string dailyDoc =
        std::string(
            R"doc(fwi2025_daily(year, month, day, hour, temp, rh, ws, prec, lat, long, timezone,
              *, <the keywords of fwi2025>) -> dict

The daily summaries of fwi2025's hours: one per fire day (05:00 to 04:59 local) with more
than 12 hours, as the batch command `fwi2025 --summaries` writes them.
)doc") + kArgumentsDoc +
        R"doc(

Returns a dict of new float64 arrays whose `axis` holds the fire days instead of the hours
(as many as the cell with the most; cells with fewer are padded with NaN at the end; with
the hours shared by all cells, every cell has the same days): yr, mon, day (the date of the
fire day's first hour), sunrise and sunset (h, decimal, 4 decimals; the command writes them
as HH:MM, hours and minutes truncated), peak_hr (clock hour of the peak), duration (hours
of active burning, smoothed ISI >= 5), then at the peak hour ffmc, dmc, dc, isi, bui, fwi,
dsr, gfmc, gsi, gfwi, ws_smooth (km/h), isi_smooth and gsi_smooth, rounded to 4 decimals.
A fire day holding a missing hour keeps its date and has NaN in every other output.)doc";
    bind("fwi2025", false, hourlyDoc);
    bind("fwi2025_daily", true, dailyDoc);
}

}  // namespace emberlin::python
