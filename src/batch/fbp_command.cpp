// emberlin fbp: one ComputeFbp per row.
#include <array>
#include <vector>

#include "batch/command.h"
#include "batch/fbp_columns.h"
#include "fbp/fbp_engine.h"
#include "forms/fbp_calc_form.h"

namespace emberlin::batch {

namespace {

class FbpRows : public RowCommand {
  public:
    // Blank cells and absent columns keep the base record's values.
    FbpRows() : columns_(FbpInputColumns()), base_(FbpBaseInputs()) {
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
        if (header.Find({"hr"}) && header.Find({"minutes"})) {
            return "columns hr and minutes both give the elapsed time; keep one";
        }
        const std::vector<std::size_t> unused = header.Unused();
        if (!unused.empty()) {
            note = "columns not used by fbp, passed through:";
            for (std::size_t i = 0; i < unused.size(); ++i) {
                note += (i == 0 ? " " : ", ") + header.Name(unused[i]);
            }
        }
        return "";
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
                if (values.Text(*at).empty()) continue;
                if (!values.Optional(at, column.rule, value)) return values.Problem();
            }
            column.Fill(inputs_, value);
        }
        FbpOutputs outputs;
        ComputeFbp(inputs_, outputs);  // the fuel type was found above

        for (std::string_view field : fields) out.Field(field);
        for (const FbpOutputColumn& output : kFbpOutputColumns) {
            out.Number(outputs.*output.value);
        }
        out.Field(fireTypeWords_[static_cast<std::size_t>(ClassifyFireType(outputs.cfb))]);
        out.EndRow();
        return "";
    }

  private:
    const std::vector<FbpInputColumn>& columns_;
    std::vector<std::optional<std::size_t>> positions_;
    std::optional<std::size_t> fuelType_;
    const FbpInputs base_;
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
        "(curing %), GFL (kg/m2), theta (deg). A blank value takes the engine's default.\n"
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
