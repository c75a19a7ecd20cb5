#include "forms/models/fbp_calc_form.h"

#include <optional>

#include "common/calendar.h"
#include "common/number_text.h"
#include "common/rounding.h"
#include "fbp/fbp_engine.h"
#include "forms/content/fire_description.h"
#include "forms/fields/field_declarations.h"
#include "forms/fields/field_tips.h"
#include "forms/models/fbp_settings_form.h"

namespace emberlin::forms {

namespace {

// A rate of spread at or below this draws no ellipse worth a ratio.
constexpr double kLbRosFloor = 0.001;

std::string TwoDecimals(double value) { return FormatFixed(value, 3, 2); }
// "%d" of the value plus 0.5, truncated towards zero.
std::string Rounded(double value) { return FormatInt(RoundToInt(value)); }

}  // namespace

FbpCalcForm::FbpCalcForm(HandOver& shared)
    : FormModel("EMBERLIN - FBP Calculator", FbpCalcFields()), shared_(shared) {
    fuelChecks_[static_cast<std::size_t>(settings_.fuelIndex)] = true;

    // Declared in storing order.
    for (int i = 0; i < kFuelCount; ++i) {
        const FuelType& fuel = CatalogueFuel(i);
        AddCheck(std::string(fuel.buttonId), std::string(fuel.calculatorLabel),
                 fuelChecks_[static_cast<std::size_t>(i)], [this, i] { ChooseFuel(i); });
    }
    AddField("bui", settings_.site.bui);
    AddField("day", settings_.day);
    AddField("ffmc", settings_.ffmc);
    AddField("latitude", settings_.site.latitude);
    AddField("longitude", settings_.site.longitude);
    AddField("month", settings_.month);
    AddField("slope", settings_.site.slope);
    AddField("elapsedTime", settings_.elapsedTime);
    AddField("windSpeed", settings_.windSpeed);
    AddCheck("lineIgnition", "Line", lineIgnition_, [this] { ChooseIgnition(IgnitionType::Line); });
    AddCheck("pointIgnition", "Point", pointIgnition_,
             [this] { ChooseIgnition(IgnitionType::Point); });
    AddField("elevation", settings_.site.elevation);
    AddField("df", settings_.site.pdf);
    AddField("gc", settings_.site.gc);
    AddField("pc", settings_.site.pc);
    AddField("aspect", settings_.site.aspect);
    AddField("windDirection", settings_.site.windDirection);
    AddField("gfl", settings_.site.gfl);

    AddText("rosText", "ROS ( m/min )", rosText_);
    AddText("hfiText", "HFI   ( kW/m )", hfiText_);
    AddText("sfcText", "SFC  ( kg/sq. m )", sfcText_);
    AddText("tfcText", "TFC   ( kg/sq. m )", tfcText_);
    AddText("cfbText", "CFB", cfbText_);
    AddText("fdText", "FD", fdText_);
    AddText("frosText", "FROS  ( m/min )", frosText_);
    AddText("brosText", "BROS ( m/min )", brosText_);
    AddText("ffiText", "FFI    ( kW/m )", ffiText_);
    AddText("bfiText", "BFI  ( kW/m )", bfiText_);
    AddText("areaText", "Area ( ha )", areaText_);
    AddText("perimeterText", "Perimeter ( m )", perimeterText_);
    AddText("pgrText", "PGR ( m / min )", pgrText_);
    AddText("lbText", "LB Ratio", lbText_);
    AddText("hsdText", "HSD  ( m ) ", hsdText_);
    AddText("fsdText", "FSD  ( m )", fsdText_);
    AddText("bsdText", "BSD ( m )", bsdText_);

    AddOptionGroup(FuelTypeOptions([this](int i) { SelectFuel(i); }));
    AddOptionGroup({"ignition",
                    "Ignition",
                    {{"line", "lineIgnition"}, {"point", "pointIgnition"}},
                    [this](std::size_t i) {
                        SelectIgnition(i == 0 ? IgnitionType::Line : IgnitionType::Point);
                    }});

    AddButton("calculate", "Calculate", [this] { Calculate(); });
    AddButton("acronyms", "FBP  Acronyms", [this] { Host().ShowPanel(kAcronymsPanel); });
    AddButton("ok", "OK", [this] { Ok(); });
    AddButton("cancel", "Cancel", [this] { Cancel(); });

    ApplyTips(FbpCalcTips());
    MarkResults({"rosText", "hfiText", "sfcText", "tfcText", "cfbText", "fdText", "frosText",
                 "brosText", "ffiText", "bfiText", "areaText", "perimeterText", "pgrText", "lbText",
                 "hsdText", "fsdText", "bsdText"});
    ResultsShown(false);  // the texts shown at first are the results of the first inputs
    shownFire_ = EngineInputs(settings_, DayOfYear(settings_.month, settings_.day).value_or(0));
}

void FbpCalcForm::ChooseFuel(int fuelIndex) {
    SelectFuel(fuelIndex);
    Calculate();
}

void FbpCalcForm::SelectFuel(int fuelIndex) {
    // The boxes act as exclusive options: the clicked one ends up on, even if it was on. The
    // choice is held at once, so a refused field does not undo it.
    for (int i = 0; i < kFuelCount; ++i) {
        const bool on = i == fuelIndex;
        fuelChecks_[static_cast<std::size_t>(i)] = on;
        SetChecked(FuelBoxId(i), on);
    }
    settings_.fuelIndex = fuelIndex;
}

void FbpCalcForm::ChooseIgnition(IgnitionType ignition) {
    SelectIgnition(ignition);
    Calculate();
}

void FbpCalcForm::SelectIgnition(IgnitionType ignition) {
    lineIgnition_ = ignition == IgnitionType::Line;
    pointIgnition_ = ignition == IgnitionType::Point;
    SetChecked("lineIgnition", lineIgnition_);
    SetChecked("pointIgnition", pointIgnition_);
    settings_.ignition = ignition;
}

void FbpCalcForm::Calculate() {
    // Only values that passed their range checks reach the engine.
    if (!StoreForAction() || !CheckDayOfMonth("month", "day")) return;
    const std::optional<int> julianDay = DayOfYear(settings_.month, settings_.day);
    if (!julianDay) return;  // the month's range makes this unreachable

    shared_.fbp = settings_;

    const FbpInputs in = EngineInputs(settings_, *julianDay);
    FbpOutputs out;
    if (ComputeFbp(in, out) == FbpResult::Computed) {
        lastInputs_ = in;
        shownFire_ = in;
        lastOutputs_ = out;
        WriteOutputs(out);
        ResultsShown();
    }
    Show();
}

void FbpCalcForm::WriteOutputs(const FbpOutputs& out) {
    rosText_ = TwoDecimals(out.ros);
    hfiText_ = Rounded(out.hfi);
    sfcText_ = TwoDecimals(out.sfc);
    tfcText_ = TwoDecimals(out.tfc);
    cfbText_ = TwoDecimals(out.cfb);
    fdText_ = FireDescription(out.cfb);
    frosText_ = TwoDecimals(out.fros);
    brosText_ = TwoDecimals(out.bros);
    ffiText_ = Rounded(out.ffi);
    bfiText_ = Rounded(out.bfi);
    areaText_ = TwoDecimals(out.area);
    perimeterText_ = TwoDecimals(out.perimeter);
    pgrText_ = TwoDecimals(out.pgr);
    lbText_ = TwoDecimals(out.ros > kLbRosFloor ? out.lb : 0.0);
    hsdText_ = TwoDecimals(out.hsd);
    fsdText_ = TwoDecimals(out.fsd);
    bsdText_ = TwoDecimals(out.bsd);
}

}  // namespace emberlin::forms
