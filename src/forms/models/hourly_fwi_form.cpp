#include "forms/models/hourly_fwi_form.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <unordered_map>

#include "batch/csv.h"
#include "batch/fields.h"
#include "common/number_text.h"
#include "forms/fields/field_declarations.h"
#include "forms/fields/field_tips.h"
#include "fwi2025/hourly_columns.h"

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

// The weather grid's columns are the hourly tables' yr, mon, day, hr, temp, rh, ws, prec.
const fwi2025::HourlyInputColumn& InputOf(int column) {
    return fwi2025::kHourlyInputs[fwi2025::kInYear + static_cast<std::size_t>(column)];
}

// The checks of the hourly weather, as the fwi2025 command makes them.
const std::array<ValueRule, kWeatherColumnCount>& HourlyRules() {
    static const std::array<ValueRule, kWeatherColumnCount> rules = [] {
        std::array<ValueRule, kWeatherColumnCount> made;
        for (int c = 0; c < kWeatherColumnCount; ++c) {
            made[static_cast<std::size_t>(c)] = Rule(InputOf(c).range, InputOf(c).integer);
        }
        return made;
    }();
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

std::string DateText(const ClockDate& date) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::int64_t HourKey(const HourlyWeather& w) { return fwi2025::DayNumber(w.date) * 24 + w.hour; }

// A value of the weather grid's column in a row, read or written.
double WeatherCell(const HourlyWeather& w, int column) {
    const double values[] = {static_cast<double>(w.date.year),
                             static_cast<double>(w.date.month),
                             static_cast<double>(w.date.day),
                             static_cast<double>(w.hour),
                             w.temperatureC,
                             w.relativeHumidityPct,
                             w.windSpeedKmh,
                             w.rainMm};
    return values[column];
}

void SetWeatherCellValue(HourlyWeather& w, int column, double value) {
    int* const whole[] = {&w.date.year, &w.date.month, &w.date.day, &w.hour};
    double* const real[] = {&w.temperatureC, &w.relativeHumidityPct, &w.windSpeedKmh, &w.rainMm};
    if (column < kWxTemperature) {
        *whole[column] = static_cast<int>(value);
    } else {
        *real[column - kWxTemperature] = value;
    }
}

// Hourly result columns: the date, the hour and the weather, then every computed column.
enum HourColumn : int { kHrDate, kHrHour, kHrTemp, kHrRh, kHrWs, kHrRain, kHrOutputs };
constexpr int kHrSunrise = kHrOutputs + 3;
constexpr int kHrSunset = kHrOutputs + 4;
static_assert(fwi2025::kHourlyOutputs[kHrSunrise - kHrOutputs].name == "sunrise" &&
              fwi2025::kHourlyOutputs[kHrSunset - kHrOutputs].name == "sunset");
// The hour and the weather stand in the weather grid's order.
static_assert(kHrRain - kHrHour == kWxRain - kWxHour);

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
// The weather stands in the weather grid's order.
static_assert(kSnRain - kSnTemp == kWxRain - kWxTemperature);

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

// The 1987 daily system's codes carried from one observation to the next.
class ChainedDays {
  public:
    ChainedDays(double ffmc, double dmc, double dc) : codes_{ffmc, dmc, dc, 0, 0, 0, 0} {}
    // The day of the observation `w` with the rain (mm) of the 24 hours ending then.
    emberlin::FwiCodes Next(const HourlyWeather& w, double rainMm) {
        codes_ = CalcFwiDay(codes_.ffmc, codes_.dmc, codes_.dc, w.date.month, w.temperatureC,
                            w.relativeHumidityPct, rainMm, w.windSpeedKmh);
        return codes_;
    }

  private:
    emberlin::FwiCodes codes_;
};

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
    AddOkCancel();
    ApplyTips(HourlyFwiTips());
}

const std::vector<GridColumn>& HourlyFwiForm::WeatherColumns() {
    static const std::vector<GridColumn> columns = {{"Year", ""},   {"Month", ""},     {"Day", ""},
                                                    {"Hour", ""},   {"Temp", "deg C"}, {"RH", "%"},
                                                    {"WS", "km/h"}, {"Rain", "mm"}};
    return columns;
}

std::string HourlyFwiForm::Load(Parsed& parsed, std::string_view name) {
    using enum fwi2025::HourlyInput;
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
    const bool headed = !fields.empty() && !ParseDouble(fields.front()).has_value();
    if (headed) {
        names = fields;
    } else {
        firstData = fields;
        if (fields.size() != kWeatherColumnCount && fields.size() != kWeatherColumnCount - 1) {
            return where() + ": " + std::to_string(fields.size()) +
                   " cells; without a heading row give yr, mon, day, hr, temp, rh, ws, prec "
                   "(8 cells) or yr, mon, day, temp, rh, ws, prec (7 cells)";
        }
        for (int c = 0; c < kWeatherColumnCount; ++c) {
            if (c != kWxHour || fields.size() == kWeatherColumnCount) {
                names.push_back(InputOf(c).name);
            }
        }
    }
    Header header(names);
    // The columns read: the site's, then the weather grid's (lat to prec of the hourly tables).
    constexpr std::size_t kRead = kInPrec + 1;
    std::array<std::optional<std::size_t>, kRead> col;
    for (std::size_t c = 0; c < kRead; ++c) {
        const fwi2025::HourlyInputColumn& declared = fwi2025::kHourlyInputs[c];
        col[c] = header.Find({declared.name, declared.alias});
    }
    const auto id = header.Find({"id"});
    if (!header.Duplicate().empty()) return header.Duplicate();
    const WeatherKind kind = col[kInHour] ? WeatherKind::Hourly : WeatherKind::Daily;
    std::array<ValueRule, kRead> rules;
    for (std::size_t c = 0; c < kRead; ++c) {
        const fwi2025::HourlyInputColumn& declared = fwi2025::kHourlyInputs[c];
        const bool needed = c >= kInYear && (kind == WeatherKind::Hourly ||
                                             (c != kInYear && c != kInDay && c != kInHour));
        if (needed && !col[c]) return "missing column: " + std::string(declared.name);
        rules[c] = c < kInYear                   ? Rule(declared.range)
                   : kind == WeatherKind::Hourly ? HourlyRules()[c - kInYear]
                                                 : DailyRules()[c - kInYear];
    }

    std::vector<HourlyWeather> rows;
    std::string firstId;
    std::string firstWhere;
    batch::RepeatedValues<kRead> repeated;
    auto readRow = [&](std::span<const std::string_view> row) -> std::string {
        if (row.size() != header.Size()) {
            return where() + ": " + std::to_string(row.size()) + " fields where the heading has " +
                   std::to_string(header.Size());
        }
        RecordValues values(header, row);
        auto refuse = [&](std::size_t column, const std::string& what) {
            values.Refuse(column, what);
            return where() + ", " + values.Problem();
        };
        std::array<double, kRead> v{};
        v[kInLat] = latitude_;
        v[kInLong] = longitude_;
        v[kInTimezone] = utcOffset_;
        v[kInYear] = 2000;  // daily weather without dates: a leap year takes any day
        v[kInDay] = static_cast<double>(rows.size() % 28 + 1);
        v[kInHour] = 12;
        for (std::size_t c = 0; c < kRead; ++c) {
            if (!col[c]) continue;
            const double before = repeated.Last(c);
            if (!repeated.Required(values, c, *col[c], rules[c], v[c])) {
                return where() + ", " + values.Problem();
            }
            // One station: its site stays that of the first row.
            if (c < kInYear && !rows.empty() && v[c] != before) {
                return refuse(*col[c], std::string(values.Text(*col[c])) +
                                           " differs from the first row (" + firstWhere + ")");
            }
        }
        HourlyWeather w;
        w.date = {static_cast<int>(v[kInYear]), static_cast<int>(v[kInMonth]),
                  static_cast<int>(v[kInDay])};
        if (col[kInDay] && !fwi2025::IsValidDate(w.date)) {
            return refuse(*col[kInDay], std::string(values.Text(*col[kInDay])) +
                                            " is not a day of " + DateText(w.date).substr(0, 7));
        }
        w.hour = static_cast<int>(v[kInHour]);
        w.temperatureC = v[kInTemp];
        w.relativeHumidityPct = v[kInRh];
        w.windSpeedKmh = v[kInWs];
        w.rainMm = v[kInPrec];
        // One station: its id stays that of the first row.
        if (id) {
            const std::string_view text = values.Text(*id);
            if (rows.empty()) {
                firstId.assign(text);
            } else if (text != firstId) {
                return refuse(*id, batch::Quoted(text) + " is a second station after " +
                                       batch::Quoted(firstId) + " (" + firstWhere +
                                       "): this window takes one station");
            }
        }
        if (rows.empty()) firstWhere = where();
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
    if (col[kInLat]) latitude_ = repeated.Last(kInLat);
    if (col[kInLong]) longitude_ = repeated.Last(kInLong);
    if (col[kInTimezone]) utcOffset_ = repeated.Last(kInTimezone);
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
    const std::string_view names[] = {InputOf(column).name};
    const std::string_view fields[] = {text};
    Header header(names);
    RecordValues values(header, fields);
    double value = 0;
    if (!values.Required(0, rule, value)) return values.Problem();
    HourlyWeather w = weather_[row];
    SetWeatherCellValue(w, column, value);
    if (!fwi2025::IsValidDate(w.date)) return DateText(w.date) + " is not a date";
    weather_[row] = w;
    InputsChanged();
    return "";
}

double HourlyFwiForm::WeatherValue(std::size_t row, int column) const {
    return WeatherCell(weather_[row], column);
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

    // The 1987 daily system at the chosen hour of local standard time of each date, with the
    // rain of the 24 hours ending then; the codes carry from one such observation to the next
    // and start again from the start-up codes where the hourly runs do (a new calendar year).
    const std::int64_t shift = DaylightShiftHours();
    std::unordered_map<std::int64_t, emberlin::FwiCodes> byDay;
    byDay.reserve(computedWx_.size() / 24 + 1);
    ChainedDays chain(startFfmc_, startDmc_, startDc_);
    int year = computedWx_.front().date.year;
    std::size_t windowStart = 0;
    for (std::size_t i = 0; i < computedWx_.size(); ++i) {
        const HourlyWeather& w = computedWx_[i];
        const std::int64_t key = HourKey(w);
        const std::int64_t standardKey = key - shift;
        const std::int64_t standardDay = (standardKey >= 0 ? standardKey : standardKey - 23) / 24;
        if (standardKey - standardDay * 24 != dailyHour_) continue;
        if (w.date.year != year) {
            chain = ChainedDays(startFfmc_, startDmc_, startDc_);
            year = w.date.year;
        }
        while (HourKey(computedWx_[windowStart]) <= key - 24) ++windowStart;
        double rain = 0;
        for (std::size_t j = windowStart; j <= i; ++j) rain += computedWx_[j].rainMm;
        byDay.emplace(standardDay, chain.Next(w, rain));
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
    ChainedDays chain(startFfmc_, startDmc_, startDc_);
    for (const HourlyWeather& w : weather_) season_.push_back(chain.Next(w, w.rainMm));
    seasonWx_ = weather_;
    series_ = {};
    days_.clear();
    daily1987_.clear();
    computedWx_.clear();
    hasResults_ = true;
    ResultsShown();
}

const std::vector<GridColumn>& HourlyFwiForm::ResultColumns() const {
    static const std::vector<GridColumn> hourly = [] {
        std::vector<GridColumn> columns = {{"Date", ""}, {"Hour", ""},   {"Temp", "deg C"},
                                           {"RH", "%"},  {"WS", "km/h"}, {"Rain", "mm"}};
        for (const fwi2025::HourlyOutputColumn& c : fwi2025::kHourlyOutputs) {
            columns.push_back({std::string(c.caption), std::string(c.unit)});
        }
        return columns;
    }();
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
        if (column == kSnDate) return static_cast<double>(row + 1);
        if (column <= kSnRain)
            return WeatherCell(seasonWx_[row], column - kSnTemp + kWxTemperature);
        return SeasonValue(season_[row], column - kSnFfmc);
    }
    if (column >= kHrOutputs) {
        return fwi2025::kHourlyOutputs[static_cast<std::size_t>(column - kHrOutputs)].value(
            series_.hours[row]);
    }
    const HourlyWeather& w = computedWx_[row];
    if (column == kHrDate) return static_cast<double>(fwi2025::DayNumber(w.date));
    return WeatherCell(w, column - kHrHour + kWxHour);
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
    if (column == 0) return static_cast<double>(fwi2025::DayNumber(d.date));
    return d.Numbers()[static_cast<std::size_t>(column) - 1];
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

int HourlyFwiForm::DaylightShiftHours() const {
    // The weather's clock is known by its UTC offset alone. Decision: a clock exactly one hour
    // ahead of the standard time zone of the site's longitude (the whole hours nearest
    // longitude / 15 deg) keeps daylight saving time, as the published weather files' UTC-4 h
    // at 77.4 deg W does (13:00 on their clock is noon standard time); any other clock is
    // taken for local standard time already.
    const double zone = std::round(longitude_ / 15);
    return utcOffset_ - zone == 1 ? 1 : 0;
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
    // A grid's rows as cells: the text shown and, where `value` gives one, the number behind it.
    const auto cellsOf = [](const std::vector<GridColumn>& columns, std::size_t rows, auto text,
                            auto value, std::vector<TableColumn>& tableColumns,
                            std::vector<std::vector<TableCell>>& tableRows) {
        for (const GridColumn& c : columns) tableColumns.push_back({c.name, c.unit});
        for (std::size_t r = 0; r < rows; ++r) {
            std::vector<TableCell> cells;
            for (std::size_t c = 0; c < columns.size(); ++c) {
                const int column = static_cast<int>(c);
                cells.push_back({text(r, column), value(r, column)});
            }
            tableRows.push_back(std::move(cells));
        }
    };
    const auto resultText = [&](std::size_t r, int c) { return form.ResultText(r, c); };
    const std::size_t dateColumn = 0;  // the first column of every grid: text only
    if (form.Kind() == WeatherKind::Daily) {
        cellsOf(
            form.ResultColumns(), form.ResultRows(), resultText,
            [&](std::size_t r, int c) {
                return c == dateColumn ? std::nullopt
                                       : std::optional<double>(form.ResultValue(r, c));
            },
            table.resultColumns, table.rows);
        return table;
    }
    // The daily table, then the hourly grid with every computed column.
    cellsOf(
        HourlyFwiForm::DayColumns(), form.DayRows(),
        [&](std::size_t r, int c) { return form.DayText(r, c); },
        [&](std::size_t r, int c) {
            return c == kDySunrise || c == kDySunset || c == dateColumn ? std::nullopt
                                                                        : form.DayValue(r, c);
        },
        table.resultColumns, table.rows);
    ResultPart& hours = table.parts.emplace_back();
    hours.caption = "Hourly values";
    cellsOf(
        form.ResultColumns(), form.ResultRows(), resultText,
        [&](std::size_t r, int c) {
            return c == dateColumn ? std::nullopt : std::optional<double>(form.ResultValue(r, c));
        },
        hours.columns, hours.rows);
    return table;
}

std::string HowComputed(const HourlyFwiForm& form) {
    if (form.Kind() == WeatherKind::Daily) {
        return "The 1987 daily FWI System chained day after day over the noon observations, "
               "from the start-up FFMC, DMC and DC.";
    }
    const int shift = form.DaylightShiftHours();
    const std::optional<int> hour = ParseInt(form.Text("dailyHour"));
    const std::string clock =
        shift == 0 || !hour
            ? " (the weather's clock)"
            : " (" + std::to_string(*hour + shift) + ":00 on the weather's daylight saving clock)";
    return "The hourly FWI System (FWI2025) stepped hour by hour from the start-up values, "
           "one run per calendar year; each fire day (05:00 to 04:59) is summarised by its "
           "peak hour and the hours of smoothed ISI at or above 5. Beside it, the 1987 daily "
           "system at " +
           form.Text("dailyHour") + ":00 local standard time" + clock +
           " of each date with the rain of the 24 hours ending then.";
}

}  // namespace emberlin::forms
