#include "forms/models/fuel_projection_form.h"

#include "common/calendar.h"
#include "fbp/fbp_engine.h"
#include "forms/fields/field_declarations.h"
#include "forms/fields/field_tips.h"

namespace emberlin::forms {

namespace {

// clang-format off
// Formats by magnitude:        below 10              10 to 100            100 to 1000          1000 on
constexpr std::array<MagnitudeFormat, 4> kRos       = {{{"   ", 4, " "},    {"  ", 4, " "},     {" ", 4, " "},      {" ", 4, " "}}};
constexpr std::array<MagnitudeFormat, 4> kHeadHfi   = {{{"    ", 7, ""},    {"   ", 7, ""},     {"  ", 7, ""},      {" ", 7, ""}}};
constexpr std::array<MagnitudeFormat, 4> kFlankHfi  = {{{"    ", 7, " "},   {"   ", 7, " "},    {"  ", 7, " "},     {" ", 7, " "}}};
// The back intensity takes one more space below 10 than the other two.
constexpr std::array<MagnitudeFormat, 4> kBackHfi   = {{{"     ", 7, " "},  {"   ", 7, " "},    {"  ", 7, " "},     {" ", 7, " "}}};
constexpr std::array<MagnitudeFormat, 4> kArea      = {{{"    ", 2, " "},   {"   ", 3, " "},    {"   ", 4, " "},    {" ", 5, " "}}};
constexpr std::array<MagnitudeFormat, 4> kPerimeter = {{{"    ", 5, " "},   {"   ", 5, " "},    {"  ", 5, " "},     {" ", 5, " "}}};
constexpr std::array<MagnitudeFormat, 4> kPgr       = {{{"   ", 5, " "},    {"  ", 5, " "},     {" ", 5, " "},      {" ", 5, " "}}};
constexpr std::array<MagnitudeFormat, 4> kCfb       = {{{"   ", 5, " "},    {"   ", 5, " "},    {"   ", 5, " "},    {"   ", 5, " "}}};
// clang-format on

// Column headings over the columns of a typical row (the calculator's C2 fire: fuel code
// at 5, head ROS from 16, head HFI from 27, flank from 47 and 59, back from 79 and 91, area
// to 113, perimeter from 124, PGR from 140, CFB from 157, fire type from 168). "FBP Fuel"
// stands as two words over the fuel codes.
std::array<std::string, FuelProjectionForm::kHeadingLineCount> ProjectionHeadings() {
    return {
        HeadingLine({{4, "FBP"},
                     {16, "------ HEAD------"},
                     {45, "------ FLANK -------"},
                     {79, "----- BACK -----"}}),
        HeadingLine({{3, "Fuel"},
                     {12, "ROS (m/min)"},
                     {25, "HFI (kW/m)"},
                     {43, "ROS (m/min)"},
                     {56, "HFI (kW/m)"},
                     {75, "ROS (m/min)"},
                     {88, "HFI (kW/m)"},
                     {101, "Area   ( ha )"},
                     {117, "Perimeter   ( m )"},
                     {136, "PGR  ( m )"},
                     {157, "CFB"},
                     {169, "Type Fire"}}),
    };
}

}  // namespace

FormattedRow FormatFuelProjectionRow(int fuelIndex, const FbpOutputs& out) {
    FormattedRow formatted;
    formatted.Gap("  ").Value(CatalogueFuel(fuelIndex).projectionLabel).Gap("       ");
    formatted.Value(FormatByMagnitude(out.ros, kRos)).Gap("    ");
    formatted.Value(FormatByMagnitude(out.hfi, kHeadHfi)).Gap("          ");
    formatted.Value(FormatByMagnitude(out.fros, kRos)).Gap("    ");
    formatted.Value(FormatByMagnitude(out.ffi, kFlankHfi)).Gap("          ");
    formatted.Value(FormatByMagnitude(out.bros, kRos)).Gap("    ");
    formatted.Value(FormatByMagnitude(out.bfi, kBackHfi)).Gap("          ");
    formatted.Value(FormatByMagnitude(out.area, kArea)).Gap("       ");
    formatted.Value(FormatByMagnitude(out.perimeter, kPerimeter)).Gap("       ");
    formatted.Value(FormatByMagnitude(out.pgr, kPgr)).Gap("       ");
    formatted.Value(FormatByMagnitude(out.cfb, kCfb)).Gap("       ");
    formatted.Value(FireTypeWord(out.cfb)).Gap("       ");
    return formatted;
}

std::string FuelProjectionForm::RowId(int fuelIndex) {
    return "row" + std::to_string(fuelIndex + 1);
}

std::string FuelProjectionForm::HeadingId(int line) { return "heading" + std::to_string(line + 1); }

FuelProjectionForm::FuelProjectionForm(HandOver& /*shared*/)
    : FormModel("EMBERLIN - FBP Projection by Fuel Type", FuelProjectionFields()),
      headings_(ProjectionHeadings()) {
    // Input fields, declared in storing order.
    AddField("aspect", settings_.site.aspect);
    AddField("gc", settings_.site.gc);
    AddField("bui", settings_.site.bui);
    AddField("day", settings_.day);
    AddField("pdf", settings_.site.pdf);
    AddField("elevation", settings_.site.elevation);
    AddField("ffmc", settings_.ffmc);
    AddField("latitude", settings_.site.latitude);
    AddField("gfl", settings_.site.gfl);
    AddField("longitude", settings_.site.longitude);
    AddField("month", settings_.month);
    AddField("pc", settings_.site.pc);
    AddField("slope", settings_.site.slope);
    AddField("elapsedTime", settings_.elapsedTime);
    AddField("windSpeed", settings_.windSpeed);
    AddField("windDirection", settings_.site.windDirection);

    AddCheck("pointIgnition", "Point", pointIgnition_,
             [this] { SelectIgnition(IgnitionType::Point); });
    AddCheck("lineIgnition", "Line", lineIgnition_, [this] { SelectIgnition(IgnitionType::Line); });

    AddOptionGroup({"ignition",
                    "Ignition",
                    {{"point", "pointIgnition"}, {"line", "lineIgnition"}},
                    [this](std::size_t i) {
                        SelectIgnition(i == 0 ? IgnitionType::Point : IgnitionType::Line);
                    }});

    for (int line = 0; line < kHeadingLineCount; ++line) {
        AddText(HeadingId(line), "Column headings", headings_[static_cast<std::size_t>(line)]);
    }
    for (int i = 0; i < kRowCount; ++i) {
        AddText(RowId(i), std::string(FuelTypeTable[static_cast<std::size_t>(i)].code),
                rows_[static_cast<std::size_t>(i)]);
    }

    AddButton("calculate", "Calculate", [this] { Calculate(); });
    AddOkCancel();

    ApplyTips(FuelProjectionTips());
    std::vector<std::string> rowIds;
    for (int i = 0; i < kRowCount; ++i) rowIds.push_back(RowId(i));
    MarkResults(rowIds, ProjectionRowTip());
}

// The ignition boxes change only the boxes: what is typed in the fields stays as typed.
void FuelProjectionForm::SelectIgnition(IgnitionType ignition) {
    settings_.ignition = ignition;
    pointIgnition_ = ignition == IgnitionType::Point;
    lineIgnition_ = ignition == IgnitionType::Line;
    SetChecked("pointIgnition", pointIgnition_);
    SetChecked("lineIgnition", lineIgnition_);
}

void FuelProjectionForm::Calculate() {
    if (!StoreForAction() || !CheckDayOfMonth("month", "day")) return;

    // After a successful store the month lies in 1..12, so the day of the year exists.
    const int julianDay = DayOfYear(settings_.month, settings_.day).value_or(settings_.day);
    lastOutputs_.emplace();
    for (int i = 0; i < kRowCount; ++i) {
        FbpSettings row = settings_;
        row.fuelIndex = i;
        const FbpInputs in = EngineInputs(row, julianDay);

        FbpOutputs out;
        ComputeFbp(in, out);  // every code comes from the table, so it is always recognised
        FormattedRow formatted = FormatFuelProjectionRow(i, out);
        rows_[static_cast<std::size_t>(i)] = std::move(formatted.text);
        cells_[static_cast<std::size_t>(i)] = std::move(formatted.cells);
        (*lastOutputs_)[static_cast<std::size_t>(i)] = out;
    }
    ResultsShown();
    Show();
}

ResultTable FuelProjectionForm::Table() const {
    return ProjectionGrid({"FBP Fuel"}, {}, cells_, headings_, rows_);
}

}  // namespace emberlin::forms
