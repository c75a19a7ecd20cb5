// emberlin fbp: one ComputeFbp per row.
#include <array>
#include <vector>

#include "batch/command.h"
#include "batch/fbp_columns.h"
#include "fbp/fbp_engine.h"
#include "forms/content/fire_description.h"
#include "forms/content/fuel_catalogue.h"

namespace emberlin::batch {

namespace {

class FbpRows : public RowCommand {
  public:
    FbpRows() : columns_(FbpInputColumns()), defaulted_(columns_.size(), false) {
        // The FBP calculator's words for each fire type, by the cfb that starts each class.
        for (const double cfb : {0.0, 0.1, 0.9}) {
            fireTypeWords_[static_cast<std::size_t>(ClassifyFireType(cfb))] =
                forms::FireDescription(cfb);
        }
    }

    std::string Begin(Header& header, std::string& note) override {
        fuelType_ = header.Find({"FuelType"});
        if (!fuelType_) return "missing column: FuelType";
        header.Use(fuelType_);
        positions_.clear();
        for (const FbpInputColumn& column : columns_) {
            const std::optional<std::size_t> at = header.Find({column.name});
            if (!at && column.required) return "missing column: " + std::string(column.name);
            header.Use(at);
            positions_.push_back(at);
        }
        const bool hours = header.Find({"hr"}).has_value();
        const bool minutes = header.Find({"minutes"}).has_value();
        if (hours && minutes) return "columns hr and minutes both give the elapsed time; keep one";
        // Absent columns take the calculator's values; the elapsed time is absent only when
        // neither of its columns is there.
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            const std::string_view name = columns_[i].name;
            defaulted_[i] = !positions_[i] && TakesCalculatorValue(name) && name != "hr" &&
                            !(name == "minutes" && hours);
        }
        const std::vector<std::size_t> unused = header.Unused();
        if (!unused.empty()) {
            // A heading may hold thousands of columns: the note names the first few.
            constexpr std::size_t kNamed = 20;
            note = "columns not used by fbp, passed through:";
            for (std::size_t i = 0; i < unused.size() && i < kNamed; ++i) {
                note += (i == 0 ? " " : ", ") + header.Name(unused[i]);
            }
            if (unused.size() > kNamed) {
                note += " and " + std::to_string(unused.size() - kNamed) + " more";
            }
        }
        return "";
    }

    std::string EndNote() override {
        std::string names;
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            if (defaulted_[i]) names += (names.empty() ? "" : ", ") + std::string(columns_[i].name);
        }
        if (names.empty()) return "";
        return "absent or blank, the FBP calculator's initial values were taken for " + names;
    }

    void WriteHeading(const Header& header, CsvWriter& out) override {
        for (std::size_t column = 0; column < header.Size(); ++column) {
            out.Field(header.Name(column));
        }
        for (const FbpOutputColumn& output : kFbpOutputColumns) out.Field(output.name);
        out.Field("fireType");
        out.EndRow();
    }

    std::string Row(const Header& header, std::span<const std::string_view> fields,
                    CsvWriter& out) override {
        RecordValues values(header, fields);
        blanks_.clear();
        const std::string_view code = values.Text(*fuelType_);
        if (code.empty()) {
            values.Refuse(*fuelType_, "no value");
            return values.Problem();
        }
        const int fuel = FuelIndexOf(code);
        if (fuel < 0) {
            values.Refuse(*fuelType_, NotAFuelType(code));
            return values.Problem();
        }
        // What the calculator starts with, for every value the row does not give.
        inputs_ = base_;
        inputs_.fuelType = FuelTypeTable[static_cast<std::size_t>(fuel)].code;
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            const FbpInputColumn& column = columns_[i];
            const std::optional<std::size_t> at = positions_[i];
            if (!at) continue;
            double value = 0;
            if (column.required) {
                if (!values.Required(*at, column.rule, value)) return values.Problem();
            } else {
                if (values.Text(*at).empty()) {
                    if (TakesCalculatorValue(column.name)) blanks_.push_back(i);
                    continue;
                }
                if (!values.Optional(at, column.rule, value)) return values.Problem();
            }
            column.Fill(inputs_, value);
        }
        FbpOutputs outputs;
        ComputeFbp(inputs_, outputs);  // the fuel type was found above
        for (const std::size_t i : blanks_) defaulted_[i] = true;

        for (std::string_view field : fields) out.Field(field);
        for (const FbpOutputColumn& output : kFbpOutputColumns) out.Number(outputs.*output.value);
        out.Field(fireTypeWords_[static_cast<std::size_t>(ClassifyFireType(outputs.cfb))]);
        out.EndRow();
        return "";
    }

    Sharing Shares() const override { return {.shared = true, .breakAtChangeOf = {}}; }

    void Absorb(const RowCommand& later) override {
        const auto& share = static_cast<const FbpRows&>(later);
        for (std::size_t i = 0; i < defaulted_.size(); ++i) {
            if (share.defaulted_[i]) defaulted_[i] = true;
        }
    }

  private:
    // D0 blank or 0 means "worked out", which is also what the calculator does.
    static bool TakesCalculatorValue(std::string_view name) { return name != "D0"; }

    const std::vector<FbpInputColumn>& columns_;
    const FbpInputs base_ = FbpBaseInputs();
    std::vector<std::optional<std::size_t>> positions_;
    std::vector<bool> defaulted_;      // columns that gave the calculator's value at least once
    std::vector<std::size_t> blanks_;  // of the row being read
    std::optional<std::size_t> fuelType_;
    FbpInputs inputs_;
    std::array<std::string, 3> fireTypeWords_;
};

std::unique_ptr<RowCommand> MakeFbp(const OptionValues&, std::string&) {
    return std::make_unique<FbpRows>();
}

}  // namespace

// "c2", "C-2", "O1A" and "o-1b" all name a row: hyphens go, FindFuelType ignores case.
int FuelIndexOf(std::string_view text) {
    char code[8];
    std::size_t size = 0;
    for (char c : text) {
        if (c == '-') continue;
        if (size == sizeof code) return -1;
        code[size++] = c;
    }
    return FindFuelType(std::string_view(code, size));
}

std::string NotAFuelType(std::string_view text) {
    return Quoted(text) + " is not a fuel type (" + forms::FuelCodeList(" to ") + ")";
}

namespace {

// The columns of the --help text; the fuel codes are the catalogue's, the grass codes
// starting the second line.
const std::string& FbpColumns() {
    static const std::string text =
        "Columns (by name, any letter case and order): FuelType (" +
        forms::FuelCodeList("..", false) + ",\n" + forms::GrassFuelCodes(", ") +
        " in any case, with or without a hyphen), FFMC, BUI, WS (km/h); optional: WD\n"
        "(deg), GS (slope %), Aspect (deg), Dj (day of year), D0 (day of minimum foliar\n"
        "moisture; blank or 0 = computed), LAT, LONG, ELV (m), hr or minutes (elapsed time),\n"
        "Accel (1 point, 0 line), BUIEff (1 use the BUI, the default; 0 not), PC, PDF, cc\n"
        "(curing %), GFL (kg/m2), theta (deg). An absent column or a blank value takes the FBP\n"
        "calculator's initial value; a note at the end names those columns.\n"
        "Values are checked with the FBP calculator's ranges. Output: every input column, then\n"
        "every FBP output under its own name and fireType (Surface Fire, Intermittent Crown\n"
        "Fire, Crown Fire). Columns the engine does not use are passed through.\n";
    return text;
}

}  // namespace

const CommandEntry kFbpCommand = {
    "fbp", "the FBP System, one case per row", FbpColumns(), {}, MakeFbp,
};

}  // namespace emberlin::batch
