// fwi_day and fwi_season: the daily FWI System over arrays of weather.
#include <algorithm>
#include <array>

#include "array_loop.h"
#include "batch/fields.h"
#include "functions.h"
#include "fwi/fwi_index.h"

namespace emberlin::python {

namespace {

using namespace pybind11::literals;

constexpr std::array<std::string_view, 7> kFwiOutputs = {"ffmc", "dmc", "dc", "isi",
                                                         "bui",  "fwi", "dsr"};

void Write(Outputs& out, py::ssize_t cell, const FwiCodes& day) {
    const double values[] = {day.ffmc, day.dmc, day.dc, day.isi, day.bui, day.fwi, day.dsr};
    for (std::size_t i = 0; i < kFwiOutputs.size(); ++i) out.Column(i)[cell] = values[i];
}

// The weather of one day, in the FWI calculator's ranges, as the batch fwi command checks it.
struct Weather {
    Argument month, temp, rh, ws, prec;

    Weather(const py::handle& monthValues, const py::handle& tempValues, const py::handle& rhValues,
            const py::handle& wsValues, const py::handle& precValues)
        : month("month", monthValues, batch::FwiFormRange("month")),
          temp("temp", tempValues, batch::kFwiSeasonTemperature),
          rh("rh", rhValues, batch::FwiFormRange("relativeHumidity")),
          ws("ws", wsValues, batch::FwiFormRange("windSpeed")),
          prec("prec", precValues, batch::FwiFormRange("rain")) {}
};

struct StartCodes {
    Argument ffmc, dmc, dc;

    StartCodes(const py::handle& ffmcValues, const py::handle& dmcValues,
               const py::handle& dcValues)
        : ffmc("ffmc0", ffmcValues, batch::FwiFormRange("ffmcYesterday")),
          dmc("dmc0", dmcValues, batch::FwiFormRange("dmcYesterday")),
          dc("dc0", dcValues, batch::FwiFormRange("dcYesterday")) {}
};

// values: ffmc0, dmc0, dc0, month, temp, rh, ws, prec.
FwiCodes Day(const double* v) {
    return CalcFwiDay(v[0], v[1], v[2], static_cast<int>(v[3]), v[4], v[5], v[7], v[6]);
}

py::dict FwiDayArrays(const py::handle& ffmc0, const py::handle& dmc0, const py::handle& dc0,
                      const py::handle& month, const py::handle& temp, const py::handle& rh,
                      const py::handle& ws, const py::handle& prec, std::string_view errors) {
    const OnRefusal onRefusal = ReadErrors(errors);
    StartCodes start(ffmc0, dmc0, dc0);
    Weather weather(month, temp, rh, ws, prec);
    Argument* const arguments[] = {&start.ffmc,   &start.dmc,  &start.dc,   &weather.month,
                                   &weather.temp, &weather.rh, &weather.ws, &weather.prec};
    const Shape shape = BroadcastShape(arguments);
    for (Argument* argument : arguments) argument->Align(shape);
    Outputs out(kFwiOutputs, shape);
    {
        py::gil_scoped_release unlocked;
        ForEachCell(
            shape, arguments, [&](const double* v, py::ssize_t cell) { Write(out, cell, Day(v)); },
            [&](py::ssize_t cell) { out.SetNan(cell); });
    }
    if (onRefusal == OnRefusal::Raise) RaiseFirstRefusal(arguments);
    return out.Dict();
}

// Cells side by side along the innermost cell dimension: each day is computed for a block
// of neighbouring cells before the next, so the loop reads and writes memory in runs whatever
// the position of the time axis.
constexpr py::ssize_t kBlock = 64;

py::dict FwiSeasonArrays(const py::handle& month, const py::handle& temp, const py::handle& rh,
                         const py::handle& ws, const py::handle& prec, const py::handle& ffmc0,
                         const py::handle& dmc0, const py::handle& dc0, int axis,
                         std::string_view errors) {
    const OnRefusal onRefusal = ReadErrors(errors);
    Weather weather(month, temp, rh, ws, prec);
    StartCodes start(ffmc0, dmc0, dc0);
    Argument* const days[] = {&weather.month, &weather.temp, &weather.rh, &weather.ws,
                              &weather.prec};
    Argument* const codes[] = {&start.ffmc, &start.dmc, &start.dc};
    const Shape shape = BroadcastShape(days);
    const int dims = static_cast<int>(shape.size());
    if (dims == 0) throw py::value_error("axis: the weather has no axis of days (0-d arrays)");
    if (axis < -dims || axis >= dims) {
        throw py::value_error("axis: " + std::to_string(axis) + " is outside the weather's " +
                              std::to_string(dims) + " dimensions");
    }
    const std::size_t time = static_cast<std::size_t>(axis < 0 ? axis + dims : axis);

    // The start codes broadcast over the cells: the weather's shape without the time axis.
    Shape cellShape = shape;
    cellShape.erase(cellShape.begin() + static_cast<std::ptrdiff_t>(time));
    bool fits = true;
    try {
        fits = BroadcastShape(codes, cellShape) == cellShape;
    } catch (const py::value_error&) {
        fits = false;
    }
    if (!fits) {
        throw py::value_error(
            "ffmc0, dmc0, dc0: the start codes must broadcast to the cells, the weather's shape "
            "without its time axis");
    }
    for (Argument* argument : days) argument->Align(shape);
    // A start code takes no step along the time axis.
    for (Argument* argument : codes) {
        argument->Align(cellShape);
        argument->InsertLoopDimension(time);
    }

    Outputs out(kFwiOutputs, shape);
    // Output steps in cells (C order).
    std::vector<py::ssize_t> outStep(shape.size(), 1);
    for (std::size_t d = shape.size() - 1; d > 0; --d) outStep[d - 1] = outStep[d] * shape[d];

    // The cell dimensions: `inner` runs in blocks, the others are walked one index at a time.
    std::vector<std::size_t> outer;
    for (std::size_t d = 0; d < shape.size(); ++d) {
        if (d != time) outer.push_back(d);
    }
    const bool hasInner = !outer.empty();
    const std::size_t inner = hasInner ? outer.back() : 0;
    if (hasInner) outer.pop_back();
    const py::ssize_t innerCount = hasInner ? shape[inner] : 1;
    const py::ssize_t dayCount = shape[time];
    py::ssize_t total = 1;
    for (py::ssize_t extent : shape) total *= extent;

    {
        py::gil_scoped_release unlocked;
        Shape index(shape.size(), 0);
        std::array<double, kBlock> ffmc{}, dmc{}, dc{};
        double values[8];
        auto step = [&](const Argument* a, std::size_t d) { return hasInner ? a->Step(d) : 0; };
        // A refused value at this row's cell and day; a start code's index is the cell's.
        auto refuse = [&](Argument* argument, py::ssize_t cell, py::ssize_t day, double value,
                          bool startCode) {
            if (hasInner) index[inner] = cell;
            index[time] = day;
            if (!startCode) return argument->Refuse(index, value);
            Shape cellIndex = index;
            cellIndex.erase(cellIndex.begin() + static_cast<std::ptrdiff_t>(time));
            argument->Refuse(cellIndex, value);
        };
        while (total > 0) {
            // This row of cells: the offsets of its first cell.
            std::array<py::ssize_t, 8> base{};
            py::ssize_t outBase = 0;
            for (std::size_t d : outer) {
                for (std::size_t k = 0; k < 5; ++k) base[k] += index[d] * days[k]->Step(d);
                for (std::size_t k = 0; k < 3; ++k) base[5 + k] += index[d] * codes[k]->Step(d);
                outBase += index[d] * outStep[d];
            }
            for (py::ssize_t first = 0; first < innerCount; first += kBlock) {
                const py::ssize_t count = std::min(kBlock, innerCount - first);
                for (py::ssize_t j = 0; j < count; ++j) {
                    double* carried[] = {&ffmc[j], &dmc[j], &dc[j]};
                    bool good = true;
                    for (std::size_t k = 0; k < 3; ++k) {
                        const double value = Argument::At(codes[k]->Data() + base[5 + k] +
                                                          (first + j) * step(codes[k], inner));
                        *carried[k] = value;
                        const Verdict verdict = Judge(value, codes[k]->Rule());
                        if (verdict == Verdict::Refused)
                            refuse(codes[k], first + j, 0, value, true);
                        good = good && verdict == Verdict::Good;
                    }
                    // A cell without start codes has no season.
                    if (!good) ffmc[j] = std::nan("");
                }
                for (py::ssize_t day = 0; day < dayCount; ++day) {
                    for (py::ssize_t j = 0; j < count; ++j) {
                        const py::ssize_t cell = first + j;
                        bool good = true;
                        for (std::size_t k = 0; k < 5; ++k) {
                            const double value =
                                Argument::At(days[k]->Data() + base[k] + day * days[k]->Step(time) +
                                             cell * step(days[k], inner));
                            values[3 + k] = value;
                            const Verdict verdict = Judge(value, days[k]->Rule());
                            if (verdict == Verdict::Refused)
                                refuse(days[k], cell, day, value, false);
                            good = good && verdict == Verdict::Good;
                        }
                        const py::ssize_t at =
                            outBase + day * outStep[time] + (hasInner ? cell * outStep[inner] : 0);
                        // A missing or refused day leaves the codes unknown from then on.
                        if (!good || std::isnan(ffmc[j])) {
                            ffmc[j] = std::nan("");
                            out.SetNan(at);
                            continue;
                        }
                        values[0] = ffmc[j];
                        values[1] = dmc[j];
                        values[2] = dc[j];
                        const FwiCodes result = Day(values);
                        Write(out, at, result);
                        // Today's codes are tomorrow's yesterday, as returned.
                        ffmc[j] = result.ffmc;
                        dmc[j] = result.dmc;
                        dc[j] = result.dc;
                    }
                }
            }
            // The next row of cells.
            std::size_t d = outer.size();
            for (; d > 0; --d) {
                const std::size_t dim = outer[d - 1];
                if (++index[dim] < shape[dim]) break;
                index[dim] = 0;
            }
            if (d == 0) break;
        }
    }
    if (onRefusal == OnRefusal::Raise) {
        Argument* const all[] = {&weather.month, &weather.temp, &weather.rh, &weather.ws,
                                 &weather.prec,  &start.ffmc,   &start.dmc,  &start.dc};
        RaiseFirstRefusal(all);
    }
    return out.Dict();
}

}  // namespace

void AddFwiFunctions(py::module_& module) {
    module.def("fwi_day", &FwiDayArrays, "ffmc0"_a, "dmc0"_a, "dc0"_a, "month"_a, "temp"_a, "rh"_a,
               "ws"_a, "prec"_a, py::kw_only(), "errors"_a = "raise",
               R"doc(fwi_day(ffmc0, dmc0, dc0, month, temp, rh, ws, prec, *, errors="raise") -> dict

The daily FWI System for one day, cell by cell.

Arguments broadcast together (numpy's rules); each is a number or an array:
  ffmc0   yesterday's Fine Fuel Moisture Code, 0 to 101
  dmc0    yesterday's Duff Moisture Code, 0 to 500
  dc0     yesterday's Drought Code, 0 to 1200
  month   month of the observation, 1 to 12 (whole numbers; ints or floats)
  temp    noon temperature, deg C, -50 to 60
  rh      noon relative humidity, %, 1 to 100
  ws      noon 10-m open wind speed, km/h, 0 to 100
  prec    rain over the 24 h before noon, mm, 0 to 60
  errors  "raise" (default): a value outside its range raises ValueError naming the
          argument and the index of its first such value; "nan": those cells give NaN.

Returns a dict of new float64 arrays of the broadcast shape: ffmc, dmc, dc (today's codes),
isi, bui, fwi and dsr. A NaN in any input gives NaN in all seven outputs of that cell.
The ranges are those of the FWI calculator and the batch fwi command.)doc");

    module.def("fwi_season", &FwiSeasonArrays, "month"_a, "temp"_a, "rh"_a, "ws"_a, "prec"_a,
               "ffmc0"_a = 85.0, "dmc0"_a = 6.0, "dc0"_a = 15.0, "axis"_a = 0, py::kw_only(),
               "errors"_a = "raise",
               R"doc(fwi_season(month, temp, rh, ws, prec, ffmc0=85, dmc0=6, dc0=15, axis=0, *,
           errors="raise") -> dict

The daily FWI System chained day after day along one axis, cell by cell.

The weather arguments broadcast together (numpy's rules) to the shape of the result;
`axis` of that shape is the days, in order:
  month   month of each day, 1 to 12 (whole numbers; ints or floats)
  temp    noon temperature, deg C, -50 to 60
  rh      noon relative humidity, %, 1 to 100
  ws      noon 10-m open wind speed, km/h, 0 to 100
  prec    rain over the 24 h before noon, mm, 0 to 60
The start codes (the codes of the day before the first) broadcast to the cells, the
weather's shape without `axis`:
  ffmc0   Fine Fuel Moisture Code, 0 to 101 (default 85)
  dmc0    Duff Moisture Code, 0 to 500 (default 6)
  dc0     Drought Code, 0 to 1200 (default 15)
  axis    the axis of days (default 0; negative counts from the end)
  errors  "raise" (default): a value outside its range raises ValueError naming the
          argument and the index of its first such value; "nan": those days give NaN.

Returns a dict of new float64 arrays of the weather's broadcast shape: ffmc, dmc, dc, isi,
bui, fwi and dsr. Each day's codes are the next day's start, as the batch fwi command chains
its rows. A NaN (or, with errors="nan", a refused value) on a day gives NaN on that day and
every later day of that cell: its codes are unknown from then on.)doc");
}

}  // namespace emberlin::python
