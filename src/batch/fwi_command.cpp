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
            const std::string_view id = fields[*id_];
            if (!started_ || id != lastId_) {
                carried_ = start_;
                lastId_.assign(id);
            }
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

  private:
    struct Rules {
        ValueRule month = FwiFormRange("month");
        ValueRule temperature = FwiFormRange("temperature");
        ValueRule humidity = FwiFormRange("relativeHumidity");
        ValueRule wind = FwiFormRange("windSpeed");
        ValueRule rain = FwiFormRange("rain");
    };
    const Rules rules_;
    const Codes start_;
    Codes carried_;
    std::optional<std::size_t> id_, month_, temperature_, humidity_, wind_, rain_;
    std::string lastId_;
    bool started_ = false;
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

}  // namespace

const CommandEntry kFwiCommand = {
    "fwi",
    "the daily FWI System, chained day after day through the rows",
    "Columns (by name, any letter case and order): mon or month, temp (deg C), rh (%),\n"
    "ws (km/h), prec (mm); optional id: a change of its value starts the chain again.\n"
    "Values are checked with the FWI calculator's ranges. Output: every input column,\n"
    "then ffmc, dmc, dc, isi, bui, fwi, dsr.\n",
    kOptions,
    MakeFwi,
};

}  // namespace emberlin::batch
