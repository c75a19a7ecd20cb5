// emberlin diurnal: each row a day of the diurnal weather form; one output row per hour.
#include <array>
#include <vector>

#include "batch/command.h"
#include "batch/form_ranges.h"
#include "diurnal/diurnal_weather.h"
#include "diurnal/hourly_ffmc.h"

namespace emberlin::batch {

namespace {

// The form's inputs: column name and form field.
struct DiurnalColumn {
    std::array<std::string_view, 2> names;
    std::string_view field;
};

enum Input : std::size_t {
    kMonth,
    kDay,
    kLatitude,
    kLongitude,
    kTemperature,
    kHumidity,
    kWind,
    kFfmc,
    kMinTemperature,
    kMaxTemperature,
    kMinWind,
    kMaxWind,
    kRequiredCount,
    kTemperatureAlpha = kRequiredCount,
    kTemperatureBeta,
    kTemperatureGamma,
    kWindAlpha,
    kWindBeta,
    kWindGamma,
    kInputCount
};

constexpr std::array<DiurnalColumn, kInputCount> kColumns = {{
    {{"month", "mon"}, "month"},
    {{"day"}, "day"},
    {{"lat"}, "latitude"},
    {{"long"}, "longitude"},
    {{"temp"}, "temperature"},
    {{"rh"}, "relativeHumidity"},
    {{"ws"}, "windSpeed"},
    {{"ffmc"}, "ffmc"},
    {{"tmin"}, "minTemperature"},
    {{"tmax"}, "maxTemperature"},
    {{"wsmin"}, "minWind"},
    {{"wsmax"}, "maxWind"},
    {{"talpha"}, "temperatureAlpha"},
    {{"tbeta"}, "temperatureBeta"},
    {{"tgamma"}, "temperatureGamma"},
    {{"walpha"}, "windAlpha"},
    {{"wbeta"}, "windBeta"},
    {{"wgamma"}, "windGamma"},
}};

class DiurnalRows : public RowCommand {
  public:
    explicit DiurnalRows(FfmcMethod method) : method_(method) {
        for (std::size_t i = 0; i < kInputCount; ++i)
            rules_[i] = DiurnalFormRange(kColumns[i].field);
    }

    std::string Begin(Header& header, std::string&) override {
        for (std::size_t i = 0; i < kInputCount; ++i) {
            const DiurnalColumn& column = kColumns[i];
            positions_[i] = column.names[1].empty()
                                ? header.Find({column.names[0]})
                                : header.Find({column.names[0], column.names[1]});
            if (!positions_[i] && i < kRequiredCount) {
                return "missing column: " + std::string(column.names[0]);
            }
            header.Use(positions_[i]);
        }
        // Every other column identifies the day and is repeated on each of its hours.
        idColumns_ = header.Unused();
        return "";
    }

    void WriteHeading(const Header& header, CsvWriter& out) override {
        for (std::size_t column : idColumns_) out.Field(header.Name(column));
        for (std::string_view name : {"hour", "temp", "rh", "ws", "ffmc"}) out.Field(name);
        out.EndRow();
    }

    std::string Row(const Header& header, std::span<const std::string_view> fields,
                    CsvWriter& out) override {
        RecordValues values(header, fields);
        std::array<double, kInputCount> v{};
        v[kTemperatureAlpha] = kDefaultTemperatureParams.alpha;
        v[kTemperatureBeta] = kDefaultTemperatureParams.beta;
        v[kTemperatureGamma] = kDefaultTemperatureParams.gamma;
        v[kWindAlpha] = kDefaultWindParams.alpha;
        v[kWindBeta] = kDefaultWindParams.beta;
        v[kWindGamma] = kDefaultWindParams.gamma;
        for (std::size_t i = 0; i < kInputCount; ++i) {
            const bool read = i < kRequiredCount ? values.Required(*positions_[i], rules_[i], v[i])
                                                 : values.Optional(positions_[i], rules_[i], v[i]);
            if (!read) return values.Problem();
        }
        // The form's own checks before it computes: the sun-time model's place and curve
        // extremes in order.
        if (!IsInSunTimeDomain(v[kLatitude], 0.0)) {
            values.Refuse(*positions_[kLatitude], std::string(values.Text(*positions_[kLatitude])) +
                                                      " is outside " + BoundText(-kMaxAbsLatitude) +
                                                      " to " + BoundText(kMaxAbsLatitude) +
                                                      ", where sun times are modelled");
            return values.Problem();
        }
        if (!IsInSunTimeDomain(v[kLatitude], v[kLongitude])) {
            values.Refuse(*positions_[kLongitude],
                          std::string(values.Text(*positions_[kLongitude])) + " is outside " +
                              BoundText(-kMaxAbsLongitude) + " to " + BoundText(kMaxAbsLongitude) +
                              ", where sun times are modelled");
            return values.Problem();
        }
        if (v[kMinTemperature] > v[kMaxTemperature]) {
            values.Refuse(*positions_[kMinTemperature],
                          std::string(values.Text(*positions_[kMinTemperature])) +
                              " is above tmax " +
                              std::string(values.Text(*positions_[kMaxTemperature])));
            return values.Problem();
        }
        if (v[kMinWind] > v[kMaxWind]) {
            values.Refuse(*positions_[kMinWind],
                          std::string(values.Text(*positions_[kMinWind])) + " is above wsmax " +
                              std::string(values.Text(*positions_[kMaxWind])));
            return values.Problem();
        }
        const DiurnalCurveParams temperatureParams{v[kTemperatureAlpha], v[kTemperatureBeta],
                                                   v[kTemperatureGamma]};
        const DiurnalCurveParams windParams{v[kWindAlpha], v[kWindBeta], v[kWindGamma]};
        const std::optional<DiurnalDay> day = CalcDiurnalDay(
            v[kLatitude], v[kLongitude], static_cast<int>(v[kMonth]), static_cast<int>(v[kDay]),
            v[kTemperature], v[kHumidity], v[kWind], v[kMinTemperature], v[kMaxTemperature],
            v[kMinWind], v[kMaxWind], temperatureParams, windParams);
        if (!day) {  // not reachable after the checks above
            values.Refuse(*positions_[kLatitude], "no sun times for this place and day");
            return values.Problem();
        }
        const DiurnalFfmc ffmc = CalcDiurnalFfmc(*day, v[kFfmc], method_);
        for (std::size_t hour = 1; hour <= 24; ++hour) {
            for (std::size_t column : idColumns_) out.Field(fields[column]);
            out.Number(static_cast<double>(hour));
            out.Number(day->temperature[hour]);
            out.Number(day->relativeHumidity[hour]);
            out.Number(day->windSpeed[hour]);
            out.Number(ffmc[hour]);
            out.EndRow();
        }
        return "";
    }

  private:
    const FfmcMethod method_;
    std::array<ValueRule, kInputCount> rules_{};
    std::array<std::optional<std::size_t>, kInputCount> positions_{};
    std::vector<std::size_t> idColumns_;
};

constexpr CommandOption kOptions[] = {
    {"method", "hourly FFMC: vanwagner (default, chained from the day's FFMC) or equilibrium"},
};

std::unique_ptr<RowCommand> MakeDiurnal(const OptionValues& options, std::string& problem) {
    FfmcMethod method = FfmcMethod::VanWagner;
    if (const std::optional<std::string_view> text = options.Get("method")) {
        if (EqualsNoCase(*text, "equilibrium")) {
            method = FfmcMethod::Equilibrium;
        } else if (!EqualsNoCase(*text, "vanwagner")) {
            problem = "--method: " + Quoted(*text) +
                      " is not a method with a calculation (vanwagner or equilibrium)";
            return nullptr;
        }
    }
    return std::make_unique<DiurnalRows>(method);
}

}  // namespace

const CommandSpec kDiurnalCommand = {
    "diurnal",
    "hourly weather and hourly FFMC, 24 rows for each day",
    "Columns (by name, any letter case and order), the diurnal weather form's inputs:\n"
    "month or mon, day, lat, long, temp, rh, ws, ffmc (the day's noon values), tmin, tmax,\n"
    "wsmin, wsmax (typical daily extremes); optional curve shapes talpha, tbeta, tgamma,\n"
    "walpha, wbeta, wgamma (blank = the form's defaults). Values are checked with the form's\n"
    "ranges. Output: the row's other columns (its ids), then hour (1..24, 12 = noon, 24 =\n"
    "midnight), temp, rh, ws, ffmc.\n",
    kOptions,
    MakeDiurnal,
};

}  // namespace emberlin::batch
