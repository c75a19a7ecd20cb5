#include "forms/models/hourly_fwi_form.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <unordered_map>

#include "batch/csv.h"
#include "batch/fields.h"
#include "common/number_text.h"
#include "forms/fields/field_declarations.h"
#include "forms/fields/field_tips.h"

namespace emberlin::forms {

namespace {

using batch::Header;
using batch::RecordValues;
using batch::ValueRule;
using fwi2025::ClockDate;
using fwi2025::HourlyWeather;

constexpr ValueRule Rule(fwi2025::InputRange range, bool integer = false) {
    return {range.min, range.max, integer};
}

// The checks of the hourly weather, as the fwi2025 command makes them.
const std::array<ValueRule, kWeatherColumnCount>& HourlyRules() {
    static const std::array<ValueRule, kWeatherColumnCount> rules = {
        Rule(fwi2025::kYearRange, true),
        ValueRule{1, 12, true},
        ValueRule{1, 31, true},
        ValueRule{0, 23, true},
        Rule(fwi2025::kTemperatureRangeC),
        Rule(fwi2025::kHumidityRangePct),
        Rule(fwi2025::kWindRangeKmh),
        Rule(fwi2025::kHourlyRainRangeMm)};
    return rules;
}

// The checks of daily noon observations, as the fwi command makes them.
const std::array<ValueRule, kWeatherColumnCount>& DailyRules() {
    static const std::array<ValueRule, kWeatherColumnCount> rules = {
        Rule(fwi2025::kYearRange, true),  batch::FwiFormRange("month"),
        ValueRule{1, 31, true},           ValueRule{0, 23, true},
        batch::kFwiSeasonTemperature,     batch::FwiFormRange("relativeHumidity"),
        batch::FwiFormRange("windSpeed"), batch::FwiFormRange("rain")};
    return rules;
}

constexpr std::array<std::string_view, kWeatherColumnCount> kWeatherNames = {
    "yr", "mon", "day", "hr", "temp", "rh", "ws", "prec"};

std::string DateText(const ClockDate& date) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::int64_t HourKey(const HourlyWeather& w) { return fwi2025::DayNumber(w.date) * 24 + w.hour; }

double& WeatherField(HourlyWeather& w, int column, double& scratch) {
    switch (column) {
        case kWxTemperature:
            return w.temperatureC;
        case kWxHumidity:
            return w.relativeHumidityPct;
        case kWxWind:
            return w.windSpeedKmh;
        case kWxRain:
            return w.rainMm;
        default:
            return scratch;
    }
}

// Hourly result columns after the date and hour.
enum HourColumn : int {
    kHrDate,
    kHrHour,
    kHrTemp,
    kHrRh,
    kHrWs,
    kHrRain,
    kHrLoad,
    kHrCured,
    kHrSolrad,
    kHrSunrise,
    kHrSunset,
    kHrSunlight,
    kHrMcffmc,
    kHrFfmc,
    kHrDmc,
    kHrDc,
    kHrIsi,
    kHrBui,
    kHrFwi,
    kHrDsr,
    kHrMatted,
    kHrStanding,
    kHrGfmc,
    kHrGsi,
    kHrGfwi,
    kHrEventRain,
    kHrCanopyDrying,
};

// Daily (season) result columns.
enum SeasonColumn : int {
    kSnDate,
    kSnTemp,
    kSnRh,
    kSnWs,
    kSnRain,
    kSnFfmc,
    kSnDmc,
    kSnDc,
    kSnIsi,
    kSnBui,
    kSnFwi,
    kSnDsr,
};

// Day grid columns; the 1987 codes follow the hourly summary.
enum DayColumn : int {
    kDyDate,
    kDySunrise,
    kDySunset,
    kDyPeak,
    kDyDuration,
    kDyFfmc,
    kDyDmc,
    kDyDc,
    kDyIsi,
    kDyBui,
    kDyFwi,
    kDyDsr,
    kDyGfmc,
    kDyGsi,
    kDyGfwi,
    kDyWsSmooth,
    kDyIsiSmooth,
    kDyGsiSmooth,
    kDyDailyFfmc,  // the 1987 system's seven values, in CalcFwiDay's order
};

double SeasonValue(const emberlin::FwiCodes& day, int index) {
    const double values[] = {day.ffmc, day.dmc, day.dc, day.isi, day.bui, day.fwi, day.dsr};
    return values[index];
}

std::string Number(double value) { return FormatFixed(value, 0, 4); }

}  // namespace

// The records of a table, from a CSV text or tab-separated cells.
struct HourlyFwiForm::Parsed {
    // Returns false at the end; `fields` then `place` (its line or row) describe it.
    std::function<bool(std::vector<std::string_view>& fields, long& place)> next;
    const char* placeWord = "line";  // how refusals name a place: "line 3", "row 3"
    std::string failure;             // set by `next` on malformed input
};

HourlyFwiForm::HourlyFwiForm(HandOver& shared)
    : FormModel("EMBERLIN - Hourly FWI (FWI2025)", HourlyFwiFields()), shared_(shared) {
    // Declared in storing order.
    AddField("latitude", latitude_);
    AddField("longitude", longitude_);
    AddField("utcOffset", utcOffset_);
    AddField("startFfmc", startFfmc_);
    AddField("startDmc", startDmc_);
    AddField("startDc", startDc_);
    AddField("dailyHour", dailyHour_);
    AddText("source", "Weather", source_);

    AddButton("takeFwi", "Take FFMC, DMC, DC from FWI Calculator", [this] { TakeFwiCalculator(); });
    AddButton("calculate", "Calculate", [this] { Calculate(); });
    AddButton("ok", "OK", [this] { Ok(); });
    AddButton("cancel", "Cancel", [this] { Cancel(); });
    ApplyTips(HourlyFwiTips());
}

const std::vector<GridColumn>& HourlyFwiForm::WeatherColumns() {
    static const std::vector<GridColumn> columns = {{"Year", ""},   {"Month", ""},     {"Day", ""},
                                                    {"Hour", ""},   {"Temp", "deg C"}, {"RH", "%"},
                                                    {"WS", "km/h"}, {"Rain", "mm"}};
    return columns;
}

std::string HourlyFwiForm::Load(Parsed& parsed, std::string_view name) {
    std::vector<std::string_view> fields;
    long place = 0;
    // Made only for a refusal: building it for every row would cost more than reading.
    auto where = [&] { return std::string(parsed.placeWord) + " " + std::to_string(place); };
    if (!parsed.next(fields, place)) {
        return parsed.failure.empty() ? "there is nothing to read" : parsed.failure;
    }
    // A heading row names the columns; without one the cells stand in the weather grid's
    // order (daily weather has no hour column).
    std::vector<std::string_view> names;
    std::vector<std::string_view> firstData;
    bool headed = !fields.empty() && !ParseDouble(fields.front()).has_value();
    if (headed) {
        names = fields;
    } else {
        firstData = fields;
        if (fields.size() == kWeatherColumnCount) {
            names.assign(kWeatherNames.begin(), kWeatherNames.end());
        } else if (fields.size() == kWeatherColumnCount - 1) {
            for (int c = 0; c < kWeatherColumnCount; ++c) {
                if (c != kWxHour) names.push_back(kWeatherNames[static_cast<std::size_t>(c)]);
            }
        } else {
            return where() + ": " + std::to_string(fields.size()) +
                   " cells; without a heading row give yr, mon, day, hr, temp, rh, ws, prec "
                   "(8 cells) or yr, mon, day, temp, rh, ws, prec (7 cells)";
        }
    }
    Header header(names);
    std::array<std::optional<std::size_t>, kWeatherColumnCount> col;
    for (int c = 0; c < kWeatherColumnCount; ++c) {
        col[static_cast<std::size_t>(c)] =
            c == kWxMonth ? header.Find({"mon", "month"})
                          : header.Find({kWeatherNames[static_cast<std::size_t>(c)]});
    }
    const auto lat = header.Find({"lat"});
    const auto lon = header.Find({"long"});
    const auto zone = header.Find({"timezone"});
    const auto id = header.Find({"id"});
    if (!header.Duplicate().empty()) return header.Duplicate();
    const WeatherKind kind = col[kWxHour] ? WeatherKind::Hourly : WeatherKind::Daily;
    for (int c = 0; c < kWeatherColumnCount; ++c) {
        const bool needed =
            kind == WeatherKind::Hourly ? true : c != kWxYear && c != kWxDay && c != kWxHour;
        if (needed && !col[static_cast<std::size_t>(c)]) {
            return "missing column: " + std::string(kWeatherNames[static_cast<std::size_t>(c)]);
        }
    }
    const auto& rules = kind == WeatherKind::Hourly ? HourlyRules() : DailyRules();

    std::vector<HourlyWeather> rows;
    std::optional<std::array<double, 3>> site;
    std::string firstId;
    std::string firstWhere;
    std::array<std::string, 3> siteTexts;
    std::array<std::string, kWeatherColumnCount> lastText;
    std::array<double, kWeatherColumnCount> lastValue{};
    auto readRow = [&](std::span<const std::string_view> row) -> std::string {
        if (row.size() != header.Size()) {
            return where() + ": " + std::to_string(row.size()) + " fields where the heading has " +
                   std::to_string(header.Size());
        }
        RecordValues values(header, row);
        std::array<double, kWeatherColumnCount> v{};
        v[kWxYear] = 2000;  // daily weather without dates: a leap year takes any day
        v[kWxDay] = static_cast<double>(rows.size() % 28 + 1);
        v[kWxHour] = 12;
        for (int c = 0; c < kWeatherColumnCount; ++c) {
            const auto& column = col[static_cast<std::size_t>(c)];
            const auto i = static_cast<std::size_t>(c);
            // A text like the previous row's (the date, no rain) has its value.
            if (column && !rows.empty() && values.Text(*column) == lastText[i]) {
                v[i] = lastValue[i];
                continue;
            }
            if (column && !values.Required(*column, rules[static_cast<std::size_t>(c)],
                                           v[static_cast<std::size_t>(c)])) {
                return where() + ", " + values.Problem();
            }
        }
        for (std::size_t i = 0; i < kWeatherColumnCount; ++i) {
            if (col[i]) {
                lastText[i].assign(values.Text(*col[i]));
                lastValue[i] = v[i];
            }
        }
        HourlyWeather w;
        w.date = {static_cast<int>(v[kWxYear]), static_cast<int>(v[kWxMonth]),
                  static_cast<int>(v[kWxDay])};
        if (col[kWxDay] && !fwi2025::IsValidDate(w.date)) {
            values.Refuse(*col[kWxDay], std::string(values.Text(*col[kWxDay])) +
                                            " is not a day of " + DateText(w.date).substr(0, 7));
            return where() + ", " + values.Problem();
        }
        w.hour = static_cast<int>(v[kWxHour]);
        w.temperatureC = v[kWxTemperature];
        w.relativeHumidityPct = v[kWxHumidity];
        w.windSpeedKmh = v[kWxWind];
        w.rainMm = v[kWxRain];
        // One station: its id and site stay those of the first row.
        if (id) {
            const std::string_view text = values.Text(*id);
            if (rows.empty()) {
                firstId.assign(text);
            } else if (text != firstId) {
                values.Refuse(*id, batch::Quoted(text) + " is a second station after " +
                                       batch::Quoted(firstId) + " (" + firstWhere +
                                       "): this window takes one station");
                return where() + ", " + values.Problem();
            }
        }
        const std::optional<std::size_t> siteColumns[] = {lat, lon, zone};
        const ValueRule siteRules[] = {Rule(fwi2025::kLatitudeRangeDeg),
                                       Rule(fwi2025::kLongitudeRangeDeg),
                                       Rule(fwi2025::kUtcOffsetRangeH)};
        std::array<double, 3> placed =
            site.value_or(std::array<double, 3>{latitude_, longitude_, utcOffset_});
        for (std::size_t i = 0; i < 3; ++i) {
            if (!siteColumns[i]) continue;
            // The site's text repeats on every row: the same text has the same value.
            if (site && values.Text(*siteColumns[i]) == siteTexts[i]) continue;
            double value = 0;
            if (!values.Required(*siteColumns[i], siteRules[i], value)) {
                return where() + ", " + values.Problem();
            }
            if (site && value != (*site)[i]) {
                values.Refuse(*siteColumns[i], std::string(values.Text(*siteColumns[i])) +
                                                   " differs from the first row (" + firstWhere +
                                                   ")");
                return where() + ", " + values.Problem();
            }
            placed[i] = value;
        }
        if (!site) {
            for (std::size_t i = 0; i < 3; ++i) {
                if (siteColumns[i]) siteTexts[i].assign(values.Text(*siteColumns[i]));
            }
            site = placed;
            firstWhere = where();
        }
        rows.push_back(w);
        return "";
    };
    if (!headed) {
        if (std::string problem = readRow(firstData); !problem.empty()) return problem;
    }
    while (parsed.next(fields, place)) {
        if (std::string problem = readRow(fields); !problem.empty()) return problem;
    }
    if (!parsed.failure.empty()) return parsed.failure;
    if (rows.empty()) return "the table holds a heading but no weather";

    kind_ = kind;
    weather_ = std::move(rows);
    if (site && (lat || lon || zone)) {
        latitude_ = (*site)[0];
        longitude_ = (*site)[1];
        utcOffset_ = (*site)[2];
    }
    char count[64];
    std::snprintf(count, sizeof count, "%zu %s", weather_.size(),
                  kind_ == WeatherKind::Hourly ? "hours" : "days of noon observations");
    source_ = std::string(name) + ": " + count + (firstId.empty() ? "" : " of station " + firstId);
    ClearResults();
    Show();
    Calculate();
    return "";
}

std::string HourlyFwiForm::LoadCsv(std::string_view text, std::string_view name) {
    batch::CsvReader reader(text);
    Parsed parsed;
    parsed.next = [&](std::vector<std::string_view>& fields, long& place) {
        if (!reader.Next()) {
            if (reader.Failed()) parsed.failure = reader.Error();
            return false;
        }
        fields.assign(reader.Fields().begin(), reader.Fields().end());
        place = reader.Line();
        return true;
    };
    return Load(parsed, name);
}

std::string HourlyFwiForm::PasteCells(std::string_view text) {
    std::size_t at = 0;
    long row = 0;
    Parsed parsed;
    parsed.placeWord = "row";
    parsed.next = [&](std::vector<std::string_view>& fields, long& place) {
        while (at < text.size()) {
            std::size_t end = text.find('\n', at);
            if (end == std::string_view::npos) end = text.size();
            std::string_view line = text.substr(at, end - at);
            at = end + 1;
            ++row;
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
            fields.clear();
            std::size_t start = 0;
            while (true) {
                const std::size_t tab = line.find('\t', start);
                fields.push_back(line.substr(
                    start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
                if (tab == std::string_view::npos) break;
                start = tab + 1;
            }
            place = row;
            return true;
        }
        return false;
    };
    return Load(parsed, "Pasted cells");
}

std::string HourlyFwiForm::SetWeatherCell(std::size_t row, int column, std::string_view text) {
    if (row >= weather_.size() || column < 0 || column >= kWeatherColumnCount)
        return "no such cell";
    if (kind_ == WeatherKind::Daily && column == kWxHour) return "daily weather has no hour";
    const ValueRule& rule =
        (kind_ == WeatherKind::Hourly ? HourlyRules()
                                      : DailyRules())[static_cast<std::size_t>(column)];
    const std::string name(kWeatherNames[static_cast<std::size_t>(column)]);
    const std::string_view names[] = {name};
    const std::string_view fields[] = {text};
    Header header(names);
    RecordValues values(header, fields);
    double value = 0;
    if (!values.Required(0, rule, value)) return values.Problem();
    HourlyWeather w = weather_[row];
    double scratch = 0;
    switch (column) {
        case kWxYear:
            w.date.year = static_cast<int>(value);
            break;
        case kWxMonth:
            w.date.month = static_cast<int>(value);
            break;
        case kWxDay:
            w.date.day = static_cast<int>(value);
            break;
        case kWxHour:
            w.hour = static_cast<int>(value);
            break;
        default:
            WeatherField(w, column, scratch) = value;
    }
    if (!fwi2025::IsValidDate(w.date)) return DateText(w.date) + " is not a date";
    weather_[row] = w;
    InputsChanged();
    return "";
}

double HourlyFwiForm::WeatherValue(std::size_t row, int column) const {
    const HourlyWeather& w = weather_[row];
    switch (column) {
        case kWxYear:
            return w.date.year;
        case kWxMonth:
            return w.date.month;
        case kWxDay:
            return w.date.day;
        case kWxHour:
            return w.hour;
        case kWxTemperature:
            return w.temperatureC;
        case kWxHumidity:
            return w.relativeHumidityPct;
        case kWxWind:
            return w.windSpeedKmh;
        default:
            return w.rainMm;
    }
}

std::string HourlyFwiForm::WeatherText(std::size_t row, int column) const {
    if (kind_ == WeatherKind::Daily && column == kWxHour) return "";
    return FormatGeneral(WeatherValue(row, column));
}

void HourlyFwiForm::ClearResults() {
    hasResults_ = false;
    series_ = {};
    days_.clear();
    daily1987_.clear();
    season_.clear();
    computedWx_.clear();
    seasonWx_.clear();
    ResultsCleared();
}

void HourlyFwiForm::Calculate() {
    if (!StoreForAction()) return;
    if (weather_.empty()) {
        Message(kNoResultsMessage);
        return;
    }
    if (kind_ == WeatherKind::Hourly) {
        ComputeHourly();
    } else {
        ComputeDaily();
    }
    Show();
}

void HourlyFwiForm::ComputeHourly() {
    const fwi2025::Site site = {latitude_, longitude_, utcOffset_};
    fwi2025::StartValues start;
    start.ffmc = startFfmc_;
    start.dmc = startDmc_;
    start.dc = startDc_;
    fwi2025::SeriesResult series =
        fwi2025::RunStationSeries(site, std::nullopt, weather_, start, fwi2025::RunOptions{});
    if (!series.problem.empty()) {
        const HourlyWeather& w = weather_[series.problemRow];
        char hour[8];
        std::snprintf(hour, sizeof hour, " %02d:00", w.hour);
        ClearResults();
        Message("Row " + std::to_string(series.problemRow + 1) + " of the weather (" +
                DateText(w.date) + hour + "): " + series.problem);
        return;
    }
    series_ = std::move(series);
    computedWx_ = weather_;
    days_ = series_.days;

    // The 1987 daily system at the chosen hour of each date, with the rain of the 24 hours
    // ending then; the codes carry from one such observation to the next and start again
    // from the start-up codes where the hourly runs do (a new calendar year).
    std::unordered_map<std::int64_t, emberlin::FwiCodes> byDay;
    byDay.reserve(computedWx_.size() / 24 + 1);
    std::array<double, 3> carried = {startFfmc_, startDmc_, startDc_};
    int year = computedWx_.front().date.year;
    std::size_t windowStart = 0;
    for (std::size_t i = 0; i < computedWx_.size(); ++i) {
        const HourlyWeather& w = computedWx_[i];
        if (w.hour != dailyHour_) continue;
        if (w.date.year != year) {
            carried = {startFfmc_, startDmc_, startDc_};
            year = w.date.year;
        }
        const std::int64_t key = HourKey(w);
        while (HourKey(computedWx_[windowStart]) <= key - 24) ++windowStart;
        double rain = 0;
        for (std::size_t j = windowStart; j <= i; ++j) rain += computedWx_[j].rainMm;
        const emberlin::FwiCodes day =
            CalcFwiDay(carried[0], carried[1], carried[2], w.date.month, w.temperatureC,
                       w.relativeHumidityPct, rain, w.windSpeedKmh);
        carried = {day.ffmc, day.dmc, day.dc};
        byDay.emplace(fwi2025::DayNumber(w.date), day);
    }
    daily1987_.clear();
    for (const fwi2025::DailySummary& d : days_) {
        const auto found = byDay.find(fwi2025::DayNumber(d.date));
        daily1987_.push_back(
            found == byDay.end() ? std::nullopt : std::optional<emberlin::FwiCodes>(found->second));
    }
    hasResults_ = true;
    ResultsShown();
}

void HourlyFwiForm::ComputeDaily() {
    season_.clear();
    season_.reserve(weather_.size());
    std::array<double, 3> carried = {startFfmc_, startDmc_, startDc_};
    for (const HourlyWeather& w : weather_) {
        const emberlin::FwiCodes day =
            CalcFwiDay(carried[0], carried[1], carried[2], w.date.month, w.temperatureC,
                       w.relativeHumidityPct, w.rainMm, w.windSpeedKmh);
        carried = {day.ffmc, day.dmc, day.dc};
        season_.push_back(day);
    }
    seasonWx_ = weather_;
    series_ = {};
    days_.clear();
    daily1987_.clear();
    computedWx_.clear();
    hasResults_ = true;
    ResultsShown();
}

const std::vector<GridColumn>& HourlyFwiForm::ResultColumns() const {
    static const std::vector<GridColumn> hourly = {{"Date", ""},
                                                   {"Hour", ""},
                                                   {"Temp", "deg C"},
                                                   {"RH", "%"},
                                                   {"WS", "km/h"},
                                                   {"Rain", "mm"},
                                                   {"Grass load", "kg/m2"},
                                                   {"Cured", "%"},
                                                   {"Solar rad.", "kW/m2"},
                                                   {"Sunrise", "h"},
                                                   {"Sunset", "h"},
                                                   {"Sunlight", "h"},
                                                   {"FFMC moisture", "%"},
                                                   {"FFMC", ""},
                                                   {"DMC", ""},
                                                   {"DC", ""},
                                                   {"ISI", ""},
                                                   {"BUI", ""},
                                                   {"FWI", ""},
                                                   {"DSR", ""},
                                                   {"Matted grass moisture", "%"},
                                                   {"Standing grass moisture", "%"},
                                                   {"GFMC", ""},
                                                   {"GSI", ""},
                                                   {"GFWI", ""},
                                                   {"Event rain", "mm"},
                                                   {"Canopy drying", "h"}};
    static const std::vector<GridColumn> daily = {
        {"Date", ""}, {"Temp", "deg C"}, {"RH", "%"}, {"WS", "km/h"}, {"Rain", "mm"}, {"FFMC", ""},
        {"DMC", ""},  {"DC", ""},        {"ISI", ""}, {"BUI", ""},    {"FWI", ""},    {"DSR", ""}};
    return kind_ == WeatherKind::Hourly ? hourly : daily;
}

std::size_t HourlyFwiForm::ResultRows() const {
    if (!hasResults_) return 0;
    return kind_ == WeatherKind::Hourly ? computedWx_.size() : season_.size();
}

double HourlyFwiForm::ResultValue(std::size_t row, int column) const {
    if (kind_ == WeatherKind::Daily) {
        const HourlyWeather& w = seasonWx_[row];
        switch (column) {
            case kSnDate:
                return static_cast<double>(row + 1);
            case kSnTemp:
                return w.temperatureC;
            case kSnRh:
                return w.relativeHumidityPct;
            case kSnWs:
                return w.windSpeedKmh;
            case kSnRain:
                return w.rainMm;
            default:
                return SeasonValue(season_[row], column - kSnFfmc);
        }
    }
    const HourlyWeather& w = computedWx_[row];
    const fwi2025::HourlyOutput& o = series_.hours[row];
    const double values[] = {static_cast<double>(fwi2025::DayNumber(w.date)),
                             static_cast<double>(w.hour),
                             w.temperatureC,
                             w.relativeHumidityPct,
                             w.windSpeedKmh,
                             w.rainMm,
                             o.grassFuelLoadKgM2,
                             o.percentCured,
                             o.solarRadiationKwM2,
                             o.sun.sunriseH,
                             o.sun.sunsetH,
                             o.sun.sunlightHours,
                             o.mcffmcPct,
                             o.ffmc,
                             o.dmc,
                             o.dc,
                             o.isi,
                             o.bui,
                             o.fwi,
                             o.dsr,
                             o.mcgfmcMattedPct,
                             o.mcgfmcStandingPct,
                             o.gfmc,
                             o.gsi,
                             o.gfwi,
                             o.precCumulativeMm,
                             o.canopyDryingH};
    return values[column];
}

std::string HourlyFwiForm::ResultText(std::size_t row, int column) const {
    if (kind_ == WeatherKind::Daily) {
        if (column == kSnDate) {
            return weather_.size() == seasonWx_.size() && seasonWx_[row].date.year != 2000
                       ? DateText(seasonWx_[row].date)
                       : "Day " + std::to_string(row + 1);
        }
        return Number(ResultValue(row, column));
    }
    const HourlyWeather& w = computedWx_[row];
    if (column == kHrDate) return DateText(w.date);
    if (column == kHrHour) return FormatInt(w.hour);
    if (column >= kHrTemp && column <= kHrRain) return FormatGeneral(ResultValue(row, column));
    if (column == kHrSunrise || column == kHrSunset) {
        return fwi2025::ClockText(ResultValue(row, column));
    }
    return Number(ResultValue(row, column));
}

const std::vector<GridColumn>& HourlyFwiForm::DayColumns() {
    static const std::vector<GridColumn> columns = {{"Date", ""},
                                                    {"Sunrise", ""},
                                                    {"Sunset", ""},
                                                    {"Peak hour", ""},
                                                    {"Active burning", "h"},
                                                    {"FFMC", ""},
                                                    {"DMC", ""},
                                                    {"DC", ""},
                                                    {"ISI", ""},
                                                    {"BUI", ""},
                                                    {"FWI", ""},
                                                    {"DSR", ""},
                                                    {"GFMC", ""},
                                                    {"GSI", ""},
                                                    {"GFWI", ""},
                                                    {"WS smoothed", "km/h"},
                                                    {"ISI smoothed", ""},
                                                    {"GSI smoothed", ""},
                                                    {"1987 FFMC", ""},
                                                    {"1987 DMC", ""},
                                                    {"1987 DC", ""},
                                                    {"1987 ISI", ""},
                                                    {"1987 BUI", ""},
                                                    {"1987 FWI", ""},
                                                    {"1987 DSR", ""}};
    return columns;
}

std::optional<double> HourlyFwiForm::DayValue(std::size_t row, int column) const {
    const fwi2025::DailySummary& d = days_[row];
    if (column >= kDyDailyFfmc) {
        if (!daily1987_[row]) return std::nullopt;
        return SeasonValue(*daily1987_[row], column - kDyDailyFfmc);
    }
    const double values[] = {static_cast<double>(fwi2025::DayNumber(d.date)),
                             d.sunriseH,
                             d.sunsetH,
                             static_cast<double>(d.peakHour),
                             static_cast<double>(d.durationH),
                             d.ffmc,
                             d.dmc,
                             d.dc,
                             d.isi,
                             d.bui,
                             d.fwi,
                             d.dsr,
                             d.gfmc,
                             d.gsi,
                             d.gfwi,
                             d.windSmoothKmh,
                             d.isiSmooth,
                             d.gsiSmooth};
    return values[column];
}

std::string HourlyFwiForm::DayText(std::size_t row, int column) const {
    const fwi2025::DailySummary& d = days_[row];
    switch (column) {
        case kDyDate:
            return DateText(d.date);
        case kDySunrise:
            return fwi2025::ClockText(d.sunriseH);
        case kDySunset:
            return fwi2025::ClockText(d.sunsetH);
        case kDyPeak:
            return FormatInt(d.peakHour);
        case kDyDuration:
            return FormatInt(d.durationH);
        default:
            break;
    }
    const std::optional<double> value = DayValue(row, column);
    if (!value) return "";
    // The daily summary reports its values to 4 decimals, as they are made from the rounded
    // hourly table.
    return Number(column < kDyDailyFfmc ? fwi2025::RoundToFourDecimals(*value) : *value);
}

std::string HourlyFwiForm::DayDate(std::size_t dayRow) const {
    return DateText(days_[dayRow].date);
}

HourlyFwiForm::ChartRow HourlyFwiForm::ChartPoint(std::size_t row) const {
    if (kind_ == WeatherKind::Daily) {
        const emberlin::FwiCodes& d = season_[row];
        return {static_cast<double>(row), d.ffmc, d.isi, d.fwi, seasonWx_[row].rainMm, 0, 0, 0};
    }
    const fwi2025::HourlyOutput& o = series_.hours[row];
    const double x = static_cast<double>(HourKey(computedWx_[row]) - HourKey(computedWx_.front()));
    return {x, o.ffmc, o.isi, o.fwi, computedWx_[row].rainMm, o.gfmc, o.gsi, o.gfwi};
}

std::vector<std::size_t> HourlyFwiForm::DayStarts() const {
    std::vector<std::size_t> starts;
    if (kind_ != WeatherKind::Hourly) return starts;
    for (std::size_t i = 0; i < computedWx_.size(); ++i) {
        if (computedWx_[i].hour == 0) starts.push_back(i);
    }
    return starts;
}

namespace {

// The row of the first hour at or after `key`; the rows' hours increase throughout.
std::size_t RowAtOrAfter(const std::vector<HourlyWeather>& rows, std::int64_t key) {
    return static_cast<std::size_t>(
        std::lower_bound(rows.begin(), rows.end(), key,
                         [](const HourlyWeather& w, std::int64_t k) { return HourKey(w) < k; }) -
        rows.begin());
}

}  // namespace

std::vector<HourlyFwiForm::Window> HourlyFwiForm::BurningWindows() const {
    std::vector<Window> windows;
    if (kind_ != WeatherKind::Hourly) return windows;
    for (const fwi2025::DailySummary& d : days_) {
        if (d.activeStartH < 0 || d.durationH <= 0) continue;
        const std::int64_t start = fwi2025::DayNumber(d.date) * 24 + d.firstHour + d.activeStartH;
        const std::size_t first = RowAtOrAfter(computedWx_, start);
        if (first >= computedWx_.size()) continue;
        windows.push_back(
            {first,
             std::min(first + static_cast<std::size_t>(d.durationH), computedWx_.size()) - 1});
    }
    return windows;
}

bool HourlyFwiForm::HandOverDay(std::size_t dayRow) {
    if (!hasResults_ || kind_ != WeatherKind::Hourly || dayRow >= days_.size()) {
        Message(kNoResultsMessage);
        return false;
    }
    const fwi2025::DailySummary& d = days_[dayRow];
    // Slot h holds the hour ending at h:00: 01:00 to 23:00 of the date, then midnight of
    // the next day (the tables' hour 24).
    const std::int64_t firstKey = fwi2025::DayNumber(d.date) * 24 + 1;
    const std::size_t row = RowAtOrAfter(computedWx_, firstKey);
    if (row + 24 > computedWx_.size() || HourKey(computedWx_[row]) != firstKey ||
        HourKey(computedWx_[row + 23]) != firstKey + 23) {
        Message("The day " + DateText(d.date) +
                " does not hold every hour from 01:00 to the next midnight; pick another day.");
        return false;
    }
    HourlyFwiDay& out = shared_.hourlyFwi.emplace();
    for (std::size_t h = 1; h <= 24; ++h) {
        out.tables.ffmc[h] = series_.hours[row + h - 1].ffmc;
        out.tables.windSpeed[h] = computedWx_[row + h - 1].windSpeedKmh;
    }
    // The peak hour of a fire day (05:00 to 04:59) before 05:00 falls on the next date.
    const std::int64_t peakKey = fwi2025::DayNumber(d.date) * 24 + d.peakHour +
                                 (d.peakHour < fwi2025::kFireDayResetHour ? 24 : 0);
    const std::size_t peakRow = RowAtOrAfter(computedWx_, peakKey);
    out.bui = series_.hours[std::min(peakRow, computedWx_.size() - 1)].bui;
    out.month = d.date.month;
    out.day = d.date.day;
    out.label = "Hourly FWI, " + DateText(d.date) + (source_.empty() ? "" : " (" + source_ + ")");
    return true;
}

void HourlyFwiForm::TakeFwiCalculator() {
    if (!shared_.fwi) {
        Message(kNoFwiMessage);
        return;
    }
    const FwiDay& day = *shared_.fwi;
    if (TakeOver("FWI Calculator",
                 {{"startFfmc", day.ffmc}, {"startDmc", day.dmc}, {"startDc", day.dc}})) {
        InputsChanged();
    }
    Show();
}

ResultTable MakeResultsTable(const HourlyFwiForm& form) {
    ResultTable table;
    table.title = form.Title();
    AddInputs(form, table);
    const bool hourly = form.Kind() == WeatherKind::Hourly;
    const std::vector<GridColumn>& columns =
        hourly ? HourlyFwiForm::DayColumns() : form.ResultColumns();
    const std::size_t rows = hourly ? form.DayRows() : form.ResultRows();
    for (const GridColumn& c : columns) table.resultColumns.push_back({c.name, c.unit});
    for (std::size_t r = 0; r < rows; ++r) {
        std::vector<TableCell> cells;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const int column = static_cast<int>(c);
            TableCell cell;
            if (hourly) {
                cell.text = form.DayText(r, column);
                if (column > kDyDuration || column == kDyPeak || column == kDyDuration) {
                    cell.value = form.DayValue(r, column);
                }
            } else {
                cell.text = form.ResultText(r, column);
                if (column != kSnDate) cell.value = form.ResultValue(r, column);
            }
            cells.push_back(std::move(cell));
        }
        table.rows.push_back(std::move(cells));
    }
    return table;
}

std::string HowComputed(const HourlyFwiForm& form) {
    if (form.Kind() == WeatherKind::Daily) {
        return "The 1987 daily FWI System chained day after day over the noon observations, "
               "from the start-up FFMC, DMC and DC.";
    }
    return "The hourly FWI System (FWI2025) stepped hour by hour from the start-up values, "
           "one run per calendar year; each fire day (05:00 to 04:59) is summarised by its "
           "peak hour and the hours of smoothed ISI at or above 5. Beside it, the 1987 daily "
           "system at " +
           form.Text("dailyHour") + ":00 of each date with the rain of the 24 hours ending then.";
}

}  // namespace emberlin::forms
