// Reading one day of the diurnal weather form's inputs from a record.
#include "batch/diurnal_reader.h"

namespace emberlin::batch {

namespace {

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

constexpr std::array<FieldColumn, kInputCount> kColumns = {{
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

static_assert(kInputCount == DiurnalDayReader::kInputCount);

// The longest each month gets; 29 February is a day, in leap years.
constexpr std::array<int, 12> kDaysInMonth = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

}  // namespace

DiurnalDayReader::DiurnalDayReader() {
    for (std::size_t i = 0; i < kInputCount; ++i) rules_[i] = DiurnalFormRange(kColumns[i].field);
}

std::string DiurnalDayReader::Begin(Header& header) {
    for (std::size_t i = 0; i < kInputCount; ++i) {
        const FieldColumn& column = kColumns[i];
        positions_[i] = header.Find({column.names[0], column.names[1]});
        if (!positions_[i] && i < kRequiredCount) {
            return "missing column: " + std::string(column.names[0]);
        }
        header.Use(positions_[i]);
    }
    return "";
}

std::optional<DiurnalHours> DiurnalDayReader::Read(RecordValues& values, FfmcMethod method) const {
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
        if (!read) return std::nullopt;
    }
    // The range lets any month have a 31st; the day of the year would run into the next month.
    const auto month = static_cast<std::size_t>(v[kMonth]) - 1;
    if (v[kDay] > kDaysInMonth[month]) {
        values.Refuse(*positions_[kDay], std::string(values.Text(*positions_[kDay])) +
                                             " is not a day of " + std::string(kMonthNames[month]) +
                                             " (1 to " + std::to_string(kDaysInMonth[month]) + ")");
        return std::nullopt;
    }
    // The form's own checks before it computes: the sun-time model's place and curve
    // extremes in order.
    if (!IsInSunTimeDomain(v[kLatitude], 0.0)) {
        values.Refuse(*positions_[kLatitude], std::string(values.Text(*positions_[kLatitude])) +
                                                  " is outside " + BoundText(-kMaxAbsLatitude) +
                                                  " to " + BoundText(kMaxAbsLatitude) +
                                                  ", where sun times are modelled");
        return std::nullopt;
    }
    if (!IsInSunTimeDomain(v[kLatitude], v[kLongitude])) {
        values.Refuse(*positions_[kLongitude], std::string(values.Text(*positions_[kLongitude])) +
                                                   " is outside " + BoundText(-kMaxAbsLongitude) +
                                                   " to " + BoundText(kMaxAbsLongitude) +
                                                   ", where sun times are modelled");
        return std::nullopt;
    }
    if (v[kMinTemperature] > v[kMaxTemperature]) {
        values.Refuse(*positions_[kMinTemperature],
                      std::string(values.Text(*positions_[kMinTemperature])) + " is above tmax " +
                          std::string(values.Text(*positions_[kMaxTemperature])));
        return std::nullopt;
    }
    if (v[kMinWind] > v[kMaxWind]) {
        values.Refuse(*positions_[kMinWind], std::string(values.Text(*positions_[kMinWind])) +
                                                 " is above wsmax " +
                                                 std::string(values.Text(*positions_[kMaxWind])));
        return std::nullopt;
    }
    DiurnalDayInputs inputs;
    inputs.latitude = v[kLatitude];
    inputs.longitude = v[kLongitude];
    inputs.month = static_cast<int>(v[kMonth]);
    inputs.day = static_cast<int>(v[kDay]);
    inputs.noonTemperature = v[kTemperature];
    inputs.noonRelativeHumidity = v[kHumidity];
    inputs.noonWindSpeed = v[kWind];
    inputs.minTemperature = v[kMinTemperature];
    inputs.maxTemperature = v[kMaxTemperature];
    inputs.minWind = v[kMinWind];
    inputs.maxWind = v[kMaxWind];
    inputs.temperatureParams = {v[kTemperatureAlpha], v[kTemperatureBeta], v[kTemperatureGamma]};
    inputs.windParams = {v[kWindAlpha], v[kWindBeta], v[kWindGamma]};
    const std::optional<DiurnalDay> day = CalcDiurnalDay(inputs);
    if (!day) {  // not reachable after the checks above
        values.Refuse(*positions_[kLatitude], "no sun times for this place and day");
        return std::nullopt;
    }
    return DiurnalHours{*day,
                        CalcDiurnalFfmc(*day, v[kFfmc], method),
                        v[kLatitude],
                        v[kLongitude],
                        static_cast<int>(v[kMonth]),
                        static_cast<int>(v[kDay])};
}

}  // namespace emberlin::batch
