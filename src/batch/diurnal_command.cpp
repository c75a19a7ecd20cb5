// emberlin diurnal: each row a day of the diurnal weather form; one output row per hour.
#include <array>
#include <vector>

#include "batch/command.h"
#include "batch/diurnal_reader.h"

namespace emberlin::batch {

namespace {

class DiurnalRows : public RowCommand {
  public:
    explicit DiurnalRows(FfmcMethod method) : method_(method) {}

    std::string Begin(Header& header, std::string&) override {
        if (std::string problem = reader_.Begin(header); !problem.empty()) return problem;
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
        const std::optional<DiurnalHours> hours = reader_.Read(values, method_);
        if (!hours) return values.Problem();
        const DiurnalDay* day = &hours->day;
        const DiurnalFfmc& ffmc = hours->ffmc;
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

    // Each day is computed on its own, 24 hours of weather.
    Sharing Shares() const override {
        return {.shared = true, .breakAtChangeOf = {}, .records = 256};
    }

  private:
    const FfmcMethod method_;
    DiurnalDayReader reader_;
    std::vector<std::size_t> idColumns_;
};

constexpr CommandOption kOptions[] = {
    {"method", "hourly FFMC: vanwagner (default, chained from the day's FFMC) or equilibrium",
     false, "NAME"},
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

const CommandEntry kDiurnalCommand = {
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
