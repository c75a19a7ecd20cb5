// emberlin fwi: the daily FWI System chained day after day through the rows.
#include <array>

#include "batch/command.h"
#include "fwi/fwi_index.h"

namespace emberlin::batch {

namespace {

constexpr std::array<std::string_view, 7> kOutputs = {"ffmc", "dmc", "dc", "isi",
                                                      "bui",  "fwi", "dsr"};

struct Codes {
    double ffmc = 85;
    double dmc = 6;
    double dc = 15;
};

class FwiRows : public RowCommand {
  public:
    explicit FwiRows(const Codes& start) : start_(start), carried_(start) {}

    std::string Begin(Header& header, std::string&) override {
        id_ = header.Find({"id"});
        header.Use(id_);
        struct Wanted {
            std::optional<std::size_t>* column;
            std::initializer_list<std::string_view> names;
        };
        const Wanted wanted[] = {{&month_, {"mon", "month"}},
                                 {&temperature_, {"temp"}},
                                 {&humidity_, {"rh"}},
                                 {&wind_, {"ws"}},
                                 {&rain_, {"prec"}}};
        for (const Wanted& w : wanted) {
            *w.column = header.Find(w.names);
            if (!*w.column) return "missing column: " + std::string(*w.names.begin());
            header.Use(*w.column);
        }
        return "";
    }

    void WriteHeading(const Header& header, CsvWriter& out) override {
        for (std::size_t column = 0; column < header.Size(); ++column) {
            out.Field(header.Name(column));
        }
        for (std::string_view name : kOutputs) out.Field(name);
        out.EndRow();
    }

    std::string Row(const Header& header, std::span<const std::string_view> fields,
                    CsvWriter& out) override {
        RecordValues values(header, fields);
        double month = 0, temperature = 0, humidity = 0, wind = 0, rain = 0;
        if (!values.Required(*month_, rules_.month, month) ||
            !values.Required(*temperature_, rules_.temperature, temperature) ||
            !values.Required(*humidity_, rules_.humidity, humidity) ||
            !values.Required(*wind_, rules_.wind, wind) ||
            !values.Required(*rain_, rules_.rain, rain)) {
            return values.Problem();
        }
        // A new station (a change of id) starts again from the start codes.
        if (id_) {
            const std::string_view id = values.Text(*id_);
            if (!started_ || id != lastId_) {
                carried_ = start_;
                lastId_.assign(id);
            }
            if (!started_) firstId_ = lastId_;
        }
        started_ = true;
        const FwiCodes day = CalcFwiDay(carried_.ffmc, carried_.dmc, carried_.dc,
                                        static_cast<int>(month), temperature, humidity, rain, wind);
        // Today's codes are tomorrow's yesterday, as returned: FFMC within 0..101, DMC and DC
        // not below 0.
        carried_ = {day.ffmc, day.dmc, day.dc};

        for (std::string_view field : fields) out.Field(field);
        for (double value : {day.ffmc, day.dmc, day.dc, day.isi, day.bui, day.fwi, day.dsr}) {
            out.Number(value);
        }
        out.EndRow();
        return "";
    }

    // A refused day keeps its row, with empty results, so that the output stays day for day;
    // the next day goes on from the codes of the day before the refused one.
    void Refused(const Header& header, std::span<const std::string_view> fields,
                 CsvWriter& out) override {
        for (std::size_t column = 0; column < header.Size(); ++column) {
            out.Field(column < fields.size() ? fields[column] : std::string_view());
        }
        for (std::size_t i = 0; i < kOutputs.size(); ++i) out.Field("");
        out.EndRow();
        ++refusedDays_;
    }

    std::string EndNote() override {
        if (refusedDays_ == 0) return "";
        return std::to_string(refusedDays_) +
               (refusedDays_ == 1 ? " refused day keeps its row"
                                  : " refused days keep their rows") +
               " with empty results; the chain went on from the day before each";
    }

    // Stations are chained apart: shares break where the id changes. Without an id the whole
    // input is one chain.
    Sharing Shares() const override { return {.shared = id_.has_value(), .breakAtChangeOf = id_}; }

    bool CarriesInto(const RowCommand& later) const override {
        const auto& share = static_cast<const FwiRows&>(later);
        return started_ && share.started_ && share.firstId_ == lastId_;
    }

    void Absorb(const RowCommand& later) override {
        const auto& share = static_cast<const FwiRows&>(later);
        refusedDays_ += share.refusedDays_;
        if (!share.started_) return;
        carried_ = share.carried_;
        lastId_ = share.lastId_;
        started_ = true;
    }

  private:
    struct Rules {
        ValueRule month = FwiFormRange("month");
        ValueRule temperature = kFwiSeasonTemperature;
        ValueRule humidity = FwiFormRange("relativeHumidity");
        ValueRule wind = FwiFormRange("windSpeed");
        ValueRule rain = FwiFormRange("rain");
    };
    const Rules rules_;
    const Codes start_;
    Codes carried_;
    std::optional<std::size_t> id_, month_, temperature_, humidity_, wind_, rain_;
    std::string lastId_;
    std::string firstId_;  // of the first day computed
    bool started_ = false;
    long refusedDays_ = 0;
};

constexpr CommandOption kOptions[] = {
    {"ffmc", "yesterday's FFMC before the first row and at each new id (default 85)"},
    {"dmc", "yesterday's DMC likewise (default 6)"},
    {"dc", "yesterday's DC likewise (default 15)"},
};

std::unique_ptr<RowCommand> MakeFwi(const OptionValues& options, std::string& problem) {
    Codes start;
    for (std::string problemText :
         {ReadOption(options, "ffmc", FwiFormRange("ffmcYesterday"), start.ffmc),
          ReadOption(options, "dmc", FwiFormRange("dmcYesterday"), start.dmc),
          ReadOption(options, "dc", FwiFormRange("dcYesterday"), start.dc)}) {
        if (!problemText.empty()) {
            problem = problemText;
            return nullptr;
        }
    }
    return std::make_unique<FwiRows>(start);
}

// The --help columns, with the ranges the command checks.
const std::string& FwiColumns() {
    static const std::string text = [] {
        auto range = [](const ValueRule& rule) {
            return BoundText(rule.min) + " to " + BoundText(rule.max);
        };
        return "Columns (by name, any letter case and order): mon or month, temp (deg C), rh (%),\n"
               "ws (km/h), prec (mm); optional id: a change of its value starts the chain again.\n"
               "Every value is required. Ranges: mon " +
               range(FwiFormRange("month")) + ", temp " + range(kFwiSeasonTemperature) + ",\nrh " +
               range(FwiFormRange("relativeHumidity")) + ", ws " +
               range(FwiFormRange("windSpeed")) + ", prec " + range(FwiFormRange("rain")) +
               ".\n"
               "Output: every input column, then ffmc, dmc, dc, isi, bui, fwi, dsr. With\n"
               "--keep-going a refused day keeps its row with empty results and the chain goes on\n"
               "from the day before it.\n";
    }();
    return text;
}

}  // namespace

const CommandEntry kFwiCommand = {
    "fwi",   "the daily FWI System, chained day after day through the rows", FwiColumns(), kOptions,
    MakeFwi,
};

}  // namespace emberlin::batch
