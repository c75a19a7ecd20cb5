// fbp: the FBP System over arrays of fuel codes and conditions.
#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <unordered_map>

#include "array_loop.h"
#include "batch/command.h"
#include "batch/fbp_columns.h"
#include "fbp/fbp_engine.h"
#include "forms/content/fire_description.h"
#include "functions.h"

namespace emberlin::python {

namespace {

using namespace pybind11::literals;

// The keyword of each input column, in the columns' order: the column's name in lower case.
constexpr std::array<const char*, 20> kKeywords = {
    "ffmc", "bui", "ws",      "wd",    "gs",     "aspect", "dj",  "d0", "lat", "long",
    "elv",  "hr",  "minutes", "accel", "buieff", "pc",     "pdf", "cc", "gfl", "theta"};
constexpr std::size_t kRequired = 3;  // ffmc, bui, ws

// Output names: the batch command's columns, then the fire type.
std::vector<std::string_view> OutputNames() {
    std::vector<std::string_view> names;
    for (const batch::FbpOutputColumn& column : batch::kFbpOutputColumns) {
        names.push_back(column.name);
    }
    names.push_back("fire_type");
    return names;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\0')) {
        text.remove_suffix(1);
    }
    return text;
}

// The fuel codes as text: one string, or an array of str (numpy "U"), bytes ("S") or objects
// turned into str.
class FuelCodes {
  public:
    explicit FuelCodes(const py::handle& codes) {
        py::module_ numpy = py::module_::import("numpy");
        py::array array = numpy.attr("asarray")(codes);
        char kind = array.dtype().kind();
        if (kind == 'O') {
            array = array.attr("astype")("U");
            kind = 'U';
        }
        if (kind != 'U' && kind != 'S') {
            throw py::type_error("fuel_type: fuel codes as text expected (\"C2\", \"O1a\", ...)");
        }
        codes_ = numpy.attr("ascontiguousarray")(array);
        wide_ = kind == 'U';
        width_ = static_cast<std::size_t>(codes_.itemsize()) / (wide_ ? 4 : 1);
    }

    py::ssize_t Size() const { return codes_.size(); }
    Shape OwnShape() const { return Shape(codes_.shape(), codes_.shape() + codes_.ndim()); }

    // The bytes of one element, as numpy holds them: equal codes have equal bytes.
    std::string_view Bytes(py::ssize_t element) const {
        const std::size_t size = width_ * (wide_ ? 4 : 1);
        return {static_cast<const char*>(codes_.data()) + static_cast<std::size_t>(element) * size,
                size};
    }

    // The code of one element as ASCII text; a character beyond ASCII becomes one that no code
    // holds.
    std::string Text(py::ssize_t element) const {
        std::string text(width_, '\0');
        const char* data = static_cast<const char*>(codes_.data());
        for (std::size_t i = 0; i < width_; ++i) {
            if (wide_) {
                char32_t c;
                std::memcpy(&c, data + (static_cast<std::size_t>(element) * width_ + i) * 4, 4);
                text[i] = c < 0x80 ? static_cast<char>(c) : '\x7f';
            } else {
                text[i] = data[static_cast<std::size_t>(element) * width_ + i];
            }
        }
        return std::string(Trimmed(text));
    }

  private:
    py::array codes_;
    bool wide_ = false;
    std::size_t width_ = 0;
};

// The row of each fuel code in the engine's table as a float64 array of the codes' shape:
// NaN for an empty code (a cell without fuel), -1 for a text that names no fuel type.
DoubleArray FuelIndices(const FuelCodes& codes) {
    DoubleArray indices(codes.OwnShape());
    double* out = indices.mutable_data();
    py::gil_scoped_release unlocked;
    // Each distinct code is read once: the elements are looked up by their bytes.
    std::unordered_map<std::string_view, double> known;
    for (py::ssize_t i = 0; i < codes.Size(); ++i) {
        const std::string_view bytes = codes.Bytes(i);
        auto found = known.find(bytes);
        if (found == known.end()) {
            const std::string text = codes.Text(i);
            const int fuel = batch::FuelIndexOf(text);
            const double index = text.empty() ? std::nan("") : fuel;
            found = known.emplace(bytes, index).first;
        }
        out[i] = found->second;
    }
    return indices;
}

std::size_t FlatIndex(const Shape& shape, const Shape& index) {
    std::size_t flat = 0;
    for (std::size_t d = 0; d < shape.size(); ++d) {
        flat = flat * static_cast<std::size_t>(shape[d]) + static_cast<std::size_t>(index[d]);
    }
    return flat;
}

py::dict FbpArrays(const py::handle& fuelType, const std::array<py::object, 20>& given,
                   std::string_view errors) {
    const OnRefusal onRefusal = ReadErrors(errors);
    const std::vector<batch::FbpInputColumn>& columns = batch::FbpInputColumns();
    if (!given[11].is_none() && !given[12].is_none()) {
        throw py::value_error("hr, minutes: both give the elapsed time; give one");
    }
    const FuelCodes codes(fuelType);
    const batch::ValueRule fuelRule = {0, static_cast<double>(FuelTypeTable.size() - 1), true};
    Argument fuel("fuel_type", FuelIndices(codes), fuelRule);

    // The inputs given, each with its column; those not given keep the base record's value.
    std::vector<Argument> inputs;
    std::vector<const batch::FbpInputColumn*> filled;
    inputs.reserve(columns.size());
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (given[i].is_none()) continue;
        inputs.emplace_back(kKeywords[i], given[i], columns[i].rule);
        filled.push_back(&columns[i]);
    }
    std::vector<Argument*> arguments = {&fuel};
    for (Argument& input : inputs) arguments.push_back(&input);
    const Shape shape = BroadcastShape(arguments);
    for (Argument* argument : arguments) argument->Align(shape);

    const std::vector<std::string_view> names = OutputNames();
    Outputs out(names, shape);
    {
        py::gil_scoped_release unlocked;
        // The inputs not given keep the base record's values; those given are filled in for
        // every cell. The fuel type goes to the engine as its row of the table.
        FbpInputs in = batch::FbpBaseInputs();
        FbpOutputs result;
        ForEachCell(
            shape, arguments,
            [&](const double* values, py::ssize_t cell) {
                for (std::size_t k = 0; k < filled.size(); ++k) filled[k]->Fill(in, values[1 + k]);
                ComputeFbpForFuel(in, static_cast<int>(values[0]), result);
                for (std::size_t i = 0; i < batch::kFbpOutputColumns.size(); ++i) {
                    out.Column(i)[cell] = result.*batch::kFbpOutputColumns[i].value;
                }
                out.Column(batch::kFbpOutputColumns.size())[cell] =
                    static_cast<double>(ClassifyFireType(result.cfb));
            },
            [&](py::ssize_t cell) { out.SetNan(cell); });
    }
    if (onRefusal == OnRefusal::Raise) {
        if (fuel.Refused()) {
            const std::string text = codes.Text(
                static_cast<py::ssize_t>(FlatIndex(codes.OwnShape(), fuel.RefusedIndex())));
            throw py::value_error(fuel.RefusalText(batch::NotAFuelType(text)));
        }
        RaiseFirstRefusal(arguments);
    }
    return out.Dict();
}

}  // namespace

void AddFbpFunctions(py::module_& module) {
    // The keywords must stay the batch command's columns, in their order.
    const std::vector<batch::FbpInputColumn>& columns = batch::FbpInputColumns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        std::string lower(columns[i].name);
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (i >= kKeywords.size() || lower != kKeywords[i] ||
            columns[i].required != (i < kRequired)) {
            throw std::logic_error("fbp keywords differ from the batch fbp columns");
        }
    }

    py::tuple fireTypes(3);
    for (const double cfb : {0.0, 0.1, 0.9}) {
        fireTypes[static_cast<std::size_t>(ClassifyFireType(cfb))] = forms::FireDescription(cfb);
    }
    module.attr("FIRE_TYPES") = fireTypes;

    module.def(
        "fbp",
        [](const py::handle& fuelType, const py::object& ffmc, const py::object& bui,
           const py::object& ws, const py::object& wd, const py::object& gs,
           const py::object& aspect, const py::object& dj, const py::object& d0,
           const py::object& lat, const py::object& longitude, const py::object& elv,
           const py::object& hr, const py::object& minutes, const py::object& accel,
           const py::object& buieff, const py::object& pc, const py::object& pdf,
           const py::object& cc, const py::object& gfl, const py::object& theta,
           std::string_view errors) {
            return FbpArrays(fuelType,
                             {ffmc, bui, ws,      wd,    gs,     aspect, dj,  d0, lat, longitude,
                              elv,  hr,  minutes, accel, buieff, pc,     pdf, cc, gfl, theta},
                             errors);
        },
        "fuel_type"_a, "ffmc"_a, "bui"_a, "ws"_a, "wd"_a = py::none(), "gs"_a = py::none(),
        "aspect"_a = py::none(), "dj"_a = py::none(), "d0"_a = py::none(), "lat"_a = py::none(),
        "long"_a = py::none(), "elv"_a = py::none(), "hr"_a = py::none(), "minutes"_a = py::none(),
        "accel"_a = py::none(), "buieff"_a = py::none(), "pc"_a = py::none(), "pdf"_a = py::none(),
        "cc"_a = py::none(), "gfl"_a = py::none(), "theta"_a = py::none(), py::kw_only(),
        "errors"_a = "raise",
        R"doc(fbp(fuel_type, ffmc, bui, ws, wd=None, gs=None, aspect=None, dj=None, d0=None,
    lat=None, long=None, elv=None, hr=None, minutes=None, accel=None, buieff=None, pc=None,
    pdf=None, cc=None, gfl=None, theta=None, *, errors="raise") -> dict

The FBP System, one case per cell.

Arguments broadcast together (numpy's rules). fuel_type is one code or an array of codes
("C1".."C7", "D1", "D2", "M1".."M4", "S1".."S3", "O1a", "O1b"; any letter case, with or
without the hyphen); an empty code marks a cell without fuel (NaN outputs). The others are
numbers or arrays, with the ranges of the FBP calculator and the batch fbp command; those
left as None take the batch command's default for a blank value:
  ffmc     Fine Fuel Moisture Code, 0 to 101
  bui      Buildup Index, 0 to 650
  ws       10-m open wind speed, km/h, 0 to 150
  wd       direction the wind blows from, degrees clockwise from north, 0 to 360 (0)
  gs       ground slope, %, 0 to 100 (0)
  aspect   direction the slope faces, degrees clockwise from north, 0 to 360 (0)
  dj       day of the year, 1 to 365, whole (0)
  d0       day of minimum foliar moisture, 0 to 365, whole (0: worked out)
  lat      latitude, degrees north, 30 to 90 (0)
  long     longitude, degrees, -170 to 170; only the magnitude is used (0)
  elv      elevation, m, 0 to 3000, whole (0: the formula without elevation)
  hr       elapsed time since ignition, h, 0 to 5 (give hr or minutes, not both)
  minutes  elapsed time since ignition, min, 0 to 300 (0)
  accel    1 point ignition, 0 line ignition (0)
  buieff   1 the BUI is used (default), 0 not
  pc       conifer share of M1 and M2, %, 0 to 100 (0)
  pdf      dead balsam fir share of M3 and M4, %, 0 to 100 (0)
  cc       grass curing of O1a and O1b, %, 0 to 100 (0: the engine takes 95)
  gfl      grass fuel load of O1a and O1b, kg/m2, 0 to 5 (0: the engine takes 0.3)
  theta    direction of the *Theta outputs, degrees clockwise from north, 0 to 360 (0)
  errors   "raise" (default): a value outside its range (or a text that names no fuel
           type) raises ValueError naming the argument and the index of its first such
           value; "nan": those cells give NaN.

Returns a dict of new float64 arrays of the broadcast shape, named as the batch fbp
command's columns: ros, fros, bros, rosTheta (m/min, equilibrium rates: head, flank, back,
towards theta), rost, frost, brost, rosThetaT (m/min, the same at the elapsed time), cfb,
fcfb, bcfb, cfbTheta (crown fraction burned, 0 to 1), hfi, ffi, bfi, fiTheta (kW/m fire
intensities), tfc, ftfc, btfc, tfcTheta (kg/m2 total fuel consumption), sfc (kg/m2 surface
fuel consumption), lb (length-to-breadth ratio), raz (rad, spread direction clockwise from
north), wsv (km/h net effective wind speed), hsd, fsd, bsd (m spread distances), area (ha),
perimeter (m), pgr (m/min perimeter growth rate), and fire_type: 0, 1 or 2, the index in
FIRE_TYPES (surface, intermittent crown, crown fire). A NaN in any input gives NaN in every
output of that cell.)doc");
}

}  // namespace emberlin::python
