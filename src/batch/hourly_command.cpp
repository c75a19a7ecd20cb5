// emberlin hourly: each row a day and a site; the fire behaviour by hour of the day's diurnal
// weather, one output row per hour, or one summary row per input row with --summary.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "batch/command.h"
#include "batch/diurnal_reader.h"
#include "common/calendar.h"
#include "fire/engine_inputs.h"
#include "fire/fire_by_hour.h"
#include "forms/fields/field_declarations.h"
#include "forms/fields/fire_by_hour_columns.h"

namespace emberlin::batch {

namespace {

enum Site : std::size_t {
    kPc,
    kPdf,
    kGc,
    kGfl,
    kBui,
    kWindDirection,
    kSlope,
    kAspect,
    kElevation,
    kIgnition,
    kStartHour,
    kDuration,
    kThreshold1,
    kThreshold2,
    kSiteCount
};

// The form's inputs beside the day's weather: the form's field id first, then the name the
// fbp command reads.
constexpr std::array<FieldColumn, kSiteCount> kSiteColumns = {{
    {{"pc", ""}, "pc"},
    {{"pdf", ""}, "pdf"},
    {{"gc", "cc"}, "gc"},
    {{"gfl", ""}, "gfl"},
    {{"bui", ""}, "bui"},
    {{"windDirection", "wd"}, "windDirection"},
    {{"slope", "gs"}, "slope"},
    {{"aspect", ""}, "aspect"},
    {{"elevation", "elv"}, "elevation"},
    {{"accel", ""}, ""},  // 1 point, 0 line; the form's ignition when blank
    {{"startHour", ""}, "startHour"},
    {{"duration", ""}, "duration"},
    {{"threshold1", ""}, "threshold1"},
    {{"threshold2", ""}, "threshold2"},
}};

constexpr std::array<std::string_view, 6> kSummaryNames = {
    "peakHour", "peakHfi", "peakRos", "spansThreshold1", "spansThreshold2", "crownFire"};

class HourlyRows : public RowCommand {
  public:
    explicit HourlyRows(bool summary) : summary_(summary) {
        for (std::size_t i = 0; i < kSiteCount; ++i) {
            rules_[i] = kSiteColumns[i].field.empty() ? ValueRule{0, 1, true}
                                                      : FireByHourFormRange(kSiteColumns[i].field);
            defaults_[i] =
                kSiteColumns[i].field.empty()
                    ? (emberlin::FbpSettings{}.ignition == emberlin::IgnitionType::Point ? 1 : 0)
                    : forms::FindField(forms::FireByHourFields(), kSiteColumns[i].field)
                          .defaultValue;
        }
        latitude_ = FireByHourFormRange("latitude");
        longitude_ = FireByHourFormRange("longitude");
    }

    std::string Begin(Header& header, std::string&) override {
        fuelType_ = header.Find({"FuelType"});
        if (!fuelType_) return "missing column: FuelType";
        header.Use(fuelType_);
        if (std::string problem = reader_.Begin(header); !problem.empty()) return problem;
        latitudeColumn_ = header.Find({"lat"});
        longitudeColumn_ = header.Find({"long"});
        for (std::size_t i = 0; i < kSiteCount; ++i) {
            positions_[i] = header.Find({kSiteColumns[i].names[0], kSiteColumns[i].names[1]});
            header.Use(positions_[i]);
        }
        // Every other column identifies the day and site and is repeated on its rows.
        idColumns_ = header.Unused();
        return "";
    }

    void WriteHeading(const Header& header, CsvWriter& out) override {
        for (std::size_t column : idColumns_) out.Field(header.Name(column));
        if (summary_) {
            for (std::string_view name : kSummaryNames) out.Field(name);
        } else {
            for (const forms::HourResultColumn& column : forms::FireByHourColumns()) {
                out.Field(column.id);
            }
        }
        out.EndRow();
    }

    std::string Row(const Header& header, std::span<const std::string_view> fields,
                    CsvWriter& out) override {
        RecordValues values(header, fields);
        const std::string_view code = values.Text(*fuelType_);
        const int fuel = FuelIndexOf(code);
        if (fuel < 0) {
            values.Refuse(*fuelType_, code.empty() ? std::string("no value") : NotAFuelType(code));
            return values.Problem();
        }
        const std::optional<DiurnalHours> hours = reader_.Read(values, FfmcMethod::VanWagner);
        if (!hours) return values.Problem();
        // The site lies within the fire behaviour form's narrower ranges too.
        double place = 0;
        if (!values.Required(*latitudeColumn_, latitude_, place) ||
            !values.Required(*longitudeColumn_, longitude_, place)) {
            return values.Problem();
        }

        // The form's initial values for whatever a row leaves blank.
        emberlin::FbpSettings settings;
        emberlin::ProjectionSite& site = settings.site;
        std::array<double, kSiteCount> v = defaults_;
        for (std::size_t i = 0; i < kSiteCount; ++i) {
            if (!values.Optional(positions_[i], rules_[i], v[i])) return values.Problem();
        }
        if (v[kStartHour] + v[kDuration] > emberlin::kHoursInDay) {
            values.Refuse(*positions_[kDuration], std::string(values.Text(*positions_[kDuration])) +
                                                      " hours from the start hour pass 24:00");
            return values.Problem();
        }
        site.pc = static_cast<int>(v[kPc]);  // checked whole numbers
        site.pdf = static_cast<int>(v[kPdf]);
        site.gc = static_cast<int>(v[kGc]);
        site.gfl = v[kGfl];
        site.bui = v[kBui];
        site.windDirection = v[kWindDirection];
        site.slope = v[kSlope];
        site.aspect = v[kAspect];
        site.elevation = static_cast<int>(v[kElevation]);
        site.latitude = hours->latitude;
        site.longitude = hours->longitude;

        settings.fuelIndex = fuel;
        settings.ignition =
            v[kIgnition] == 1 ? emberlin::IgnitionType::Point : emberlin::IgnitionType::Line;
        settings.month = hours->month;
        settings.day = hours->dayOfMonth;
        emberlin::FireByHourCase fireCase;
        fireCase.fire = emberlin::EngineInputs(
            settings, DayOfYear(hours->month, hours->dayOfMonth).value_or(hours->dayOfMonth));
        fireCase.startHour = static_cast<int>(v[kStartHour]);
        fireCase.durationHours = static_cast<int>(v[kDuration]);
        fireCase.thresholds = {v[kThreshold1], v[kThreshold2]};
        emberlin::HourlyTables weather;
        for (std::size_t h = 1; h <= 24; ++h) {
            weather.ffmc[h] = hours->ffmc[h];
            weather.windSpeed[h] = hours->day.windSpeed[h];
        }
        const emberlin::FireByHourResult result = emberlin::CalcFireByHour(fireCase, weather);

        if (summary_) {
            const emberlin::FireByHourSummary& s = result.summary;
            for (std::size_t column : idColumns_) out.Field(fields[column]);
            out.Number(s.peakHour);
            out.Number(s.peakHfi);
            out.Number(s.peakRos);
            out.Field(forms::SpansText(s.criticalSpans[0]));
            out.Field(forms::SpansText(s.criticalSpans[1]));
            out.Field(forms::SpansText(s.crownSpans));
            out.EndRow();
            return "";
        }
        for (const emberlin::HourBehaviour& hour : result.hours) {
            for (std::size_t column : idColumns_) out.Field(fields[column]);
            // Numbers in full; the fire type in words; blank where there is no value.
            for (const forms::HourResultColumn& column : forms::FireByHourColumns()) {
                const std::optional<double> value = column.value(hour);
                if (!value) {
                    out.Field("");
                } else if (column.format == forms::ResultFormat::Description) {
                    out.Field(forms::FormattedResult(column.format, *value));
                } else {
                    out.Number(*value);
                }
            }
            out.EndRow();
        }
        return "";
    }

    // Each day and site is computed on its own, 24 hours of fire behaviour: few to a share.
    Sharing Shares() const override {
        return {.shared = true, .breakAtChangeOf = {}, .records = 128};
    }

  private:
    const bool summary_;
    DiurnalDayReader reader_;
    std::optional<std::size_t> fuelType_;
    std::optional<std::size_t> latitudeColumn_;
    std::optional<std::size_t> longitudeColumn_;
    ValueRule latitude_;
    ValueRule longitude_;
    std::array<ValueRule, kSiteCount> rules_{};
    std::array<double, kSiteCount> defaults_{};
    std::array<std::optional<std::size_t>, kSiteCount> positions_{};
    std::vector<std::size_t> idColumns_;
};

constexpr CommandOption kOptions[] = {
    {"summary", "one row per input row: peak hour, its HFI and ROS, the critical spans", true},
};

std::unique_ptr<RowCommand> MakeHourly(const OptionValues& options, std::string&) {
    return std::make_unique<HourlyRows>(options.Get("summary").has_value());
}

}  // namespace

const CommandEntry kHourlyCommand = {
    "hourly",
    "fire behaviour by hour of a day's diurnal weather, 24 rows for each day and site",
    "Columns (by name, any letter case and order): FuelType, then the diurnal command's\n"
    "columns for the day's hourly weather (month or mon, day, lat, long, temp, rh, ws, ffmc,\n"
    "tmin, tmax, wsmin, wsmax, optional curve shapes), then, each optional with the Fire\n"
    "Behaviour by Hour form's initial value: pc, pdf, gc or cc, gfl, bui, windDirection or wd,\n"
    "slope or gs, aspect, elevation or elv, accel (1 point, 0 line), startHour, duration,\n"
    "threshold1, threshold2. Values are checked with the forms' ranges. Output: the row's\n"
    "other columns (its ids), then hour, ffmc, ws, isi, ros, hfi, cfb, fireType,\n"
    "intensityClass, area and perimeter (blank outside the fire's duration); with --summary\n"
    "one row per input row: peakHour, peakHfi, peakRos, spansThreshold1, spansThreshold2,\n"
    "crownFire (spans as \"13:00 to 19:00 (7 h)\", or \"none\").\n",
    kOptions,
    MakeHourly,
};

}  // namespace emberlin::batch
