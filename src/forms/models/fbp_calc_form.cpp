#include "forms/models/fbp_calc_form.h"

#include <optional>

#include "common/calendar.h"
#include "fbp/fbp_engine.h"
#include "forms/fields/field_declarations.h"
#include "forms/fields/field_tips.h"
#include "forms/fields/result_columns.h"
#include "forms/models/fbp_settings_form.h"

namespace emberlin::forms {

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

    for (std::size_t i = 0; i < kFbpResultCount; ++i) {
        const FbpResultColumn& column = FbpCalcResults()[i];
        AddResultText(column.id, column.label, column.tip, resultTexts_[i]);
    }

    AddOptionGroup(FuelTypeOptions([this](int i) { SelectFuel(i); }));
    AddOptionGroup({"ignition",
                    "Ignition",
                    {{"line", "lineIgnition"}, {"point", "pointIgnition"}},
                    [this](std::size_t i) {
                        SelectIgnition(i == 0 ? IgnitionType::Line : IgnitionType::Point);
                    }});

    AddButton("calculate", "Calculate", [this] { Calculate(); });
    AddButton("acronyms", "FBP  Acronyms", [this] { Host().ShowPanel(kAcronymsPanel); });
    AddOkCancel();

    ApplyTips(FbpCalcTips());
    // The form opens with the results of its first inputs.
    FbpOutputs first;
    const int julianDay = DayOfYear(settings_.month, settings_.day).value_or(settings_.day);
    if (ComputeFbp(EngineInputs(settings_, julianDay), first) == FbpResult::Computed) {
        WriteOutputs(first);
    }
    Show();
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
    for (std::size_t i = 0; i < kFbpResultCount; ++i) {
        resultTexts_[i] = ResultText(FbpCalcResults()[i], out);
    }
}

}  // namespace emberlin::forms
