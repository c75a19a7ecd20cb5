// emberlin fwi2025: the hourly FWI System over a station's hourly weather, streamed station
// by station (memory holds one fire day for the summaries, one day for the converters).
#include <array>
#include <cstdio>
#include <limits>
#include <string>
#include <unordered_map>
#include <vector>

#include "batch/command.h"
#include "common/csv_text.h"
#include "fwi2025/daily_to_hourly.h"
#include "fwi2025/hourly_columns.h"
#include "fwi2025/station_series.h"

namespace emberlin::batch {

namespace {

using fwi2025::ClockDate;
using fwi2025::DailySummary;
using fwi2025::HourlyOutput;
using fwi2025::HourlyWeather;
using fwi2025::InputRange;

constexpr ValueRule Rule(InputRange range, bool integer = false) {
    return {range.min, range.max, integer};
}

// Daily rain of the converters' input: a day may hold up to a day of the hourly bound.
constexpr InputRange kDailyRainRangeMm = {0, 24000};

// The input columns and their names, checks and output columns: the hourly system's own.
using enum fwi2025::HourlyInput;
constexpr std::size_t kColumnCount = fwi2025::kHourlyInputCount;

ValueRule ColumnRule(std::size_t column) {
    const fwi2025::HourlyInputColumn& declared = fwi2025::kHourlyInputs[column];
    return Rule(declared.range, declared.integer);
}

constexpr std::array<std::string_view, 21> kSummaryNames = {
    "id",       "yr",   "mon", "day",  "sunrise",   "sunset",     "peak_hr",
    "duration", "ffmc", "dmc", "dc",   "isi",       "bui",        "fwi",
    "dsr",      "gfmc", "gsi", "gfwi", "ws_smooth", "isi_smooth", "gsi_smooth"};

struct Settings {
    fwi2025::StartValues start;
    fwi2025::RunOptions run;
    bool summaries = false;
    bool fromDaily = false;
    std::optional<int> rainHour;
    std::optional<double> timezone;  // for inputs without the column
};

std::string DateText(const ClockDate& date) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::string HourText(const ClockDate& date, int hour) {
    char text[8];
    std::snprintf(text, sizeof text, " %02d:00", hour);
    return DateText(date) + text;
}

// The constants of a run: where, which clock, which load.
struct RunPlace {
    fwi2025::Site site;
    std::optional<double> loadKgM2;  // supplied, or the default
    bool operator==(const RunPlace& other) const {
        return site.latitudeDeg == other.site.latitudeDeg &&
               site.longitudeDeg == other.site.longitudeDeg &&
               site.utcOffsetHours == other.site.utcOffsetHours && loadKgM2 == other.loadKgM2;
    }
};

// One checked record: its place, its day (and hour), the weather, its line.
struct Record {
    RunPlace place;
    HourlyWeather weather;  // the day's observation in daily mode (hour unused)
    long line = 0;
};

class Fwi2025Rows : public RowCommand {
  public:
    explicit Fwi2025Rows(const Settings& settings) : settings_(settings) {}

    std::string Begin(Header& header, std::string&) override {
        header_ = &header;
        id_ = header.Find({"id"});
        header.Use(id_);
        for (std::size_t c = 0; c < kColumnCount; ++c) {
            const fwi2025::HourlyInputColumn& declared = fwi2025::kHourlyInputs[c];
            const bool optional = declared.optional || (c == kInTimezone && settings_.timezone) ||
                                  (c == kInHour && settings_.fromDaily);
            if (settings_.fromDaily && (c == kInHour || c == kInSolrad)) continue;
            columns_[c] = header.Find({declared.name, declared.alias});
            if (!columns_[c] && !optional) return "missing column: " + std::string(declared.name);
            header.Use(columns_[c]);
        }
        if (settings_.fromDaily) {
            // The hourly weather replaces the daily observation's columns on the output.
            for (std::size_t column = 0; column < header.Size(); ++column) {
                if (column != columns_[kInTemp] && column != columns_[kInRh] &&
                    column != columns_[kInWs] && column != columns_[kInPrec]) {
                    passColumns_.push_back(column);
                }
            }
        }
        return "";
    }

    void WriteHeading(const Header& header, CsvWriter& out) override {
        if (settings_.summaries) {
            for (std::string_view name : kSummaryNames) {
                if (name != "id" || id_) out.Field(name);
            }
            out.EndRow();
            return;
        }
        if (settings_.fromDaily) {
            for (std::size_t column : passColumns_) out.Field(header.Name(column));
            for (std::string_view name : {"hr", "temp", "rh", "ws", "prec"}) out.Field(name);
        } else {
            for (std::size_t column = 0; column < header.Size(); ++column) {
                out.Field(header.Name(column));
            }
        }
        // Columns computed only when not supplied.
        for (const fwi2025::HourlyOutputColumn& column : fwi2025::kHourlyOutputs) {
            if (Written(column)) out.Field(column.name);
        }
        out.EndRow();
    }

    std::string Row(const Header& header, std::span<const std::string_view> fields,
                    CsvWriter& out) override {
        RecordValues values(header, fields);
        Record record;
        record.line = Line();
        if (!Read(values, record)) {
            Interrupt(out);
            return values.Problem();
        }
        const std::string_view id = id_ ? values.Text(*id_) : std::string_view();
        // A station's rows are together: an id that ended earlier is refused rather than
        // started again (interleaved stations would otherwise each restart on every row).
        if (!inputStarted_ || id != inputStation_) {
            if (const auto done = stationsDone_.find(std::string(id));
                done != stationsDone_.end()) {
                values.Refuse(*id_, Quoted(id) + " ended on line " + std::to_string(done->second) +
                                        ": a station's rows must be together");
                return values.Problem();
            }
            if (inputStarted_) stationsDone_.emplace(inputStation_, inputLastLine_);
            inputStation_.assign(id);
            inputStarted_ = true;
        }
        inputLastLine_ = record.line;
        if (settings_.fromDaily) return DailyRow(values, id, fields, record, out);
        std::string problem = Hour(values, id, record, out, [&](CsvWriter& o) {
            for (std::string_view field : fields) o.Field(field);
        });
        if (!problem.empty()) Interrupt(out);
        return problem;
    }

    std::string Finish(CsvWriter& out) override {
        std::string problem;
        if (held_) problem = EmitHeldDay(nullptr, out);
        CloseStation(out);
        return problem;
    }

  private:
    // Whether an output column is written: not when the input supplies it.
    bool Written(const fwi2025::HourlyOutputColumn& column) const {
        return column.suppliedBy == kColumnCount || !columns_[column.suppliedBy];
    }

    // Reads and checks one record's values.
    bool Read(RecordValues& values, Record& record) {
        std::array<double, kColumnCount> v{};
        v[kInTimezone] = settings_.timezone.value_or(0);
        for (std::size_t c = 0; c < kColumnCount; ++c) {
            if (columns_[c] && !repeated_.Required(values, c, *columns_[c], ColumnRule(c), v[c])) {
                return false;
            }
        }
        if (columns_[kInLoad] && v[kInLoad] <= 0) {
            return values.Refuse(*columns_[kInLoad],
                                 std::string(values.Text(*columns_[kInLoad])) + " is not above 0");
        }
        if (settings_.fromDaily && v[kInPrec] > kDailyRainRangeMm.max) {
            return values.Refuse(*columns_[kInPrec], std::string(values.Text(*columns_[kInPrec])) +
                                                         " is outside 0 to 24000");
        }
        const ClockDate date = {static_cast<int>(v[kInYear]), static_cast<int>(v[kInMonth]),
                                static_cast<int>(v[kInDay])};
        if (!fwi2025::IsValidDate(date)) {
            return values.Refuse(*columns_[kInDay], std::string(values.Text(*columns_[kInDay])) +
                                                        " is not a day of " +
                                                        DateText(date).substr(0, 7));
        }
        record.place.site = {v[kInLat], v[kInLong], v[kInTimezone]};
        if (columns_[kInLoad]) record.place.loadKgM2 = v[kInLoad];
        HourlyWeather& w = record.weather;
        w.date = date;
        w.hour = static_cast<int>(v[kInHour]);
        w.temperatureC = v[kInTemp];
        w.relativeHumidityPct = v[kInRh];
        w.windSpeedKmh = v[kInWs];
        w.rainMm = v[kInPrec];
        if (columns_[kInSolrad]) w.solarRadiationKwM2 = v[kInSolrad];
        if (columns_[kInCured]) w.percentCured = v[kInCured];
        return true;
    }

    // A refused record breaks the station's chain: with --keep-going its next accepted hour
    // starts a new run from the start-up values instead of being refused as a gap.
    // With --from-daily the held day is written as the end of its series and the next
    // accepted day starts a new one.
    void Interrupt(CsvWriter& out) {
        if (held_) {
            EmitHeldDay(nullptr, out);
            held_.reset();
            previous_.reset();
        }
        if (runner_) runner_->Interrupt();
    }

    void StartStation(std::string_view id, CsvWriter& out) {
        CloseStation(out);
        stationId_.assign(id);
        runner_.emplace(settings_.start, settings_.run);
        summariser_.emplace(settings_.run.grassTransition);
    }

    void CloseStation(CsvWriter& out) {
        if (summariser_ && settings_.summaries) {
            if (auto day = summariser_->Finish()) WriteSummary(*day, out);
        }
        summariser_.reset();
        runner_.reset();
    }

    // Checks the hour's place in the station's series, steps it and writes its row.
    template <typename WriteInputs>
    std::string Hour(RecordValues& values, std::string_view id, const Record& record,
                     CsvWriter& out, WriteInputs writeInputs) {
        if (!runner_ || id != stationId_) StartStation(id, out);
        const fwi2025::HourOrder order = runner_->Order(record.weather);
        const std::size_t timeColumn = columns_[kInHour] ? *columns_[kInHour] : *columns_[kInDay];
        if (order == fwi2025::HourOrder::Gap || order == fwi2025::HourOrder::Repeat ||
            order == fwi2025::HourOrder::Backwards) {
            values.Refuse(timeColumn, HourText(record.weather.date, record.weather.hour) + " " +
                                          fwi2025::HourOrderProblem(order) + " line " +
                                          std::to_string(lastLine_) + " (" +
                                          HourText(lastDate_, lastHour_) + ")");
            return values.Problem();
        }
        if (order == fwi2025::HourOrder::First || order == fwi2025::HourOrder::NewRun) {
            runPlace_ = record.place;
            runLine_ = record.line;
        } else if (!(record.place == runPlace_)) {
            // Within a run the site, its clock and the fuel load stay the same.
            const RunPlace& p = record.place;
            std::size_t column = *columns_[kInLat];
            if (p.site.longitudeDeg != runPlace_.site.longitudeDeg) column = *columns_[kInLong];
            if (p.site.utcOffsetHours != runPlace_.site.utcOffsetHours) {
                column = *columns_[kInTimezone];
            }
            if (p.loadKgM2 != runPlace_.loadKgM2) column = *columns_[kInLoad];
            values.Refuse(column, std::string(values.Text(column)) +
                                      " differs from the run that starts on line " +
                                      std::to_string(runLine_));
            return values.Problem();
        }
        const HourlyOutput hour = runner_->Step(
            record.place.site, record.place.loadKgM2.value_or(fwi2025::kDefaultGrassFuelLoadKgM2),
            record.weather);
        lastLine_ = record.line;
        lastDate_ = record.weather.date;
        lastHour_ = record.weather.hour;
        if (settings_.summaries) {
            if (auto day = summariser_->Add(record.weather, hour)) WriteSummary(*day, out);
            return "";
        }
        writeInputs(out);
        for (std::size_t c = 0; c < fwi2025::kHourlyOutputs.size(); ++c) {
            const fwi2025::HourlyOutputColumn& column = fwi2025::kHourlyOutputs[c];
            if (Written(column)) lastNumbers_[c].Write(column.value(hour), out);
        }
        out.EndRow();
        return "";
    }

    void WriteSummary(const DailySummary& day, CsvWriter& out) {
        if (id_) out.Field(stationId_);
        out.Number(day.date.year);
        out.Number(day.date.month);
        out.Number(day.date.day);
        out.Field(fwi2025::ClockText(day.sunriseH));
        out.Field(fwi2025::ClockText(day.sunsetH));
        out.Number(day.peakHour);
        out.Number(day.durationH);
        const std::array<double, 17> numbers = day.Numbers();
        for (std::size_t i = 4; i < numbers.size(); ++i) {
            out.Number(fwi2025::RoundToFourDecimals(numbers[i]));
        }
        out.EndRow();
    }

    // --- Daily observations built into hours (--from-daily) ------------------------------

    struct HeldDay {
        Record record;
        std::string id;
        std::vector<std::string> allFields;
        fwi2025::DailyMinMax minMax;
    };

    std::string DailyRow(RecordValues& values, std::string_view id,
                         std::span<const std::string_view> fields, const Record& record,
                         CsvWriter& out) {
        fwi2025::DailyObservation observation;
        observation.date = record.weather.date;
        observation.temperatureC = record.weather.temperatureC;
        observation.relativeHumidityPct = record.weather.relativeHumidityPct;
        observation.windSpeedKmh = record.weather.windSpeedKmh;
        observation.rainMm = record.weather.rainMm;
        HeldDay day;
        day.record = record;
        day.id.assign(id);
        day.allFields.assign(fields.begin(), fields.end());
        day.minMax = fwi2025::MinMaxFromObservation(observation);

        // Per station-year the days follow each other without gaps.
        if (held_ && held_->id == day.id &&
            held_->record.weather.date.year == observation.date.year) {
            const std::int64_t step = fwi2025::DayNumber(observation.date) -
                                      fwi2025::DayNumber(held_->record.weather.date);
            if (step != 1) {
                const std::string what = step == 0  ? "repeats"
                                         : step < 0 ? "is earlier than"
                                                    : "leaves days missing after";
                values.Refuse(*columns_[kInDay], DateText(observation.date) + " " + what +
                                                     " line " + std::to_string(held_->record.line) +
                                                     " (" + DateText(held_->record.weather.date) +
                                                     ")");
                Interrupt(out);
                return values.Problem();
            }
            std::string problem = EmitHeldDay(&day.minMax, out);
            previous_ = held_->minMax;
            held_ = std::move(day);
            return problem;
        }
        std::string problem;
        if (held_) problem = EmitHeldDay(nullptr, out);
        previous_.reset();
        held_ = std::move(day);
        return problem;
    }

    // Writes the held day's 24 hours; `next` is the following day, or none at a series end.
    std::string EmitHeldDay(const fwi2025::DailyMinMax* next, CsvWriter& out) {
        const HeldDay& day = *held_;
        const fwi2025::DailyMinMax previous =
            previous_ ? *previous_ : fwi2025::ShiftedCopy(day.minMax, -1);
        const fwi2025::DailyMinMax following = next ? *next : fwi2025::ShiftedCopy(day.minMax, 1);
        const auto hours = fwi2025::HourlyFromMinMax(day.record.place.site, previous, day.minMax,
                                                     following, settings_.rainHour);
        // Refusals of built hours name the day's own record.
        const std::vector<std::string_view> fields(day.allFields.begin(), day.allFields.end());
        RecordValues values(*header_, fields);
        for (const HourlyWeather& weather : hours) {
            Record record = day.record;
            record.weather = weather;
            record.weather.percentCured = day.record.weather.percentCured;
            const std::string problem = Hour(values, day.id, record, out, [&](CsvWriter& o) {
                for (std::size_t column : passColumns_) o.Field(day.allFields[column]);
                o.Number(weather.hour);
                o.Number(weather.temperatureC);
                o.Number(weather.relativeHumidityPct);
                o.Number(weather.windSpeedKmh);
                o.Number(weather.rainMm);
            });
            if (!problem.empty()) {
                if (runner_) runner_->Interrupt();
                return "the hours built from line " + std::to_string(day.record.line) + ", " +
                       problem;
            }
        }
        return "";
    }

    // A column's last number and its text: the sun times and curing of a date, the load of a
    // run and the codes through the night repeat from row to row, and the same double has
    // the same shortest text.
    class NumberText {
      public:
        void Write(double value, CsvWriter& out) {
            if (!(value == value_)) {
                value_ = value;
                text_.clear();
                AppendShortestNumber(text_, value);
            }
            out.NumberText(text_);
        }

      private:
        double value_ = std::numeric_limits<double>::quiet_NaN();  // none yet
        std::string text_;
    };

    const Settings settings_;
    std::array<NumberText, fwi2025::kHourlyOutputs.size()> lastNumbers_;
    const Header* header_ = nullptr;  // the driver's, alive until Finish
    std::optional<std::size_t> id_;
    std::array<std::optional<std::size_t>, kColumnCount> columns_{};
    std::vector<std::size_t> passColumns_;
    RepeatedValues<kColumnCount> repeated_;

    std::string stationId_;
    // The stations met so far in the input, with their last lines.
    bool inputStarted_ = false;
    std::string inputStation_;
    long inputLastLine_ = 0;
    std::unordered_map<std::string, long> stationsDone_;
    std::optional<fwi2025::StationRunner> runner_;
    std::optional<fwi2025::DailySummariser> summariser_;
    RunPlace runPlace_;
    long runLine_ = 0;
    long lastLine_ = 0;
    ClockDate lastDate_;  // of the last hour stepped
    int lastHour_ = 0;

    std::optional<HeldDay> held_;
    std::optional<fwi2025::DailyMinMax> previous_;
};

constexpr CommandOption kOptions[] = {
    {"ffmc", "start-up FFMC of every run (default 85; 0 to 101)"},
    {"mcffmc", "start-up fine-fuel moisture (%, 0 to 250) instead of --ffmc"},
    {"dmc", "start-up DMC (default 6)"},
    {"dc", "start-up DC (default 15)"},
    {"mcgfmc-matted", "start-up matted-grass moisture (%, default 16.3075131042516)"},
    {"mcgfmc-standing", "start-up standing-grass moisture (%, default 16.3075131042516)"},
    {"prec-cumulative", "start-up rain total of the wetting event (mm, default 0)"},
    {"canopy-drying", "start-up count of dry hours of the event (h, default 0)"},
    {"timezone", "UTC offset (h) of the clock, for an input without a timezone column"},
    {"continuous", "one run per station over all its years (default: one per calendar year)", true},
    {"summaries", "one row per fire day (05:00 to 04:59): peak hour, active burning hours", true},
    {"from-daily", "the input holds daily 13:00 observations: build the hours from them", true},
    {"rain-hour", "with --from-daily: the hour (0 to 23) of the day's rain (default: sunrise)"},
};

std::unique_ptr<RowCommand> MakeFwi2025(const OptionValues& options, std::string& problem) {
    Settings settings;
    fwi2025::StartValues& start = settings.start;
    double ffmc = 85;
    double mcffmc = 0;
    double timezone = 0;
    double rainHour = 0;
    const std::string problems[] = {
        ReadOption(options, "ffmc", Rule(fwi2025::kFfmcRange), ffmc),
        ReadOption(options, "mcffmc", Rule(fwi2025::kFineFuelMoistureRangePct), mcffmc),
        ReadOption(options, "dmc", Rule(fwi2025::kCodeRange), start.dmc),
        ReadOption(options, "dc", Rule(fwi2025::kCodeRange), start.dc),
        ReadOption(options, "mcgfmc-matted", Rule(fwi2025::kNonNegativeRange),
                   start.mattedGrassMoisturePct),
        ReadOption(options, "mcgfmc-standing", Rule(fwi2025::kNonNegativeRange),
                   start.standingGrassMoisturePct),
        ReadOption(options, "prec-cumulative", Rule(fwi2025::kNonNegativeRange), start.eventRainMm),
        ReadOption(options, "canopy-drying", Rule(fwi2025::kNonNegativeRange), start.dryHours),
        ReadOption(options, "timezone", Rule(fwi2025::kUtcOffsetRangeH), timezone),
        ReadOption(options, "rain-hour", {0, 23, true}, rainHour),
    };
    for (const std::string& text : problems) {
        if (!text.empty()) {
            problem = text;
            return nullptr;
        }
    }
    // ReadOption leaves a whole-number check to the rule only for columns.
    if (options.Get("rain-hour") && rainHour != static_cast<int>(rainHour)) {
        problem =
            "--rain-hour: " + std::string(*options.Get("rain-hour")) + " is not a whole number";
        return nullptr;
    }
    if (options.Get("ffmc") && options.Get("mcffmc")) {
        problem = "--ffmc and --mcffmc: give one start-up value of the fine fuel, not both";
        return nullptr;
    }
    if (options.Get("mcffmc")) {
        start.fineFuelMoisturePct = mcffmc;
    } else {
        start.ffmc = ffmc;
    }
    if (options.Get("timezone")) settings.timezone = timezone;
    settings.run.continuous = options.Get("continuous").has_value();
    settings.summaries = options.Get("summaries").has_value();
    settings.fromDaily = options.Get("from-daily").has_value();
    if (options.Get("rain-hour")) {
        if (!settings.fromDaily) {
            problem = "--rain-hour: only with --from-daily";
            return nullptr;
        }
        settings.rainHour = static_cast<int>(rainHour);
    }
    return std::make_unique<Fwi2025Rows>(settings);
}

}  // namespace

const CommandEntry kFwi2025Command = {
    "fwi2025",
    "the hourly FWI System (FWI2025) with grassland indices over hourly station weather",
    "Columns (by name, any letter case and order): id (optional station), lat, long (east\n"
    "positive), timezone (UTC offset in h; or --timezone), yr, mon, day, hr (0 to 23, local\n"
    "clock), temp (deg C), rh (%), ws (km/h), prec (mm in the hour); optional solrad (kW/m2),\n"
    "percent_cured (%), grass_fuel_load (kg/m2), estimated when absent. A station's hours\n"
    "follow each other one hour apart; each station and calendar year is a run from the\n"
    "start-up values (--continuous: one run per station). Output: every input column, then\n"
    "grass_fuel_load, percent_cured, solrad (when computed), sunrise, sunset, sunlight_hours,\n"
    "mcffmc, ffmc, dmc, dc, isi, bui, fwi, dsr, mcgfmc_matted, mcgfmc_standing, gfmc, gsi,\n"
    "gfwi, prec_cumulative, canopy_drying. With --summaries: id, yr, mon, day, sunrise,\n"
    "sunset (HH:MM), peak_hr, duration, ffmc, dmc, dc, isi, bui, fwi, dsr, gfmc, gsi, gfwi,\n"
    "ws_smooth, isi_smooth, gsi_smooth (4 decimals). With --from-daily the rows are daily\n"
    "(id, lat, long, timezone, yr, mon, day, temp, rh, ws, prec in mm per day) and the\n"
    "output gives the 24 built hours of each day (hr, temp, rh, ws, prec) with their results.\n",
    kOptions,
    MakeFwi2025,
};

}  // namespace emberlin::batch
