#include "forms/models/fwi_calc_form.h"

#include <array>

#include "common/number_text.h"
#include "common/rounding.h"
#include "forms/fields/field_declarations.h"
#include "forms/fields/field_tips.h"
#include "forms/fields/result_columns.h"
#include "fwi/fwi_index.h"

namespace emberlin::forms {

FwiCalcForm::FwiCalcForm(HandOver& shared)
    : FormModel("EMBERLIN - FWI Calculator", FwiCalcFields()), shared_(shared) {
    // Declared in storing order.
    AddField("ffmcYesterday", ffmcYesterday_);
    AddField("dmcYesterday", dmcYesterday_);
    AddField("dcYesterday", dcYesterday_);
    AddField("month", month_);
    AddField("rain", rain_);
    AddField("temperature", temperature_);
    AddField("windSpeed", windSpeed_);
    AddCheck("integerOption", "Integer", integerOption_,
             [this] { ChooseFormat(OutputFormat::Integer); });
    AddCheck("realOption", "Real", realOption_, [this] { ChooseFormat(OutputFormat::Real); });
    for (std::size_t i = 0; i < kFwiResultCount; ++i) {
        const FwiResultColumn& column = FwiCalcResults()[i];
        AddResultText(column.id, column.label, column.tip, resultTexts_[i]);
    }
    AddField("relativeHumidity", relativeHumidity_);

    AddOptionGroup({"outputFormat",
                    "Output format",
                    {{"integer", "integerOption"}, {"real", "realOption"}},
                    [this](std::size_t choice) {
                        outputFormat_ = choice == 0 ? OutputFormat::Integer : OutputFormat::Real;
                        integerOption_ = outputFormat_ == OutputFormat::Integer;
                        realOption_ = !integerOption_;
                    }});

    AddButton("calculate", "Calculate", [this] { Calculate(); });
    AddButton("acronyms", "FWI  Acronyms", [this] { Host().ShowPanel(kAcronymsPanel); });
    AddOkCancel();

    ApplyTips(FwiCalcTips());
    // The form opens with the results of its first inputs.
    WriteResults(CalcFwiDay(ffmcYesterday_, dmcYesterday_, dcYesterday_, month_, temperature_,
                            relativeHumidity_, rain_, windSpeed_));
    Show();
    ResultsShown(false);  // the texts shown at first are the results of the first inputs
}

void FwiCalcForm::ChooseFormat(OutputFormat format) {
    // The pair acts as exclusive options: the clicked one ends up on, even if it was on. The
    // choice is held at once, with the boxes that show it, so that a refused field neither
    // undoes it nor lets a later opening show the other box over results in this format.
    outputFormat_ = format;
    integerOption_ = format == OutputFormat::Integer;
    realOption_ = !integerOption_;
    SetChecked("integerOption", integerOption_);
    SetChecked("realOption", realOption_);
    Calculate();
}

void FwiCalcForm::Calculate() {
    if (!StoreForAction()) return;

    // The whole day at once: each value equals CalcFwiIndex with its selector.
    const FwiCodes codes = CalcFwiDay(ffmcYesterday_, dmcYesterday_, dcYesterday_, month_,
                                      temperature_, relativeHumidity_, rain_, windSpeed_);
    std::array<double, kFwiResultCount> values{};
    for (std::size_t i = 0; i < kFwiResultCount; ++i) values[i] = codes.*FwiCalcResults()[i].code;
    lastValues_ = values;
    FwiDay& day = shared_.fwi.emplace();
    day.bui = codes.bui;
    day.ffmc = codes.ffmc;
    day.dmc = codes.dmc;
    day.dc = codes.dc;
    day.rain = rain_;
    day.windSpeed = windSpeed_;
    day.relativeHumidity = relativeHumidity_;
    day.temperature = temperature_;
    day.month = month_;

    WriteResults(codes);
    ResultsShown();
    Show();
}

void FwiCalcForm::WriteResults(const FwiCodes& codes) {
    for (std::size_t i = 0; i < kFwiResultCount; ++i) {
        const double value = codes.*FwiCalcResults()[i].code;
        resultTexts_[i] = outputFormat_ == OutputFormat::Integer ? FormatInt(RoundToInt(value))
                                                                 : FormatFixed(value, 3, 2);
    }
}

}  // namespace emberlin::forms
