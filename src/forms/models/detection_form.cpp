#include "forms/models/detection_form.h"

#include <cmath>
#include <optional>

#include "common/calendar.h"
#include "common/number_text.h"
#include "common/rounding.h"
#include "fbp/fbp_engine.h"
#include "fire/containment.h"
#include "forms/exports/result_table.h"
#include "forms/fields/field_declarations.h"
#include "forms/fields/field_tips.h"

namespace emberlin::forms {

namespace {

// clang-format off
constexpr std::array<const char*, kDetectionElapsedMinutes.size()> kMinutesLabels = {
    "   15  ", "   30  ", "   45  ", "   60  ", "   75  ",
    "   90  ", " 105  ",  " 120  ",  " 180  ",  " 240  ",
};

// Formats by magnitude:       below 10             10 to 100           100 to 1000         1000 on
constexpr std::array<MagnitudeFormat, 4> kHeadRos   = {{{"    ", 4, " "},  {" ", 4, " "},   {"", 4, " "},    {"", 4, " "}}};
constexpr std::array<MagnitudeFormat, 4> kHeadHfi   = {{{"   ", 5, ""},    {"  ", 5, ""},   {" ", 5, ""},    {"", 5, ""}}};
constexpr std::array<MagnitudeFormat, 4> kFlankRos  = {{{"  ", 4, ""},     {" ", 4, ""},    {"", 4, ""},     {"", 4, ""}}};
constexpr std::array<MagnitudeFormat, 4> kFlankHfi  = {{{"   ", 5, " "},   {"  ", 5, " "},  {" ", 5, " "},   {"", 5, " "}}};
constexpr std::array<MagnitudeFormat, 4> kBackRos   = {{{"  ", 4, " "},    {" ", 4, " "},   {"", 4, " "},    {"", 4, " "}}};
constexpr std::array<MagnitudeFormat, 4> kBackHfi   = {{{"   ", 5, " "},   {"  ", 5, " "},  {" ", 5, " "},   {"", 5, " "}}};
// Areas from 100 ha keep the two spaces of the class below.
constexpr std::array<MagnitudeFormat, 4> kArea      = {{{"   ", 5, " "},   {"  ", 5, " "},  {"  ", 5, " "},  {"", 5, " "}}};
constexpr std::array<MagnitudeFormat, 4> kPerimeter = {{{"   ", 5, " "},   {"  ", 5, " "},  {" ", 5, " "},   {"", 5, " "}}};
constexpr std::array<MagnitudeFormat, 4> kPgr       = {{{"   ", 5, " "},   {"  ", 5, " "},  {" ", 5, " "},   {" ", 5, " "}}};
constexpr std::array<MagnitudeFormat, 4> kCfb       = {{{"   ", 5, " "},   {"   ", 5, " "}, {"   ", 5, " "},  {"   ", 5, " "}}};
// clang-format on

// Column headings, placed over the columns of a typical row (the calculator's C2 fire at
// 14:45: clock digits from 2, minutes from 13, head ROS from 21, head HFI from 29, flank from
// 46 and 53, back from 70 and 78, area to 99, perimeter from 107, PGR from 121, CFB from 136,
// fire type from 145, POC at 165). The columns stand closer than their captions are long, so
// each caption stands as two lines, its name over its unit, as a narrow caption wraps at its
// run of blanks.
constexpr std::string_view kRateCaption = "  ROS       HFI     ";
constexpr std::string_view kUnitCaption = "(m/min)  (kW/m)";

std::array<std::string, DetectionForm::kHeadingLineCount> DetectionHeadings() {
    return {
        HeadingLine(
            {{19, "------ HEAD------"}, {41, "------ FLANK -------"}, {67, "----- BACK -----"}}),
        HeadingLine({{2, "HOUR"},
                     {9, "TIME (min)"},
                     {19, kRateCaption},
                     {44, kRateCaption},
                     {68, kRateCaption},
                     {95, "Area"},
                     {105, "Perimeter"},
                     {121, "PGR"},
                     {136, "CFB"},
                     {146, "Type Fire"},
                     {164, "POC"}}),
        HeadingLine({{19, kUnitCaption},
                     {44, kUnitCaption},
                     {68, kUnitCaption},
                     {94, "( ha )"},
                     {107, "( m )"},
                     {120, "( m )"},
                     {162, "( % )"}}),
    };
}

}  // namespace

FormattedRow FormatDetectionRow(int clockLabel, int row, const FbpOutputs& out, bool withPoc) {
    FormattedRow formatted;
    formatted.Gap("  ").Value(FormatInt(clockLabel)).Gap(" ");
    formatted.Gap("   ").Value(kMinutesLabels.at(static_cast<std::size_t>(row)));
    formatted.Gap("   ").Value(FormatByMagnitude(out.ros, kHeadRos));
    formatted.Gap("   ").Value(FormatByMagnitude(out.hfi, kHeadHfi));
    formatted.Gap("        ").Value(FormatByMagnitude(out.fros, kFlankRos));
    formatted.Gap("   ").Value(FormatByMagnitude(out.ffi, kFlankHfi));
    formatted.Gap("        ").Value(FormatByMagnitude(out.bros, kBackRos));
    formatted.Gap("   ").Value(FormatByMagnitude(out.bfi, kBackHfi));
    formatted.Gap("        ").Value(FormatByMagnitude(out.area, kArea));
    formatted.Gap("     ").Value(FormatByMagnitude(out.perimeter, kPerimeter));
    formatted.Gap("     ").Value(FormatByMagnitude(out.pgr, kPgr));
    formatted.Gap("     ").Value(FormatByMagnitude(out.cfb, kCfb));
    formatted.Gap("     ").Value(FireTypeWord(out.cfb)).Gap("     ");
    if (withPoc) {
        formatted.Gap("   ").Value(FormatInt(ContainmentProbability(out.area, out.hfi)));
    } else {
        formatted.cells.emplace_back();  // the odds column stays empty
    }
    return formatted;
}

int DetectionClockLabel(int minutes) {
    // Past midnight the clock starts again: 24:00 itself still reads 2400.
    while (minutes > 24 * 60) minutes -= 24 * 60;
    return (minutes / 60) * 100 + minutes % 60;
}

std::string DetectionForm::RowId(int row) { return "row" + std::to_string(row + 1); }

std::string DetectionForm::HeadingId(int line) { return "heading" + std::to_string(line + 1); }

DetectionForm::DetectionForm(HandOver& shared)
    : FbpSettingsForm("EMBERLIN - FBP Detection Assessment", shared, DetectionFields()),
      headings_(DetectionHeadings()) {
    // Input fields, declared in storing order. Every edit marks the inputs as edited, so a
    // later CALCULATE no longer claims a settings source.
    auto typed = [this](Control& control) {
        control.onEdited = [this] {
            inputsEdited_ = true;
            StoreWhileTyping();
        };
    };
    typed(AddField("aspect", settings_.site.aspect));
    typed(AddField("bui", settings_.site.bui));
    typed(AddField("day", settings_.day));
    typed(AddField("elevation", settings_.site.elevation));
    // Display only: the rows take the FFMC and wind hour by hour from the diurnal calculator.
    AddDouble("ffmc", "FFMC", settings_.ffmc, 0, 101).readOnly = true;
    typed(AddField("latitude", settings_.site.latitude));
    typed(AddField("longitude", settings_.site.longitude));
    typed(AddField("month", settings_.month));
    typed(AddField("windDirection", settings_.site.windDirection));
    typed(AddField("gc", settings_.site.gc));
    typed(AddField("pdf", settings_.site.pdf));
    typed(AddField("gfl", settings_.site.gfl));
    typed(AddField("pc", settings_.site.pc));
    AddDouble("windSpeed", "Wind Speed     ( km/hr )", settings_.windSpeed, 0, 150).readOnly = true;
    typed(AddField("slope", settings_.site.slope));
    typed(AddField("fireStartTime", fireStartTime_));

    AddFuelChecks(&FuelType::detectionLabel);
    AddIgnitionAndSourceChecks();

    for (int line = 0; line < kHeadingLineCount; ++line) {
        AddText(HeadingId(line), "Column headings", headings_[static_cast<std::size_t>(line)]);
    }
    for (int row = 0; row < kRowCount; ++row) {
        AddText(RowId(row),
                "Projection at " +
                    std::to_string(kDetectionElapsedMinutes[static_cast<std::size_t>(row)]) +
                    " min",
                rows_[static_cast<std::size_t>(row)]);
    }

    AddChoiceGroups();

    AddButton("calculate", "CALCULATE", [this] { Calculate(); });
    AddButton("exit", "EXIT", [this] { Ok(); });
    AddButton("cancel", "Cancel", [this] { Cancel(); });

    ApplyTips(DetectionTips());
    std::vector<std::string> rowIds;
    for (int row = 0; row < kRowCount; ++row) rowIds.push_back(RowId(row));
    MarkResults(rowIds, DetectionRowTip());
}

void DetectionForm::ClearRows() {
    for (std::string& row : rows_) row.clear();
    lastRows_.reset();
    for (auto& cells : cells_) cells.clear();
    growth_.clear();
    ResultsCleared();
}

void DetectionForm::RestoreDefaults() {
    // The way out of any bad value: puts back every input and never refuses.
    settings_ = FbpSettings{};
    PutBackDefaults();
    ShowChoices(settings_.fuelIndex, settings_.ignition, true, false);
    ClearRows();
    Show();
    StoreWhileTyping();  // every text is now valid: clears any warning left beside a field
}

void DetectionForm::TakeFbpSettings() {
    const FbpSettings* source = FbpSource();
    if (source == nullptr) return;
    const FbpSettings& fbp = *source;
    if (!IsFuelIndex(fbp.fuelIndex)) {
        Message(
            "Nothing was taken over from the FBP Calculator: its fuel type or ignition type "
            "is not one of this form's.");
        return;
    }
    // BUI, FFMC and wind speed are taken rounded, the percentages truncated.
    const ProjectionSite& site = fbp.site;
    if (!TakeOver("FBP Calculator", {{"aspect", site.aspect},
                                     {"bui", std::trunc(site.bui + 0.5)},
                                     {"day", fbp.day},
                                     {"elevation", site.elevation},
                                     {"ffmc", std::trunc(fbp.ffmc + 0.5)},
                                     {"latitude", site.latitude},
                                     {"longitude", site.longitude},
                                     {"month", fbp.month},
                                     {"windDirection", site.windDirection},
                                     {"gc", site.gc},
                                     {"pdf", site.pdf},
                                     {"gfl", site.gfl},
                                     {"pc", site.pc},
                                     {"windSpeed", std::trunc(fbp.windSpeed + 0.5)},
                                     {"slope", site.slope}})) {
        return;
    }
    ClearRows();
    ShowChoices(fbp.fuelIndex, fbp.ignition, false, true);
    Show();
}

void DetectionForm::Calculate() {
    if (!StoreForAction() || !CheckDayOfMonth("month", "day")) return;
    if (fireStartTime_ % 100 > 59) {
        RefuseField("fireStartTime", kStartTimeMessage);
        return;
    }

    if (inputsEdited_) SetSettingsBoxes(false, false);
    if (!shared_.hourly) {
        Show();
        Message(kNoHourlyMessage);
        return;
    }

    // After a successful store the month lies in 1..12, so the day of the year exists.
    const int julianDay = DayOfYear(settings_.month, settings_.day).value_or(settings_.day);
    const int start = (fireStartTime_ / 100) * 60 + fireStartTime_ % 100;  // minutes after 00:00
    const bool withPoc = settings_.fuelIndex == kC2;

    // One fire, grown hour by hour: each row adds to the distances of the one before, burned
    // under the FFMC and wind of every hour it has passed through.
    fire_ = EngineInputs(settings_, julianDay);
    startMinutes_ = start;
    growth_ = GrowDetectionFire(fire_, start, *shared_.hourly);
    rowsHoursVersion_ = shared_.hourly.Version();
    std::array<DetectionRow, kRowCount> computed{};
    for (std::size_t row = 0; row < growth_.size(); ++row) {
        const AccumulatedGrowthRow& grown = growth_[row];
        // The rates, intensities and crown fraction are those of the row's own hour and
        // elapsed time; the size is that of the fire grown so far.
        const FbpOutputs out = GrownOutputs(grown);
        const int label = DetectionClockLabel(start + kDetectionElapsedMinutes[row]);
        const int index = static_cast<int>(row);
        FormattedRow formatted = FormatDetectionRow(label, index, out, withPoc);
        rows_[row] = std::move(formatted.text);
        cells_[row] = std::move(formatted.cells);
        computed[row] = {label, out, withPoc};
    }
    lastRows_ = computed;
    ResultsShown();
    Show();
}

std::string DetectionForm::ChangedSource() const {
    if (!lastRows_ || shared_.hourly.Version() == rowsHoursVersion_) return {};
    return "hourly weather of the Diurnal Weather Calculator";
}

ResultTable DetectionForm::Table() const {
    ResultTable table =
        ProjectionGrid({"HOUR", "TIME\n(min)"}, {"POC\n(%)"}, cells_, headings_, rows_);
    table.headerTips[0] = "Clock time hhmm at which the row's elapsed time ends";
    table.headerTips[8] = kAreaTip;
    table.headerTips[13] = "Probability of containment, C2 only";
    return table;
}

}  // namespace emberlin::forms
