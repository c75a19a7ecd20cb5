#include "forms/fuel_projection_form.h"

#include "common/calendar.h"
#include "fbp/fbp_engine.h"

namespace emberlin::forms {

namespace {

// clang-format off
constexpr std::array<const char*, kFuelCount> kFuelLabels = {
    "   C1", "   C2", "   C3", "   C4", "   C5", "   C6", "   C7", "   D1", "   D2",
    "   M1", "   M2", "   M3", "   M4", "   S1", "   S2", "   S3", " O1a",  " O1b",
};

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
                     {152, "CFB  ( % ) "},
                     {169, "Type Fire"}}),
    };
}

}  // namespace

std::string FuelProjectionRowText(int fuelIndex, const FbpOutputs& out) {
    std::string text = "  ";
    text += kFuelLabels.at(static_cast<std::size_t>(fuelIndex));
    text += "       ";
    text += FormatByMagnitude(out.ros, kRos) + "    " + FormatByMagnitude(out.hfi, kHeadHfi);
    text += "          ";
    text += FormatByMagnitude(out.fros, kRos) + "    " + FormatByMagnitude(out.ffi, kFlankHfi);
    text += "          ";
    text += FormatByMagnitude(out.bros, kRos) + "    " + FormatByMagnitude(out.bfi, kBackHfi);
    text += "          ";
    text += FormatByMagnitude(out.area, kArea) + "       ";
    text += FormatByMagnitude(out.perimeter, kPerimeter) + "       ";
    text += FormatByMagnitude(out.pgr, kPgr) + "       ";
    text += FormatByMagnitude(out.cfb, kCfb) + "       ";
    text += FireTypeWord(out.cfb);
    text += "       ";
    return text;
}

std::string FuelProjectionForm::RowId(int fuelIndex) { return "row" + std::to_string(fuelIndex + 1); }

std::string FuelProjectionForm::HeadingId(int line) { return "heading" + std::to_string(line + 1); }

FuelProjectionForm::FuelProjectionForm(SharedValues& /*shared*/)
    : FormModel("EMBERLIN - FBP Projection by Fuel Type"), headings_(ProjectionHeadings()) {
    // Input fields, declared in storing order.
    AddDouble("aspect", "Aspect", site_.aspect, 0, 360);
    AddInt("gc", " GC (%)", site_.gc, 0, 100);
    AddDouble("bui", "BUI", site_.bui, 0, 650);
    AddInt("day", "Day", day_, 1, 31);
    AddInt("pdf", "DF (%) ", site_.pdf, 0, 100);
    AddInt("elevation", "Elevation (m)", site_.elevation, 0, 3000);
    AddDouble("ffmc", "FFMC", ffmc_, 0, 101);
    AddDouble("latitude", "Latitude  ( d.d ) ", site_.latitude, 30, 90);
    AddDouble("gfl", "GFL  (kg / m2 )", site_.gfl, 0, 5);
    AddDouble("longitude", "Longitude   ( d.d )", site_.longitude, -170, 170);
    AddInt("month", "Month", month_, 1, 12);
    AddInt("pc", "  PC (%) ", site_.pc, 0, 100);
    AddDouble("slope", "Slope     ( % )", site_.slope, 0, 100);
    AddInt("elapsedTime", "Elapsed Time         (min)", elapsedTime_, 0, 300);
    AddDouble("windSpeed", "Wind Speed      ( km/hr )", windSpeed_, 0, 150);
    AddDouble("windDirection", "Wind Direction      ( deg ) ", site_.windDirection, 0, 360);

    AddCheck("pointIgnition", "Point", pointIgnition_, [this] { SelectIgnition(1); });
    AddCheck("lineIgnition", "Line", lineIgnition_, [this] { SelectIgnition(0); });

    for (int line = 0; line < kHeadingLineCount; ++line) {
        AddText(HeadingId(line), "Column headings", headings_[static_cast<std::size_t>(line)]);
    }
    for (int i = 0; i < kRowCount; ++i) {
        AddText(RowId(i), std::string(FuelTypeTable[static_cast<std::size_t>(i)].code),
                rows_[static_cast<std::size_t>(i)]);
    }

    AddButton("calculate", "Calculate", [this] { Calculate(); });
    AddButton("ok", "OK", [this] { Ok(); });
    AddButton("cancel", "Cancel", [this] { Cancel(); });
}

// The ignition boxes change only the boxes: what is typed in the fields stays as typed.
void FuelProjectionForm::SelectIgnition(int ignitionType) {
    ignitionType_ = ignitionType;
    pointIgnition_ = ignitionType == 1;
    lineIgnition_ = ignitionType == 0;
    SetChecked("pointIgnition", pointIgnition_);
    SetChecked("lineIgnition", lineIgnition_);
}

void FuelProjectionForm::Calculate() {
    if (!StoreForAction()) return;

    // After a successful store the month lies in 1..12, so the day of the year exists.
    const int julianDay = DayOfYear(month_, day_).value_or(day_);
    lastOutputs_.emplace();
    for (int i = 0; i < kRowCount; ++i) {
        FbpInputs in = ProjectionInputs(i, site_, julianDay);
        in.ignitionType = ignitionType_;
        in.elapsedTime = elapsedTime_;
        in.ffmc = ffmc_;
        in.windSpeed = windSpeed_;

        FbpOutputs out;
        ComputeFbp(in, out);  // every code comes from the table, so it is always recognised
        rows_[static_cast<std::size_t>(i)] = FuelProjectionRowText(i, out);
        (*lastOutputs_)[static_cast<std::size_t>(i)] = out;
    }
    Show();
}

}  // namespace emberlin::forms
